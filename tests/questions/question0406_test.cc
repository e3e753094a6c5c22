// Exercise 406: the legend at the bottom of the chart.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::FixtureLegend;

class Question0406Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(406, HandedOutChart()); }
};

TEST_F(Question0406Test, TheLegendAtTheBottomPasses) {
  Chart()->Legend()->SetPosition(xl::kLegendBottom);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0406Test, TheLegendElsewhereGivesC) {
  EXPECT_EQ(Verdict(), "own:C");  // on the right, as handed out
  for (std::int32_t position : {xl::kLegendTop, xl::kLegendLeft, xl::kLegendCorner}) {
    Chart()->Legend()->SetPosition(position);
    EXPECT_EQ(Verdict(), "own:C") << position;
  }
}

TEST_F(Question0406Test, NoLegendGivesA) {
  Chart()->SetHasLegend(false);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0406Test, NoChartGivesDThroughTheSpreadsheetsError) {
  ChartObject()->Delete();
  EXPECT_EQ(Verdict(), "general:J");  // the structure check comes first
  auto question = QuestionAlone(406, HandedOutChart());
  ChartObject()->Delete();
  question->TestePoint();
  EXPECT_EQ(question->CauseErreur(), "D");
}

class Question0406Files : public ChartExerciseTest {
 protected:
  static FixtureChart WithLegend(FixtureLegend legend) {
    FixtureChart chart = HandedOutChart();
    chart.legend = legend;
    return chart;
  }
};

TEST_F(Question0406Files, EachPlaceOfTheLegendGivesItsVerdict) {
  EXPECT_EQ(VerdictOn(406, WithLegend(FixtureLegend::kBottom)), "own:");
  EXPECT_EQ(VerdictOn(406, WithLegend(FixtureLegend::kRight)), "own:C");
  EXPECT_EQ(VerdictOn(406, WithLegend(FixtureLegend::kTop)), "own:C");
  EXPECT_EQ(VerdictOn(406, WithLegend(FixtureLegend::kNone)), "own:A");
  auto question = QuestionAlone(406, std::nullopt);
  question->TestePoint();
  EXPECT_EQ(question->CauseErreur(), "D");
}

}  // namespace
}  // namespace k27093::testing
