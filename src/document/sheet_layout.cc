#include "document/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <iterator>
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

namespace {

// The widths of a sheet's columns as runs: 0-based first column -> pixels up to the next run.
// A sentinel run starts at kMaxSheetColumns.
class ColumnRuns {
 public:
  explicit ColumnRuns(std::int32_t defaultPixels)
      : pixelsFrom_{{0, defaultPixels}, {kMaxSheetColumns, 0}} {}

  // Gives the 0-based columns first to end (exclusive) the width `pixels`.
  void Assign(std::int32_t first, std::int32_t end, std::int32_t pixels) {
    if (first >= end) return;
    const std::int32_t after = std::prev(pixelsFrom_.upper_bound(end))->second;
    pixelsFrom_.erase(pixelsFrom_.lower_bound(first), pixelsFrom_.upper_bound(end));
    pixelsFrom_.emplace(first, pixels);
    pixelsFrom_.emplace(end, end == kMaxSheetColumns ? 0 : after);
  }

  const std::map<std::int32_t, std::int32_t>& pixelsFrom() const { return pixelsFrom_; }

 private:
  std::map<std::int32_t, std::int32_t> pixelsFrom_;
};

}  // namespace

SheetLayout::SheetLayout(const SheetLayoutSource& source) {
  ColumnRuns runs(DefaultColumnPixels(source));
  for (const SheetLayoutSource::Columns& span : source.columns) {
    const std::int32_t width =
        span.hidden ? 0 : (span.width ? ColumnPixels(*span.width) : DefaultColumnPixels(source));
    runs.Assign(std::max(span.first, 1) - 1, std::min(span.last, kMaxSheetColumns), width);
  }
  std::int64_t left = 0;
  std::int32_t previousFirst = 0;
  for (const auto& [first, pixels] : runs.pixelsFrom()) {
    if (!runFirst_.empty()) left += std::int64_t{runPixels_.back()} * (first - previousFirst);
    runFirst_.push_back(first);
    runPixels_.push_back(pixels);
    runLeftPixels_.push_back(left);
    previousFirst = first;
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
  const auto run =
      static_cast<std::size_t>(std::upper_bound(runFirst_.begin(), runFirst_.end(), column) -
                               runFirst_.begin()) -
      1;
  const std::int64_t pixels =
      runLeftPixels_[run] + std::int64_t{runPixels_[run]} * (column - runFirst_[run]);
  return static_cast<double>(pixels) * kPointsPerPixel;
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
