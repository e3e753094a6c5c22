// Exercise 410: no major and no minor tick marks on the value axis.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;

class Question0410Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(410, HandedOutChart()); }
  void TickMarks(std::int32_t major, std::int32_t minor) {
    ValueAxis()->SetMajorTickMark(major);
    ValueAxis()->SetMinorTickMark(minor);
  }
};

TEST_F(Question0410Test, NoTickMarksPass) {
  TickMarks(xl::kTickMarkNone, xl::kTickMarkNone);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0410Test, MajorTickMarksLeftGiveA) {
  EXPECT_EQ(Verdict(), "own:A");  // outside, as handed out
  for (std::int32_t major : {xl::kTickMarkCross, xl::kTickMarkInside}) {
    TickMarks(major, xl::kTickMarkNone);
    EXPECT_EQ(Verdict(), "own:A") << major;
  }
}

TEST_F(Question0410Test, MinorTickMarksLeftGiveB) {
  TickMarks(xl::kTickMarkNone, xl::kTickMarkInside);
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0410Test, ADeletedValueAxisGivesCAndNoChartD) {
  Chart()->SetHasAxis(xl::kValue, xl::kPrimary, false);
  EXPECT_EQ(Verdict(), "own:C");
  auto question = QuestionAlone(410, HandedOutChart());
  ChartObject()->Delete();
  question->TestePoint();
  EXPECT_EQ(question->CauseErreur(), "D");
}

class Question0410Files : public ChartExerciseTest {
 protected:
  static FixtureChart WithTickMarks(int major, int minor) {
    FixtureChart chart = HandedOutChart();
    chart.valueLines.majorTickMark = major;
    chart.valueLines.minorTickMark = minor;
    return chart;
  }
};

TEST_F(Question0410Files, EachTickMarkGivesItsVerdict) {
  EXPECT_EQ(VerdictOn(410, WithTickMarks(xl::kTickMarkNone, xl::kTickMarkNone)), "own:");
  EXPECT_EQ(VerdictOn(410, WithTickMarks(xl::kTickMarkNone, xl::kTickMarkOutside)), "own:B");
  EXPECT_EQ(VerdictOn(410, WithTickMarks(xl::kTickMarkCross, xl::kTickMarkNone)), "own:A");
  EXPECT_EQ(VerdictOn(410, HandedOutChart()), "own:A");
  FixtureChart deleted = WithTickMarks(xl::kTickMarkNone, xl::kTickMarkNone);
  deleted.valueAxis = false;
  EXPECT_EQ(VerdictOn(410, deleted), "own:C");
  auto question = QuestionAlone(410, std::nullopt);
  question->TestePoint();
  EXPECT_EQ(question->CauseErreur(), "D");
}

}  // namespace
}  // namespace k27093::testing
