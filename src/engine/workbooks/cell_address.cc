#include "engine/workbooks/cell_address.h"

#include <algorithm>
#include <utility>

namespace k27093::engine {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// One cell "$G$9"; nullopt when the text is not exactly one cell within the limits.
std::optional<std::pair<std::int32_t, std::int32_t>> ParseCell(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && text[at] == '$') ++at;
  std::int32_t column = 0;
  std::size_t letters = 0;
  while (at < text.size() && IsAsciiLetter(text[at])) {
    char upper = static_cast<char>(text[at] & ~0x20);
    column = column * 26 + (upper - 'A' + 1);
    ++at;
    if (++letters > 3) return std::nullopt;
  }
  if (letters == 0) return std::nullopt;
  if (at < text.size() && text[at] == '$') ++at;
  std::int64_t row = 0;
  std::size_t digits = 0;
  while (at < text.size() && IsAsciiDigit(text[at])) {
    row = row * 10 + (text[at] - '0');
    ++at;
    if (++digits > 7) return std::nullopt;
  }
  if (digits == 0 || at != text.size()) return std::nullopt;
  if (row < 1 || row > kMaxRow || column > kMaxColumn) return std::nullopt;
  return std::make_pair(static_cast<std::int32_t>(row), column);
}

}  // namespace

std::optional<CellRange> ParseCellRange(std::string_view text) {
  auto colon = text.find(':');
  auto first = ParseCell(text.substr(0, colon));
  if (!first) return std::nullopt;
  auto last = first;
  if (colon != std::string_view::npos) {
    last = ParseCell(text.substr(colon + 1));
    if (!last) return std::nullopt;
  }
  CellRange range;
  range.firstRow = std::min(first->first, last->first);
  range.lastRow = std::max(first->first, last->first);
  range.firstColumn = std::min(first->second, last->second);
  range.lastColumn = std::max(first->second, last->second);
  return range;
}

std::string ColumnLetters(std::int32_t column) {
  std::string letters;
  while (column > 0) {
    --column;
    letters.insert(letters.begin(), static_cast<char>('A' + column % 26));
    column /= 26;
  }
  return letters;
}

std::string AbsoluteAddress(const CellRange& range) {
  auto cell = [](std::int32_t row, std::int32_t column) {
    return "$" + ColumnLetters(column) + "$" + std::to_string(row);
  };
  std::string text = cell(range.firstRow, range.firstColumn);
  if (!range.IsSingleCell()) text += ":" + cell(range.lastRow, range.lastColumn);
  return text;
}

}  // namespace k27093::engine
