// Exercise 401 graded on workbook files written by an independent writer, as a learner's
// spreadsheet program would save them.
#include "module/module_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::FixtureChartType;
using testsupport::VentesOptions;

class Question0401Files : public ModuleTest {
 protected:
  // The verdict of a fresh exercise 401 on a workbook whose first sheet holds `charts`.
  std::string VerdictWith(std::vector<FixtureChart> charts, VentesOptions options = {}) {
    options.sheets[0].charts = std::move(charts);
    StageModel(401, options);
    Start(401);
    return Verdict();
  }
  static FixtureChart Right() { return {}; }
};

TEST_F(Question0401Files, TheRightChartPasses) {
  EXPECT_EQ(VerdictWith({Right()}), "own:");
  EXPECT_EQ(module_.Complement()->count(), 0);
}

TEST_F(Question0401Files, NoChartGivesHAndTwoChartsGiveI) {
  EXPECT_EQ(VerdictWith({}), "own:H");
  FixtureChart second = Right();
  second.row = 30;
  EXPECT_EQ(VerdictWith({Right(), second}), "own:I");
}

TEST_F(Question0401Files, StackedColumnsBarsAndLinesGiveA) {
  for (FixtureChartType type : {FixtureChartType::kColumnStacked, FixtureChartType::kBarClustered,
                                FixtureChartType::kLine}) {
    FixtureChart chart = Right();
    chart.type = type;
    EXPECT_EQ(VerdictWith({chart}), "own:A") << static_cast<int>(type);
  }
}

TEST_F(Question0401Files, ThreeSeriesGiveBAndFiveGiveC) {
  FixtureChart three = Right();
  three.seriesRows = {4, 5, 6};
  EXPECT_EQ(VerdictWith({three}), "own:B");
  FixtureChart five = Right();
  five.seriesRows = {4, 5, 6, 7, 7};
  EXPECT_EQ(VerdictWith({five}), "own:C");
}

TEST_F(Question0401Files, SeriesTakenByColumnsMakeTwoSeriesAndGiveB) {
  FixtureChart chart = Right();
  chart.seriesInRows = false;
  EXPECT_EQ(VerdictWith({chart}), "own:B");
}

TEST_F(Question0401Files, DeletedAxesAndHiddenLabelsGiveEOrF) {
  FixtureChart noValueAxis = Right();
  noValueAxis.valueAxis = false;
  EXPECT_EQ(VerdictWith({noValueAxis}), "own:E");
  FixtureChart noCategoryAxis = Right();
  noCategoryAxis.categoryAxis = false;
  EXPECT_EQ(VerdictWith({noCategoryAxis}), "own:F");
  FixtureChart noLabels = Right();
  noLabels.categoryLabels = false;
  EXPECT_EQ(VerdictWith({noLabels}), "own:E");
}

TEST_F(Question0401Files, CategoryNamesInLowerCasePaddedOrSingleGiveF) {
  VentesOptions lower;
  lower.sheets[0].quarterLabels = {"trim 1", "trim 2"};
  EXPECT_EQ(VerdictWith({Right()}, lower), "own:F");
  VentesOptions padded;
  padded.sheets[0].quarterLabels = {"Trim 1", "Trim 2 "};
  EXPECT_EQ(VerdictWith({Right()}, padded), "own:F");
  FixtureChart single = Right();
  single.categoryCells = "$F$3";
  EXPECT_EQ(VerdictWith({single}), "own:F");
}

TEST_F(Question0401Files, SeriesInAnotherOrderGiveD) {
  FixtureChart chart = Right();
  chart.seriesRows = {5, 4, 6, 7};
  EXPECT_EQ(VerdictWith({chart}), "own:D");
}

TEST_F(Question0401Files, AnyTitleGivesG) {
  FixtureChart titled = Right();
  titled.title = "Ventes par trimestre";
  EXPECT_EQ(VerdictWith({titled}), "own:G");
  FixtureChart valueTitle = Right();
  valueTitle.valueAxisTitle = "Euros";
  EXPECT_EQ(VerdictWith({valueTitle}), "own:G");
  FixtureChart categoryTitle = Right();
  categoryTitle.categoryAxisTitle = "Trimestres";
  EXPECT_EQ(VerdictWith({categoryTitle}), "own:G");
}

TEST_F(Question0401Files, AWorkbookFixedAndReopenedPassesOnTheNextCheck) {
  FixtureChart stacked = Right();
  stacked.type = FixtureChartType::kColumnStacked;
  EXPECT_EQ(VerdictWith({stacked}), "own:A");
  // The learner replaces the workbook by a corrected one.
  Workbook()->Close(false);
  VentesOptions fixed;
  fixed.sheets[0].charts = {Right()};
  testsupport::WriteVentesWorkbook(work_.File("Ventes.xls"), fixed);
  application_->Workbooks()->Open(work_.File("Ventes.xls"));
  EXPECT_EQ(Verdict(), "own:");
}

}  // namespace
}  // namespace k27093::testing
