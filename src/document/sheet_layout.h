// Where the cells of a worksheet lie, in points, as the spreadsheet lays them out for its
// drawn objects: column widths in whole pixels (a width in characters becomes pixels for a
// maximum digit width of 7 pixels, that of the default fonts Calibri 11 and Arial 10), row
// heights in whole pixels too (a stated height in points rounded to the nearest pixel, 12.8
// becoming 12.75), hidden columns and rows taking no room; 1 pixel is 0.75 point.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace k27093::document {

// The largest sheet of any format the readers read: columns A to XFD, rows 1 to 1048576.
inline constexpr std::int32_t kMaxSheetColumns = 16384;
inline constexpr std::int32_t kMaxSheetRows = 1048576;

// The default column width in pixels when the sheet states none.
inline constexpr std::int32_t kDefaultColumnPixels = 64;
// The default row height in points when the sheet states none.
inline constexpr double kDefaultRowPoints = 15;

// What a worksheet states about its columns and rows, as read.
struct SheetLayoutSource {
  std::optional<double> defaultColumnWidth;  // the default width with padding (characters)
  std::optional<double> baseColumnWidth;     // the default width without padding (characters)
  std::optional<double> defaultRowHeight;    // points
  struct Columns {
    std::int32_t first = 1;  // 1-based, inclusive
    std::int32_t last = 1;
    std::optional<double> width;  // characters; nullopt: the default width
    bool hidden = false;
  };
  std::vector<Columns> columns;                       // file order (a later one wins)
  std::vector<std::pair<std::int32_t, double>> rows;  // 1-based row, height in points (0 hidden)
};

// The pixels of a column `width` characters wide: trunc(((256 * width + trunc(128 / 7)) / 256)
// * 7), the spreadsheet's rule for a maximum digit width of 7 pixels; 9.140625 gives 64.
// Widths are kept within 0 to 255 characters.
std::int32_t ColumnPixels(double width);

// A row `height` points high as the screen shows it: the nearest whole number of pixels, in
// points (12.8 gives 12.75, 15 stays 15); a pixel and a half rounds up. Negative heights are 0.
double RowPoints(double height);

class SheetLayout {
 public:
  // The layout of a sheet that states nothing: 64-pixel columns, 15-point rows.
  SheetLayout();
  explicit SheetLayout(const SheetLayoutSource& source);

  // Points from the sheet's left edge to the left edge of the 0-based column (0 to 16384).
  double ColumnLeft(std::int32_t column) const;
  // Points from the sheet's top edge to the top edge of the 0-based row (0 to 1048576).
  double RowTop(std::int32_t row) const;

 private:
  // Runs of columns of one width: the 0-based first column of each run (the first run
  // starts at 0), its columns' width and the pixels left of it.
  std::vector<std::int32_t> runFirst_;
  std::vector<std::int32_t> runPixels_;
  std::vector<std::int64_t> runLeftPixels_;
  double defaultRowHeight_ = kDefaultRowPoints;
  // Rows whose height differs from the default, by 0-based row, with the running sum of the
  // differences of the rows before each.
  std::vector<std::int32_t> rows_;
  std::vector<double> rowDelta_;
  std::vector<double> deltaBefore_;
};

}  // namespace k27093::document
