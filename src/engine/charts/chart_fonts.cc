#include "engine/charts/chart_fonts.h"

#include <optional>
#include <string>

#include "engine/charts/chart.h"

namespace k27093::engine {

namespace {

// The value of `property` that all `fonts` share; nullopt when they differ or one is mixed.
template <typename T>
std::optional<T> SharedValue(const std::vector<const FontState*>& fonts,
                             std::optional<T> FontState::*property) {
  std::optional<T> shared = fonts.front()->*property;
  for (const FontState* font : fonts) {
    if (!(font->*property) || font->*property != shared) return std::nullopt;
  }
  return shared;
}

}  // namespace

std::vector<const FontState*> ShownTextFonts(ChartImpl& chart) {
  const ChartState& state = chart.state();
  std::vector<const FontState*> fonts;
  if (state.hasTitle) fonts.push_back(&state.titleFont);
  if (state.hasLegend) fonts.push_back(&state.legendFont);
  for (std::int32_t group : {xl::kPrimary, xl::kSecondary}) {
    for (std::int32_t type : {xl::kCategory, xl::kValue}) {
      const AxisState* axis = chart.VisibleAxis(type, group);
      if (axis && axis->tickLabelPosition != xl::kTickLabelNone) {
        fonts.push_back(&axis->tickLabelFont);
      }
    }
  }
  if (state.hasDataTable) fonts.push_back(&state.dataTableFont);
  return fonts;
}

FontState ChartAreaFont(ChartImpl& chart) {
  const std::vector<const FontState*> fonts = ShownTextFonts(chart);
  if (fonts.empty()) return chart.state().areaFont;
  return FontState{SharedValue(fonts, &FontState::name), SharedValue(fonts, &FontState::size)};
}

std::vector<FontState*> AllTextFonts(ChartState& state) {
  return {&state.areaFont,
          &state.titleFont,
          &state.legendFont,
          &state.categoryAxis.tickLabelFont,
          &state.valueAxis.tickLabelFont,
          &state.secondaryCategoryAxis.tickLabelFont,
          &state.secondaryValueAxis.tickLabelFont,
          &state.dataTableFont};
}

Variant NameOf(const FontState& font) { return font.name ? Variant(*font.name) : Variant::Null(); }

Variant SizeOf(const FontState& font) { return font.size ? Variant(*font.size) : Variant::Null(); }

}  // namespace k27093::engine
