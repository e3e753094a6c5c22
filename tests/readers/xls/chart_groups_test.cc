#include <gtest/gtest.h>

#include "readers/xls/chart_groups.h"
#include "support/chart_stream_builder.h"

namespace k27093::xls {
namespace {

namespace records = chart_records;

ChartGroupKind Kind(std::uint16_t record, std::uint16_t flags = 0) {
  ChartGroupKind kind;
  kind.record = record;
  kind.flags = flags;
  return kind;
}

ChartGroupKind ThreeD(ChartGroupKind kind, std::uint16_t viewFlags = kView3DClustered) {
  kind.view3D = View3D{20, 15, viewFlags};
  return kind;
}

struct Expected {
  ChartGroupKind kind;
  std::string element;
  std::int32_t type;
};

TEST(ChartGroupKinds, EachGroupRecordGivesItsElementAndChartType) {
  ChartGroupKind doughnut = Kind(records::kPie);
  doughnut.donutHole = 50;
  ChartGroupKind barOfPie = Kind(records::kPieOfPie);
  barOfPie.pieOfPieType = 2;
  const Expected cases[] = {
      {Kind(records::kBar), "barChart", 51},
      {Kind(records::kBar, 0x0002), "barChart", 52},
      {Kind(records::kBar, 0x0006), "barChart", 53},
      {Kind(records::kBar, 0x0001), "barChart", 57},
      {Kind(records::kBar, 0x0003), "barChart", 58},
      {Kind(records::kBar, 0x0005), "barChart", 59},
      {ThreeD(Kind(records::kBar)), "bar3DChart", 54},
      {ThreeD(Kind(records::kBar), 0), "bar3DChart", -4100},
      {ThreeD(Kind(records::kBar, 0x0002), 0), "bar3DChart", 55},
      {Kind(records::kLine), "lineChart", 65},
      {Kind(records::kLine, 0x0001), "lineChart", 66},
      {ThreeD(Kind(records::kLine)), "line3DChart", -4101},
      {Kind(records::kPie), "pieChart", 5},
      {ThreeD(Kind(records::kPie)), "pie3DChart", -4102},
      {doughnut, "doughnutChart", -4120},
      {Kind(records::kPieOfPie), "ofPieChart", 68},
      {barOfPie, "ofPieChart", 71},
      {Kind(records::kArea), "areaChart", 1},
      {Kind(records::kArea, 0x0001), "areaChart", 76},
      {Kind(records::kArea, 0x0002), "areaChart", 77},
      {ThreeD(Kind(records::kArea)), "area3DChart", -4098},
      {Kind(records::kScatter), "scatterChart", -4169},
      {Kind(records::kScatter, 0x0001), "bubbleChart", 15},
      {Kind(records::kRadar), "radarChart", 81},
      {Kind(records::kRadarArea), "radarChart", 82},
      {ThreeD(Kind(records::kSurface, 0x0001)), "surface3DChart", 83},
  };
  for (const Expected& expected : cases) {
    SCOPED_TRACE(expected.element + " " + std::to_string(expected.type));
    EXPECT_EQ(GroupElement(expected.kind), expected.element);
    EXPECT_EQ(GroupChartType(expected.kind, nullptr), expected.type);
  }
  EXPECT_EQ(GroupElement(Kind(0)), "");
  EXPECT_FALSE(GroupChartType(Kind(0), nullptr).has_value());
}

TEST(ChartGroupKinds, TheSeriesMarkersLineAndExplosionChooseAmongTheKindsTypes) {
  SeriesKindFormat noMarkers;
  noMarkers.marker = MarkerFormat{0, false};
  EXPECT_EQ(GroupChartType(Kind(records::kLine), &noMarkers), 4);
  EXPECT_EQ(GroupChartType(Kind(records::kLine, 0x0002), &noMarkers), 64);
  EXPECT_EQ(GroupChartType(Kind(records::kRadar), &noMarkers), -4151);
  SeriesKindFormat automaticMarkers;
  automaticMarkers.marker = MarkerFormat{0, true};
  EXPECT_EQ(GroupChartType(Kind(records::kLine), &automaticMarkers), 65);
  // The group's own format stands for a series that states none.
  ChartGroupKind plainLines = Kind(records::kLine);
  plainLines.defaults.marker = MarkerFormat{0, false};
  EXPECT_EQ(GroupChartType(plainLines, nullptr), 4);

  SeriesKindFormat lined;
  lined.line = LineFormat{0, 0, false, 8};
  EXPECT_EQ(GroupChartType(Kind(records::kScatter), &lined), 74);
  lined.smooth = true;
  EXPECT_EQ(GroupChartType(Kind(records::kScatter), &lined), 72);
  lined.marker = MarkerFormat{0, false};
  EXPECT_EQ(GroupChartType(Kind(records::kScatter), &lined), 73);
  SeriesKindFormat unlined;
  unlined.line = LineFormat{0, kLineStyleNone, false, 8};
  EXPECT_EQ(GroupChartType(Kind(records::kScatter), &unlined), -4169);

  SeriesKindFormat exploded;
  exploded.explosion = 25;
  EXPECT_EQ(GroupChartType(Kind(records::kPie), &exploded), 69);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kPie)), &exploded), 70);
}

TEST(ChartGroupKinds, BarShapesGiveTheCylinderConeAndPyramidTypes) {
  const auto shaped = [](std::uint8_t riser, std::uint8_t taper) {
    SeriesKindFormat format;
    format.riser = riser;
    format.taper = taper;
    return format;
  };
  const SeriesKindFormat cone = shaped(1, 1);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar)), &cone), 99);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar, 0x0002)), &cone), 100);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar, 0x0004)), &cone), 101);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar), 0), &cone), 105);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar, 0x0001)), &cone), 102);
  const SeriesKindFormat coneToMaximum = shaped(1, 2);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar)), &coneToMaximum), 99);
  const SeriesKindFormat cylinder = shaped(1, 0);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar)), &cylinder), 92);
  const SeriesKindFormat pyramid = shaped(0, 1);
  EXPECT_EQ(GroupChartType(ThreeD(Kind(records::kBar)), &pyramid), 106);
}

}  // namespace
}  // namespace k27093::xls
