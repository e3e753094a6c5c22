// Exercise 412: a fifth series named by E8 with the values F8:G8, with no categories or with
// the categories F3:G3.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

class Question0412Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(412, HandedOutChart()); }
  void AddFifth(std::string_view formula) {
    Chart()->SeriesCollection()->NewSeries()->SetFormula(formula);
  }
};

TEST_F(Question0412Test, AFifthSeriesWithoutOrWithTheTablesCategoriesPasses) {
  AddFifth("=SERIES('Année N'!$E$8,,'Année N'!$F$8:$G$8,5)");
  EXPECT_EQ(Verdict(), "own:");
  Chart()
      ->SeriesCollection()
      ->Item(Variant(5))
      ->SetFormula("=SERIES('Année N'!$E$8,'Année N'!$F$3:$G$3,'Année N'!$F$8:$G$8,5)");
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0412Test, OtherCategoriesGiveC) {
  AddFifth("=SERIES('Année N'!$E$8,'Année N'!$F$4:$G$4,'Année N'!$F$8:$G$8,5)");
  EXPECT_EQ(Verdict(), "own:C");
}

TEST_F(Question0412Test, OtherValuesOrNameGiveB) {
  AddFifth("=SERIES('Année N'!$E$8,,'Année N'!$F$9:$G$9,5)");
  EXPECT_EQ(Verdict(), "own:B");
  Chart()
      ->SeriesCollection()
      ->Item(Variant(5))
      ->SetFormula("=SERIES('Année N'!$E$9,,'Année N'!$F$8:$G$8,5)");
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0412Test, FourOrSixSeriesGiveA) {
  EXPECT_EQ(Verdict(), "own:A");
  AddFifth("=SERIES('Année N'!$E$8,,'Année N'!$F$8:$G$8,5)");
  AddFifth("=SERIES('Année N'!$E$8,,'Année N'!$F$8:$G$8,6)");
  EXPECT_EQ(Verdict(), "own:A");
}

}  // namespace
}  // namespace k27093::testing
