// Exercise 407: a plot area taller than 80 points in an unchanged chart object, the chart
// keeping its axes, title, legend and data.
#include "module/faulty_application.h"
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::FixtureLegend;

// The chart as exercise 407 hands it out: 247.5 x 146.25 points, titled, with its legend.
FixtureChart SmallChart() {
  FixtureChart chart;
  chart.title = "Ventes";
  chart.widthPixels = 330;
  chart.heightPixels = 195;
  return chart;
}

class Question0407Test : public ChartExerciseTest {
 protected:
  void SetUp() override {
    StartWith(407, SmallChart());
    Chart()->PlotArea()->SetHeight(60);
  }
  void PlotHeight(double points) { Chart()->PlotArea()->SetHeight(points); }
  void Clear(std::string_view cell) { Sheet(1)->Range(cell)->SetValue(Variant()); }
};

TEST_F(Question0407Test, APlotAreaTallerThanEightyPointsPasses) {
  PlotHeight(80.25);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0407Test, EightyPointsExactlyGiveBAndLessC) {
  EXPECT_EQ(Verdict(), "own:C");  // as handed out
  PlotHeight(80);
  EXPECT_EQ(Verdict(), "own:B");
  PlotHeight(79.5);
  EXPECT_EQ(Verdict(), "own:C");
}

TEST_F(Question0407Test, ALostTitleLegendOrAxisGivesDBeforeAnySizeIsLookedAt) {
  ChartObject()->SetWidth(360);  // would give A
  Chart()->SetHasTitle(false);
  EXPECT_EQ(Verdict(), "own:D");
  Chart()->SetHasTitle(true);
  Chart()->SetHasLegend(false);
  EXPECT_EQ(Verdict(), "own:D");
  Chart()->SetHasLegend(true);
  Chart()->SetHasAxis(xl::kValue, xl::kPrimary, false);
  EXPECT_EQ(Verdict(), "own:D");
  Chart()->SetHasAxis(xl::kValue, xl::kPrimary, true);
  Chart()->SetHasAxis(xl::kCategory, xl::kPrimary, false);
  EXPECT_EQ(Verdict(), "own:D");
  Chart()->SetHasAxis(xl::kCategory, xl::kPrimary, true);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0407Test, AllEightDataCellsClearedGiveDButSevenDoNot) {
  PlotHeight(80.25);
  for (std::string_view cell : {"F4", "F5", "F6", "F7", "G4", "G5", "G6"}) Clear(cell);
  EXPECT_EQ(Verdict(), "own:");
  Clear("G7");
  EXPECT_EQ(Verdict(), "own:D");
}

TEST_F(Question0407Test, AResizedChartObjectGivesAEvenWithATallPlotArea) {
  PlotHeight(100);
  ChartObject()->SetHeight(216);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0407Test, ASpreadsheetFailureGivesDOnlyWhileTheFrameIsChecked) {
  // The check reads the active workbook once for the chart, then once for each of the twelve
  // reads of the frame; the spreadsheet fails at the read `failing`.
  auto faulty = MakeRef<FaultyApplication>(application_);
  int reads = 0, failing = 0;
  faulty->SetFault([&](std::string_view member) {
    if (member == "ActiveWorkbook" && ++reads == failing) Raise(errors::kApplication);
  });
  auto question = QuestionAlone(407, SmallChart(), {}, faulty);
  for (int read : {2, 7, 13}) {
    reads = 0;
    failing = read;
    question->TestePoint();
    EXPECT_EQ(question->CauseErreur(), "D") << read;
  }
  reads = 0;
  failing = 1;
  EXPECT_EQ(RaisedError([&] { question->TestePoint(); }).number(), errors::kApplication);
}

class Question0407Files : public ChartExerciseTest {};

TEST_F(Question0407Files, ALostTitleOrLegendOrEmptyTableGivesD) {
  FixtureChart untitled = SmallChart();
  untitled.title.clear();
  EXPECT_EQ(VerdictOn(407, untitled), "own:D");
  FixtureChart noLegend = SmallChart();
  noLegend.legend = FixtureLegend::kNone;
  EXPECT_EQ(VerdictOn(407, noLegend), "own:D");
  testsupport::VentesOptions emptyTable;
  emptyTable.sheets[0].withTable = false;
  EXPECT_EQ(VerdictOn(407, SmallChart(), emptyTable), "own:D");
}

// Without a stored layout the plot area is laid out as the spreadsheet does: a titled chart
// of 247.5 x 146.25 points with its legend on the right gets a plot area taller than 80.
TEST_F(Question0407Files, AnAutomaticLayoutOfTheChartIsMeasured) {
  EXPECT_EQ(VerdictOn(407, SmallChart()), "own:");
  Chart()->PlotArea()->SetHeight(79.5);
  EXPECT_EQ(Verdict(), "own:C");
}

TEST_F(Question0407Files, AnotherChartObjectSizeGivesA) {
  FixtureChart large = SmallChart();
  large.widthPixels = 480;
  EXPECT_EQ(VerdictOn(407, large), "own:A");
}

}  // namespace
}  // namespace k27093::testing
