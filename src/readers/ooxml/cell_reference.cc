#include "readers/ooxml/cell_reference.h"

namespace k27093::ooxml {

std::optional<CellPosition> ParseCellReference(std::string_view reference) {
  std::size_t i = 0;
  if (i < reference.size() && reference[i] == '$') ++i;
  std::int32_t column = 0;
  const std::size_t lettersStart = i;
  while (i < reference.size()) {
    char c = reference[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
    if (column > kMaxColumns) return std::nullopt;
    ++i;
  }
  if (i == lettersStart) return std::nullopt;
  if (i < reference.size() && reference[i] == '$') ++i;
  std::int32_t row = 0;
  const std::size_t digitsStart = i;
  while (i < reference.size() && reference[i] >= '0' && reference[i] <= '9') {
    row = row * 10 + (reference[i] - '0');
    if (row > kMaxRows) return std::nullopt;
    ++i;
  }
  if (i == digitsStart || i != reference.size() || row == 0) return std::nullopt;
  return CellPosition{row, column};
}

std::string ColumnLetters(std::int32_t column) {
  if (column < 1 || column > kMaxColumns) return std::string();
  std::string letters;
  while (column > 0) {
    const std::int32_t digit = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  return letters;
}

std::string CellReferenceText(CellPosition position) {
  if (position.row < 1 || position.row > kMaxRows) return std::string();
  const std::string letters = ColumnLetters(position.column);
  if (letters.empty()) return std::string();
  return letters + std::to_string(position.row);
}

}  // namespace k27093::ooxml
