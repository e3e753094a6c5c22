// WorkbookView: reading an open workbook through the object model, as the checks read it.
#include "cli/workbook_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "cli/embedded_environment.h"
#include "spreadsheet/object_model.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using client::EmbeddedEnvironment;
using client::EmbeddedOptions;

// What a test does to the open workbook before it is read, as a learner's macro would.
using Change = std::function<void(xl::Application&, xl::Workbook&)>;

class WorkbookView : public ::testing::Test {
 protected:
  client::WorkbookView Read(const testsupport::VentesOptions& options = {},
                            const Change& change = {}) {
    std::string path = folder_.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    EmbeddedOptions settings;
    settings.templatesPath = folder_.path();
    settings.currentFolder = folder_.path();
    EmbeddedEnvironment embedded(settings);
    auto application =
        ToObject<xl::Application>(Variant(embedded.registry().CreateObject(engine::kProgId)));
    Ref<xl::Workbook> book = application->Workbooks()->Open(path);
    if (change) change(*application, *book);
    client::WorkbookView view = client::ReadWorkbookView(*application, *book);
    book->Close(false);
    application->Quit();
    return view;
  }

  // The first chart of the first sheet of a workbook holding `chart` there.
  client::ChartView ReadChart(const testsupport::FixtureChart& chart, const Change& change = {}) {
    testsupport::VentesOptions options;
    options.sheets[0].charts.push_back(chart);
    client::WorkbookView view = Read(options, change);
    EXPECT_TRUE(view.sheets[0].charts.ok());
    EXPECT_EQ(view.sheets[0].charts.value().size(), 1u);
    return view.sheets[0].charts.value().at(0);
  }

  testsupport::TemporaryFolder folder_;
};

Ref<xl::Worksheet> FirstWorksheet(xl::Workbook& book) {
  return ToObject<xl::Worksheet>(Variant(book.Sheets()->Item(Variant(1))));
}

// The axis of `type` among the chart's axes; fails the test when it is not there.
const client::AxisView* AxisOfType(const client::ChartView& chart, std::int32_t type) {
  for (const auto& axis : chart.axes) {
    if (axis.ok() && axis.value().type == type) return &axis.value();
  }
  ADD_FAILURE() << "no axis " << type;
  return nullptr;
}

TEST_F(WorkbookView, ListsCellsByRowsThenColumns) {
  client::WorkbookView view = Read();
  EXPECT_EQ(view.name, "Ventes.xls");
  ASSERT_EQ(view.sheets.size(), 2u);
  const auto& cells = view.sheets[0].cells;
  ASSERT_EQ(cells.size(), 14u);
  EXPECT_EQ(cells[0].address, "F3");
  EXPECT_EQ(cells[1].address, "G3");
  EXPECT_EQ(cells[2].address, "E4");
  EXPECT_EQ(cells[13].address, "G7");
  EXPECT_EQ(ToDouble(cells[13].value), testsupport::SalesFigure(false, 3, 1));
}

TEST_F(WorkbookView, ReadsTheLabelOfE3WhenThereIsOne) {
  testsupport::VentesOptions options;
  options.sheets[0].tableLabel = "Ventes par région";
  client::WorkbookView view = Read(options);
  const auto& cells = view.sheets[0].cells;
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(cells[0].address, "E3");
  EXPECT_EQ(ToText(cells[0].value), "Ventes par région");
}

TEST_F(WorkbookView, FindsCommentsAnywhereInTheScannedArea) {
  testsupport::VentesOptions options;
  options.sheets[1].markerCell = "Z100";
  client::WorkbookView view = Read(options);
  ASSERT_EQ(view.sheets[1].comments.size(), 1u);
  EXPECT_EQ(view.sheets[1].comments[0].address, "Z100");
  EXPECT_EQ(view.sheets[0].comments[0].address, "G9");
}

TEST_F(WorkbookView, ASheetWithoutTableOrMarkerIsEmpty) {
  testsupport::VentesOptions options;
  testsupport::VentesSheet blank;
  blank.name = "Feuil3";
  blank.withTable = false;
  blank.marker.reset();
  options.sheets.push_back(blank);
  client::WorkbookView view = Read(options);
  ASSERT_EQ(view.sheets.size(), 3u);
  EXPECT_EQ(view.sheets[2].name, "Feuil3");
  EXPECT_TRUE(view.sheets[2].cells.empty());
  EXPECT_TRUE(view.sheets[2].comments.empty());
}

TEST_F(WorkbookView, ShowsTheSelectedRangeOfTheActiveSheet) {
  testsupport::VentesOptions options;
  options.sheets[1].selection = "B2:C3";
  options.activeSheet = 1;
  client::WorkbookView view = Read(options);
  EXPECT_EQ(view.activeSheet, "Année N-1");
  ASSERT_TRUE(view.selection.ok());
  ASSERT_TRUE(view.selection.value().has_value());
  EXPECT_EQ(view.selection.value()->typeName, "Range");
  EXPECT_EQ(view.selection.value()->address, "$B$2:$C$3");
  EXPECT_FALSE(view.selection.value()->name.has_value());
}

TEST_F(WorkbookView, ShowsASelectedShapeByItsName) {
  client::WorkbookView view = Read({}, [](xl::Application&, xl::Workbook& book) {
    FirstWorksheet(book)->Shapes()->AddShape(xl::kMsoShapeRectangle, 5, 5, 20, 10)->Select();
  });
  ASSERT_TRUE(view.selection.ok() && view.selection.value().has_value());
  const client::SelectionView& selection = *view.selection.value();
  EXPECT_FALSE(selection.address.has_value());
  ASSERT_TRUE(selection.name.has_value() && selection.name->ok());
  EXPECT_EQ(ToText(selection.name->value()), "AutoShape 1");
}

TEST_F(WorkbookView, ChartShowsItsPlaceInWholePixelsAndItsSeries) {
  testsupport::FixtureChart fixture;
  fixture.row = 0;
  fixture.column = 0;
  fixture.xOffset = 13;
  fixture.yOffset = 13;
  fixture.widthPixels = 330;
  fixture.heightPixels = 195;
  fixture.seriesFills = {{3, 0xCCFFFF}};
  client::ChartView chart = ReadChart(fixture);
  ASSERT_TRUE(chart.place.has_value());
  EXPECT_EQ(chart.place->left.value(), 9.75);
  EXPECT_EQ(chart.place->top.value(), 9.75);
  EXPECT_EQ(chart.place->width.value(), 247.5);
  EXPECT_EQ(chart.place->height.value(), 146.25);
  EXPECT_EQ(chart.chartType, xl::chart_type::kColumnClustered);
  EXPECT_EQ(chart.type.value(), xl::gallery::kColumn);
  EXPECT_EQ(chart.subType.value(), 1);
  ASSERT_TRUE(chart.series.ok());
  const auto& series = chart.series.value();
  ASSERT_EQ(series.size(), 4u);
  EXPECT_EQ(series[0].formula.value(),
            "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,1)");
  EXPECT_EQ(series[0].name.value(), std::string(testsupport::kProductNames[0]));
  EXPECT_EQ(series[3].type.value(), xl::gallery::kColumn);
  EXPECT_EQ(series[3].interiorColor.value(), 16777164);
}

TEST_F(WorkbookView, ChartTitleWithItsFontAndTheLegendPosition) {
  testsupport::FixtureChart fixture;
  fixture.title = "Ventes";
  fixture.titleFont = {"Times New Roman", 14};
  fixture.legend = testsupport::FixtureLegend::kBottom;
  client::ChartView chart = ReadChart(fixture);
  EXPECT_TRUE(chart.hasTitle.value());
  ASSERT_TRUE(chart.title.has_value());
  EXPECT_EQ(chart.title->value(), "Ventes");
  ASSERT_TRUE(chart.titleFont.has_value());
  EXPECT_EQ(ToText(chart.titleFont->name.value()), "Times New Roman");
  EXPECT_EQ(ToDouble(chart.titleFont->size.value()), 14);
  EXPECT_TRUE(chart.hasLegend.value());
  ASSERT_TRUE(chart.legendPosition.has_value());
  EXPECT_EQ(chart.legendPosition->value(), xl::kLegendBottom);
}

TEST_F(WorkbookView, AChartWithoutTitleOrLegendLeavesThemAbsent) {
  testsupport::FixtureChart fixture;
  fixture.legend = testsupport::FixtureLegend::kNone;
  client::ChartView chart = ReadChart(fixture);
  EXPECT_FALSE(chart.hasTitle.value());
  EXPECT_FALSE(chart.title.has_value());
  EXPECT_FALSE(chart.titleFont.has_value());
  EXPECT_FALSE(chart.hasLegend.value());
  EXPECT_FALSE(chart.legendPosition.has_value());
}

TEST_F(WorkbookView, AxesShowGridlinesTickMarksLabelsAndUnit) {
  testsupport::FixtureChart fixture;
  fixture.categoryLines = {.minorGridlines = true, .majorTickMark = 2, .minorTickMark = 4};
  fixture.valueLines = {.majorGridlines = true, .minorTickMark = 3};
  fixture.valueMajorUnit = 400;
  client::ChartView chart = ReadChart(fixture);
  EXPECT_TRUE(chart.hasAxis.category.value());
  EXPECT_TRUE(chart.hasAxis.value.value());
  EXPECT_FALSE(chart.hasAxis.series.value());
  ASSERT_EQ(chart.axes.size(), 2u);
  const client::AxisView* category = AxisOfType(chart, xl::kCategory);
  const client::AxisView* value = AxisOfType(chart, xl::kValue);
  ASSERT_TRUE(category && value);
  EXPECT_FALSE(category->majorGridlines.value());
  EXPECT_TRUE(category->minorGridlines.value());
  EXPECT_EQ(category->majorTickMark.value(), xl::kTickMarkInside);
  EXPECT_EQ(category->minorTickMark.value(), xl::kTickMarkCross);
  EXPECT_EQ(category->tickLabelPosition.value(), xl::kTickLabelNextToAxis);
  ASSERT_TRUE(category->categoryNames.has_value());
  const VariantArray& names = category->categoryNames->value().AsArray();
  ASSERT_EQ(names.items.size(), 2u);
  EXPECT_EQ(ToText(names.items[1]), "Trim 2");
  EXPECT_TRUE(value->majorGridlines.value());
  EXPECT_EQ(value->minorTickMark.value(), xl::kTickMarkOutside);
  EXPECT_EQ(value->majorUnit.value(), 400);
  EXPECT_FALSE(value->majorUnitIsAuto.value());
  EXPECT_FALSE(value->categoryNames.has_value());
}

TEST_F(WorkbookView, ADeletedAxisIsNotListed) {
  testsupport::FixtureChart fixture;
  fixture.valueAxis = false;
  client::ChartView chart = ReadChart(fixture);
  EXPECT_FALSE(chart.hasAxis.value.value());
  ASSERT_EQ(chart.axes.size(), 1u);
  EXPECT_EQ(chart.axes[0].value().type, xl::kCategory);
}

TEST_F(WorkbookView, APlainChartAreaFillShowsTheTextureErrorAndTheRestIsRead) {
  testsupport::FixtureChart fixture;
  fixture.dataTable = true;
  client::ChartView chart = ReadChart(fixture);
  ASSERT_FALSE(chart.chartArea.textureName.ok());
  EXPECT_EQ(chart.chartArea.textureName.error(), errors::kApplication);
  EXPECT_EQ(chart.chartArea.textureType.error(), errors::kApplication);
  EXPECT_TRUE(chart.hasDataTable.value());
  EXPECT_EQ(chart.chartSize.value(), 3);
  EXPECT_GT(chart.plotArea.outer.height.value(), 0);
  EXPECT_GT(chart.plotArea.inside.width.value(), 0);
}

TEST_F(WorkbookView, ATexturedChartAreaShowsItsTexture) {
  client::ChartView chart = ReadChart({}, [](xl::Application&, xl::Workbook& book) {
    FirstWorksheet(book)
        ->ChartObjects()
        ->Item(Variant(1))
        ->Chart()
        ->ChartArea()
        ->Fill()
        ->PresetTextured(1);
  });
  ASSERT_TRUE(chart.chartArea.textureName.ok());
  EXPECT_FALSE(chart.chartArea.textureName.value().empty());
  EXPECT_EQ(chart.chartArea.textureType.value(), 1);
}

TEST_F(WorkbookView, ChartShapesCarryTheirPlaceOrderColoursAndText) {
  client::ChartView chart = ReadChart({}, [](xl::Application&, xl::Workbook& book) {
    Ref<xl::Chart> inner = FirstWorksheet(book)->ChartObjects()->Item(Variant(1))->Chart();
    inner->TextBoxes()->Add(0, 111.7395, 36.77457, 12.76425)->SetText("x1000");
    Ref<xl::Shape> shape = inner->Shapes()->AddShape(xl::kMsoShapeRectangle, 0, 105, 33, 24);
    shape->Fill()->ForeColor()->SetRGB(255);
    shape->Line()->ForeColor()->SetRGB(65280);
  });
  ASSERT_TRUE(chart.textBoxes.ok());
  ASSERT_EQ(chart.textBoxes.value().size(), 1u);
  const client::TextBoxView& box = chart.textBoxes.value()[0];
  EXPECT_EQ(box.text.value(), "x1000");
  EXPECT_EQ(box.place.top.value(), 111.75);  // whole pixels through TextBoxes
  ASSERT_TRUE(chart.shapes.ok());
  const auto& shapes = chart.shapes.value();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].name, box.name.value());
  EXPECT_EQ(shapes[0].type, xl::kMsoTextBox);
  EXPECT_EQ(shapes[0].text, "x1000");
  EXPECT_NEAR(shapes[0].place.top.value(), 111.7395, 1e-9);  // as stored through Shapes
  EXPECT_EQ(shapes[0].zOrderPosition.value(), 1);
  EXPECT_EQ(shapes[1].type, xl::kMsoAutoShape);
  EXPECT_EQ(shapes[1].autoShapeType.value(), xl::kMsoShapeRectangle);
  EXPECT_EQ(shapes[1].zOrderPosition.value(), 2);
  EXPECT_EQ(shapes[1].fillColor.value(), 255);
  EXPECT_EQ(shapes[1].lineColor.value(), 65280);
  EXPECT_FALSE(shapes[1].text.has_value());
}

TEST_F(WorkbookView, CheckBoxesWithTheirValuesAndTheSheetsProtection) {
  client::WorkbookView view = Read({}, [](xl::Application&, xl::Workbook& book) {
    Ref<xl::Worksheet> sheet = FirstWorksheet(book);
    sheet->CheckBoxes()->Add(10, 10, 60, 15);
    sheet->CheckBoxes()->Add(10, 30, 60, 15)->SetValue(xl::kOn);
    sheet->Protect("");
  });
  const client::SheetView& sheet = view.sheets[0];
  EXPECT_TRUE(sheet.protectContents.value());
  EXPECT_FALSE(view.sheets[1].protectContents.value());
  ASSERT_TRUE(sheet.checkBoxes.ok());
  ASSERT_EQ(sheet.checkBoxes.value().size(), 2u);
  EXPECT_EQ(sheet.checkBoxes.value()[0].value.value(), xl::kOff);
  EXPECT_EQ(sheet.checkBoxes.value()[1].value.value(), xl::kOn);
  EXPECT_EQ(sheet.checkBoxes.value()[1].place.top.value(), 30);
  ASSERT_TRUE(sheet.shapes.ok());
  ASSERT_EQ(sheet.shapes.value().size(), 2u);
  EXPECT_EQ(sheet.shapes.value()[0].type, xl::kMsoFormControl);
}

TEST_F(WorkbookView, AChartSheetShowsItsOwnChartWithoutPlace) {
  testsupport::VentesOptions options;
  options.sheets.push_back(testsupport::ChartSheetOver("Graphique", "Année N"));
  client::WorkbookView view = Read(options);
  ASSERT_EQ(view.sheets.size(), 3u);
  const client::SheetView& sheet = view.sheets[2];
  EXPECT_EQ(sheet.kind, client::SheetView::Kind::kChart);
  ASSERT_TRUE(sheet.charts.ok());
  ASSERT_EQ(sheet.charts.value().size(), 1u);
  EXPECT_EQ(sheet.charts.value()[0].name, "Graphique");
  EXPECT_FALSE(sheet.charts.value()[0].place.has_value());
  EXPECT_EQ(sheet.charts.value()[0].series.value().size(), 4u);
}

TEST(CellAddress, SpellsColumnsAsTheSpreadsheetDoes) {
  EXPECT_EQ(client::CellAddress(1, 1), "A1");
  EXPECT_EQ(client::CellAddress(9, 7), "G9");
  EXPECT_EQ(client::CellAddress(100, 26), "Z100");
  EXPECT_EQ(client::CellAddress(1, 27), "AA1");
  EXPECT_EQ(client::CellAddress(3, 52), "AZ3");
  EXPECT_EQ(client::CellAddress(3, 703), "AAA3");
}

}  // namespace
}  // namespace k27093
