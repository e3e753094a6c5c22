// The DrawingML colour model: a colour as the red, green and blue fractions of sRGB, its
// colour number (R + 256 G + 65536 B), and the transforms a colour element applies to its
// base colour. Luminance, saturation and hue transforms work on the HSL form of the sRGB
// fractions; shade, tint and the component transforms on linear RGB (sRGB without its gamma),
// as the spreadsheet programs apply them: a 25% shade of FF99FF is 895089.
#pragma once

#include <cstdint>
#include <vector>

#include "document/workbook_data.h"

namespace k27093::ooxml {

struct RgbColor {
  double red = 0;  // 0 to 1, sRGB
  double green = 0;
  double blue = 0;
};

RgbColor RgbOfNumber(std::int32_t number);

// The colour number, each component rounded to the nearest of 0 to 255 (clamped).
std::int32_t NumberOf(const RgbColor& color);

// The sRGB colour of a hue (degrees), saturation and luminance (fractions).
RgbColor RgbOfHsl(double hue, double saturation, double luminance);

// The sRGB colour of linear components (a:scrgbClr's, fractions; clamped to 0 to 1).
RgbColor RgbOfLinear(double red, double green, double blue);

// `color` with `transform` applied. A transform that changes no colour number (alpha,
// alphaMod, alphaOff) or that the model does not know leaves the colour as it is.
RgbColor Transformed(const RgbColor& color, const document::ColorTransformData& transform);

// The colour number of `base` with `transforms` applied in order.
std::int32_t TransformedNumber(std::int32_t base,
                               const std::vector<document::ColorTransformData>& transforms);

}  // namespace k27093::ooxml
