#include "document/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace k27093::document {
namespace {

constexpr double kPointsPerPixel = 0.75;
constexpr std::int32_t kDigitPixels = 7;

// The default column width in pixels: a stated default width by the column rule; else the
// base width plus 5 pixels of margins and gridline, rounded up to a multiple of 8 pixels, as
// the spreadsheet does (8 characters give 64 pixels).
std::int32_t DefaultColumnPixels(const SheetLayoutSource& source) {
  if (source.defaultColumnWidth) return ColumnPixels(*source.defaultColumnWidth);
  if (!source.baseColumnWidth) return kDefaultColumnPixels;
  const double base = std::clamp(*source.baseColumnWidth, 0.0, 255.0);
  const auto pixels = static_cast<std::int32_t>(std::trunc(base)) * kDigitPixels + 5;
  return (pixels + 7) / 8 * 8;
}

}  // namespace

std::int32_t ColumnPixels(double width) {
  width = std::clamp(width, 0.0, 255.0);
  const double padded = (256 * width + std::trunc(128.0 / kDigitPixels)) / 256;
  return static_cast<std::int32_t>(std::trunc(padded * kDigitPixels));
}

double RowPoints(double height) {
  return std::round(std::max(height, 0.0) / kPointsPerPixel) * kPointsPerPixel;
}

SheetLayout::SheetLayout() : SheetLayout(SheetLayoutSource()) {}

SheetLayout::SheetLayout(const SheetLayoutSource& source) {
  std::vector<std::int32_t> pixels(kMaxSheetColumns, DefaultColumnPixels(source));
  for (const SheetLayoutSource::Columns& span : source.columns) {
    const std::int32_t first = std::max(span.first, 1);
    const std::int32_t last = std::min(span.last, kMaxSheetColumns);
    const std::int32_t width =
        span.hidden ? 0 : (span.width ? ColumnPixels(*span.width) : DefaultColumnPixels(source));
    for (std::int32_t column = first; column <= last; ++column) pixels[column - 1] = width;
  }
  columnLeftPixels_.assign(kMaxSheetColumns + 1, 0);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    columnLeftPixels_[i + 1] = columnLeftPixels_[i] + pixels[i];
  }

  if (source.defaultRowHeight && *source.defaultRowHeight >= 0) {
    defaultRowHeight_ = RowPoints(*source.defaultRowHeight);
  }
  std::map<std::int32_t, double> heights;  // a later statement of a row wins
  for (const auto& [row, height] : source.rows) {
    if (row >= 1 && row <= kMaxSheetRows) heights[row - 1] = RowPoints(height);
  }
  double sum = 0;
  for (const auto& [row, height] : heights) {
    rows_.push_back(row);
    rowDelta_.push_back(height - defaultRowHeight_);
    deltaBefore_.push_back(sum);
    sum += height - defaultRowHeight_;
  }
}

double SheetLayout::ColumnLeft(std::int32_t column) const {
  column = std::clamp(column, 0, kMaxSheetColumns);
  return static_cast<double>(columnLeftPixels_[static_cast<std::size_t>(column)]) * kPointsPerPixel;
}

double SheetLayout::RowTop(std::int32_t row) const {
  row = std::clamp(row, 0, kMaxSheetRows);
  // The rows with their own height that lie above `row`.
  const auto above = std::lower_bound(rows_.begin(), rows_.end(), row);
  double delta = 0;
  if (above != rows_.begin()) {
    const auto last = static_cast<std::size_t>(above - rows_.begin()) - 1;
    delta = deltaBefore_[last] + rowDelta_[last];
  }
  return row * defaultRowHeight_ + delta;
}

}  // namespace k27093::document
