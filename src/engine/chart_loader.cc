#include "engine/chart_loader.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/chart.h"
#include "engine/drawing_loader.h"
#include "engine/series.h"
#include "engine/series_loader.h"

namespace k27093::engine {

namespace {

// A typeface the file names; a theme font ("+mn-lt") is not known here.
std::optional<std::string> TypefaceOf(const ooxml::FontData& font) {
  if (!font.name || font.name->empty() || font.name->front() == '+') return std::nullopt;
  return font.name;
}

// The typeface and size of a text as its first run shows them: the run's own, else the
// text's default properties.
ooxml::FontData FontOfText(const ooxml::TextData& text) {
  if (text.runFonts.empty()) return text.font;
  ooxml::FontData font = text.runFonts.front();
  if (!TypefaceOf(font)) font.name = text.font.name;
  if (!font.size) font.size = text.font.size;
  return font;
}

void LoadChartType(ChartState& state, const ooxml::ChartData& data) {
  if (!data.chartType) return;
  if (*data.chartType != xl::chart_type::kCombination) {
    state.chartType = *data.chartType;
    return;
  }
  for (const auto& group : data.groups) {
    if (group.chartType) {
      state.chartType = *group.chartType;
      return;
    }
  }
}

void LoadAxis(AxisState& axis, const ooxml::AxisData& data) {
  axis.present = !data.deleted;
  axis.hasTitle = data.title.has_value();
  axis.majorGridlines = data.majorGridlines;
  axis.minorGridlines = data.minorGridlines;
  axis.majorTickMark = data.majorTickMark;
  axis.minorTickMark = data.minorTickMark;
  axis.tickLabelPosition = data.tickLabelPosition;
  if (data.type == xl::kValue && data.majorUnit) {
    axis.majorUnitIsAuto = false;
    axis.majorUnit = *data.majorUnit;
  }
}

// The category and value axes. A chart drawn without axes (a pie) lists none and keeps a new
// chart's; a chart that lists axes has those it lists.
void LoadAxes(ChartState& state, const ooxml::ChartData& data) {
  if (data.axes.empty()) return;
  state.categoryAxis.present = false;
  state.valueAxis.present = false;
  for (const auto& axis : data.axes) {
    bool secondary = axis.axisGroup == xl::kSecondary;
    if (secondary) state.hasSecondaryGroup = true;
    if (axis.type == xl::kCategory) {
      LoadAxis(secondary ? state.secondaryCategoryAxis : state.categoryAxis, axis);
    } else if (axis.type == xl::kValue) {
      LoadAxis(secondary ? state.secondaryValueAxis : state.valueAxis, axis);
    }
  }
}

void LoadTitle(ChartImpl& chart, const ooxml::ChartData& data) {
  if (!data.title) return;
  chart.SetHasTitle(true);
  ChartState& state = chart.state();
  if (!data.title->automatic) {
    state.titleText = data.title->text.text;
  } else if (chart.series().size() == 1) {
    state.titleText = chart.series().front()->Name();
  }
  ooxml::FontData font = FontOfText(data.title->text);
  if (auto name = TypefaceOf(font)) {
    state.titleFont.name = *name;
  } else if (auto areaName = TypefaceOf(data.areaFont)) {
    state.titleFont.name = *areaName;
  }
  if (font.size) state.titleFont.size = *font.size;
}

void LoadAreaFont(ChartState& state, const ooxml::FontData& font) {
  if (auto name = TypefaceOf(font)) state.areaFont.name = *name;
  if (font.size) state.areaFont.size = *font.size;
}

ManualPlotArea::Mode ModeOf(ooxml::ManualLayoutData::Mode mode) {
  return mode == ooxml::ManualLayoutData::Mode::Edge ? ManualPlotArea::Mode::Edge
                                                     : ManualPlotArea::Mode::Factor;
}

std::optional<double> Times(const std::optional<double>& fraction, double size) {
  if (!fraction) return std::nullopt;
  return *fraction * size;
}

// A stored manual layout, its fractions turned into points of the chart's present size.
void LoadPlotArea(ChartImpl& chart, const ooxml::ChartData& data) {
  if (!data.plotAreaLayout) return;
  const ooxml::ManualLayoutData& layout = *data.plotAreaLayout;
  ManualPlotArea manual;
  manual.inner = layout.inner;
  manual.xMode = ModeOf(layout.xMode);
  manual.yMode = ModeOf(layout.yMode);
  manual.widthMode = ModeOf(layout.wMode);
  manual.heightMode = ModeOf(layout.hMode);
  manual.referenceWidth = chart.ChartWidth();
  manual.referenceHeight = chart.ChartHeight();
  manual.x = Times(layout.x, manual.referenceWidth);
  manual.y = Times(layout.y, manual.referenceHeight);
  manual.width = Times(layout.width, manual.referenceWidth);
  manual.height = Times(layout.height, manual.referenceHeight);
  chart.state().plotArea = manual;
}

}  // namespace

void LoadChart(ChartImpl& chart, const ooxml::ChartData& data) {
  ChartState& state = chart.state();
  LoadChartType(state, data);
  LoadSeries(chart, data);
  LoadAxes(state, data);
  LoadTitle(chart, data);
  state.hasLegend = data.legend.has_value();
  if (data.legend) state.legendPosition = data.legend->position;
  state.hasDataTable = data.dataTable.has_value();
  LoadAreaFont(state, data.areaFont);
  LoadPlotArea(chart, data);
  LoadDrawing(*chart.drawing(), data.shapes, {});
}

}  // namespace k27093::engine
