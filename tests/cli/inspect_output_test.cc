// How the inspect command prints a workbook view: JSON types, errors in place of values,
// absent parts as null, and the text layout.
#include "cli/inspect_output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace k27093 {
namespace {

using client::Reading;

client::ChartView SampleChart() {
  client::ChartView chart;
  chart.name = "Chart 1";
  chart.place = client::PlaceView{9.75, 9.75, 247.5, 146.25};
  chart.chartType = 51;
  chart.type = 3;
  chart.subType = 1;
  chart.series = std::vector<client::SeriesView>{
      {std::string("=SERIES(1)"), std::string("Nord"), 3, 51, 16777164},
      {std::string("=SERIES(2)"), std::string("Sud"), 3, 51, Reading<std::int32_t>::Failed(1004)}};
  chart.hasTitle = true;
  chart.title = Reading<std::string>("Ventes");
  chart.titleFont = client::FontView{Variant("Arial"), Variant(12.0)};
  chart.hasLegend = true;
  chart.legendPosition = Reading<std::int32_t>(-4152);
  chart.hasAxis = {true, true, false};
  client::AxisView value;
  value.type = 2;
  value.hasTitle = false;
  value.majorGridlines = true;
  value.majorUnit = 500.0;
  chart.axes = {value, Reading<client::AxisView>::Failed(1004)};
  chart.chartArea.font = {Variant::Null(), Variant(10.0)};
  chart.chartArea.textureName = Reading<std::string>::Failed(1004);
  chart.textBoxes = std::vector<client::TextBoxView>{};
  chart.shapes = Reading<std::vector<client::ShapeView>>::Failed(1004);
  return chart;
}

client::WorkbookView SampleView() {
  client::SheetView table;
  table.name = "Année N";
  table.protectContents = false;
  table.cells = {{"E4", Variant("Téléviseurs")}, {"F4", Variant(1520.5)}, {"H1", Variant(true)}};
  table.comments = {{"G9", "Repère"}};
  table.charts = std::vector<client::ChartView>{SampleChart()};
  client::ShapeView frame;
  frame.name = "Chart 1";
  frame.type = 3;
  frame.autoShapeType = -2;
  frame.place = {0.0, 0.0, 10.0, 10.0};
  frame.text = "x1000";
  table.shapes = std::vector<client::ShapeView>{frame};
  table.textBoxes = std::vector<client::TextBoxView>{};
  table.checkBoxes = std::vector<client::CheckBoxView>{
      {std::string("Case à cocher 1"), -4146, {1.0, 2.0, 3.0, 4.0}}};
  client::SheetView chartSheet;
  chartSheet.name = "Graphique";
  chartSheet.kind = client::SheetView::Kind::kChart;
  chartSheet.protectContents = true;
  client::ChartView own;
  own.name = "Graphique";
  own.chartType = 4;
  own.hasTitle = false;
  own.hasLegend = false;
  chartSheet.charts = std::vector<client::ChartView>{own};
  client::SelectionView selection{"Range", "$A$1", std::nullopt};
  return {"Ventes.xls", {table, chartSheet}, "Graphique", std::optional(selection)};
}

TEST(InspectOutput, ValuesKeepTheirJsonTypes) {
  EXPECT_TRUE(client::ValueJson(Variant(true)).is_boolean());
  EXPECT_EQ(client::ValueJson(Variant(std::int32_t{-7})), -7);
  EXPECT_EQ(client::ValueJson(Variant(2.5)).get<double>(), 2.5);
  EXPECT_EQ(client::ValueJson(Variant("Année")), "Année");
  EXPECT_TRUE(client::ValueJson(Variant::Null()).is_null());
  VariantArray names{1, {Variant("Trim 1"), Variant(2.0)}};
  EXPECT_EQ(client::ValueJson(Variant(names)), nlohmann::ordered_json({"Trim 1", 2.0}));
}

TEST(InspectOutput, JsonHoldsEverySheetWithItsKindAndParts) {
  nlohmann::ordered_json json = client::WorkbookJson(SampleView());
  EXPECT_EQ(json["workbook"], "Ventes.xls");
  ASSERT_EQ(json["sheets"].size(), 2u);
  const auto& table = json["sheets"][0];
  EXPECT_EQ(table["kind"], "worksheet");
  EXPECT_EQ(table["protectContents"], false);
  EXPECT_EQ(table["cells"][1]["address"], "F4");
  EXPECT_EQ(table["cells"][1]["value"].get<double>(), 1520.5);
  EXPECT_EQ(table["cells"][2]["value"], true);
  EXPECT_EQ(table["comments"][0]["text"], "Repère");
  EXPECT_EQ(json["activeSheet"], "Graphique");
  EXPECT_EQ(json["selection"]["address"], "$A$1");
  EXPECT_TRUE(json["selection"]["name"].is_null());
  const auto& chart = table["charts"][0];
  EXPECT_EQ(chart["series"][1]["formula"], "=SERIES(2)");
  EXPECT_EQ(chart["series"][0]["interiorColor"], 16777164);
  EXPECT_EQ(chart["width"].get<double>(), 247.5);
  EXPECT_EQ(chart["title"], "Ventes");
  EXPECT_EQ(chart["titleFont"]["size"].get<double>(), 12);
  EXPECT_EQ(chart["legendPosition"], -4152);
  EXPECT_EQ(chart["hasAxis"]["series"], false);
  EXPECT_EQ(chart["axes"][0]["type"], 2);
  EXPECT_EQ(chart["axes"][0]["majorGridlines"], true);
  EXPECT_EQ(chart["axes"][0]["majorUnit"].get<double>(), 500);
  EXPECT_TRUE(chart["axes"][0]["categoryNames"].is_null());
  EXPECT_TRUE(chart["chartArea"]["font"]["name"].is_null());
  EXPECT_EQ(table["shapes"][0]["type"], 3);
  EXPECT_EQ(table["shapes"][0]["text"], "x1000");
  EXPECT_EQ(table["checkBoxes"][0]["value"], -4146);
  EXPECT_EQ(json["sheets"][1]["kind"], "chart");
  EXPECT_TRUE(json["sheets"][1]["cells"].empty());
}

TEST(InspectOutput, JsonPutsTheErrorNumberInPlaceOfAValueThatRaised) {
  nlohmann::ordered_json chart = client::WorkbookJson(SampleView())["sheets"][0]["charts"][0];
  const nlohmann::ordered_json error = {{"error", 1004}};
  EXPECT_EQ(chart["series"][1]["interiorColor"], error);
  EXPECT_EQ(chart["axes"][1], error);
  EXPECT_EQ(chart["chartArea"]["textureName"], error);
  EXPECT_EQ(chart["shapes"], error);
  EXPECT_EQ(chart["series"][1]["name"], "Sud");
}

TEST(InspectOutput, JsonShowsAbsentPartsAsNull) {
  nlohmann::ordered_json own = client::WorkbookJson(SampleView())["sheets"][1]["charts"][0];
  EXPECT_EQ(own["hasTitle"], false);
  EXPECT_TRUE(own["title"].is_null());
  EXPECT_TRUE(own["titleFont"].is_null());
  EXPECT_EQ(own["hasLegend"], false);
  EXPECT_TRUE(own["legendPosition"].is_null());
  EXPECT_TRUE(own["left"].is_null());
  EXPECT_TRUE(own["height"].is_null());
  client::WorkbookView nothingSelected = SampleView();
  nothingSelected.selection = std::optional<client::SelectionView>();
  EXPECT_TRUE(client::WorkbookJson(nothingSelected)["selection"].is_null());
}

TEST(InspectOutput, TextHasOneLinePerCellCommentChartSeriesAndPart) {
  std::ostringstream out;
  client::PrintWorkbook(out, SampleView());
  std::string text = out.str();
  EXPECT_NE(text.find("Workbook \"Ventes.xls\": 2 sheet(s), \"Graphique\" active\n"
                      "Selection: Range $A$1\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Sheet 1 \"Année N\" (worksheet)\n  protected: False\n"), std::string::npos);
  EXPECT_NE(text.find("    E4\tTéléviseurs\n"), std::string::npos);
  EXPECT_NE(text.find("    F4\t1520.5\n"), std::string::npos);
  EXPECT_NE(text.find("    H1\tTrue\n"), std::string::npos);
  EXPECT_NE(text.find("    G9\tRepère\n"), std::string::npos);
  EXPECT_NE(text.find("chart \"Chart 1\" type 51, 2 series\n      =SERIES(1)\n"
                      "        name \"Nord\", type 3, chart type 51, interior colour 16777164\n"),
            std::string::npos);
  EXPECT_NE(text.find("interior colour error 1004\n"), std::string::npos);
  EXPECT_NE(text.find("      title: \"Ventes\"; legend: -4152\n      title font Arial 12\n"),
            std::string::npos);
  EXPECT_NE(text.find("      place: left 9.75, top 9.75, width 247.5, height 146.25\n"),
            std::string::npos);
  EXPECT_NE(text.find("      axis 2: titled False, major gridlines True,"), std::string::npos);
  EXPECT_NE(text.find("major unit 500"), std::string::npos);
  EXPECT_NE(text.find("      axis: error 1004\n"), std::string::npos);
  EXPECT_NE(text.find("chart area: font Null 10, texture name error 1004"), std::string::npos);
  EXPECT_NE(text.find("      shapes: error 1004\n"), std::string::npos);
  EXPECT_NE(text.find("    \"Chart 1\" type 3, auto shape -2: left 0, top 0, width 10, height 10;"),
            std::string::npos);
  EXPECT_NE(text.find(", text \"x1000\"\n"), std::string::npos);
  EXPECT_NE(text.find("  check boxes (1):\n    \"Case à cocher 1\" value -4146: left 1,"),
            std::string::npos);
  EXPECT_NE(text.find("Sheet 2 \"Graphique\" (chart)\n  protected: True\n  charts (1):\n"),
            std::string::npos);
  EXPECT_NE(text.find("      title: none; legend: none\n"), std::string::npos);
}

TEST(InspectOutput, InvalidUtf8IsReplacedNotRefused) {
  std::ostringstream out;
  client::PrintJson(out, nlohmann::ordered_json("caf\xC3"));
  EXPECT_EQ(out.str(), "\"caf\xEF\xBF\xBD\"\n");
}

}  // namespace
}  // namespace k27093
