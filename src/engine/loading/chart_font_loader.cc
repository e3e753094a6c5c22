#include "engine/loading/chart_font_loader.h"

#include <cmath>

#include "readers/ooxml/theme_part.h"

namespace k27093::engine {

namespace {

constexpr double kChartTextSize = 10;
constexpr double kTitleScale = 1.2;
constexpr const char* kWorkbookFontName = "Arial";

// A size as the format stores it, in hundredths of a point.
double InHundredths(double points) { return std::round(points * 100) / 100; }

}  // namespace

ChartFontResolver::ChartFontResolver(const document::FontData& chartText,
                                     const std::optional<document::ThemeData>& theme)
    : theme_(theme) {
  chart_.name = TypefaceOf(chartText).value_or(
      ooxml::EffectiveTypeface("+mn-lt", theme).value_or(kWorkbookFontName));
  chart_.size = chartText.size.value_or(kChartTextSize);
}

std::optional<std::string> ChartFontResolver::TypefaceOf(const document::FontData& font) const {
  if (!font.name) return std::nullopt;
  return ooxml::EffectiveTypeface(*font.name, theme_);
}

FontState ChartFontResolver::ElementFont(const document::FontData& stated) const {
  return FontState{TypefaceOf(stated).value_or(*chart_.name), stated.size.value_or(*chart_.size)};
}

FontState ChartFontResolver::TitleFont(const document::TextData& text) const {
  const std::string textName = TypefaceOf(text.font).value_or(*chart_.name);
  const double textSize = text.font.size.value_or(InHundredths(*chart_.size * kTitleScale));
  if (text.runFonts.empty()) return FontState{textName, textSize};
  auto runName = [&](const document::FontData& run) { return TypefaceOf(run).value_or(textName); };
  auto runSize = [&](const document::FontData& run) { return run.size.value_or(textSize); };
  FontState font{runName(text.runFonts.front()), runSize(text.runFonts.front())};
  for (const document::FontData& run : text.runFonts) {
    if (font.name != runName(run)) font.name = std::nullopt;
    if (font.size != runSize(run)) font.size = std::nullopt;
  }
  return font;
}

}  // namespace k27093::engine
