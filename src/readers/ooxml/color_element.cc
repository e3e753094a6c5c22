#include "readers/ooxml/color_element.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "readers/ooxml/color_model.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

constexpr double kPercent = 100000;    // ST_Percentage: thousandths of a percent
constexpr double kAngleUnits = 60000;  // ST_Angle: 60000ths of a degree

// Preset colours by name (RRGGBB); a name not listed has no known colour.
constexpr std::array<std::pair<std::string_view, std::string_view>, 30> kPresetColors = {{
    {"black", "000000"},    {"white", "FFFFFF"},   {"red", "FF0000"},    {"green", "008000"},
    {"blue", "0000FF"},     {"yellow", "FFFF00"},  {"cyan", "00FFFF"},   {"aqua", "00FFFF"},
    {"magenta", "FF00FF"},  {"fuchsia", "FF00FF"}, {"gray", "808080"},   {"grey", "808080"},
    {"silver", "C0C0C0"},   {"maroon", "800000"},  {"navy", "000080"},   {"olive", "808000"},
    {"purple", "800080"},   {"teal", "008080"},    {"lime", "00FF00"},   {"orange", "FFA500"},
    {"brown", "A52A2A"},    {"pink", "FFC0CB"},    {"gold", "FFD700"},   {"dkBlue", "00008B"},
    {"dkRed", "8B0000"},    {"dkGreen", "006400"}, {"dkGray", "A9A9A9"}, {"ltGray", "D3D3D3"},
    {"darkBlue", "00008B"}, {"darkRed", "8B0000"},
}};

// System colours without their last value, by the value they usually have.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kSystemColors = {{
    {"window", "FFFFFF"},
    {"windowText", "000000"},
}};

// Transforms whose value is an angle; the others without value have none.
bool IsAngle(std::string_view name) { return name == "hue" || name == "hueOff"; }
bool HasNoValue(std::string_view name) {
  return name == "comp" || name == "inv" || name == "gray" || name == "gamma" || name == "invGamma";
}

std::optional<std::int32_t> NumberOfHex(std::string_view hex, const PartScope& scope) {
  std::uint32_t rgb = 0;
  const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), rgb, 16);
  if (hex.size() != 6 || error != std::errc() || end != hex.data() + hex.size()) {
    scope.Fail("has the colour " + Quoted(hex) + ", which is not RRGGBB");
  }
  return static_cast<std::int32_t>((rgb >> 16) + 256 * ((rgb >> 8) & 0xFF) + 65536 * (rgb & 0xFF));
}

template <std::size_t N>
std::optional<std::int32_t> NamedColor(
    const std::array<std::pair<std::string_view, std::string_view>, N>& table,
    std::string_view name, const PartScope& scope) {
  for (const auto& [known, hex] : table) {
    if (known == name) return NumberOfHex(hex, scope);
  }
  return std::nullopt;
}

// The attribute as a number of `unit`s: "50000" / 100000, or "50%" / 100 for a percentage;
// nullopt when absent.
std::optional<double> Measure(pugi::xml_node element, std::string_view attribute, double unit,
                              const PartScope& scope) {
  const pugi::xml_attribute stored = PlainAttribute(element, attribute);
  if (!stored) return std::nullopt;
  std::string_view text = Trimmed(stored.value());
  const bool percentSign = !text.empty() && text.back() == '%';
  if (percentSign) text.remove_suffix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value)) {
    scope.Fail("has <" + std::string(element.name()) + " " + std::string(attribute) + "=\"" +
               stored.value() + "\">, which is not a number");
  }
  return percentSign ? value / 100 : value / unit;
}

std::optional<std::int32_t> BaseOf(pugi::xml_node element, std::string_view name,
                                   const PartScope& scope, std::string& scheme) {
  if (name == "srgbClr") return NumberOfHex(PlainAttribute(element, "val").value(), scope);
  if (name == "sysClr") {
    if (const pugi::xml_attribute last = PlainAttribute(element, "lastClr")) {
      return NumberOfHex(last.value(), scope);
    }
    return NamedColor(kSystemColors, PlainAttribute(element, "val").value(), scope);
  }
  if (name == "prstClr")
    return NamedColor(kPresetColors, PlainAttribute(element, "val").value(), scope);
  auto part = [&](std::string_view attribute, double unit) {
    return Measure(element, attribute, unit, scope).value_or(0);
  };
  if (name == "scrgbClr") {
    return NumberOf(RgbOfLinear(part("r", kPercent), part("g", kPercent), part("b", kPercent)));
  }
  if (name == "hslClr") {
    return NumberOf(
        RgbOfHsl(part("hue", kAngleUnits), part("sat", kPercent), part("lum", kPercent)));
  }
  scheme = PlainAttribute(element, "val").value();  // schemeClr
  return std::nullopt;
}

bool IsColorElement(std::string_view name) {
  return name == "srgbClr" || name == "sysClr" || name == "schemeClr" || name == "prstClr" ||
         name == "scrgbClr" || name == "hslClr";
}

}  // namespace

std::optional<document::ColorData> ColorOf(pugi::xml_node element, const PartScope& scope) {
  const std::string_view name = LocalName(element.name());
  if (element.type() != pugi::node_element || !IsColorElement(name)) return std::nullopt;
  document::ColorData color;
  color.rgb = BaseOf(element, name, scope, color.scheme);
  for (pugi::xml_node child : element.children()) {
    if (child.type() != pugi::node_element) continue;
    document::ColorTransformData transform;
    transform.name = LocalName(child.name());
    if (!HasNoValue(transform.name)) {
      const std::optional<double> value =
          Measure(child, "val", IsAngle(transform.name) ? kAngleUnits : kPercent, scope);
      if (!value) continue;  // a transform without its value changes nothing
      transform.value = *value;
    }
    color.transforms.push_back(std::move(transform));
  }
  return color;
}

std::optional<document::ColorData> ChildColorOf(pugi::xml_node parent, const PartScope& scope) {
  for (pugi::xml_node child : parent.children()) {
    if (std::optional<document::ColorData> color = ColorOf(child, scope)) return color;
  }
  return std::nullopt;
}

}  // namespace k27093::ooxml
