// Drawings and charts of the workbooks saved by Excel itself, against their manifest: chart
// objects and their place, chart types, series, titles, axes, legends, data tables, colours,
// chart sheets and worksheet text boxes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "readers/ooxml/reader.h"
#include "readers/ooxml/series_formula_text.h"

namespace k27093::ooxml {
namespace {

using Kind = document::DrawingObjectData::Kind;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

document::WorkbookData ReadExcelFile(const std::string& name) {
  return ReadWorkbookFile(kExcelFolder + name + ".xlsx");
}

// The chart of the first chart object of the first sheet.
document::ChartData FirstChart(const std::string& name) {
  const document::WorkbookData workbook = ReadExcelFile(name);
  const document::SheetData& sheet = workbook.sheets.at(0);
  if (sheet.charts.empty()) throw std::runtime_error(name + " has no chart");
  return sheet.charts.front();
}

// The chart objects of a sheet, in z-order.
std::vector<const document::DrawingObjectData*> ChartObjects(const document::SheetData& sheet) {
  std::vector<const document::DrawingObjectData*> objects;
  for (const document::DrawingObjectData& object : sheet.drawing) {
    if (object.kind == Kind::Chart) objects.push_back(&object);
  }
  return objects;
}

// Series formulas with the file's order (c:order + 1) as fourth argument.
std::vector<std::string> Formulas(const document::ChartData& chart) {
  std::vector<std::string> formulas;
  for (const document::SeriesData& series : chart.series) {
    formulas.push_back(SeriesFormulaText(series, series.order.value_or(-1) + 1));
  }
  return formulas;
}

const document::AxisData* FindAxis(const document::ChartData& chart, std::int32_t type,
                                   std::int32_t group = 1) {
  for (const document::AxisData& axis : chart.axes) {
    if (axis.type == type && axis.axisGroup == group) return &axis;
  }
  return nullptr;
}

struct ChartExpectation {
  std::string file;
  std::size_t sheet = 0;   // 0-based tab position
  std::size_t object = 0;  // 0-based among the sheet's chart objects
  double left = 192, top = 120, width = 360, height = 216;
  std::int32_t chartType = 51;
  std::vector<std::string> formulas;
  std::string title;            // "" when the chart has no title
  std::int32_t legend = -4152;  // 0: no legend
  bool dataTable = false;

  ChartExpectation& At(std::size_t sheetIndex, std::size_t objectIndex = 0) {
    sheet = sheetIndex;
    object = objectIndex;
    return *this;
  }
  ChartExpectation& Place(double x, double y) {
    left = x;
    top = y;
    return *this;
  }
  ChartExpectation& Size(double x, double y) {
    width = x;
    height = y;
    return *this;
  }
  ChartExpectation& Type(std::int32_t type) {
    chartType = type;
    return *this;
  }
  ChartExpectation& Series(std::vector<std::string> texts) {
    formulas = std::move(texts);
    return *this;
  }
  ChartExpectation& Title(std::string text) {
    title = std::move(text);
    return *this;
  }
  ChartExpectation& Legend(std::int32_t position) {
    legend = position;
    return *this;
  }
  ChartExpectation& WithDataTable() {
    dataTable = true;
    return *this;
  }
};

// The expectation of a clustered column chart object "Chart 1" of 360 x 216 points at E9 of
// the first sheet, with a legend on the right, until changed.
ChartExpectation On(std::string file) {
  ChartExpectation expectation;
  expectation.file = std::move(file);
  return expectation;
}

const std::vector<std::string> kThreeColumns = {"=SERIES(,,Sheet1!$A$1:$A$5,1)",
                                                "=SERIES(,,Sheet1!$B$1:$B$5,2)",
                                                "=SERIES(,,Sheet1!$C$1:$C$5,3)"};
const std::vector<std::string> kTwoColumns = {kThreeColumns[0], kThreeColumns[1]};
const std::vector<std::string> kTwoWithCategories = {
    "=SERIES(,Sheet1!$A$1:$A$5,Sheet1!$B$1:$B$5,1)",
    "=SERIES(,Sheet1!$A$1:$A$5,Sheet1!$C$1:$C$5,2)"};

std::vector<ChartExpectation> Expectations() {
  std::vector<ChartExpectation> table = {
      On("chart_column01").Series(kThreeColumns),
      On("chart_column02").Type(52).Series(kThreeColumns),
      On("chart_column03").Type(53).Series(kThreeColumns),
      On("chart_column06").At(1).Series(kThreeColumns),
      On("chart_column09").Series({"=SERIES(,Sheet1!$A$1:$A$5,Sheet1!$B$1:$B$5,1)"}),
      On("chart_bar01").Type(57).Series(kTwoWithCategories),
      On("chart_bar02")
          .At(1)
          .Type(57)
          .Series({"=SERIES(,Sheet2!$A$1:$A$5,Sheet2!$B$1:$B$5,1)",
                   "=SERIES(,Sheet2!$A$1:$A$5,Sheet2!$C$1:$C$5,2)"}),
      On("chart_bar03").Type(57).Series(kTwoWithCategories),
      On("chart_bar03")
          .At(0, 1)
          .Place(240, 360)
          .Type(57)
          .Series({"=SERIES(,Sheet1!$A$1:$A$4,Sheet1!$B$1:$B$4,1)",
                   "=SERIES(,Sheet1!$A$1:$A$4,Sheet1!$C$1:$C$4,2)"}),
      On("chart_bar09").Type(58).Series(kThreeColumns),
      On("chart_bar10").Type(59).Series(kThreeColumns),
      On("chart_bar20")
          .Type(57)
          .Series({"=SERIES(,,Sheet1!$A$1:$A$5,1)", "=SERIES(\"Apple\",,Sheet1!$B$1:$B$5,2)",
                   "=SERIES(Sheet1!$A$7,,Sheet1!$C$1:$C$5,3)"}),
      On("chart_line01").Type(4).Series(kThreeColumns),
      On("chart_line05").Type(63).Series(kThreeColumns),
      On("chart_points05").Type(65).Series(kTwoWithCategories),
      On("chart_pie01").Type(5).Series({"=SERIES(,Sheet1!$A$1:$A$3,Sheet1!$B$1:$B$3,1)"}),
      On("chart_pie03").Type(5).Series({"=SERIES(,Sheet1!$A$1:$A$3,Sheet1!$B$1:$B$3,1)"}),
      // Combinations: the fourth argument here is the file's own order (c:order + 1).
      On("chart_combined02").Type(-4111).Series(kTwoColumns),
      On("chart_combined03").Type(-4111).Series(kThreeColumns),
      On("chart_combined04").Type(-4111).Series(kTwoColumns),
      On("chart_combined05").Type(-4111).Series(kTwoColumns),
      On("chart_combined06").Type(-4111).Series(kTwoColumns),
      On("chart_title01").Series({"=SERIES(\"Foo\",,Sheet1!$A$1:$A$5,1)"}),
      On("chart_title02").Series({kThreeColumns[0]}).Title("Title!"),
      On("chart_title03").Series({kThreeColumns[0]}).Title("Title!"),
      On("chart_bar06").Type(57).Series(kThreeColumns).Title("Title"),
      On("chart_bar19").Type(57).Series(kThreeColumns).Title("1"),
      On("chart_axis02").Series(kThreeColumns),
      On("utf8_10").Type(57).Series(kThreeColumns).Title("résumé"),
      On("chart_font01").Type(57).Series(kThreeColumns).Title("Title"),
      On("chart_font07").Type(4).Series(kThreeColumns),
      On("chart_legend01").Series(kThreeColumns).Legend(0),
      On("chart_legend03").Type(4).Series(kThreeColumns).Legend(2),
      On("chart_table01").Series(kThreeColumns).WithDataTable(),
      On("chart_table02").Series(kThreeColumns).WithDataTable(),
      On("chart_layout01").Series(kThreeColumns),
      On("chart_gridlines01").Series(kThreeColumns),
      On("chart_size01").Size(384, 240).Series(kThreeColumns),
      On("chart_size04").Place(198, 126.75).Series(kThreeColumns),
      On("object_position04").Series(kThreeColumns),
      On("chart_format03").Series(kTwoWithCategories),
      On("chart_format17").Series(kThreeColumns),
      On("quote_name04")
          .Type(5)
          .Series({"=SERIES('Sheet 1'!$A$1,,'Sheet 1'!$A$1:$A$5,1)"})
          .Title("Foo"),
      On("quote_name11")
          .Series({"=SERIES(,,Sheeté!$A$1:$A$5,1)", "=SERIES(,,Sheeté!$B$1:$B$5,2)",
                   "=SERIES(,,Sheeté!$C$1:$C$5,3)"}),
      On("textbox04").Series(kThreeColumns),
  };

  const std::vector<std::string> quoted = {"'Sheet 1'", "'Sheet 2'", "'Sheet!3'", "'Sheet\"4'",
                                           "'Sheet#5'", "'Sheet$6'", "'Sheet%7'", "'Sheet&8'"};
  for (std::size_t i = 0; i < quoted.size(); ++i) {
    table.push_back(On("quote_name01")
                        .At(i)
                        .Place(211.5, 87.75)
                        .Type(5)
                        .Series({"=SERIES(,," + quoted[i] + "!$A$1:$A$5,1)"}));
  }
  return table;
}

TEST(ExcelCharts, EachChartObjectHasItsPlaceTypeSeriesTitleLegendAndDataTable) {
  for (const ChartExpectation& expected : Expectations()) {
    SCOPED_TRACE(expected.file + " sheet " + std::to_string(expected.sheet) + " chart " +
                 std::to_string(expected.object));
    const document::WorkbookData workbook = ReadExcelFile(expected.file);
    const document::SheetData& sheet = workbook.sheets.at(expected.sheet);
    const std::vector<const document::DrawingObjectData*> objects = ChartObjects(sheet);
    ASSERT_LT(expected.object, objects.size());
    const document::DrawingObjectData& object = *objects[expected.object];
    EXPECT_EQ(object.name, "Chart " + std::to_string(expected.object + 1));
    EXPECT_DOUBLE_EQ(object.geometry.left, expected.left);
    EXPECT_DOUBLE_EQ(object.geometry.top, expected.top);
    EXPECT_DOUBLE_EQ(object.geometry.width, expected.width);
    EXPECT_DOUBLE_EQ(object.geometry.height, expected.height);
    ASSERT_TRUE(object.chart.has_value());
    const document::ChartData& chart = sheet.charts.at(*object.chart);
    EXPECT_EQ(chart.chartType, expected.chartType);
    EXPECT_EQ(Formulas(chart), expected.formulas);
    EXPECT_EQ(chart.title.has_value(), !expected.title.empty());
    if (chart.title) {
      EXPECT_EQ(chart.title->text.text, expected.title);
    }
    EXPECT_EQ(chart.legend.has_value(), expected.legend != 0);
    if (chart.legend) {
      EXPECT_EQ(chart.legend->position, expected.legend);
    }
    EXPECT_EQ(chart.dataTable.has_value(), expected.dataTable);
  }
}

TEST(ExcelCharts, SheetsHoldAsManyChartObjectsAsTheManifestCounts) {
  EXPECT_EQ(ChartObjects(ReadExcelFile("chart_bar03").sheets[0]).size(), 2u);
  const document::WorkbookData moved = ReadExcelFile("chart_column06");
  EXPECT_TRUE(moved.sheets[0].drawing.empty());
  EXPECT_EQ(ChartObjects(moved.sheets[1]).size(), 1u);
  for (const char* file : {"comment01", "utf8_04", "utf8_07"}) {
    EXPECT_TRUE(ReadExcelFile(file).sheets[0].drawing.empty()) << file;
  }
}

TEST(ExcelCharts, CombinationsGiveEachSeriesTheTypeOfItsGroup) {
  struct Combination {
    const char* file;
    std::vector<std::int32_t> seriesTypes;
    std::vector<std::size_t> seriesGroups;
  };
  for (const Combination& expected : {Combination{"chart_combined02", {51, 4}, {0, 1}},
                                      Combination{"chart_combined03", {51, 51, 4}, {0, 0, 1}},
                                      Combination{"chart_combined05", {57, 4}, {0, 1}},
                                      Combination{"chart_combined06", {1, 51}, {0, 1}}}) {
    SCOPED_TRACE(expected.file);
    const document::ChartData chart = FirstChart(expected.file);
    ASSERT_EQ(chart.series.size(), expected.seriesTypes.size());
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
      EXPECT_EQ(chart.series[i].chartType, expected.seriesTypes[i]);
      EXPECT_EQ(chart.series[i].group, expected.seriesGroups[i]);
    }
  }
}

TEST(ExcelCharts, ASecondaryGroupHasItsOwnAxesAndItsDeletedCategoryAxis) {
  const document::ChartData chart = FirstChart("chart_combined04");
  ASSERT_EQ(chart.groups.size(), 2u);
  EXPECT_EQ(chart.groups[0].axisGroup, 1);
  EXPECT_EQ(chart.groups[1].axisGroup, 2);
  const document::AxisData* secondaryValue = FindAxis(chart, 2, 2);
  ASSERT_NE(secondaryValue, nullptr);
  EXPECT_EQ(secondaryValue->position, "r");
  EXPECT_FALSE(secondaryValue->deleted);
  EXPECT_FALSE(secondaryValue->majorGridlines);
  const document::AxisData* secondaryCategory = FindAxis(chart, 1, 2);
  ASSERT_NE(secondaryCategory, nullptr);
  EXPECT_TRUE(secondaryCategory->deleted);
  ASSERT_NE(FindAxis(chart, 2, 1), nullptr);
  EXPECT_TRUE(FindAxis(chart, 2, 1)->majorGridlines);
  EXPECT_EQ(FirstChart("chart_combined02").groups[1].axisGroup, 1);
}

TEST(ExcelCharts, SeriesNamesAreLiteralsOrLinkedCellsWithTheirCachedText) {
  const document::ChartData chart = FirstChart("chart_bar20");
  ASSERT_EQ(chart.series.size(), 3u);
  EXPECT_FALSE(chart.series[0].name.has_value());
  ASSERT_TRUE(chart.series[1].name.has_value());
  EXPECT_EQ(chart.series[1].name->reference, "");
  EXPECT_EQ(chart.series[1].name->literal, "\"Apple\"");
  ASSERT_TRUE(chart.series[2].name.has_value());
  EXPECT_EQ(chart.series[2].name->reference, "Sheet1!$A$7");
  ASSERT_EQ(chart.series[2].name->points.size(), 1u);
  EXPECT_EQ(chart.series[2].name->points[0].AsText(), "Pear");

  const document::ChartData quoted = FirstChart("quote_name04");
  ASSERT_TRUE(quoted.series.at(0).name.has_value());
  EXPECT_EQ(quoted.series[0].name->points.at(0).AsText(), "1");
}

TEST(ExcelCharts, CategoryCachesKeepTheirPoints) {
  const document::ChartData column = FirstChart("chart_column09");
  const std::vector<Variant>& names = column.series.at(0).categories.points;
  ASSERT_EQ(names.size(), 5u);
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i].AsDouble(), i + 1.0);
  const document::ChartData pie = FirstChart("chart_pie01");
  const std::vector<Variant>& slices = pie.series.at(0).categories.points;
  ASSERT_EQ(slices.size(), 3u);
  EXPECT_EQ(slices[2].AsDouble(), 6.0);
  EXPECT_TRUE(FirstChart("chart_column01").series[0].categories.points.empty());
}

TEST(ExcelCharts, TitlesAreTextLinkedCellsOrSwitchedOff) {
  const document::ChartData deleted = FirstChart("chart_title01");
  EXPECT_FALSE(deleted.title.has_value());
  EXPECT_EQ(deleted.autoTitleDeleted, true);
  EXPECT_FALSE(FirstChart("chart_column01").autoTitleDeleted);

  const document::ChartData linked = FirstChart("chart_bar19");
  ASSERT_TRUE(linked.title.has_value());
  EXPECT_EQ(linked.title->reference, "Sheet1!$A$1");
  EXPECT_FALSE(linked.title->automatic);
  ASSERT_NE(FindAxis(linked, 1), nullptr);
  ASSERT_TRUE(FindAxis(linked, 1)->title.has_value());
  EXPECT_EQ(FindAxis(linked, 1)->title->text.text, "3");
  EXPECT_EQ(FindAxis(linked, 2)->title->text.text, "2");

  const document::ChartData accents = FirstChart("utf8_10");
  EXPECT_EQ(FindAxis(accents, 1)->title->text.text, "sauté");
  EXPECT_EQ(FindAxis(accents, 2)->title->text.text, "café");
  const document::ChartData bar = FirstChart("chart_bar06");
  EXPECT_EQ(FindAxis(bar, 1)->title->text.text, "Pear");
  EXPECT_EQ(FindAxis(bar, 2)->title->text.text, "Apple");
  const document::ChartData column = FirstChart("chart_axis02");
  EXPECT_EQ(FindAxis(column, 1)->title->text.text, "XXX");
  EXPECT_FALSE(FindAxis(FirstChart("chart_column01"), 1)->title);
}

TEST(ExcelCharts, FontsAreGivenOnlyWhereTheFileSetsThem) {
  const document::ChartData title03 = FirstChart("chart_title03");
  EXPECT_EQ(title03.title->text.font.bold, false);
  ASSERT_EQ(title03.title->text.runFonts.size(), 1u);
  EXPECT_EQ(title03.title->text.runFonts[0].bold, false);
  EXPECT_FALSE(title03.title->text.font.size.has_value());

  const document::ChartData font06 = FirstChart("chart_font06");
  EXPECT_EQ(font06.title->text.font.name, "Calibri");
  EXPECT_EQ(font06.title->text.font.color, 65535);  // FFFF00
  EXPECT_EQ(FindAxis(font06, 1)->title->text.font.name, "Century");
  EXPECT_EQ(FindAxis(font06, 2)->title->text.font.name, "Courier New");
  EXPECT_EQ(FindAxis(font06, 2)->tickLabelFont.name, "Arial");

  const document::ChartData font01 = FirstChart("chart_font01");
  EXPECT_EQ(FindAxis(font01, 1)->tickLabelFont.size, 9.0);
  EXPECT_EQ(FindAxis(font01, 1)->tickLabelFont.italic, true);
  EXPECT_EQ(FindAxis(font01, 2)->tickLabelFont.size, 11.0);
  EXPECT_EQ(FindAxis(font01, 2)->tickLabelFont.bold, true);

  EXPECT_EQ(FirstChart("chart_font07").legend->font.size, 9.0);
  const document::ChartData plain = FirstChart("chart_column01");
  EXPECT_FALSE(plain.areaFont.size.has_value());
  EXPECT_FALSE(plain.areaFont.name.has_value());
}

TEST(ExcelCharts, AxesTakeExcelsOwnDefaultsWhereTheFileIsSilent) {
  const document::ChartData plain = FirstChart("chart_column01");
  ASSERT_EQ(plain.axes.size(), 2u);
  for (const document::AxisData& axis : plain.axes) {
    EXPECT_FALSE(axis.deleted);
    EXPECT_EQ(axis.majorTickMark, 3);
    EXPECT_EQ(axis.minorTickMark, -4142);
    EXPECT_EQ(axis.tickLabelPosition, 4);
    EXPECT_FALSE(axis.majorUnit.has_value());
    EXPECT_FALSE(axis.minorGridlines);
  }
  EXPECT_FALSE(FindAxis(plain, 1)->majorGridlines);
  EXPECT_TRUE(FindAxis(plain, 2)->majorGridlines);
  EXPECT_EQ(FindAxis(plain, 1)->position, "b");
  EXPECT_EQ(FindAxis(FirstChart("chart_bar01"), 1)->position, "l");
  EXPECT_TRUE(FirstChart("chart_pie01").axes.empty());
}

TEST(ExcelCharts, AxisSettingsFollowTheFile) {
  const document::ChartData ticks = FirstChart("chart_axis41");
  EXPECT_EQ(FindAxis(ticks, 1)->majorTickMark, -4142);
  EXPECT_EQ(FindAxis(ticks, 1)->minorTickMark, 2);
  EXPECT_EQ(FindAxis(ticks, 2)->majorTickMark, 3);
  EXPECT_EQ(FindAxis(ticks, 2)->minorTickMark, 4);

  const document::ChartData labels = FirstChart("chart_axis20");
  EXPECT_EQ(FindAxis(labels, 1)->tickLabelPosition, 4);
  EXPECT_EQ(FindAxis(labels, 2)->tickLabelPosition, -4142);
  const document::ChartData highLow = FirstChart("chart_axis19");
  EXPECT_EQ(FindAxis(highLow, 1)->tickLabelPosition, -4127);
  EXPECT_EQ(FindAxis(highLow, 2)->tickLabelPosition, -4134);

  const document::ChartData unit = FirstChart("chart_axis15");
  EXPECT_EQ(FindAxis(unit, 2)->majorUnit, 2.0);
  EXPECT_EQ(FindAxis(unit, 2)->minorUnit, 0.4);

  const document::ChartData category = FirstChart("chart_axis49");
  EXPECT_TRUE(FindAxis(category, 1)->deleted);
  EXPECT_FALSE(FindAxis(category, 2)->deleted);
  const document::ChartData value = FirstChart("chart_axis50");
  EXPECT_FALSE(FindAxis(value, 1)->deleted);
  EXPECT_TRUE(FindAxis(value, 2)->deleted);
}

TEST(ExcelCharts, GridlinesArePerAxisAndPerKind) {
  const document::ChartData one = FirstChart("chart_gridlines01");
  EXPECT_TRUE(FindAxis(one, 1)->majorGridlines);
  EXPECT_FALSE(FindAxis(one, 2)->majorGridlines);
  EXPECT_FALSE(FindAxis(one, 1)->minorGridlines);
  const document::ChartData five = FirstChart("chart_gridlines05");
  for (std::int32_t type : {1, 2}) {
    EXPECT_TRUE(FindAxis(five, type)->majorGridlines);
    EXPECT_TRUE(FindAxis(five, type)->minorGridlines);
  }
}

TEST(ExcelCharts, LegendsDataTablesAndLayoutsKeepTheirSettings) {
  const document::ChartData table01 = FirstChart("chart_table01");
  EXPECT_EQ(table01.dataTable->horizontalBorder, true);
  EXPECT_EQ(table01.dataTable->verticalBorder, true);
  EXPECT_EQ(table01.dataTable->outline, true);
  EXPECT_FALSE(table01.dataTable->showKeys.has_value());
  EXPECT_EQ(FirstChart("chart_table02").dataTable->showKeys, true);

  const document::ChartData pie = FirstChart("chart_pie03");
  EXPECT_EQ(pie.legend->deletedEntries, std::vector<std::int32_t>{1});

  const document::ChartData layout = FirstChart("chart_layout01");
  ASSERT_TRUE(layout.plotAreaLayout.has_value());
  EXPECT_TRUE(layout.plotAreaLayout->inner);
  EXPECT_DOUBLE_EQ(*layout.plotAreaLayout->height, 0.5713732137649461);
  const document::ChartData legend = FirstChart("chart_layout02");
  EXPECT_FALSE(legend.plotAreaLayout.has_value());
  ASSERT_TRUE(legend.legend->layout.has_value());
  EXPECT_DOUBLE_EQ(*legend.legend->layout->x, 0.80197353455818021);
}

TEST(ExcelCharts, SeriesColoursAreSpreadsheetColourNumbers) {
  const document::ChartData format03 = FirstChart("chart_format03");
  ASSERT_TRUE(format03.series.at(0).fill.has_value());
  EXPECT_EQ(format03.series[0].fill->kind, document::FillData::Kind::Solid);
  EXPECT_EQ(format03.series[0].fill->color.value().PlainRgb(), 255);  // FF0000
  ASSERT_TRUE(format03.series[0].line.has_value());
  EXPECT_EQ(format03.series[0].line->color.value().PlainRgb(), 65535);  // FFFF00
  EXPECT_FALSE(format03.series.at(1).fill.has_value());

  const document::ChartData format17 = FirstChart("chart_format17");
  ASSERT_TRUE(format17.series.at(0).fill.has_value());
  EXPECT_EQ(format17.series[0].fill->kind, document::FillData::Kind::None);
  EXPECT_FALSE(format17.series[0].fill->color.has_value());
}

TEST(ExcelCharts, LineSeriesSayWhetherTheyShowMarkers) {
  const document::ChartData without = FirstChart("chart_line01");
  for (const document::SeriesData& series : without.series) EXPECT_EQ(series.markers, false);
  const document::ChartData with = FirstChart("chart_points05");
  for (const document::SeriesData& series : with.series) EXPECT_FALSE(series.markers.has_value());
}

TEST(ExcelChartSheets, TheChartSheetsChartAndFrameAreItsOwn) {
  struct Expected {
    const char* file;
    std::size_t sheet;
    double width;
    double height;
    std::int32_t legend;
  };
  for (const Expected& expected : {Expected{"chartsheet01", 1, 732.99, 478.608, -4152},
                                   Expected{"chartsheet02", 1, 732.99, 478.608, -4152},
                                   Expected{"chartsheet07", 1, 485.25, 482.25, -4152},
                                   Expected{"chart_bar16", 1, 732.99, 478.608, -4107}}) {
    SCOPED_TRACE(expected.file);
    const document::WorkbookData workbook = ReadExcelFile(expected.file);
    const document::SheetData& sheet = workbook.sheets.at(expected.sheet);
    EXPECT_TRUE(sheet.drawing.empty());
    EXPECT_TRUE(sheet.charts.empty());
    ASSERT_TRUE(sheet.chartSheet.has_value());
    ASSERT_TRUE(sheet.chartSheet->frame.has_value());
    EXPECT_NEAR(sheet.chartSheet->frame->width, expected.width, 0.001);  // the manifest rounds
    EXPECT_NEAR(sheet.chartSheet->frame->height, expected.height, 0.001);
    ASSERT_TRUE(sheet.chartSheet->chart.has_value());
    EXPECT_EQ(sheet.chartSheet->chart->chartType, 57);
    EXPECT_EQ(Formulas(*sheet.chartSheet->chart), kThreeColumns);
    EXPECT_EQ(sheet.chartSheet->chart->legend->position, expected.legend);
    for (const document::SheetData& other : workbook.sheets) {
      if (&other != &sheet) {
        EXPECT_FALSE(other.chartSheet.has_value());
      }
    }
  }
  const document::ChartData titled = *ReadExcelFile("chart_bar16").sheets[1].chartSheet->chart;
  EXPECT_EQ(titled.title->text.text, "Title");
}

TEST(ExcelChartSheets, PageSetupOfTheChartSheetIsRead) {
  const document::ChartSheetData sheet = *ReadExcelFile("chartsheet07").sheets[1].chartSheet;
  ASSERT_TRUE(sheet.pageSetup.has_value());
  EXPECT_EQ(sheet.pageSetup->paperSize, 9);
  EXPECT_EQ(sheet.pageSetup->orientation, "portrait");
  EXPECT_EQ(sheet.pageSetup->horizontalDpi, 200);
  EXPECT_EQ(sheet.pageSetup->verticalDpi, 200);
  EXPECT_DOUBLE_EQ(sheet.frame->top, -3.75);
  const document::ChartSheetData plain = *ReadExcelFile("chartsheet01").sheets[1].chartSheet;
  EXPECT_FALSE(plain.pageSetup.has_value() && plain.pageSetup->paperSize.has_value());
}

TEST(ExcelTextBoxes, TextBoxesKeepTheirNameTextPlaceAndFont) {
  struct Expected {
    const char* file;
    std::size_t index;  // in the sheet's drawing
    const char* name;
    double left, top, width, height;
    const char* fontName;  // "" when the file sets none
  };
  for (const Expected& expected :
       {Expected{"textbox01", 0, "TextBox 1", 192, 120, 144, 90, ""},
        Expected{"textbox04", 1, "TextBox 2", 240, 360, 144, 90, ""},
        Expected{"textbox06", 0, "TextBox 1", 192, 120, 192, 75, ""},
        Expected{"textbox22", 0, "TextBox 1", 192, 120, 144, 90, "Arial"}}) {
    SCOPED_TRACE(expected.file);
    const document::SheetData sheet = ReadExcelFile(expected.file).sheets.at(0);
    ASSERT_LT(expected.index, sheet.drawing.size());
    const document::DrawingObjectData& box = sheet.drawing[expected.index];
    EXPECT_EQ(box.kind, Kind::TextBox);
    EXPECT_EQ(box.name, expected.name);
    EXPECT_DOUBLE_EQ(box.geometry.left, expected.left);
    EXPECT_DOUBLE_EQ(box.geometry.top, expected.top);
    EXPECT_DOUBLE_EQ(box.geometry.width, expected.width);
    EXPECT_DOUBLE_EQ(box.geometry.height, expected.height);
    ASSERT_TRUE(box.text.has_value());
    EXPECT_EQ(box.text->text, "This is some text");
    ASSERT_EQ(box.text->runFonts.size(), 1u);
    EXPECT_EQ(box.text->runFonts[0].size, 11.0);
    EXPECT_EQ(box.text->runFonts[0].name.value_or(""), expected.fontName);
    EXPECT_EQ(box.preset, "rect");
    ASSERT_TRUE(box.fill.has_value());
    EXPECT_EQ(box.fill->color.value().scheme, "lt1");
    EXPECT_TRUE(box.fill->color->transforms.empty());
    ASSERT_TRUE(box.line.has_value());
    EXPECT_EQ(box.line->color.value().scheme, "lt1");  // shaded 50%
    ASSERT_EQ(box.line->color->transforms.size(), 1u);
    EXPECT_EQ(box.line->color->transforms[0].name, "shade");
    EXPECT_DOUBLE_EQ(box.line->color->transforms[0].value, 0.5);
    ASSERT_TRUE(box.fillReference.has_value() && box.lineReference.has_value());
    EXPECT_EQ(box.fillReference->index, 0);
    EXPECT_EQ(box.lineReference->index, 0);
    EXPECT_FALSE(box.chart.has_value());
  }
}

TEST(ExcelTextBoxes, TheChartLiesBehindTheTextBoxDrawnAfterIt) {
  const document::SheetData sheet = ReadExcelFile("textbox04").sheets.at(0);
  ASSERT_EQ(sheet.drawing.size(), 2u);
  EXPECT_EQ(sheet.drawing[0].kind, Kind::Chart);
  EXPECT_EQ(sheet.drawing[1].kind, Kind::TextBox);
  EXPECT_EQ(sheet.charts.size(), 1u);
}

}  // namespace
}  // namespace k27093::ooxml
