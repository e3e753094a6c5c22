// Exercises 418 to 420 on the chart of the second sheet: not a cone chart but a combination
// (418), its data table shown (419), printed at its screen size (420).
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

class SecondSheetChartTest : public ChartExerciseTest {
 protected:
  Ref<xl::Chart> Chart() { return ChartOf(2); }
};

class Question0418Test : public SecondSheetChartTest {
 protected:
  void SetUp() override { StartWith(418, HandedOutChart()); }
};

TEST_F(Question0418Test, ColumnsCombinedWithALinePass) {
  Chart()->SeriesCollection()->Item(Variant(4))->SetChartType(xl::chart_type::kLine);
  ASSERT_EQ(Chart()->ChartType(), xl::chart_type::kCombination);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0418Test, PlainColumnsGiveA) { EXPECT_EQ(Verdict(), "own:A"); }

TEST_F(Question0418Test, EveryConeChartGivesBAndItsNeighboursA) {
  namespace type = xl::chart_type;
  for (std::int32_t cone : {type::kConeColClustered, type::kConeBarClustered, type::kConeCol}) {
    Chart()->SetChartType(cone);
    EXPECT_EQ(Verdict(), "own:B") << cone;
  }
  for (std::int32_t neighbour : {type::kCylinderCol, type::kPyramidColClustered}) {
    Chart()->SetChartType(neighbour);
    EXPECT_EQ(Verdict(), "own:A") << neighbour;
  }
}

class Question0419Test : public SecondSheetChartTest {
 protected:
  void SetUp() override { StartWith(419, HandedOutChart()); }
};

TEST_F(Question0419Test, TheDataTableShownPassesAndHiddenGivesA) {
  EXPECT_EQ(Verdict(), "own:A");
  Chart()->SetHasDataTable(true);
  EXPECT_EQ(Verdict(), "own:");
}

class Question0420Test : public SecondSheetChartTest {
 protected:
  void SetUp() override { StartWith(420, HandedOutChart()); }
};

TEST_F(Question0420Test, TheScreenSizePassesAndTheOtherSizesGiveA) {
  Chart()->PageSetup()->SetChartSize(1);
  EXPECT_EQ(Verdict(), "own:");
  for (std::int32_t size : {2, 3}) {
    Chart()->PageSetup()->SetChartSize(size);
    EXPECT_EQ(Verdict(), "own:A") << size;
  }
}

}  // namespace
}  // namespace k27093::testing
