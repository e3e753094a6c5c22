#include "engine/loading/chart_loader.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/charts/chart.h"
#include "engine/charts/chart_fonts.h"
#include "engine/charts/series.h"
#include "engine/loading/chart_font_loader.h"
#include "engine/loading/drawing_loader.h"
#include "engine/loading/series_loader.h"

namespace k27093::engine {

namespace {

void LoadChartType(ChartState& state, const document::ChartData& data) {
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

void LoadAxis(AxisState& axis, const document::AxisData& data, const ChartFontResolver& fonts) {
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
  axis.tickLabelFont = fonts.ElementFont(data.tickLabelFont);
}

// The category and value axes. A chart drawn without axes (a pie) lists none and keeps a new
// chart's; a chart that lists axes has those it lists.
void LoadAxes(ChartState& state, const document::ChartData& data, const ChartFontResolver& fonts) {
  if (data.axes.empty()) return;
  state.categoryAxis.present = false;
  state.valueAxis.present = false;
  for (const auto& axis : data.axes) {
    bool secondary = axis.axisGroup == xl::kSecondary;
    if (secondary) state.hasSecondaryGroup = true;
    if (axis.type == xl::kCategory) {
      LoadAxis(secondary ? state.secondaryCategoryAxis : state.categoryAxis, axis, fonts);
    } else if (axis.type == xl::kValue) {
      LoadAxis(secondary ? state.secondaryValueAxis : state.valueAxis, axis, fonts);
    }
  }
}

void LoadTitle(ChartImpl& chart, const document::ChartData& data, const ChartFontResolver& fonts) {
  if (!data.title) return;
  chart.SetHasTitle(true);
  ChartState& state = chart.state();
  if (!data.title->automatic) {
    state.titleText = data.title->text.text;
  } else if (chart.series().size() == 1) {
    state.titleText = chart.series().front()->Name();
  }
  state.titleFont = fonts.TitleFont(data.title->text);
}

// The chart's own text font, which every text element takes until the file states its own;
// a title without a font of its own takes the chart's, enlarged.
void LoadAreaFont(ChartState& state, const ChartFontResolver& fonts) {
  for (FontState* font : AllTextFonts(state)) *font = fonts.chartFont();
  state.titleFont = fonts.TitleFont({});
}

void LoadLegend(ChartState& state, const document::ChartData& data,
                const ChartFontResolver& fonts) {
  state.hasLegend = data.legend.has_value();
  if (!data.legend) return;
  state.legendPosition = data.legend->position;
  state.legendFont = fonts.ElementFont(data.legend->font);
}

void LoadDataTable(ChartState& state, const document::ChartData& data,
                   const ChartFontResolver& fonts) {
  state.hasDataTable = data.dataTable.has_value();
  if (data.dataTable) state.dataTableFont = fonts.ElementFont(data.dataTable->font);
}

ManualPlotArea::Mode ModeOf(document::ManualLayoutData::Mode mode) {
  return mode == document::ManualLayoutData::Mode::Edge ? ManualPlotArea::Mode::Edge
                                                        : ManualPlotArea::Mode::Factor;
}

std::optional<double> Times(const std::optional<double>& fraction, double size) {
  if (!fraction) return std::nullopt;
  return *fraction * size;
}

// A stored manual layout, its fractions turned into points of the chart's present size.
void LoadPlotArea(ChartImpl& chart, const document::ChartData& data) {
  if (!data.plotAreaLayout) return;
  const document::ManualLayoutData& layout = *data.plotAreaLayout;
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

// A chart area filled with a picture that it tiles has a texture of its own, named after the
// picture.
void LoadAreaTexture(ChartState& state, const document::ChartData& data) {
  const auto& fill = data.areaFill;
  if (fill && fill->kind == document::FillData::Kind::Picture && fill->tiled) {
    state.userTexture = fill->pictureName;
  }
}

// How the chart is printed, where the file states it (a binary workbook's PRINTSIZE).
void LoadChartSize(ChartState& state, const document::ChartData& data) {
  if (!data.pageSetup || !data.pageSetup->chartSize) return;
  const std::int32_t size = *data.pageSetup->chartSize;
  if (size >= 1 && size <= 3) state.chartSize = size;
}

}  // namespace

void LoadChart(ChartImpl& chart, const document::ChartData& data,
               const std::optional<document::ThemeData>& theme) {
  ChartState& state = chart.state();
  const ChartFontResolver fonts(data.areaFont, theme);
  const ColorResolver colors(theme);
  LoadChartType(state, data);
  LoadSeries(chart, data, colors);
  LoadAreaFont(state, fonts);
  LoadAxes(state, data, fonts);
  LoadTitle(chart, data, fonts);
  LoadLegend(state, data, fonts);
  LoadDataTable(state, data, fonts);
  LoadPlotArea(chart, data);
  LoadAreaTexture(state, data);
  LoadChartSize(state, data);
  LoadDrawing(*chart.drawing(), data.shapes, colors, {});
}

}  // namespace k27093::engine
