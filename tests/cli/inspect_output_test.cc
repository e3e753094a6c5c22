// How the inspect command prints a workbook view: JSON types and the text layout.
#include "cli/inspect_output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace k27093 {
namespace {

client::WorkbookView SampleView() {
  client::SheetView table;
  table.name = "Année N";
  table.cells = {{"E4", Variant("Téléviseurs")}, {"F4", Variant(1520.5)}, {"H1", Variant(true)}};
  table.comments = {{"G9", "Repère"}};
  table.charts = {
      {"Chart 1", 51, {"=SERIES(1)", "=SERIES(2)"}, "Ventes", -4152, {{2, false, true}}}};
  table.shapes = {{"Chart 1", 3}};
  client::SheetView chartSheet;
  chartSheet.name = "Graphique";
  chartSheet.kind = client::SheetView::Kind::kChart;
  chartSheet.charts = {{"Graphique", 4, {}}};
  return {"Ventes.xls", {table, chartSheet}, "Graphique"};
}

TEST(InspectOutput, ValuesKeepTheirJsonTypes) {
  EXPECT_TRUE(client::ValueJson(Variant(true)).is_boolean());
  EXPECT_EQ(client::ValueJson(Variant(std::int32_t{-7})), -7);
  EXPECT_EQ(client::ValueJson(Variant(2.5)).get<double>(), 2.5);
  EXPECT_EQ(client::ValueJson(Variant("Année")), "Année");
  EXPECT_TRUE(client::ValueJson(Variant::Null()).is_null());
}

TEST(InspectOutput, JsonHoldsEverySheetWithItsKindAndParts) {
  nlohmann::ordered_json json = client::WorkbookJson(SampleView());
  EXPECT_EQ(json["workbook"], "Ventes.xls");
  ASSERT_EQ(json["sheets"].size(), 2u);
  const auto& table = json["sheets"][0];
  EXPECT_EQ(table["kind"], "worksheet");
  EXPECT_EQ(table["cells"][1]["address"], "F4");
  EXPECT_EQ(table["cells"][1]["value"].get<double>(), 1520.5);
  EXPECT_EQ(table["cells"][2]["value"], true);
  EXPECT_EQ(table["comments"][0]["text"], "Repère");
  EXPECT_EQ(json["activeSheet"], "Graphique");
  EXPECT_EQ(table["charts"][0]["series"][1], "=SERIES(2)");
  EXPECT_EQ(table["charts"][0]["title"], "Ventes");
  EXPECT_EQ(table["charts"][0]["legendPosition"], -4152);
  EXPECT_EQ(table["charts"][0]["axes"][0]["type"], 2);
  EXPECT_EQ(table["charts"][0]["axes"][0]["majorGridlines"], true);
  EXPECT_TRUE(json["sheets"][1]["charts"][0]["title"].is_null());
  EXPECT_EQ(table["shapes"][0]["type"], 3);
  EXPECT_EQ(json["sheets"][1]["kind"], "chart");
  EXPECT_TRUE(json["sheets"][1]["cells"].empty());
}

TEST(InspectOutput, TextHasOneLinePerCellCommentChartAndSeries) {
  std::ostringstream out;
  client::PrintWorkbook(out, SampleView());
  std::string text = out.str();
  EXPECT_NE(text.find("Workbook \"Ventes.xls\": 2 sheet(s), \"Graphique\" active\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Sheet 1 \"Année N\" (worksheet)\n"), std::string::npos);
  EXPECT_NE(text.find("    E4\tTéléviseurs\n"), std::string::npos);
  EXPECT_NE(text.find("    F4\t1520.5\n"), std::string::npos);
  EXPECT_NE(text.find("    H1\tTrue\n"), std::string::npos);
  EXPECT_NE(text.find("    G9\tRepère\n"), std::string::npos);
  EXPECT_NE(text.find("chart \"Chart 1\" type 51, 2 series\n      =SERIES(1)\n"),
            std::string::npos);
  EXPECT_NE(text.find("      title: \"Ventes\"; legend: -4152\n      axis 2, major gridlines\n"),
            std::string::npos);
  EXPECT_NE(text.find("Sheet 2 \"Graphique\" (chart)\n  charts (1):\n"), std::string::npos);
  EXPECT_NE(text.find("      title: none; legend: none\n"), std::string::npos);
}

TEST(InspectOutput, InvalidUtf8IsReplacedNotRefused) {
  std::ostringstream out;
  client::PrintJson(out, nlohmann::ordered_json("caf\xC3"));
  EXPECT_EQ(out.str(), "\"caf\xEF\xBF\xBD\"\n");
}

}  // namespace
}  // namespace k27093
