// Text measures for laying out a chart: the height of a line and the advance width of a text
// on a 96-dpi screen, in pixels, from the metrics of Arial, the face of Excel 2003's chart
// text. Every face is measured as Arial; bold and italic as regular.
#pragma once

#include <string_view>

namespace k27093::engine {

// Points per screen pixel at 96 dpi.
inline constexpr double kPointsPerPixel = 0.75;

// The height of one line of text of `points` size: 1.15 em, rounded up to a whole pixel.
// Zero for a size that is not positive.
double LineHeightInPixels(double points);

// The advance width of `text` (UTF-8) at `points` size: Arial's width for each printable
// ASCII character, a digit's width for any other character. Zero for an empty text.
double TextWidthInPixels(std::string_view text, double points);

}  // namespace k27093::engine
