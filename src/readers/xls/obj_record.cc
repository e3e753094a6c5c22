#include "readers/xls/obj_record.h"

#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

namespace subrecords {
constexpr std::uint16_t kEnd = 0x0000;
constexpr std::uint16_t kCbls = 0x000A;
constexpr std::uint16_t kNts = 0x000D;
constexpr std::uint16_t kCblsData = 0x0012;
constexpr std::uint16_t kLbsData = 0x0013;
constexpr std::uint16_t kCmo = 0x0015;
}  // namespace subrecords

constexpr std::size_t kCmoMinimum = 4;  // ot and id

}  // namespace

ObjRecord ReadObjRecord(const RecordStream& stream, const Record& record) {
  ByteReader reader(stream, record);
  ObjRecord obj;
  if (reader.Remaining() < 4 || reader.U16() != subrecords::kCmo) {
    reader.Fail("does not start with the common object data");
  }
  std::size_t length = reader.U16();
  if (length < kCmoMinimum || length > reader.Remaining())
    reader.Fail("has common object data of the wrong length");
  obj.type = reader.U16();
  obj.id = reader.U16();
  reader.Skip(length - kCmoMinimum);
  std::optional<std::uint16_t> fromCbls;
  while (true) {
    if (reader.Remaining() < 4) reader.Fail("ends without its end subrecord");
    const std::uint16_t type = reader.U16();
    length = reader.U16();
    if (type == subrecords::kEnd || type == subrecords::kLbsData) break;
    if (length > reader.Remaining()) reader.Fail("has a subrecord that runs past its end");
    const std::string data = reader.Bytes(length);
    if (type == subrecords::kCblsData && data.size() >= 2) {
      obj.checked = LittleEndian16(data);
    } else if (type == subrecords::kCbls && data.size() >= 2) {
      fromCbls = LittleEndian16(data);
    } else if (type == subrecords::kNts) {
      obj.note = true;
    }
  }
  if (!obj.checked) obj.checked = fromCbls;
  return obj;
}

}  // namespace k27093::xls
