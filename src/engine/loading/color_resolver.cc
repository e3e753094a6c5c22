#include "engine/loading/color_resolver.h"

#include <string_view>
#include <utility>

#include "readers/ooxml/color_model.h"

namespace k27093::engine {
namespace {

using document::ColorData;
using document::FillData;

constexpr std::string_view kPlaceholder = "phClr";
constexpr std::int64_t kFirstBackgroundStyle = 1001;

ColorData Scheme(std::string name, std::vector<document::ColorTransformData> transforms = {}) {
  ColorData color;
  color.scheme = std::move(name);
  color.transforms = std::move(transforms);
  return color;
}

FillData Styled(FillData::Kind kind, ColorData color) {
  FillData fill;
  fill.kind = kind;
  fill.color = std::move(color);
  return fill;
}

// The default Office theme: its colours, and of its format scheme the colours that give its
// styles' fore colours (a gradient's first stop).
document::ThemeData MakeOfficeTheme() {
  using Kind = FillData::Kind;
  document::ThemeData theme;
  theme.colors = {{"dk1", 0x000000},     {"lt1", 0xFFFFFF},     {"dk2", 0x7D491F},
                  {"lt2", 0xE1ECEE},     {"accent1", 0xBD814F}, {"accent2", 0x4D50C0},
                  {"accent3", 0x59BB9B}, {"accent4", 0xA26480}, {"accent5", 0xC6AC4B},
                  {"accent6", 0x4696F7}, {"hlink", 0xFF0000},   {"folHlink", 0x800080}};
  const std::string placeholder(kPlaceholder);
  theme.fillStyles = {
      Styled(Kind::Solid, Scheme(placeholder)),
      Styled(Kind::Gradient, Scheme(placeholder, {{"tint", 0.5}, {"satMod", 3.0}})),
      Styled(Kind::Gradient, Scheme(placeholder, {{"shade", 0.51}, {"satMod", 1.3}}))};
  theme.lineStyles = {Styled(Kind::Solid, Scheme(placeholder, {{"shade", 0.95}, {"satMod", 1.05}})),
                      Styled(Kind::Solid, Scheme(placeholder)),
                      Styled(Kind::Solid, Scheme(placeholder))};
  theme.backgroundFillStyles = {
      Styled(Kind::Solid, Scheme(placeholder)),
      Styled(Kind::Gradient, Scheme(placeholder, {{"tint", 0.4}, {"satMod", 3.5}})),
      Styled(Kind::Gradient, Scheme(placeholder, {{"tint", 0.8}, {"satMod", 3.0}}))};
  return theme;
}

const document::ThemeData& OfficeTheme() {
  static const document::ThemeData theme = MakeOfficeTheme();
  return theme;
}

// The theme's name for a scheme colour's name.
std::string_view ThemeNameOf(std::string_view scheme) {
  if (scheme == "tx1") return "dk1";
  if (scheme == "bg1") return "lt1";
  if (scheme == "tx2") return "dk2";
  if (scheme == "bg2") return "lt2";
  return scheme;
}

// A style's placeholder colour made `placeholder`: the placeholder followed by the style's
// own transforms.
ColorData WithPlaceholder(const ColorData& styleColor, const ColorData& placeholder) {
  ColorData color = placeholder;
  color.transforms.insert(color.transforms.end(), styleColor.transforms.begin(),
                          styleColor.transforms.end());
  return color;
}

}  // namespace

ColorResolver::ColorResolver(const std::optional<document::ThemeData>& theme)
    : theme_(theme ? *theme : OfficeTheme()) {}

std::optional<std::int32_t> ColorResolver::ColorOf(const ColorData& color) const {
  std::optional<std::int32_t> base = color.rgb;
  if (!base && !color.scheme.empty()) {
    auto found = theme_.colors.find(ThemeNameOf(color.scheme));
    if (found != theme_.colors.end()) base = found->second;
  }
  if (!base) return std::nullopt;
  return ooxml::TransformedNumber(*base, color.transforms);
}

std::optional<std::int32_t> ColorResolver::FillColorOf(const FillData& fill) const {
  bool colored = fill.kind == FillData::Kind::Solid || fill.kind == FillData::Kind::Gradient ||
                 fill.kind == FillData::Kind::Pattern;
  if (!colored || !fill.color) return std::nullopt;
  return ColorOf(*fill.color);
}

std::optional<std::int32_t> ColorResolver::FillReferenceColorOf(
    const document::StyleReferenceData& reference) const {
  if (reference.index >= kFirstBackgroundStyle) {
    return StyleColorOf(theme_.backgroundFillStyles, reference.index - kFirstBackgroundStyle + 1,
                        reference);
  }
  return StyleColorOf(theme_.fillStyles, reference.index, reference);
}

std::optional<std::int32_t> ColorResolver::LineReferenceColorOf(
    const document::StyleReferenceData& reference) const {
  return StyleColorOf(theme_.lineStyles, reference.index, reference);
}

std::optional<std::int32_t> ColorResolver::StyleColorOf(
    const std::vector<FillData>& styles, std::int64_t position,
    const document::StyleReferenceData& reference) const {
  if (position < 1 || static_cast<std::size_t>(position) > styles.size()) return std::nullopt;
  FillData style = styles[static_cast<std::size_t>(position - 1)];
  if (style.color && style.color->scheme == kPlaceholder) {
    if (!reference.color) return std::nullopt;
    style.color = WithPlaceholder(*style.color, *reference.color);
  }
  return FillColorOf(style);
}

}  // namespace k27093::engine
