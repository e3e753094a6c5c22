#include "readers/xls/worksheet_cells.h"

#include <cmath>
#include <cstring>

#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

namespace types {
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kMulRk = 0x00BD;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kString = 0x0207;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kMulBlank = 0x00BE;
}  // namespace types

constexpr std::int32_t kMaxColumns = 256;

// A formula's cached result that is no number: its last two bytes are 0xFFFF, its first the
// kind of result.
enum FormulaResult : std::uint8_t { kText = 0, kBoolean = 1, kError = 2, kEmptyText = 3 };

constexpr std::size_t kMulRkEntryBytes = 6;  // ixfe and RK

struct Position {
  std::int32_t row = 0;  // 1-based
  std::int32_t column = 0;
};

// The row and column that open every cell record, and the format index after them (skipped).
Position ReadCellStart(ByteReader& reader) {
  const std::int32_t row = reader.U16() + 1;
  const std::int32_t column = reader.U16() + 1;
  reader.U16();  // ixfe
  if (column > kMaxColumns)
    reader.Fail("lies beyond the sheet's " + std::to_string(kMaxColumns) + " columns");
  return {row, column};
}

double Finite(ByteReader& reader, double value) {
  if (!std::isfinite(value)) reader.Fail("holds a number that is not finite");
  return value;
}

// An RK number: a 30-bit integer or the high 30 bits of a double, divided by 100 when its
// lowest bit says so.
double RkNumber(std::uint32_t rk) {
  constexpr std::uint32_t kDividedBy100 = 0x01;
  constexpr std::uint32_t kInteger = 0x02;
  double value = 0;
  if ((rk & kInteger) != 0) {
    value = static_cast<std::int32_t>(rk) >> 2;
  } else {
    const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
    std::memcpy(&value, &bits, sizeof value);
  }
  return (rk & kDividedBy100) != 0 ? value / 100 : value;
}

double DoubleOf(const std::string& bytes) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<std::uint8_t>(bytes[i]);
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

std::optional<std::string> ErrorTextOf(std::uint8_t code) {
  switch (code) {
    case 0x00:
      return "#NULL!";
    case 0x07:
      return "#DIV/0!";
    case 0x0F:
      return "#VALUE!";
    case 0x17:
      return "#REF!";
    case 0x1D:
      return "#NAME?";
    case 0x24:
      return "#NUM!";
    case 0x2A:
      return "#N/A";
    default:
      return std::nullopt;
  }
}

CellRecords::CellRecords(const RecordStream& stream, const std::vector<std::string>& sharedStrings,
                         std::vector<document::CellData>& cells)
    : stream_(stream), sharedStrings_(sharedStrings), cells_(cells) {}

void CellRecords::Add(std::int32_t row, std::int32_t column, Variant value) {
  cells_.push_back(document::CellData{row, column, std::move(value)});
}

bool CellRecords::Take(const Record& record) {
  switch (record.type) {
    case types::kLabelSst:
    case types::kLabel:
    case types::kRk:
    case types::kMulRk:
    case types::kNumber:
    case types::kBoolErr:
    case types::kFormula:
    case types::kString:
      break;
    case types::kBlank:
    case types::kMulBlank:
      return true;
    default:
      return false;
  }
  ByteReader reader(stream_, record);
  if (record.type == types::kString) {
    std::string text = reader.UnicodeString();
    if (pendingText_) Add(pendingText_->first, pendingText_->second, std::move(text));
    pendingText_.reset();
    return true;
  }
  if (record.type == types::kMulRk) {
    const std::int32_t row = reader.U16() + 1;
    const std::int32_t firstColumn = reader.U16() + 1;
    const std::size_t entries = reader.Remaining() / kMulRkEntryBytes;
    if (reader.Remaining() != entries * kMulRkEntryBytes + 2 || entries == 0) {
      reader.Fail("does not hold whole RK numbers");
    }
    if (firstColumn + static_cast<std::int32_t>(entries) - 1 > kMaxColumns) {
      reader.Fail("lies beyond the sheet's " + std::to_string(kMaxColumns) + " columns");
    }
    for (std::size_t i = 0; i < entries; ++i) {
      reader.U16();  // ixfe
      Add(row, firstColumn + static_cast<std::int32_t>(i), RkNumber(reader.U32()));
    }
    return true;
  }
  const Position cell = ReadCellStart(reader);
  switch (record.type) {
    case types::kLabelSst: {
      const std::uint32_t index = reader.U32();
      if (index >= sharedStrings_.size()) {
        reader.Fail("refers to the shared string " + std::to_string(index) +
                    ", which does not exist");
      }
      Add(cell.row, cell.column, sharedStrings_[index]);
      break;
    }
    case types::kLabel:
      Add(cell.row, cell.column, reader.UnicodeString());
      break;
    case types::kRk:
      Add(cell.row, cell.column, RkNumber(reader.U32()));
      break;
    case types::kNumber:
      Add(cell.row, cell.column, Finite(reader, reader.F64()));
      break;
    case types::kBoolErr: {
      const std::uint8_t value = reader.U8();
      if (reader.U8() == 0) {
        Add(cell.row, cell.column, value != 0);
      } else if (std::optional<std::string> error = ErrorTextOf(value)) {
        Add(cell.row, cell.column, std::move(*error));
      } else {
        reader.Fail("holds the unknown error code " + std::to_string(value));
      }
      break;
    }
    default:  // FORMULA
      TakeFormulaResult(reader, cell.row, cell.column);
      break;
  }
  return true;
}

void CellRecords::TakeFormulaResult(ByteReader& reader, std::int32_t row, std::int32_t column) {
  pendingText_.reset();
  const std::string result = reader.Bytes(8);
  if (result[6] != '\xFF' || result[7] != '\xFF') {
    Add(row, column, Finite(reader, DoubleOf(result)));
    return;
  }
  const auto detail = static_cast<std::uint8_t>(result[2]);
  switch (static_cast<std::uint8_t>(result[0])) {
    case kText:
      pendingText_.emplace(row, column);
      return;
    case kBoolean:
      Add(row, column, detail != 0);
      return;
    case kError:
      if (std::optional<std::string> error = ErrorTextOf(detail)) {
        Add(row, column, std::move(*error));
        return;
      }
      reader.Fail("holds the unknown error code " + std::to_string(detail));
    case kEmptyText:
      Add(row, column, std::string());
      return;
    default:
      reader.Fail("holds a result of the unknown type " +
                  std::to_string(static_cast<std::uint8_t>(result[0])));
  }
}

}  // namespace k27093::xls
