#include "engine/charts/text_metrics.h"

#include <cmath>

namespace k27093::engine {

namespace {

constexpr double kPixelsPerPoint = 1 / kPointsPerPixel;
constexpr double kLineSpacing = 1.15;  // Arial's ascent and descent, with its line gap
constexpr double kUnitsPerEm = 1000;
constexpr int kDigitWidth = 556;

// Arial's advance widths, in thousandths of an em, of the characters ' ' (32) to '~' (126).
constexpr int kAsciiWidths[] = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' '-'/'
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // '0'-'?'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // '@'-'O'
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // 'P'-'_'
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // '`'-'o'
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // 'p'-'~'

constexpr unsigned char kFirstPrintable = 32, kLastPrintable = 126;

int WidthOf(unsigned char character) {
  if (character < kFirstPrintable || character > kLastPrintable) return kDigitWidth;
  return kAsciiWidths[character - kFirstPrintable];
}

bool ContinuesACharacter(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

double LineHeightInPixels(double points) {
  if (!(points > 0)) return 0;
  return std::ceil(points * kPixelsPerPoint * kLineSpacing - 1e-9);
}

double TextWidthInPixels(std::string_view text, double points) {
  double units = 0;
  for (unsigned char byte : text) {
    if (!ContinuesACharacter(byte)) units += WidthOf(byte);
  }
  return units / kUnitsPerEm * points * kPixelsPerPoint;
}

}  // namespace k27093::engine
