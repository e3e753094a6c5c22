// The plot area's place in a chart as Excel 2003 reports it: the outer box (PlotArea.Left,
// Top, Width, Height: the plot with its axes' tick labels) and the inner box (InsideLeft ...:
// the plot itself), in points from the chart area's top-left corner. A pure function of the
// chart's size and of what it shows, with the manual layout the chart keeps, if any.
//
// The automatic layout approximates Excel's. It works in whole pixels of a 96-dpi screen, as
// Excel lays a chart out on screen, and models: the chart area's inner margin; the title's
// band from its font size and line count; the legend's band on its side (its width from its
// longest entry, its height from its entry count and rows) and font; the labels' band below
// the plot from their font and tick marks; the labels' band at the left from the widest
// label; the half line by which the top value label rises above the plot. Its constants were
// fitted to the plot areas that Excel (before 2007) stored in two binary workbooks kept as
// ground truth, EmbeddedChartHeaderTest.xls and 49096.xls: on those its boxes are within
// 1.2 pt of Excel's (tests/engine/plot_area_layout_test.cc gives the figures). Where the
// title's band and a legend at the top or bottom are concerned, no such workbook was at hand:
// those constants are estimates.
// It ignores: rotated, staggered or wrapped category labels (and the room Excel makes at the
// left for a slanted first label), axis titles, data tables, secondary axes, a legend placed
// by hand, the room Excel leaves around a pie for its labels (in WithFormattedGraphTitle.xls
// the pie's plot comes out a fifth taller than Excel's), fonts scaled with the chart, and
// faces other than Arial (see text_metrics.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace k27093::engine {

struct Box {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct PlotAreaBoxes {
  Box outer;
  Box inner;
};

struct TitleScene {
  int lines = 1;
  double fontSize = 12;
};

struct LegendScene {
  std::int32_t position = -4152;     // XlLegendPosition; the corner counts as the right
  std::vector<std::string> entries;  // the entries' texts, in order
  double fontSize = 10;
};

// One axis whose tick labels lie beside the plot.
struct AxisLabelsScene {
  bool labelsShown = true;   // a tick label position other than none
  bool ticksOutside = true;  // major tick marks outside the plot or crossing the axis
  double fontSize = 10;
  // The label texts: the widest sets the band of an axis at the left; an axis below takes a
  // line of text whatever its labels.
  std::vector<std::string> labels;
  // The labels stand on the value gridlines (a value axis), so the outermost one overhangs
  // the plot by half its size: half a line above it, or half a label beyond its right side.
  bool onGridlines = false;
};

struct PlotAreaScene {
  double chartWidth = 0;  // points
  double chartHeight = 0;
  std::optional<TitleScene> title;
  std::optional<LegendScene> legend;
  // The axes whose labels lie below and at the left of the plot (a column chart's category
  // and value axes, a bar chart's value and category axes); nullopt: no such axis shown.
  std::optional<AxisLabelsScene> bottomAxis;
  std::optional<AxisLabelsScene> leftAxis;
  bool round = false;  // a pie or doughnut: the inner box is the largest centred square
};

// A plot area placed by hand: from a file's manual layout, or set through the object model.
// Lengths in points, for a chart of referenceWidth x referenceHeight; they scale with the
// chart. Edge: x and y are the box's left and top, width and height its right and bottom.
// Factor: x and y are offsets from the automatic place, width and height the box's size. An
// absent value keeps the automatic one.
struct ManualPlotArea {
  enum class Mode { Edge, Factor };
  bool inner = false;  // the values place the inner box (else the outer one)
  Mode xMode = Mode::Factor;
  Mode yMode = Mode::Factor;
  Mode widthMode = Mode::Factor;
  Mode heightMode = Mode::Factor;
  std::optional<double> x;
  std::optional<double> y;
  std::optional<double> width;
  std::optional<double> height;
  double referenceWidth = 0;
  double referenceHeight = 0;
};

// The boxes Excel lays out by itself for `scene`, in whole pixels (multiples of 0.75 pt).
// Sizes that do not fit are zero, never negative.
PlotAreaBoxes AutomaticPlotArea(const PlotAreaScene& scene);

// The boxes of `manual` in `scene`, exactly as given (scaled when the chart's size is not
// the reference size); the other box follows by the axes' label bands. Without a manual
// layout, the automatic boxes.
PlotAreaBoxes LayOutPlotArea(const PlotAreaScene& scene,
                             const std::optional<ManualPlotArea>& manual);

// A manual layout whose outer box is `outer`, for a chart of the scene's size.
ManualPlotArea ManualOuterBox(const Box& outer, const PlotAreaScene& scene);

}  // namespace k27093::engine
