#include "engine/charts/chart_plot_area.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/charts/chart.h"
#include "engine/charts/chart_data.h"
#include "engine/charts/chart_type.h"
#include "engine/charts/series.h"

namespace k27093::engine {

namespace {

constexpr double kDefaultTextSize = 10;  // points, the text size of a new chart

int LineCount(const std::string& text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<std::string> CategoryLabels(const ChartImpl& chart) {
  Variant names = CategoryNames(chart);
  std::vector<std::string> labels;
  for (const auto& name : names.AsArray().items) labels.push_back(ToText(name));
  return labels;
}

// A chart drawn without axes lists its first series' points; another chart its series.
std::vector<std::string> LegendEntries(ChartImpl& chart, bool round) {
  if (round) return CategoryLabels(chart);
  std::vector<std::string> entries;
  for (const auto& series : chart.series()) entries.push_back(series->Name());
  return entries;
}

AxisLabelsScene LabelsOf(const AxisState& axis, double fontSize, std::vector<std::string> labels,
                         bool onGridlines) {
  AxisLabelsScene scene;
  scene.labelsShown = axis.tickLabelPosition != xl::kTickLabelNone;
  scene.ticksOutside =
      axis.majorTickMark == xl::kTickMarkOutside || axis.majorTickMark == xl::kTickMarkCross;
  scene.fontSize = fontSize;
  scene.labels = std::move(labels);
  scene.onGridlines = onGridlines;
  return scene;
}

// The size a text element is laid out at: a mixed size (unknown) counts as the chart's
// default text size.
double SizeOf(const FontState& font) { return font.size.value_or(kDefaultTextSize); }

// The primary category and value axes, placed below and at the left of the plot.
void AddAxes(PlotAreaScene& scene, ChartImpl& chart) {
  std::optional<AxisLabelsScene> category, value;
  if (const AxisState* axis = chart.VisibleAxis(xl::kCategory)) {
    category = LabelsOf(*axis, SizeOf(axis->tickLabelFont), CategoryLabels(chart), false);
  }
  if (const AxisState* axis = chart.VisibleAxis(xl::kValue)) {
    value = LabelsOf(*axis, SizeOf(axis->tickLabelFont), ValueAxisLabels(chart), true);
  }
  bool bars = DrawsCategoriesVertically(chart.ChartType());
  scene.bottomAxis = bars ? value : category;
  scene.leftAxis = bars ? category : value;
}

}  // namespace

PlotAreaScene PlotAreaSceneOf(ChartImpl& chart) {
  const ChartState& state = chart.state();
  PlotAreaScene scene;
  scene.chartWidth = chart.ChartWidth();
  scene.chartHeight = chart.ChartHeight();
  scene.round = DrawsWithoutAxes(chart.ChartType());
  if (state.hasTitle) scene.title = TitleScene{LineCount(state.titleText), SizeOf(state.titleFont)};
  if (state.hasLegend) {
    scene.legend =
        LegendScene{state.legendPosition, LegendEntries(chart, scene.round), SizeOf(state.legendFont)};
  }
  if (!scene.round) AddAxes(scene, chart);
  return scene;
}

PlotAreaBoxes PlotAreaOf(ChartImpl& chart) {
  return LayOutPlotArea(PlotAreaSceneOf(chart), chart.state().plotArea);
}

void SetPlotAreaHeight(ChartImpl& chart, double points) {
  PlotAreaScene scene = PlotAreaSceneOf(chart);
  Box outer = LayOutPlotArea(scene, chart.state().plotArea).outer;
  outer.height = points > 0 ? std::min(points, scene.chartHeight) : 0;
  outer.top = std::clamp(outer.top, 0.0, std::max(0.0, scene.chartHeight - outer.height));
  chart.state().plotArea = ManualOuterBox(outer, scene);
}

}  // namespace k27093::engine
