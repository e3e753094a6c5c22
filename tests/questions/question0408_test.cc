// Exercise 408: major gridlines added to the category axis, the value axis left as it was.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureAxisLines;
using testsupport::FixtureChart;

class Question0408Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(408, HandedOutChart()); }
};

TEST_F(Question0408Test, CategoryMajorGridlinesPassWithOrWithoutMinorOnes) {
  CategoryAxis()->SetHasMajorGridlines(true);
  EXPECT_EQ(Verdict(), "own:");
  CategoryAxis()->SetHasMinorGridlines(true);
  ValueAxis()->SetHasMinorGridlines(true);  // step 1 decides alone
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0408Test, CategoryMinorGridlinesInsteadGiveA) {
  CategoryAxis()->SetHasMinorGridlines(true);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0408Test, ChangedValueGridlinesGiveB) {
  ValueAxis()->SetHasMinorGridlines(true);
  EXPECT_EQ(Verdict(), "own:B");
  ValueAxis()->SetHasMinorGridlines(false);
  ValueAxis()->SetHasMajorGridlines(false);
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0408Test, TheChartAsHandedOutGivesC) { EXPECT_EQ(Verdict(), "own:C"); }

TEST_F(Question0408Test, NoCategoryAxisIsTheSpreadsheetsErrorPassedOn) {
  Chart()->SetHasAxis(xl::kCategory, xl::kPrimary, false);
  EXPECT_EQ(RaisedError([&] { Verdict(); }).number(), errors::kApplication);
}

class Question0408Files : public ChartExerciseTest {
 protected:
  static FixtureChart WithLines(FixtureAxisLines category, FixtureAxisLines value) {
    FixtureChart chart = HandedOutChart();
    chart.categoryLines = category;
    chart.valueLines = value;
    return chart;
  }
};

TEST_F(Question0408Files, EachBranchGivesItsVerdict) {
  const FixtureAxisLines valueAsHandedOut{.majorGridlines = true};
  EXPECT_EQ(VerdictOn(408, WithLines({.majorGridlines = true}, valueAsHandedOut)), "own:");
  EXPECT_EQ(
      VerdictOn(408, WithLines({.majorGridlines = true, .minorGridlines = true}, valueAsHandedOut)),
      "own:");
  EXPECT_EQ(VerdictOn(408, WithLines({.minorGridlines = true}, valueAsHandedOut)), "own:A");
  EXPECT_EQ(VerdictOn(408, WithLines({}, {.majorGridlines = true, .minorGridlines = true})),
            "own:B");
  EXPECT_EQ(VerdictOn(408, WithLines({}, {})), "own:B");
  EXPECT_EQ(VerdictOn(408, WithLines({}, valueAsHandedOut)), "own:C");
}

}  // namespace
}  // namespace k27093::testing
