// The spreadsheet's chart type of chart groups, series and whole charts, from the elements of
// a chart part.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <string>

#include "readers/ooxml/chart_kind.h"
#include "document/read_fault.h"

namespace k27093::ooxml {
namespace {

class ChartKind : public ::testing::Test {
 protected:
  // The group element parsed from `xml` (prefix c: declared).
  pugi::xml_node Group(const std::string& xml) {
    const std::string text =
        "<c:plotArea xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\" "
        "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">" +
        xml + "</c:plotArea>";
    EXPECT_TRUE(document_.load_string(text.c_str()));
    return document_.document_element().first_child();
  }
  std::optional<std::int32_t> TypeOf(const std::string& xml) {
    return GroupChartType(Group(xml), scope_);
  }

  pugi::xml_document document_;
  ContentBudget budget_;
  PartScope scope_{"xl/charts/chart1.xml", budget_};
};

std::string Bar(const std::string& direction, const std::string& grouping) {
  return "<c:barChart><c:barDir val=\"" + direction + "\"/><c:grouping val=\"" + grouping +
         "\"/></c:barChart>";
}

std::string Bar3D(const std::string& direction, const std::string& grouping,
                  const std::string& shape) {
  return "<c:bar3DChart><c:barDir val=\"" + direction + "\"/><c:grouping val=\"" + grouping +
         "\"/><c:ser><c:idx val=\"0\"/><c:shape val=\"" + shape + "\"/></c:ser><c:shape val=\"" +
         shape + "\"/></c:bar3DChart>";
}

TEST_F(ChartKind, ColumnsAndBarsByDirectionAndGrouping) {
  EXPECT_EQ(TypeOf(Bar("col", "clustered")), 51);
  EXPECT_EQ(TypeOf(Bar("col", "stacked")), 52);
  EXPECT_EQ(TypeOf(Bar("col", "percentStacked")), 53);
  EXPECT_EQ(TypeOf(Bar("bar", "clustered")), 57);
  EXPECT_EQ(TypeOf(Bar("bar", "stacked")), 58);
  EXPECT_EQ(TypeOf(Bar("bar", "percentStacked")), 59);
  EXPECT_EQ(TypeOf("<c:barChart/>"), 51);  // the format's defaults: columns, clustered
}

TEST_F(ChartKind, ThreeDimensionalBarsByShape) {
  EXPECT_EQ(TypeOf(Bar3D("col", "clustered", "box")), 54);
  EXPECT_EQ(TypeOf(Bar3D("col", "standard", "box")), -4100);
  EXPECT_EQ(TypeOf(Bar3D("bar", "percentStacked", "box")), 62);
  EXPECT_EQ(TypeOf(Bar3D("col", "clustered", "cone")), 99);
  EXPECT_EQ(TypeOf(Bar3D("col", "stacked", "coneToMax")), 100);
  EXPECT_EQ(TypeOf(Bar3D("col", "percentStacked", "cone")), 101);
  EXPECT_EQ(TypeOf(Bar3D("col", "standard", "cone")), 105);
  EXPECT_EQ(TypeOf(Bar3D("bar", "clustered", "cone")), 102);
  EXPECT_EQ(TypeOf(Bar3D("bar", "percentStacked", "cone")), 104);
  EXPECT_EQ(TypeOf(Bar3D("col", "clustered", "cylinder")), 92);
  EXPECT_EQ(TypeOf(Bar3D("col", "standard", "cylinder")), 98);
  EXPECT_EQ(TypeOf(Bar3D("bar", "stacked", "cylinder")), 96);
  EXPECT_EQ(TypeOf(Bar3D("col", "clustered", "pyramid")), 106);
  EXPECT_EQ(TypeOf(Bar3D("col", "standard", "pyramidToMax")), 112);
  EXPECT_EQ(TypeOf(Bar3D("bar", "stacked", "pyramid")), 110);
  // Without a shape of its own the group takes its first series'.
  EXPECT_EQ(TypeOf("<c:bar3DChart><c:ser><c:shape val=\"cylinder\"/></c:ser></c:bar3DChart>"), 92);
}

TEST_F(ChartKind, ASeriesWithItsOwnShapeHasItsOwnType) {
  const pugi::xml_node group = Group(
      "<c:bar3DChart><c:barDir val=\"col\"/><c:ser/><c:ser><c:shape val=\"cone\"/>"
      "</c:ser><c:shape val=\"box\"/></c:bar3DChart>");
  EXPECT_EQ(GroupChartType(group, scope_), 54);
  EXPECT_EQ(SeriesChartType(group, group.first_child().next_sibling(), scope_), 54);
  EXPECT_EQ(SeriesChartType(group, group.child("c:ser").next_sibling("c:ser"), scope_), 99);
}

TEST_F(ChartKind, LinesByGroupingAndMarkers) {
  const std::string none = "<c:ser><c:marker><c:symbol val=\"none\"/></c:marker></c:ser>";
  EXPECT_EQ(TypeOf("<c:lineChart><c:grouping val=\"standard\"/>" + none +
                   "<c:marker val=\"1\"/></c:lineChart>"),
            4);
  EXPECT_EQ(TypeOf("<c:lineChart><c:grouping val=\"stacked\"/>" + none + "</c:lineChart>"), 63);
  EXPECT_EQ(TypeOf("<c:lineChart><c:grouping val=\"percentStacked\"/>" + none + "</c:lineChart>"),
            64);
  EXPECT_EQ(TypeOf("<c:lineChart><c:grouping val=\"standard\"/><c:ser/>"
                   "<c:marker val=\"1\"/></c:lineChart>"),
            65);
  EXPECT_EQ(TypeOf("<c:lineChart><c:grouping val=\"stacked\"/><c:ser/></c:lineChart>"), 66);
  EXPECT_EQ(TypeOf("<c:lineChart><c:grouping val=\"percentStacked\"/><c:ser><c:marker>"
                   "<c:symbol val=\"square\"/></c:marker></c:ser></c:lineChart>"),
            67);
  EXPECT_EQ(TypeOf("<c:lineChart><c:ser/><c:marker val=\"0\"/></c:lineChart>"), 4);
  EXPECT_EQ(TypeOf("<c:line3DChart/>"), -4101);
}

TEST_F(ChartKind, PiesAreasAndOthers) {
  EXPECT_EQ(TypeOf("<c:pieChart><c:ser/></c:pieChart>"), 5);
  EXPECT_EQ(TypeOf("<c:pieChart><c:ser><c:explosion val=\"25\"/></c:ser></c:pieChart>"), 69);
  EXPECT_EQ(TypeOf("<c:pie3DChart/>"), -4102);
  EXPECT_EQ(TypeOf("<c:doughnutChart/>"), -4120);
  EXPECT_EQ(TypeOf("<c:ofPieChart><c:ofPieType val=\"bar\"/></c:ofPieChart>"), 71);
  EXPECT_EQ(TypeOf("<c:areaChart/>"), 1);
  EXPECT_EQ(TypeOf("<c:areaChart><c:grouping val=\"stacked\"/></c:areaChart>"), 76);
  EXPECT_EQ(TypeOf("<c:area3DChart><c:grouping val=\"percentStacked\"/></c:area3DChart>"), 79);
  EXPECT_EQ(TypeOf("<c:radarChart><c:radarStyle val=\"filled\"/></c:radarChart>"), 82);
  EXPECT_EQ(TypeOf("<c:bubbleChart/>"), 15);
  EXPECT_EQ(TypeOf("<c:surface3DChart/>"), 83);
  EXPECT_EQ(TypeOf("<c:stockChart><c:ser/><c:ser/><c:ser/></c:stockChart>"), 88);
  EXPECT_FALSE(TypeOf("<c:stockChart><c:ser/></c:stockChart>").has_value());
  EXPECT_FALSE(TypeOf("<c:funnelChart/>").has_value());
}

TEST_F(ChartKind, ScatterSeriesByLinesMarkersAndSmoothing) {
  EXPECT_EQ(TypeOf("<c:scatterChart><c:scatterStyle val=\"lineMarker\"/><c:ser><c:spPr>"
                   "<a:ln><a:noFill/></a:ln></c:spPr></c:ser></c:scatterChart>"),
            -4169);
  EXPECT_EQ(TypeOf("<c:scatterChart><c:scatterStyle val=\"lineMarker\"/><c:ser/>"
                   "</c:scatterChart>"),
            74);
  EXPECT_EQ(TypeOf("<c:scatterChart><c:scatterStyle val=\"lineMarker\"/><c:ser><c:marker>"
                   "<c:symbol val=\"none\"/></c:marker></c:ser></c:scatterChart>"),
            75);
  EXPECT_EQ(TypeOf("<c:scatterChart><c:scatterStyle val=\"lineMarker\"/><c:ser>"
                   "<c:smooth val=\"1\"/></c:ser></c:scatterChart>"),
            72);
  EXPECT_EQ(TypeOf("<c:scatterChart><c:scatterStyle val=\"smooth\"/><c:ser/></c:scatterChart>"),
            73);
}

TEST_F(ChartKind, ValuesOutsideTheFormatMakeThePartDamaged) {
  EXPECT_THROW(TypeOf(Bar("diagonal", "clustered")), document::ReadFault);
  EXPECT_THROW(TypeOf(Bar("col", "heaped")), document::ReadFault);
  EXPECT_THROW(TypeOf(Bar3D("col", "clustered", "sphere")), document::ReadFault);
}

document::ChartGroupData GroupOf(const std::string& element, std::optional<std::int32_t> type) {
  document::ChartGroupData group;
  group.element = element;
  group.chartType = type;
  return group;
}

TEST(ChartTypeOfChart, GroupsOfOneTypeGiveItAndMixedOnesACombination) {
  EXPECT_EQ(ChartTypeOf({GroupOf("barChart", 51)}), 51);
  EXPECT_EQ(ChartTypeOf({GroupOf("barChart", 51), GroupOf("barChart", 51)}), 51);
  EXPECT_EQ(ChartTypeOf({GroupOf("barChart", 51), GroupOf("lineChart", 4)}), -4111);
  EXPECT_EQ(ChartTypeOf({GroupOf("barChart", 51), GroupOf("barChart", 52)}), -4111);
  EXPECT_EQ(ChartTypeOf({GroupOf("barChart", 51), GroupOf("funnelChart", std::nullopt)}), -4111);
  EXPECT_FALSE(ChartTypeOf({GroupOf("funnelChart", std::nullopt)}).has_value());
  EXPECT_FALSE(ChartTypeOf({}).has_value());
  EXPECT_EQ(ChartTypeOf({GroupOf("barChart", 51), GroupOf("stockChart", 88)}), 90);
  EXPECT_EQ(ChartTypeOf({GroupOf("barChart", 51), GroupOf("stockChart", 89)}), 91);
}

}  // namespace
}  // namespace k27093::ooxml
