// Exercise 413: a series named "moyenne" in any case, the fifth series a line, the first four
// columns.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

class Question0413Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(413, HandedOutChart()); }
  Ref<xl::Series> Series(std::int32_t index) {
    return Chart()->SeriesCollection()->Item(Variant(index));
  }
  Ref<xl::Series> AddAverage(std::string_view name) {
    auto series = Chart()->SeriesCollection()->NewSeries();
    series->SetFormula("=SERIES(,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,5)");
    series->SetName(name);
    return series;
  }
};

TEST_F(Question0413Test, AnAverageLineInAnyCasePasses) {
  auto average = AddAverage("Moyenne");
  average->SetChartType(xl::chart_type::kLine);
  EXPECT_EQ(Verdict(), "own:");
  average->SetName("MOYENNE");
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0413Test, NoSeriesOfThatNameGivesCEvenWithAFifthLine) {
  AddAverage("Moyennes")->SetChartType(xl::chart_type::kLine);
  EXPECT_EQ(Verdict(), "own:C");
}

TEST_F(Question0413Test, FourSeriesOneOfThemTheAverageGiveA) {
  Series(4)->SetName("moyenne");
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0413Test, AFifthSeriesThatIsNotALineGivesA) {
  AddAverage("moyenne");
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0413Test, AnAreaAmongTheFirstFourGivesB) {
  AddAverage("moyenne")->SetChartType(xl::chart_type::kLine);
  Series(3)->SetChartType(xl::chart_type::kArea);
  EXPECT_EQ(Verdict(), "own:B");
}

}  // namespace
}  // namespace k27093::testing
