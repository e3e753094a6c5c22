#include "readers/xls/worksheet_layout.h"

#include <algorithm>
#include <cstdint>

#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

namespace types {
constexpr std::uint16_t kDefaultColumnWidth = 0x0055;
constexpr std::uint16_t kColumnInfo = 0x007D;
constexpr std::uint16_t kDefaultRowHeight = 0x0225;
constexpr std::uint16_t kRow = 0x0208;
}  // namespace types

constexpr std::int32_t kLastColumn = 255;  // 0-based, IV
constexpr double kTwipsPerPoint = 20;
constexpr double kColumnWidthUnits = 256;  // a column width's units per character
constexpr std::uint16_t kColumnHidden = 0x0001;
constexpr std::uint16_t kRowsHiddenByDefault = 0x0002;
constexpr std::uint32_t kRowHidden = 0x00000020;  // fDyZero
constexpr std::uint16_t kRowHeightBits = 0x7FFF;

void TakeColumnInfo(ByteReader& reader, document::SheetLayoutSource& layout) {
  const std::int32_t first = reader.U16();
  // Excel writes the span of the last columns up to 256, one past the sheet.
  const std::int32_t last = std::min<std::int32_t>(reader.U16(), kLastColumn);
  const double width = reader.U16() / kColumnWidthUnits;
  reader.U16();  // ixfe
  const bool hidden = (reader.U16() & kColumnHidden) != 0;
  if (first > last) reader.Fail("describes columns outside the sheet");
  layout.columns.push_back({first + 1, last + 1, width, hidden});
}

void TakeRow(ByteReader& reader, document::SheetLayoutSource& layout) {
  const std::int32_t row = reader.U16() + 1;
  reader.Skip(4);  // colMic, colMac
  const double height = (reader.U16() & kRowHeightBits) / kTwipsPerPoint;
  reader.Skip(4);  // reserved, unused
  const bool hidden = (reader.U32() & kRowHidden) != 0;
  layout.rows.emplace_back(row, hidden ? 0.0 : height);
}

}  // namespace

bool TakeLayoutRecord(const RecordStream& stream, const Record& record,
                      document::SheetLayoutSource& layout) {
  switch (record.type) {
    case types::kDefaultColumnWidth: {
      ByteReader reader(stream, record);
      layout.baseColumnWidth = reader.U16();
      return true;
    }
    case types::kColumnInfo: {
      ByteReader reader(stream, record);
      TakeColumnInfo(reader, layout);
      return true;
    }
    case types::kDefaultRowHeight: {
      ByteReader reader(stream, record);
      const bool hidden = (reader.U16() & kRowsHiddenByDefault) != 0;
      const double height = reader.U16() / kTwipsPerPoint;
      layout.defaultRowHeight = hidden ? 0.0 : height;
      return true;
    }
    case types::kRow: {
      ByteReader reader(stream, record);
      TakeRow(reader, layout);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace k27093::xls
