// Exercise 403: the sheet "Année N" active and its series "SUD" selected.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

// The regions of the sales table of exercise 403.
testsupport::VentesOptions Regions() {
  testsupport::VentesOptions options;
  options.sheets[0].productNames = {"NORD", "SUD", "EST", "OUEST"};
  return options;
}

class Question0403Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(403, HandedOutChart(), Regions()); }
};

TEST_F(Question0403Test, TheSeriesSudSelectedPasses) {
  Sheet(1)->Activate();
  Chart()->SeriesCollection()->Item(Variant("SUD"))->Select();
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0403Test, AnotherSeriesOrTheChartAreaSelectedGivesA) {
  Sheet(1)->Activate();
  Chart()->SeriesCollection()->Item(Variant("NORD"))->Select();
  EXPECT_EQ(Verdict(), "own:A");
  Chart()->SeriesCollection()->Item(Variant("SUD"))->SetName("Sud");
  Chart()->SeriesCollection()->Item(Variant("Sud"))->Select();
  EXPECT_EQ(Verdict(), "own:A");
  Chart()->ChartArea()->Select();
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0403Test, ACellSelectedGivesA) {
  EXPECT_EQ(Verdict(), "own:A");  // as the workbook opens
  Sheet(1)->Range("F5")->Select();
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0403Test, AnotherActiveSheetGivesB) {
  Sheet(2)->Activate();
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0403Test, TheSheetRenamedInLowerCaseGivesB) {
  Sheet(1)->SetName("année n");
  EXPECT_EQ(Verdict(), "own:B");
}

class Question0403Files : public ChartExerciseTest {};

TEST_F(Question0403Files, TheSecondSheetActiveGivesBAndACellSelectedA) {
  testsupport::VentesOptions second = Regions();
  second.activeSheet = 1;
  EXPECT_EQ(VerdictOn(403, HandedOutChart(), second), "own:B");
  testsupport::VentesOptions cell = Regions();
  cell.sheets[0].selection = "F5";
  EXPECT_EQ(VerdictOn(403, HandedOutChart(), cell), "own:A");
}

}  // namespace
}  // namespace k27093::testing
