// Cell references of the A1 style as workbook files store them: "E4" is row 4, column 5.
// Positions are 1-based and lie within the sheet (1048576 rows, 16384 columns).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k27093::ooxml {

inline constexpr std::int32_t kMaxRows = 1048576;
inline constexpr std::int32_t kMaxColumns = 16384;  // column XFD

struct CellPosition {
  std::int32_t row = 0;
  std::int32_t column = 0;
  bool operator==(const CellPosition&) const = default;
};

// The position of a reference such as "E4", "e4" or "$E$4"; nullopt for anything else
// (no letters or digits, a row 0, a position beyond the sheet, trailing characters).
std::optional<CellPosition> ParseCellReference(std::string_view reference);

// The letters of a 1-based column (5 -> "E", 28 -> "AB"); "" outside 1..kMaxColumns.
std::string ColumnLetters(std::int32_t column);

// The reference of a position ("E4"); "" when it lies outside the sheet.
std::string CellReferenceText(CellPosition position);

}  // namespace k27093::ooxml
