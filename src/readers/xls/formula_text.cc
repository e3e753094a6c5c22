#include "readers/xls/formula_text.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "readers/xls/byte_reader.h"
#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

constexpr std::string_view kRefError = "#REF!";

// The token kinds a chart's formula holds; the token byte's bits 5 and 6 give the class of a
// reference token (reference, value, array), which does not change its text.
enum class Token {
  Union,
  Paren,
  Text,
  Integer,
  Number,
  Cell,
  Area,
  CellError,
  AreaError,
  Cell3D,
  Area3D,
  CellError3D,
  AreaError3D,
  Other
};

Token KindOf(std::uint8_t ptg) {
  switch (ptg) {
    case 0x10:
      return Token::Union;
    case 0x15:
      return Token::Paren;
    case 0x17:
      return Token::Text;
    case 0x1E:
      return Token::Integer;
    case 0x1F:
      return Token::Number;
    default:
      break;
  }
  if (ptg < 0x20 || ptg >= 0x80) return Token::Other;
  switch (ptg & 0x1F) {
    case 0x04:
      return Token::Cell;
    case 0x05:
      return Token::Area;
    case 0x0A:
      return Token::CellError;
    case 0x0B:
      return Token::AreaError;
    case 0x1A:
      return Token::Cell3D;
    case 0x1B:
      return Token::Area3D;
    case 0x1C:
      return Token::CellError3D;
    case 0x1D:
      return Token::AreaError3D;
    default:
      return Token::Other;
  }
}

std::string ColumnLetters(std::uint32_t column) {
  std::string letters;
  for (std::uint32_t rest = column + 1; rest > 0; rest = (rest - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
  }
  return letters;
}

// A row and a column with their relative flags (the column's 16 bits: 14 of column, then
// fColRelative and fRwRelative).
std::string CellOf(std::uint16_t row, std::uint16_t column) {
  return CellText(row, column & 0x3FFF, (column & 0x8000) != 0, (column & 0x4000) != 0);
}

std::string CellFrom(ByteReader& reader) {
  const std::uint16_t row = reader.U16();
  return CellOf(row, reader.U16());
}

std::string AreaFrom(ByteReader& reader) {
  const std::uint16_t firstRow = reader.U16();
  const std::uint16_t lastRow = reader.U16();
  const std::uint16_t firstColumn = reader.U16();
  const std::uint16_t lastColumn = reader.U16();
  return CellOf(firstRow, firstColumn) + ":" + CellOf(lastRow, lastColumn);
}

// The sheet part of a 3-D reference ("Sheet1!"); nullopt when the entry names no sheet here.
std::optional<std::string> SheetPrefix(ByteReader& reader, const WorkbookGlobals& globals) {
  const std::optional<std::string> sheet = globals.SheetReference(reader.U16());
  if (!sheet) return std::nullopt;
  return *sheet + "!";
}

// The text of the operand token of `kind` whose data `reader` is at.
std::string OperandText(Token kind, ByteReader& reader, const WorkbookGlobals& globals) {
  switch (kind) {
    case Token::Text:
      return QuotedLiteral(reader.ShortUnicodeString());
    case Token::Integer:
      return std::to_string(reader.U16());
    case Token::Number:
      return NumberLiteral(reader.F64());
    case Token::Cell:
      return CellFrom(reader);
    case Token::Area:
      return AreaFrom(reader);
    case Token::CellError:
      reader.Skip(4);
      return std::string(kRefError);
    case Token::AreaError:
      reader.Skip(8);
      return std::string(kRefError);
    case Token::Cell3D: {
      const std::optional<std::string> sheet = SheetPrefix(reader, globals);
      const std::string cell = CellFrom(reader);
      return sheet ? *sheet + cell : std::string(kRefError);
    }
    case Token::Area3D: {
      const std::optional<std::string> sheet = SheetPrefix(reader, globals);
      const std::string area = AreaFrom(reader);
      return sheet ? *sheet + area : std::string(kRefError);
    }
    case Token::CellError3D:
      reader.Skip(6);
      return std::string(kRefError);
    case Token::AreaError3D:
      reader.Skip(10);
      return std::string(kRefError);
    default:
      return {};
  }
}

}  // namespace

std::string CellText(std::uint32_t row, std::uint32_t column, bool rowRelative,
                     bool columnRelative) {
  return (columnRelative ? "" : "$") + ColumnLetters(column) + (rowRelative ? "" : "$") +
         std::to_string(row + 1);
}

std::string QuotedLiteral(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string NumberLiteral(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string FormulaText(std::string_view tokens, const WorkbookGlobals& globals,
                        const std::string& context) {
  ByteReader reader(tokens, context + " in its formula");
  std::vector<std::string> stack;
  while (!reader.AtEnd()) {
    const std::uint8_t ptg = reader.U8();
    const Token kind = KindOf(ptg);
    if (kind == Token::Other) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", ptg);
      reader.Fail("holds the token " + std::string(hex) + ", which a chart's formula does not use");
    }
    if (kind == Token::Union) {
      if (stack.size() < 2) reader.Fail("joins areas it does not hold");
      std::string last = std::move(stack.back());
      stack.pop_back();
      stack.back() += "," + last;
    } else if (kind == Token::Paren) {
      if (stack.empty()) reader.Fail("puts nothing in parentheses");
      stack.back() = "(" + stack.back() + ")";
    } else {
      stack.push_back(OperandText(kind, reader, globals));
    }
  }
  if (stack.size() > 1) reader.Fail("holds more than one formula");
  return stack.empty() ? std::string() : stack.front();
}

}  // namespace k27093::xls
