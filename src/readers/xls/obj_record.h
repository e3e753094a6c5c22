// The OBJ record of a drawn object: subrecords of a 16-bit type and a 16-bit length, the
// first the common object data (ftCmo: the object's type and id), the last ftEnd. What the
// drawing needs of the others: a check box's state (ftCblsData, else the first bytes of
// ftCbls) and the mark of a note (ftNts).
#pragma once

#include <cstdint>
#include <optional>

namespace k27093::xls {

struct Record;
class RecordStream;

namespace object_types {
inline constexpr std::uint16_t kGroup = 0x00;
inline constexpr std::uint16_t kLine = 0x01;
inline constexpr std::uint16_t kRectangle = 0x02;
inline constexpr std::uint16_t kOval = 0x03;
inline constexpr std::uint16_t kArc = 0x04;
inline constexpr std::uint16_t kChart = 0x05;
inline constexpr std::uint16_t kText = 0x06;
inline constexpr std::uint16_t kButton = 0x07;
inline constexpr std::uint16_t kPicture = 0x08;
inline constexpr std::uint16_t kPolygon = 0x09;
inline constexpr std::uint16_t kCheckBox = 0x0B;
inline constexpr std::uint16_t kNote = 0x19;
inline constexpr std::uint16_t kAutoShape = 0x1E;
}  // namespace object_types

struct ObjRecord {
  std::uint16_t type = 0;  // ftCmo's ot (object_types)
  std::uint16_t id = 0;    // ftCmo's id
  // A check box's fChecked: 0 unchecked, 1 checked, 2 mixed; nullopt when the record states
  // none.
  std::optional<std::uint16_t> checked;
  bool note = false;  // it holds ftNts
};

// Reads the OBJ record `record`. A list's ftLbsData, whose length field does not give its
// length, ends the reading, as does ftEnd (what follows ftEnd is padding). Raises
// document::ReadFault Damaged when the record does not start with ftCmo, a subrecord runs
// past the record, or the record ends without ftEnd.
ObjRecord ReadObjRecord(const RecordStream& stream, const Record& record);

}  // namespace k27093::xls
