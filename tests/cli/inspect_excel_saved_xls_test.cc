// `k27093 inspect --json` on the workbooks that Excel itself saved in the binary 97-2003
// format (../shared/excel-files-xls): each opens and shows the sheets, active sheet and charts
// that Excel stored in them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/inspect_json.h"

namespace k27093 {
namespace {

using nlohmann::json;

const std::string kFolder = K27093_EXCEL_FILES_XLS "/";

json Inspect(const std::string& file) { return testsupport::InspectJson(kFolder + file); }

json SheetNamed(const json& book, const std::string& name) {
  for (const json& sheet : book.at("sheets")) {
    if (sheet.at("name") == name) return sheet;
  }
  ADD_FAILURE() << "no sheet " << name;
  return json::object();
}

std::vector<std::string> SheetNames(const json& book) {
  std::vector<std::string> names;
  for (const json& sheet : book.at("sheets")) names.push_back(sheet.at("name"));
  return names;
}

// The formulas of a chart's series, in plot order.
json Formulas(const json& chart) {
  json formulas = json::array();
  for (const json& series : chart.at("series")) formulas.push_back(series.at("formula"));
  return formulas;
}

// The value-axis (type 2) entry of a chart's axes; null when the chart has none.
json ValueAxis(const json& chart) {
  for (const json& axis : chart.at("axes")) {
    if (axis.at("type") == 2) return axis;
  }
  return nullptr;
}

TEST(InspectExcelSavedXls, EveryWorkbookGivesItsSheetsInTabOrderAndItsActiveSheet) {
  struct Expected {
    const char* file;
    std::vector<std::string> sheets;
    const char* active;  // WINDOW1's active tab
  };
  const Expected files[] = {
      {"WithChart.xls", {"Sheet1", "Sheet2", "Sheet3"}, "Sheet2"},
      {"WithTwoCharts.xls", {"Sheet1", "Sheet2", "Sheet3"}, "Sheet3"},
      {"WithThreeCharts.xls", {"Sheet1", "Sheet2", "Sheet3"}, "Sheet1"},
      {"SimpleChart.xls", {"Sheet1", "Sheet2", "Sheet3"}, "Sheet1"},
      {"EmbeddedChartHeaderTest.xls", {"Sheet1", "Sheet2", "Sheet3"}, "Sheet1"},
      {"50939.xls", {"sheet2", "sheet3"}, "sheet3"},
      {"49096.xls", {"Template 1"}, "Template 1"},
      {"WithFormattedGraphTitle.xls", {"Sheet with Chart"}, "Sheet with Chart"},
      {"SimpleScatterChart.xls", {"Sheet1", "Chart1"}, "Sheet1"},
      {"44861.xls", {"reporting", "data", "Feuil3"}, "data"},
  };
  for (const Expected& expected : files) {
    const json book = Inspect(expected.file);
    EXPECT_EQ(SheetNames(book), expected.sheets) << expected.file;
    EXPECT_EQ(book.at("activeSheet"), expected.active) << expected.file;
  }
}

TEST(InspectExcelSavedXls, LineAndAreaChartsWithTheirSeriesTitlesAndGridlines) {
  // The line charts' series store markers of their own
  // (MARKERFORMAT: diamond and square, not automatic), which makes them xlLineMarkers (65).
  const json withChart = SheetNamed(Inspect("WithChart.xls"), "Sheet2").at("charts");
  ASSERT_EQ(withChart.size(), 1u);
  EXPECT_EQ(withChart[0]["name"], "Chart 1");
  EXPECT_EQ(withChart[0]["chartType"], 65);
  EXPECT_EQ(Formulas(withChart[0]), json({"=SERIES(\"1st Column\",,Sheet1!$A$1:$A$6,1)",
                                          "=SERIES(\"2nd Column\",,Sheet1!$B$1:$B$6,2)"}));
  EXPECT_TRUE(withChart[0]["title"].is_null());
  EXPECT_EQ(withChart[0]["hasTitle"], false);
  EXPECT_EQ(withChart[0]["series"][1]["name"], "2nd Column");
  EXPECT_GT(withChart[0]["width"].get<double>(), 0);
  EXPECT_EQ(ValueAxis(withChart[0])["majorGridlines"], true);

  const json area = SheetNamed(Inspect("WithTwoCharts.xls"), "Sheet3").at("charts");
  ASSERT_EQ(area.size(), 1u);
  EXPECT_EQ(area[0]["name"], "Chart 1");
  EXPECT_EQ(area[0]["chartType"], 1);
  EXPECT_EQ(Formulas(area[0]), json({"=SERIES(\"Base Numbers\",,Sheet1!$D$1:$D$6,1)",
                                     "=SERIES(\"Squares\",,Sheet1!$E$1:$E$6,2)"}));

  const json three = Inspect("WithThreeCharts.xls");
  const json twoCharts = SheetNamed(three, "Sheet2").at("charts");
  ASSERT_EQ(twoCharts.size(), 2u);
  EXPECT_EQ(twoCharts[0]["name"], "Chart 1");
  EXPECT_EQ(twoCharts[1]["name"], "Chart 2");
  const json titled = SheetNamed(three, "Sheet3").at("charts");
  ASSERT_EQ(titled.size(), 1u);
  EXPECT_EQ(titled[0]["chartType"], 1);
  EXPECT_EQ(titled[0]["title"], "Sheet 3 Chart with Title");
}

TEST(InspectExcelSavedXls, ColumnChartsWithTheirSeriesAndLegends) {
  const json simple = SheetNamed(Inspect("SimpleChart.xls"), "Sheet1").at("charts");
  ASSERT_EQ(simple.size(), 1u);
  EXPECT_EQ(simple[0]["chartType"], 51);
  EXPECT_EQ(Formulas(simple[0]), json({"=SERIES(,Sheet1!$A$1:$A$25,Sheet1!$B$1:$B$25,1)"}));
  EXPECT_EQ(simple[0]["legendPosition"], -4152);

  const json stacked = SheetNamed(Inspect("EmbeddedChartHeaderTest.xls"), "Sheet1").at("charts");
  ASSERT_EQ(stacked.size(), 1u);
  EXPECT_EQ(stacked[0]["chartType"], 52);
  EXPECT_EQ(Formulas(stacked[0]), json({"=SERIES(,Sheet1!$A$1:$C$1,Sheet1!$A$2:$C$2,1)",
                                        "=SERIES(,Sheet1!$A$1:$C$1,Sheet1!$A$3:$C$3,2)",
                                        "=SERIES(,Sheet1!$A$1:$C$1,Sheet1!$A$4:$C$4,3)"}));
  EXPECT_EQ(stacked[0]["legendPosition"], -4152);

  const json results = SheetNamed(Inspect("50939.xls"), "sheet3").at("charts");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0]["chartType"], 53);
  EXPECT_EQ(results[0]["title"], "Test results");
  EXPECT_TRUE(results[0]["legendPosition"].is_null());
  EXPECT_EQ(results[0]["hasLegend"], false);
  EXPECT_EQ(results[0]["series"][3]["name"], "missing results");
  ASSERT_EQ(results[0]["series"].size(), 4u);
  EXPECT_EQ(results[0]["series"][0]["formula"],
            "=SERIES(\"blocked\",sheet3!$C$82:$I$82,sheet3!$C$83:$I$83,1)");
  EXPECT_EQ(results[0]["series"][3]["formula"],
            "=SERIES(\"missing results\",sheet3!$C$82:$I$82,sheet3!$C$88:$I$88,4)");
  for (const json& axis : results[0]["axes"]) EXPECT_EQ(axis["hasTitle"], true) << axis;

  const json quoted = SheetNamed(Inspect("49096.xls"), "Template 1").at("charts");
  ASSERT_EQ(quoted.size(), 1u);
  EXPECT_EQ(quoted[0]["chartType"], 51);
  EXPECT_EQ(Formulas(quoted[0]),
            json({"=SERIES('Template 1'!$A$3,'Template 1'!$A$1:$D$1,'Template 1'!$A$2:$D$2,1)"}));
}

TEST(InspectExcelSavedXls, PieScatterAndChartSheets) {
  const json pie = SheetNamed(Inspect("WithFormattedGraphTitle.xls"), "Sheet with Chart");
  ASSERT_EQ(pie["charts"].size(), 1u);
  EXPECT_EQ(pie["charts"][0]["chartType"], 5);
  EXPECT_EQ(pie["charts"][0]["title"], "Favorite Fruits");
  EXPECT_EQ(pie["charts"][0]["legendPosition"], -4152);
  EXPECT_EQ(Formulas(pie["charts"][0]),
            json({"=SERIES(,'Sheet with Chart'!$B$3:$B$5,'Sheet with Chart'!$C$3:$C$5,1)"}));

  const json scatter = Inspect("SimpleScatterChart.xls");
  const json embedded = SheetNamed(scatter, "Sheet1").at("charts");
  ASSERT_EQ(embedded.size(), 1u);
  EXPECT_EQ(embedded[0]["name"], "Chart 1");
  EXPECT_EQ(embedded[0]["chartType"], -4169);
  EXPECT_EQ(Formulas(embedded[0]),
            json({"=SERIES(Sheet1!$B$1,Sheet1!$A$2:$A$3,Sheet1!$B$2:$B$3,1)"}));
  const json chartSheet = SheetNamed(scatter, "Chart1");
  EXPECT_EQ(chartSheet["kind"], "chart");
  ASSERT_EQ(chartSheet["charts"].size(), 1u);
  EXPECT_TRUE(chartSheet["charts"][0]["left"].is_null());

  // Names repeat: two chart objects are "Graphique 1".
  const json reporting = SheetNamed(Inspect("44861.xls"), "reporting").at("charts");
  ASSERT_EQ(reporting.size(), 3u);
  EXPECT_EQ(reporting[0]["name"], "Graphique 1");
  EXPECT_EQ(reporting[1]["name"], "Graphique 5");
  EXPECT_EQ(reporting[2]["name"], "Graphique 1");
  EXPECT_EQ(Formulas(reporting[0]),
            json({"=SERIES(data!$B$19,data!$A$20:$A$24,data!$B$20:$B$24,1)"}));
}

}  // namespace
}  // namespace k27093
