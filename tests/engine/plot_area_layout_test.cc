// The plot area's layout as a pure function of a chart's size and content: the label bands
// around an inner box placed by hand, the automatic layout's response to the labels, the
// title and the legend, and its error against the plot areas that Excel itself stored in
// binary workbooks.
#include "engine/charts/plot_area_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "spreadsheet/constants.h"

namespace k27093::engine {
namespace {

AxisLabelsScene Labels(std::vector<std::string> texts, bool onGridlines, double fontSize = 10) {
  AxisLabelsScene axis;
  axis.labels = std::move(texts);
  axis.onGridlines = onGridlines;
  axis.fontSize = fontSize;
  return axis;
}

// A column chart of four series on two quarters, Arial 10, its legend at the right.
PlotAreaScene ColumnChart(double width = 360, double height = 216) {
  PlotAreaScene scene;
  scene.chartWidth = width;
  scene.chartHeight = height;
  scene.legend = LegendScene{xl::kLegendRight, {"Nord", "Sud", "Est", "Ouest"}, 10};
  scene.bottomAxis = Labels({"Trim 1", "Trim 2"}, false);
  scene.leftAxis = Labels({"0", "200", "400", "600", "800", "1000"}, true);
  return scene;
}

double Right(const Box& box) { return box.left + box.width; }
double Bottom(const Box& box) { return box.top + box.height; }

void ExpectNear(const Box& actual, const Box& expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.left, expected.left, tolerance);
  EXPECT_NEAR(actual.top, expected.top, tolerance);
  EXPECT_NEAR(actual.width, expected.width, tolerance);
  EXPECT_NEAR(actual.height, expected.height, tolerance);
}

ManualPlotArea InnerBox(const Box& inner, const PlotAreaScene& scene) {
  ManualPlotArea manual = ManualOuterBox(inner, scene);
  manual.inner = true;
  return manual;
}

// The outer box less the inner one, side by side (the bottom band as the height).
Box LabelBands(const PlotAreaBoxes& boxes) {
  return {boxes.inner.left - boxes.outer.left, boxes.inner.top - boxes.outer.top,
          Right(boxes.outer) - Right(boxes.inner), Bottom(boxes.outer) - Bottom(boxes.inner)};
}

TEST(PlotAreaLayout, AnInnerTargetAddsTheLabelsBands) {
  PlotAreaScene scene = ColumnChart();
  PlotAreaBoxes automatic = AutomaticPlotArea(scene);
  PlotAreaBoxes placed = LayOutPlotArea(scene, InnerBox(automatic.inner, scene));
  ExpectNear(placed.inner, automatic.inner);
  ExpectNear(placed.outer, automatic.outer);
  // Larger labels widen the bands around the same inside.
  PlotAreaScene larger = scene;
  larger.bottomAxis->fontSize = 14;
  larger.leftAxis->fontSize = 14;
  ManualPlotArea manual = InnerBox({50, 40, 200, 100}, scene);
  Box bands = LabelBands(LayOutPlotArea(scene, manual));
  PlotAreaBoxes largerBoxes = LayOutPlotArea(larger, manual);
  EXPECT_GT(LabelBands(largerBoxes).top, bands.top);
  EXPECT_GT(LabelBands(largerBoxes).left, bands.left);
  EXPECT_GT(LabelBands(largerBoxes).height, bands.height);
  EXPECT_EQ(largerBoxes.inner.height, 100);
}

TEST(PlotAreaLayout, HiddenLabelsAndTicksLeaveNarrowerBands) {
  PlotAreaScene scene = ColumnChart();
  Box shown = LabelBands(AutomaticPlotArea(scene));
  scene.bottomAxis->labelsShown = scene.leftAxis->labelsShown = false;
  Box hidden = LabelBands(AutomaticPlotArea(scene));
  EXPECT_LT(hidden.left, shown.left);
  EXPECT_LT(hidden.top, shown.top);
  EXPECT_LT(hidden.height, shown.height);
  scene.bottomAxis->ticksOutside = scene.leftAxis->ticksOutside = false;
  Box bare = LabelBands(AutomaticPlotArea(scene));
  EXPECT_LT(bare.left, hidden.left);
  EXPECT_LT(bare.height, hidden.height);
}

TEST(PlotAreaLayout, ATitleTakesRoomAboveThePlot) {
  PlotAreaScene scene = ColumnChart();
  Box untitled = AutomaticPlotArea(scene).outer;
  scene.title = TitleScene{1, 12};
  Box titled = AutomaticPlotArea(scene).outer;
  EXPECT_GT(titled.top, untitled.top);
  EXPECT_EQ(Bottom(titled), Bottom(untitled));
  EXPECT_EQ(titled.width, untitled.width);
  scene.title = TitleScene{2, 12};
  EXPECT_LT(AutomaticPlotArea(scene).outer.height, titled.height);
  scene.title = TitleScene{1, 20};
  EXPECT_LT(AutomaticPlotArea(scene).outer.height, titled.height);
}

TEST(PlotAreaLayout, TheLegendTakesRoomOnItsOwnSide) {
  PlotAreaScene scene = ColumnChart();
  auto outerWith = [&](std::int32_t position) {
    scene.legend->position = position;
    return AutomaticPlotArea(scene).outer;
  };
  Box right = outerWith(xl::kLegendRight);
  Box left = outerWith(xl::kLegendLeft);
  Box bottom = outerWith(xl::kLegendBottom);
  Box top = outerWith(xl::kLegendTop);
  ExpectNear(outerWith(xl::kLegendCorner), right);
  scene.legend.reset();
  Box alone = AutomaticPlotArea(scene).outer;
  EXPECT_LT(Right(right), Right(alone));
  EXPECT_EQ(right.height, alone.height);
  EXPECT_GT(left.left, alone.left);
  EXPECT_EQ(Right(left), Right(alone));
  EXPECT_LT(Bottom(bottom), Bottom(alone));
  EXPECT_EQ(bottom.width, alone.width);
  EXPECT_GT(top.top, alone.top);
  EXPECT_EQ(Bottom(top), Bottom(alone));
  // Entries that do not fit side by side take a second line.
  scene.legend = LegendScene{xl::kLegendBottom, std::vector<std::string>(12, "Réfrigérateurs")};
  EXPECT_LT(AutomaticPlotArea(scene).outer.height, bottom.height);
}

TEST(PlotAreaLayout, AutomaticBoxesLieOnWholePixels) {
  PlotAreaScene scene = ColumnChart(247.3, 146.1);
  scene.title = TitleScene{1, 12};
  PlotAreaBoxes boxes = AutomaticPlotArea(scene);
  for (double points : {boxes.outer.left, boxes.outer.top, boxes.outer.width, boxes.outer.height,
                        boxes.inner.left, boxes.inner.top, boxes.inner.width, boxes.inner.height}) {
    EXPECT_EQ(std::fmod(points, 0.75), 0) << points;
  }
}

TEST(PlotAreaLayout, ATinyChartGivesEmptyBoxesNeverNegativeOnes) {
  for (double size : {0.0, 20.0}) {
    PlotAreaScene scene = ColumnChart(size, size);
    scene.title = TitleScene{3, 18};
    PlotAreaBoxes boxes = AutomaticPlotArea(scene);
    EXPECT_EQ(boxes.outer.height, 0);
    EXPECT_GE(boxes.outer.width, 0);
    EXPECT_GE(boxes.inner.width, 0);
    EXPECT_EQ(boxes.inner.height, 0);
  }
}

// Ground truth: the plot areas that Excel wrote into the binary workbooks
// EmbeddedChartHeaderTest.xls and 49096.xls (saved by Excel before 2007, Arial text): the
// outer box is the Pos record of the primary axis group, the inner box the AxisParent
// rectangle, both in 1/4000 of the chart area, whose size is the Chart record's.
constexpr double kSprc = 1.0 / 4000;

Box FromChartUnits(double x, double y, double dx, double dy, double width, double height) {
  return {x * kSprc * width, y * kSprc * height, dx * kSprc * width, dy * kSprc * height};
}

TEST(PlotAreaLayout, TheAutomaticLayoutIsWithinAPointAndAQuarterOfExcels) {
  // A stacked column chart of three unnamed series (sums 6, 12, 18) on three categories,
  // 430.5 x 300.75 pt, no title, the legend at the right, all text Arial 9.5; its plot area
  // laid out by Excel (ShtProps: default plot area).
  PlotAreaScene scene;
  scene.chartWidth = 430.499267578125;
  scene.chartHeight = 300.7496337890625;
  scene.legend = LegendScene{xl::kLegendRight, {"Series1", "Series2", "Series3"}, 9.5};
  scene.bottomAxis = Labels({"Data 1", "Data 2", "Data 3"}, false, 9.5);
  scene.leftAxis = Labels({"0", "2", "4", "6", "8", "10", "12", "14", "16", "18", "20"}, true, 9.5);
  PlotAreaBoxes boxes = AutomaticPlotArea(scene);
  double width = scene.chartWidth, height = scene.chartHeight;
  ExpectNear(boxes.outer, FromChartUnits(71, 102, 3369, 3795, width, height), 0.5);
  ExpectNear(boxes.inner, FromChartUnits(255, 215, 3184, 3366, width, height), 1.25);
}

TEST(PlotAreaLayout, TheInsideOfAStoredOuterBoxIsWithinThreeQuartersOfAPointOfExcels) {
  // A clustered column chart, 464.25 x 309 pt, one series "Title" (123 to 1023: labels 0 to
  // 1200), Arial 10, whose outer box Excel kept where it was placed; Excel's inside of it.
  PlotAreaScene scene;
  scene.chartWidth = 464.249267578125;
  scene.chartHeight = 308.999267578125;
  scene.legend = LegendScene{xl::kLegendRight, {"Title"}, 10};
  scene.bottomAxis = Labels({"2010", "2011", "2012", "2013"}, false);
  scene.leftAxis = Labels({"0", "200", "400", "600", "800", "1000", "1200"}, true);
  double width = scene.chartWidth, height = scene.chartHeight;
  Box outer = FromChartUnits(263, 99, 3444, 3802, width, height);
  PlotAreaBoxes boxes = LayOutPlotArea(scene, ManualOuterBox(outer, scene));
  ExpectNear(boxes.outer, outer);
  ExpectNear(boxes.inner, FromChartUnits(525, 209, 3179, 3383, width, height), 0.75);
}

}  // namespace
}  // namespace k27093::engine
