#include "readers/ooxml/color_model.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace k27093::ooxml {
namespace {

double Clamped(double value) { return std::clamp(value, 0.0, 1.0); }

double ToLinear(double srgb) {
  srgb = Clamped(srgb);
  return srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
}

double ToSrgb(double linear) {
  linear = Clamped(linear);
  return linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

std::int32_t Component(double fraction) {
  return static_cast<std::int32_t>(std::lround(Clamped(fraction) * 255));
}

struct HslColor {
  double hue = 0;  // degrees, 0 to 360
  double saturation = 0;
  double luminance = 0;
};

HslColor HslOf(const RgbColor& color) {
  const double high = std::max({color.red, color.green, color.blue});
  const double low = std::min({color.red, color.green, color.blue});
  HslColor hsl;
  hsl.luminance = (high + low) / 2;
  const double range = high - low;
  if (range <= 0) return hsl;
  hsl.saturation = range / (1 - std::fabs(2 * hsl.luminance - 1));
  double sector = 0;
  if (high == color.red) {
    sector = std::fmod((color.green - color.blue) / range + 6, 6);
  } else if (high == color.green) {
    sector = (color.blue - color.red) / range + 2;
  } else {
    sector = (color.red - color.green) / range + 4;
  }
  hsl.hue = sector * 60;
  return hsl;
}

RgbColor RgbOf(const HslColor& hsl) { return RgbOfHsl(hsl.hue, hsl.saturation, hsl.luminance); }

// Applies `change` to the HSL form of `color`.
template <typename Change>
RgbColor InHsl(const RgbColor& color, Change change) {
  HslColor hsl = HslOf(color);
  change(hsl);
  hsl.hue = std::fmod(std::fmod(hsl.hue, 360) + 360, 360);
  hsl.saturation = Clamped(hsl.saturation);
  hsl.luminance = Clamped(hsl.luminance);
  return RgbOf(hsl);
}

// Applies `change` to each linear component of `color`.
template <typename Change>
RgbColor InLinear(const RgbColor& color, Change change) {
  return RgbOfLinear(change(ToLinear(color.red)), change(ToLinear(color.green)),
                     change(ToLinear(color.blue)));
}

// Applies `change` to the linear form of one component of `color`.
template <typename Change>
RgbColor OneLinear(RgbColor color, double RgbColor::*component, Change change) {
  color.*component = ToSrgb(change(ToLinear(color.*component)));
  return color;
}

// A component transform (red, redMod, redOff, and the same of green and blue).
RgbColor TransformedComponent(const RgbColor& color, std::string_view name, double value) {
  double RgbColor::*component = name.starts_with("red")     ? &RgbColor::red
                                : name.starts_with("green") ? &RgbColor::green
                                                            : &RgbColor::blue;
  const bool modulate = name.ends_with("Mod");
  const bool offset = name.ends_with("Off");
  return OneLinear(color, component, [&](double linear) {
    return modulate ? linear * value : offset ? linear + value : value;
  });
}

bool IsComponentTransform(std::string_view name) {
  for (std::string_view component : {"red", "green", "blue"}) {
    if (name == component ||
        (name.starts_with(component) && (name.ends_with("Mod") || name.ends_with("Off")) &&
         name.size() == component.size() + 3)) {
      return true;
    }
  }
  return false;
}

}  // namespace

RgbColor RgbOfNumber(std::int32_t number) {
  return {(number & 0xFF) / 255.0, ((number >> 8) & 0xFF) / 255.0, ((number >> 16) & 0xFF) / 255.0};
}

std::int32_t NumberOf(const RgbColor& color) {
  return Component(color.red) + 256 * Component(color.green) + 65536 * Component(color.blue);
}

RgbColor RgbOfHsl(double hue, double saturation, double luminance) {
  const double chroma = (1 - std::fabs(2 * luminance - 1)) * saturation;
  const double sector = std::fmod(std::fmod(hue, 360) + 360, 360) / 60;
  const double second = chroma * (1 - std::fabs(std::fmod(sector, 2) - 1));
  const double low = luminance - chroma / 2;
  double red = 0, green = 0, blue = 0;
  switch (static_cast<int>(sector)) {
    case 0:
      red = chroma, green = second;
      break;
    case 1:
      red = second, green = chroma;
      break;
    case 2:
      green = chroma, blue = second;
      break;
    case 3:
      green = second, blue = chroma;
      break;
    case 4:
      red = second, blue = chroma;
      break;
    default:
      red = chroma, blue = second;
      break;
  }
  return {Clamped(red + low), Clamped(green + low), Clamped(blue + low)};
}

RgbColor RgbOfLinear(double red, double green, double blue) {
  return {ToSrgb(red), ToSrgb(green), ToSrgb(blue)};
}

RgbColor Transformed(const RgbColor& color, const document::ColorTransformData& transform) {
  const std::string_view name = transform.name;
  const double value = transform.value;
  if (name == "lumMod") return InHsl(color, [&](HslColor& c) { c.luminance *= value; });
  if (name == "lumOff") return InHsl(color, [&](HslColor& c) { c.luminance += value; });
  if (name == "lum") return InHsl(color, [&](HslColor& c) { c.luminance = value; });
  if (name == "satMod") return InHsl(color, [&](HslColor& c) { c.saturation *= value; });
  if (name == "satOff") return InHsl(color, [&](HslColor& c) { c.saturation += value; });
  if (name == "sat") return InHsl(color, [&](HslColor& c) { c.saturation = value; });
  if (name == "hue") return InHsl(color, [&](HslColor& c) { c.hue = value; });
  if (name == "hueOff") return InHsl(color, [&](HslColor& c) { c.hue += value; });
  if (name == "hueMod") return InHsl(color, [&](HslColor& c) { c.hue *= value; });
  if (name == "comp") return InHsl(color, [](HslColor& c) { c.hue += 180; });
  if (name == "shade") return InLinear(color, [&](double c) { return c * value; });
  if (name == "tint") return InLinear(color, [&](double c) { return 1 - (1 - c) * value; });
  if (name == "inv") return {1 - color.red, 1 - color.green, 1 - color.blue};
  if (name == "gray") {
    const double gray = 0.3 * color.red + 0.59 * color.green + 0.11 * color.blue;
    return {gray, gray, gray};
  }
  if (name == "gamma") return {ToLinear(color.red), ToLinear(color.green), ToLinear(color.blue)};
  if (name == "invGamma") return {ToSrgb(color.red), ToSrgb(color.green), ToSrgb(color.blue)};
  if (IsComponentTransform(name)) return TransformedComponent(color, name, value);
  return color;
}

std::int32_t TransformedNumber(std::int32_t base,
                               const std::vector<document::ColorTransformData>& transforms) {
  RgbColor color = RgbOfNumber(base);
  for (const document::ColorTransformData& transform : transforms)
    color = Transformed(color, transform);
  return NumberOf(color);
}

}  // namespace k27093::ooxml
