// Cell addresses in the A1 style: "G9", "$E$4", "E3:G7". Rows and columns are 1-based; the
// limits are the spreadsheet's (256 columns, IV; 65536 rows).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k27093::engine {

inline constexpr std::int32_t kMaxRow = 65536;
inline constexpr std::int32_t kMaxColumn = 256;

// A rectangle of cells, first <= last in both directions.
struct CellRange {
  std::int32_t firstRow = 1;
  std::int32_t firstColumn = 1;
  std::int32_t lastRow = 1;
  std::int32_t lastColumn = 1;

  std::int32_t rows() const { return lastRow - firstRow + 1; }
  std::int32_t columns() const { return lastColumn - firstColumn + 1; }
  bool IsSingleCell() const { return rows() == 1 && columns() == 1; }
  bool operator==(const CellRange&) const = default;
};

// Parses "G9", "$G$9", "g9", "E3:G7" (corners in any order: "G7:E3" is E3:G7). nullopt for
// anything else, or a cell beyond the limits.
std::optional<CellRange> ParseCellRange(std::string_view text);

// The column letters of a 1-based column: 1 -> "A", 27 -> "AA".
std::string ColumnLetters(std::int32_t column);

// The absolute address: "$E$4" or "$E$3:$G$7".
std::string AbsoluteAddress(const CellRange& range);

}  // namespace k27093::engine
