// `k27093 inspect --json` on the .xlsx workbooks that Excel itself saved
// (../shared/excel-files, whose manifest says what each holds): the view shows the chart
// objects' places, the legends, gridlines, tick marks, units, deleted axes, data tables,
// series and text boxes that the manifest gives.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/inspect_json.h"

namespace k27093 {
namespace {

using nlohmann::json;

const std::string kFolder = K27093_EXCEL_FILES "/";

json Inspect(const std::string& file) { return testsupport::InspectJson(kFolder + file); }

// The first chart of the sheet at 0-based `sheet`.
json FirstChart(const std::string& file, std::size_t sheet = 0) {
  const json charts = Inspect(file).at("sheets").at(sheet).at("charts");
  EXPECT_FALSE(charts.empty()) << file;
  return charts.empty() ? json::object() : charts[0];
}

// The axis entry of `type` (1 category, 2 value); null when the chart does not list it.
json AxisOf(const json& chart, int type) {
  for (const json& axis : chart.at("axes")) {
    if (axis.at("type") == type) return axis;
  }
  return nullptr;
}

TEST(InspectExcelFiles, ChartObjectPlaceAndSizeInPoints) {
  const json moved = FirstChart("chart_size04.xlsx");
  EXPECT_EQ(moved["name"], "Chart 1");
  EXPECT_EQ(moved["left"].get<double>(), 198);
  EXPECT_EQ(moved["top"].get<double>(), 126.75);
  EXPECT_EQ(moved["width"].get<double>(), 360);
  EXPECT_EQ(moved["height"].get<double>(), 216);
  const json larger = FirstChart("chart_size01.xlsx");
  EXPECT_EQ(larger["width"].get<double>(), 384);
  EXPECT_EQ(larger["height"].get<double>(), 240);
}

TEST(InspectExcelFiles, LegendPositionOrNoLegend) {
  EXPECT_EQ(FirstChart("chart_column01.xlsx")["legendPosition"], -4152);
  EXPECT_EQ(FirstChart("chart_legend03.xlsx")["legendPosition"], 2);
  const json none = FirstChart("chart_legend01.xlsx");
  EXPECT_EQ(none["hasLegend"], false);
  EXPECT_TRUE(none["legendPosition"].is_null());
  // A chart sheet's own chart, legend at the bottom.
  const json sheet = FirstChart("chart_bar16.xlsx", 1);
  EXPECT_EQ(sheet["legendPosition"], -4107);
  EXPECT_TRUE(sheet["left"].is_null());
}

TEST(InspectExcelFiles, GridlinesOnEitherAxis) {
  const json plain = FirstChart("chart_column01.xlsx");
  EXPECT_EQ(AxisOf(plain, 1)["majorGridlines"], false);
  EXPECT_EQ(AxisOf(plain, 2)["majorGridlines"], true);
  EXPECT_EQ(AxisOf(plain, 2)["minorGridlines"], false);
  const json both = FirstChart("chart_gridlines05.xlsx");
  for (int type : {1, 2}) {
    EXPECT_EQ(AxisOf(both, type)["majorGridlines"], true) << type;
    EXPECT_EQ(AxisOf(both, type)["minorGridlines"], true) << type;
  }
}

TEST(InspectExcelFiles, TickMarksAndTickLabelPositions) {
  const json defaults = FirstChart("chart_column01.xlsx");
  EXPECT_EQ(AxisOf(defaults, 1)["majorTickMark"], 3);
  EXPECT_EQ(AxisOf(defaults, 1)["minorTickMark"], -4142);
  const json marks = FirstChart("chart_axis41.xlsx");
  EXPECT_EQ(AxisOf(marks, 1)["majorTickMark"], -4142);
  EXPECT_EQ(AxisOf(marks, 1)["minorTickMark"], 2);
  EXPECT_EQ(AxisOf(marks, 2)["minorTickMark"], 4);
  const json labels = FirstChart("chart_axis19.xlsx");
  EXPECT_EQ(AxisOf(labels, 1)["tickLabelPosition"], -4127);
  EXPECT_EQ(AxisOf(labels, 2)["tickLabelPosition"], -4134);
  EXPECT_EQ(AxisOf(FirstChart("chart_axis20.xlsx"), 2)["tickLabelPosition"], -4142);
}

TEST(InspectExcelFiles, FixedOrAutomaticMajorUnit) {
  const json fixed = AxisOf(FirstChart("chart_axis15.xlsx"), 2);
  EXPECT_EQ(fixed["majorUnit"].get<double>(), 2);
  EXPECT_EQ(fixed["majorUnitIsAuto"], false);
  const json automatic = AxisOf(FirstChart("chart_column01.xlsx"), 2);
  EXPECT_EQ(automatic["majorUnitIsAuto"], true);
  EXPECT_TRUE(automatic["majorUnit"].is_number());
}

TEST(InspectExcelFiles, ADeletedAxisIsAbsentAndTheOtherStays) {
  const json noCategory = FirstChart("chart_axis49.xlsx");
  EXPECT_EQ(noCategory["hasAxis"]["category"], false);
  EXPECT_TRUE(AxisOf(noCategory, 1).is_null());
  EXPECT_FALSE(AxisOf(noCategory, 2).is_null());
  const json noValue = FirstChart("chart_axis50.xlsx");
  EXPECT_EQ(noValue["hasAxis"]["value"], false);
  EXPECT_TRUE(AxisOf(noValue, 2).is_null());
  EXPECT_EQ(noValue["hasAxis"]["category"], true);
}

TEST(InspectExcelFiles, DataTableTitleAndSeriesDetails) {
  EXPECT_EQ(FirstChart("chart_table01.xlsx")["hasDataTable"], true);
  EXPECT_EQ(FirstChart("chart_column01.xlsx")["hasDataTable"], false);
  const json titled = FirstChart("chart_title02.xlsx");
  EXPECT_EQ(titled["hasTitle"], true);
  EXPECT_EQ(titled["title"], "Title!");
  EXPECT_EQ(FirstChart("chart_title01.xlsx")["hasTitle"], false);

  const json named = FirstChart("chart_bar20.xlsx");
  EXPECT_EQ(named["series"][0]["name"], "Series1");
  EXPECT_EQ(named["series"][1]["name"], "Apple");
  EXPECT_EQ(named["series"][2]["name"], "Pear");
  EXPECT_EQ(named["series"][2]["formula"], "=SERIES(Sheet1!$A$7,,Sheet1!$C$1:$C$5,3)");
  EXPECT_EQ(FirstChart("chart_format03.xlsx")["series"][0]["interiorColor"], 255);

  const json combined = FirstChart("chart_combined02.xlsx");
  EXPECT_EQ(combined["chartType"], -4111);
  EXPECT_EQ(combined["series"][0]["type"], 3);
  EXPECT_EQ(combined["series"][1]["type"], 4);
  const json stacked = FirstChart("chart_bar09.xlsx");
  EXPECT_EQ(stacked["type"], 2);
  EXPECT_EQ(stacked["subType"], 2);
}

TEST(InspectExcelFiles, WorksheetTextBoxWithItsTextAndPlace) {
  const json sheet = Inspect("textbox01.xlsx").at("sheets").at(0);
  ASSERT_EQ(sheet["shapes"].size(), 1u);
  const json shape = sheet["shapes"][0];
  EXPECT_EQ(shape["name"], "TextBox 1");
  EXPECT_EQ(shape["type"], 17);
  EXPECT_EQ(shape["text"], "This is some text");
  EXPECT_EQ(shape["left"].get<double>(), 192);
  EXPECT_EQ(shape["height"].get<double>(), 90);
  ASSERT_EQ(sheet["textBoxes"].size(), 1u);
  EXPECT_EQ(sheet["textBoxes"][0]["text"], "This is some text");
  EXPECT_EQ(sheet["textBoxes"][0]["width"].get<double>(), 144);

  // A chart object and a text box: two drawn objects, the chart frame first.
  const json mixed = Inspect("textbox04.xlsx").at("sheets").at(0);
  ASSERT_EQ(mixed["shapes"].size(), 2u);
  EXPECT_EQ(mixed["shapes"][0]["type"], 3);
  EXPECT_EQ(mixed["shapes"][1]["name"], "TextBox 2");
  EXPECT_EQ(mixed["shapes"][1]["top"].get<double>(), 360);
}

}  // namespace
}  // namespace k27093
