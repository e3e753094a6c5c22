// The application's Selection: the active sheet and its selected cells as a workbook opens,
// a Range's Name, and a chart's series selected through Series.Select.
#include <string>

#include "engine_fixture.h"
#include "support/workbook_fixtures.h"

namespace k27093::engine::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::VentesOptions;

class SelectionTest : public EngineTest {
 protected:
  Ref<xl::Workbook> OpenVentes(const VentesOptions& options) {
    std::string path = folder.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    return app->Workbooks()->Open(path);
  }
  // The sales workbook with the expected chart on its first sheet, whose series the test
  // names; the first sheet is active.
  Ref<xl::Chart> OpenWithChart() {
    VentesOptions options;
    options.sheets[0].charts = {FixtureChart{}};
    auto book = OpenVentes(options);
    return AsWorksheet(book->Sheets()->Item(Variant(1)))->ChartObjects()->Item(Variant(1))->Chart();
  }
  // The Name the Selection gives when read late-bound, as a check reads it.
  Variant SelectionName() { return GetProperty(app->Selection(), "Name"); }
};

TEST_F(SelectionTest, AWorkbookOpensOnItsActiveTabAndThatSheetsSelectedCells) {
  VentesOptions options;
  options.sheets[0].selection = "D12";
  options.sheets[1].selection = "B2:C3";
  options.activeSheet = 1;
  auto book = OpenVentes(options);
  EXPECT_EQ(app->ActiveSheet()->Name(), "Année N-1");
  EXPECT_EQ(ToObject<xl::Range>(app->Selection())->Address(), "$B$2:$C$3");
  book->Sheets()->Item(Variant(1))->Activate();
  EXPECT_EQ(ToObject<xl::Range>(app->Selection())->Address(), "$D$12");
}

TEST_F(SelectionTest, ASelectedRangeHasNoName) {
  VentesOptions options;
  options.sheets[0].selection = "D12";
  OpenVentes(options);
  Error error = CaughtError([&] { SelectionName(); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(), "Unable to get the Name property of the Range class");
  EXPECT_EQ(error.source(), "Microsoft Office Excel");
}

TEST_F(SelectionTest, ASelectedSeriesIsTheSelectionUnderItsOwnName) {
  auto chart = OpenWithChart();
  auto series = chart->SeriesCollection()->Item(Variant(2));
  series->SetName("SUD");
  series->Select();
  EXPECT_EQ(ToText(SelectionName()), "SUD");
  EXPECT_EQ(ToObject<xl::Series>(app->Selection())->Formula(), series->Formula());
  EXPECT_TRUE(app->ActiveChart().Is(chart));
  series->SetName("Sud");
  EXPECT_EQ(ToText(SelectionName()), "Sud");
}

TEST_F(SelectionTest, SelectingASeriesLateBoundSelectsIt) {
  auto chart = OpenWithChart();
  Variant series(chart->SeriesCollection()->Item(Variant(3)));
  CallByName(series, "Select", CallKind::Method);
  EXPECT_EQ(ToText(SelectionName()), std::string(testsupport::kProductNames[2]));
}

TEST_F(SelectionTest, ASeriesOfAChartOnAnInactiveSheetCannotBeSelected) {
  auto chart = OpenWithChart();
  app->ActiveWorkbook()->Sheets()->Item(Variant(2))->Activate();
  Error error = CaughtError([&] { chart->SeriesCollection()->Item(Variant(1))->Select(); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(), "Select method of Series class failed");
  EXPECT_EQ(ToObject<xl::Range>(app->Selection())->Address(), "$A$1");
}

TEST_F(SelectionTest, ADeletedSeriesIsNoLongerSelected) {
  auto chart = OpenWithChart();
  auto series = chart->SeriesCollection()->Item(Variant(2));
  series->Select();
  series->Delete();
  EXPECT_FALSE(app->Selection().AsObject());
  EXPECT_EQ(CaughtError([&] { SelectionName(); }).number(), 91);
}

TEST_F(SelectionTest, ASeriesOfARemovedChartIsNoLongerSelected) {
  auto chart = OpenWithChart();
  chart->SeriesCollection()->Item(Variant(1))->Select();
  AsWorksheet(app->ActiveSheet())->ChartObjects()->Item(Variant(1))->Delete();
  EXPECT_FALSE(app->Selection().AsObject());
}

TEST_F(SelectionTest, ASeriesOfTheActiveChartSheetCanBeSelected) {
  VentesOptions options;
  options.sheets.push_back(testsupport::ChartSheetOver("Graphique", "Année N"));
  auto book = OpenVentes(options);
  auto sheet = ToObject<xl::Chart>(Variant(book->Sheets()->Item(Variant("Graphique"))));
  EXPECT_EQ(CaughtError([&] { sheet->SeriesCollection()->Item(Variant(1))->Select(); }).number(),
            1004);
  sheet->Activate();
  sheet->SeriesCollection()->Item(Variant(1))->Select();
  EXPECT_EQ(ToText(SelectionName()), std::string(testsupport::kProductNames[0]));
}

}  // namespace
}  // namespace k27093::engine::testing
