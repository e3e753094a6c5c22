// Exercise 411: four clustered columns whose fourth series is not filled pale blue-green
// (colour number 16777164).
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

constexpr std::int32_t kPale = 16777164;  // CCFFFF as RGB

class Question0411Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(411, HandedOutChart()); }
  Ref<xl::Interior> Fourth() { return Chart()->SeriesCollection()->Item(Variant(4))->Interior(); }
};

TEST_F(Question0411Test, TheFourthSeriesInItsAutomaticColourGivesA) {
  ASSERT_EQ(Fourth()->Color(), kPale);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0411Test, AnyOtherColourOfTheFourthSeriesPasses) {
  Fourth()->SetColor(255);
  EXPECT_EQ(Verdict(), "own:");
  Fourth()->SetColor(kPale - 1);
  EXPECT_EQ(Verdict(), "own:");
  Fourth()->SetColor(kPale);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0411Test, BarsGiveCWhateverTheSeriesAndFiveSeriesB) {
  Fourth()->SetColor(255);
  Chart()->SetChartType(xl::chart_type::kBarClustered);
  EXPECT_EQ(Verdict(), "own:C");
  Chart()->SetChartType(xl::chart_type::kColumnClustered);
  Chart()->SeriesCollection()->NewSeries()->SetFormula(
      "=SERIES('Année N'!$E$7,'Année N'!$F$3:$G$3,'Année N'!$F$7:$G$7,5)");
  EXPECT_EQ(Verdict(), "own:B");
}

}  // namespace
}  // namespace k27093::testing
