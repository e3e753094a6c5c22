// The plot area of an engine chart: the scene its current state shows to the layout of
// plot_area_layout.h, the boxes Excel reports for it, and its height set through the object
// model. An automatic layout follows the chart's state each time it is read (a title or a
// legend removed gives the plot more room); a manual one keeps its place.
#pragma once

#include "engine/charts/plot_area_layout.h"

namespace k27093::engine {

class ChartImpl;

// What the chart shows that its plot area's layout depends on: its size, its title (line
// count and font), its legend (position, entries, font), its visible axes' labels.
PlotAreaScene PlotAreaSceneOf(ChartImpl& chart);

// The plot area's outer and inner boxes, in points.
PlotAreaBoxes PlotAreaOf(ChartImpl& chart);

// Gives the plot area the outer height `points` (kept within 0 and the chart's height; its
// top moves up when the box would reach below the chart) and keeps its place as a manual
// layout, which scales with the chart.
void SetPlotAreaHeight(ChartImpl& chart, double points);

}  // namespace k27093::engine
