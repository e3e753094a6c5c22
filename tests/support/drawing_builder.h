// Builds the records of drawings for tests: OfficeArt records (containers, FSP,
// FOPT, anchors) and the BIFF records around them (MSODRAWING, OBJ, TXO with CONTINUE).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "readers/xls/drawing_collector.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"
#include "support/biff_stream_builder.h"

namespace k27093::xls::testing {

// Little-endian fields of 16 bits (the low bits of `value`) and 32 bits.
inline std::string Le16(std::uint32_t value) { return U16(static_cast<std::uint16_t>(value)); }
inline std::string Le32(std::uint32_t value) { return U32(value); }

// An OfficeArt record; a container (version 0xF) when `container`.
inline std::string Art(std::uint16_t type, const std::string& body, std::uint16_t instance = 0,
                       bool container = false) {
  const std::uint16_t head = static_cast<std::uint16_t>((instance << 4) | (container ? 0xF : 0));
  return Le16(head) + Le16(type) + Le32(static_cast<std::uint32_t>(body.size())) + body;
}
inline std::string Container(std::uint16_t type, const std::string& children) {
  return Art(type, children, 0, true);
}
inline std::string Drawing(const std::string& groupChildren) {  // DgContainer, SpgrContainer
  return Container(0xF002, Art(0xF008, Le32(1) + Le32(1024), 1) + Container(0xF003, groupChildren));
}
inline std::string Group(const std::string& children) { return Container(0xF003, children); }
inline std::string Shape(const std::string& records) { return Container(0xF004, records); }

inline std::string Fsp(std::uint16_t shapeType, std::uint32_t id, std::uint32_t flags = 0x0A00) {
  return Art(0xF00A, Le32(id) + Le32(flags), shapeType);
}
inline std::string Rect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  return Le32(static_cast<std::uint32_t>(l)) + Le32(static_cast<std::uint32_t>(t)) +
         Le32(static_cast<std::uint32_t>(r)) + Le32(static_cast<std::uint32_t>(b));
}
inline std::string Fspgr(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  return Art(0xF009, Rect(l, t, r, b), 1);
}
inline std::string ChildAnchor(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  return Art(0xF00F, Rect(l, t, r, b));
}
// The patriarch shape that opens a drawing's top group.
inline std::string Patriarch() { return Shape(Fspgr(0, 0, 0, 0) + Fsp(0, 1024, 0x0005)); }

struct Property {
  std::uint16_t id;
  std::uint32_t value;
  std::string complex = "";
};
// A property's UTF-16 text, ending with its null character, of UTF-8 `text`.
inline std::string Utf16(const std::string& text) {
  std::string bytes;
  for (char16_t unit : Utf16Of(text)) bytes += Le16(unit);
  return bytes + Le16(0);
}
inline Property Name(const std::string& name) { return {0x0380, 0, Utf16(name)}; }
inline std::string Fopt(const std::vector<Property>& properties, std::uint16_t type = 0xF00B) {
  std::string entries, complex;
  for (const Property& property : properties) {
    const bool isComplex = !property.complex.empty();
    entries += Le16(property.id | (isComplex ? 0x8000 : 0));
    entries +=
        Le32(isComplex ? static_cast<std::uint32_t>(property.complex.size()) : property.value);
    complex += property.complex;
  }
  return Art(type, entries + complex, static_cast<std::uint16_t>(properties.size()), false);
}
inline std::string SheetAnchor(std::uint16_t colL, std::uint16_t dxL, std::uint16_t rwT,
                               std::uint16_t dyT, std::uint16_t colR, std::uint16_t dxR,
                               std::uint16_t rwB, std::uint16_t dyB) {
  return Art(0xF010, Le16(0) + Le16(colL) + Le16(dxL) + Le16(rwT) + Le16(dyT) + Le16(colR) +
                         Le16(dxR) + Le16(rwB) + Le16(dyB));
}
inline std::string ChartAnchor(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  return Art(0xF010, Le16(0) + Rect(l, t, r, b));
}
inline std::string ClientData() { return Art(0xF011, ""); }
inline std::string ClientTextbox() { return Art(0xF00D, ""); }

// BIFF records.
inline std::string Biff(std::uint16_t type, const std::string& data) {
  return RecordBytes(type, data);
}
inline std::string MsoDrawing(const std::string& piece) { return Biff(0x00EC, piece); }
// An OBJ record's subrecord: its type and length, as a record's.
inline std::string Subrecord(std::uint16_t type, const std::string& data) {
  return RecordBytes(type, data);
}
inline std::string Cmo(std::uint16_t objectType, std::uint16_t id) {
  return Subrecord(0x15, Le16(objectType) + Le16(id) + Le16(0x6011) + std::string(12, '\0'));
}
inline std::string Obj(std::uint16_t objectType, std::uint16_t id, const std::string& more = "") {
  return Biff(0x005D, Cmo(objectType, id) + more + Subrecord(0, ""));
}
inline std::string CheckBoxObj(std::uint16_t id, std::uint16_t checked) {
  return Obj(0x0B, id,
             Subrecord(0x0A, std::string(12, '\0')) +
                 Subrecord(0x12, Le16(checked) + Le16(0) + Le16(0) + Le16(0)));
}
// A TXO record and its CONTINUE records: `pieces` are the text's records, each opening with
// its option byte, and `runs` the (first character, font) pairs of its formatting runs.
inline std::string TxoRecords(const std::vector<std::string>& pieces, std::size_t count,
                              const std::vector<std::pair<std::uint16_t, std::uint16_t>>& runs) {
  const std::uint32_t runBytes = static_cast<std::uint32_t>((runs.size() + 1) * 8);
  std::string records = Biff(0x01B6, Le16(0x0212) + Le16(0) + std::string(6, '\0') + Le16(count) +
                                         Le16(runBytes) + Le16(0) + Le32(0));
  for (const std::string& piece : pieces) records += Biff(0x003C, piece);
  std::string runData;
  for (const auto& [first, font] : runs) runData += Le16(first) + Le16(font) + Le32(0);
  runData += Le16(count) + std::string(6, '\0');
  return records + Biff(0x003C, runData);
}

// A TXO record whose text is `pieces` (each the characters of one CONTINUE record, UTF-16 when
// `wide`) and whose runs are (first character, font) pairs.
inline std::string Txo(const std::vector<std::string>& pieces, bool wide,
                       const std::vector<std::pair<std::uint16_t, std::uint16_t>>& runs,
                       std::int32_t characterCount = -1) {
  std::size_t count = 0;
  for (const std::string& piece : pieces) count += piece.size();
  if (characterCount >= 0) count = static_cast<std::size_t>(characterCount);
  std::vector<std::string> encoded;
  for (const std::string& piece : pieces) {
    std::string characters(1, wide ? '\1' : '\0');
    for (char c : piece)
      characters += wide ? Le16(static_cast<unsigned char>(c)) : std::string(1, c);
    encoded.push_back(std::move(characters));
  }
  return TxoRecords(encoded, count, runs);
}

// A TXO record of `text` in UTF-16, in one run of the font `font`.
inline std::string Txo(std::u16string_view text, std::uint16_t font) {
  std::string characters(1, '\1');
  for (char16_t unit : text) characters += Le16(unit);
  return TxoRecords({characters}, text.size(), {{0, font}});
}

// The objects a collector makes of `stream`, a run of BIFF records.
inline std::vector<DrawnObject> Collect(const std::string& stream, const WorkbookGlobals& globals,
                                        const AnchorPlacement& placement) {
  RecordStream records(stream, "Worksheet");
  DrawingCollector collector(globals, "the sheet 'Sheet1'");
  while (std::optional<Record> record = records.Next()) collector.Take(records, *record);
  return collector.Objects(placement);
}

}  // namespace k27093::xls::testing
