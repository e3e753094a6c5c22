// The workbooks that Excel saved (K27093_EXCEL_FILES_XLS).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/error.h"
#include "readers/xls/reader.h"

namespace k27093::xls {
namespace {

std::string PathOf(const std::string& file) {
  return std::string(K27093_EXCEL_FILES_XLS) + "/" + file;
}

std::vector<std::string> NamesOf(const document::WorkbookData& workbook) {
  std::vector<std::string> names;
  for (const document::SheetData& sheet : workbook.sheets) names.push_back(sheet.name);
  return names;
}

const document::SheetData& SheetNamed(const document::WorkbookData& workbook,
                                      const std::string& name) {
  for (const document::SheetData& sheet : workbook.sheets) {
    if (sheet.name == name) return sheet;
  }
  throw std::runtime_error("no sheet " + name);
}

const Variant* ValueAt(const document::SheetData& sheet, std::int32_t row, std::int32_t column) {
  for (const document::CellData& cell : sheet.cells) {
    if (cell.row == row && cell.column == column) return &cell.value;
  }
  return nullptr;
}

struct Expected {
  std::string file;
  std::vector<std::string> sheets;
  // WINDOW1's active tab.
  std::size_t activeSheet = 0;
};

TEST(ExcelFiles, EveryFileGivesItsSheetsInTabOrderAndItsActiveSheet) {
  const std::vector<Expected> files = {
      {"WithChart.xls", {"Sheet1", "Sheet2", "Sheet3"}, 1},
      {"WithTwoCharts.xls", {"Sheet1", "Sheet2", "Sheet3"}, 2},
      {"WithThreeCharts.xls", {"Sheet1", "Sheet2", "Sheet3"}, 0},
      {"SimpleChart.xls", {"Sheet1", "Sheet2", "Sheet3"}, 0},
      {"EmbeddedChartHeaderTest.xls", {"Sheet1", "Sheet2", "Sheet3"}, 0},
      {"50939.xls", {"sheet2", "sheet3"}, 1},
      {"49096.xls", {"Template 1"}, 0},
      {"WithFormattedGraphTitle.xls", {"Sheet with Chart"}, 0},
      {"SimpleScatterChart.xls", {"Sheet1", "Chart1"}, 0},
      {"44861.xls", {"reporting", "data", "Feuil3"}, 1},
  };
  for (const Expected& expected : files) {
    SCOPED_TRACE(expected.file);
    const document::WorkbookData workbook = ReadWorkbookFile(PathOf(expected.file));
    EXPECT_EQ(NamesOf(workbook), expected.sheets);
    EXPECT_EQ(workbook.activeSheet, expected.activeSheet);
  }
}

TEST(ExcelFiles, ChartSheetsAreChartsAndWorksheetsKeepTheirEmbeddedCharts) {
  const document::WorkbookData scatter = ReadWorkbookFile(PathOf("SimpleScatterChart.xls"));
  EXPECT_EQ(SheetNamed(scatter, "Chart1").kind, document::SheetData::Kind::Chart);
  EXPECT_TRUE(SheetNamed(scatter, "Chart1").chartSheet.has_value());
  EXPECT_EQ(SheetNamed(scatter, "Sheet1").kind, document::SheetData::Kind::Worksheet);
  EXPECT_EQ(SheetNamed(scatter, "Sheet1").charts.size(), 1u);

  const document::WorkbookData funds = ReadWorkbookFile(PathOf("44861.xls"));
  EXPECT_EQ(SheetNamed(funds, "reporting").charts.size(), 3u);
  const document::WorkbookData threeCharts = ReadWorkbookFile(PathOf("WithThreeCharts.xls"));
  EXPECT_EQ(SheetNamed(threeCharts, "Sheet2").charts.size(), 2u);
}

TEST(ExcelFiles, CellsHoldTheValuesTheChartsPlot) {
  // WithChart.xls: Sheet1!$A$1:$A$6 and $B$1:$B$6, the two series' values.
  const document::WorkbookData withChart = ReadWorkbookFile(PathOf("WithChart.xls"));
  const document::SheetData& sheet1 = SheetNamed(withChart, "Sheet1");
  const double columnA[] = {1, 2, 3, 4, 5, 6};
  const double columnB[] = {10, 12, 14, 9, 15, 17};
  for (std::int32_t row = 1; row <= 6; ++row) {
    ASSERT_NE(ValueAt(sheet1, row, 1), nullptr);
    ASSERT_NE(ValueAt(sheet1, row, 2), nullptr);
    EXPECT_DOUBLE_EQ(ValueAt(sheet1, row, 1)->AsDouble(), columnA[row - 1]);
    EXPECT_DOUBLE_EQ(ValueAt(sheet1, row, 2)->AsDouble(), columnB[row - 1]);
  }

  // 49096.xls: the series name in 'Template 1'!$A$3, categories in $A$1:$D$1.
  const document::WorkbookData templates = ReadWorkbookFile(PathOf("49096.xls"));
  const document::SheetData& template1 = SheetNamed(templates, "Template 1");
  ASSERT_NE(ValueAt(template1, 3, 1), nullptr);
  EXPECT_EQ(ValueAt(template1, 3, 1)->AsText(), "Title");
  ASSERT_NE(ValueAt(template1, 1, 4), nullptr);
  EXPECT_DOUBLE_EQ(ValueAt(template1, 1, 4)->AsDouble(), 2013);

  // 44861.xls: the pie chart's categories in data!$A$20:$A$24, its values in $B$20:$B$24; its
  // name, data!$B$19, is a number of the row above (0.0564671), not a text.
  const document::WorkbookData funds = ReadWorkbookFile(PathOf("44861.xls"));
  const document::SheetData& data = SheetNamed(funds, "data");
  ASSERT_NE(ValueAt(data, 19, 2), nullptr);
  EXPECT_NEAR(ValueAt(data, 19, 2)->AsDouble(), 0.0564671, 1e-7);
  for (std::int32_t row = 20; row <= 24; ++row) {
    ASSERT_NE(ValueAt(data, row, 1), nullptr) << row;
    EXPECT_TRUE(ValueAt(data, row, 1)->IsText()) << row;
    ASSERT_NE(ValueAt(data, row, 2), nullptr) << row;
    EXPECT_TRUE(ValueAt(data, row, 2)->IsNumeric()) << row;
  }
  EXPECT_EQ(ValueAt(data, 21, 1)->AsText(), "EUR (\xE2\x82\xAC)");
}

TEST(ExcelFiles, ErrorsNameTheFile) {
  try {
    ReadWorkbookBytes("not a compound file at all", "Ventes.xls");
    FAIL() << "the bytes were read";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 1004);
    EXPECT_NE(error.description().find("'Ventes.xls'"), std::string::npos) << error.description();
  }
}

}  // namespace
}  // namespace k27093::xls
