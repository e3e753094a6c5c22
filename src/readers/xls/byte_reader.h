// Bounds-checked little-endian reading of a record's data, and of the CONTINUE records that
// carry it on: numbers, bytes, and the format's Unicode strings, whose characters may run on
// into the next CONTINUE record (which then starts with its own option byte). Every read past
// the data raises document::ReadFault Damaged naming the record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::xls {

struct Record;
class RecordStream;

// The 16- and 32-bit little-endian values at the start of `bytes` (which must hold them).
std::uint16_t LittleEndian16(std::string_view bytes);
std::uint32_t LittleEndian32(std::string_view bytes);

class ByteReader {
 public:
  // Reads the data of `record` and its CONTINUE records as one run of bytes. `stream` names
  // them in fault reasons; both must outlive the reader.
  ByteReader(const RecordStream& stream, const Record& record);
  // Reads `bytes` only; `context` names them in fault reasons ("the OfficeArt record at
  // offset 12 of the drawing of 'Sheet1'").
  ByteReader(std::string_view bytes, std::string context);

  std::uint8_t U8();
  std::uint16_t U16();
  std::int16_t I16();
  std::uint32_t U32();
  std::int32_t I32();
  double F64();
  // The next `count` bytes, across CONTINUE records when they run on.
  std::string Bytes(std::size_t count);
  void Skip(std::size_t count);

  // A string with a 16-bit (XLUnicodeString) or 8-bit (ShortXLUnicodeString) character count,
  // option byte, and the rich-text runs and extended data it announces (skipped). Characters
  // are 8-bit (the low bytes of UTF-16) or UTF-16LE; the text is returned in UTF-8.
  std::string UnicodeString();
  std::string ShortUnicodeString();
  // `count` characters that follow an option byte already read (`highByte`: UTF-16), such as
  // the text of a text object. Characters that run on into a CONTINUE record continue after
  // that record's own option byte. An unpaired surrogate becomes U+FFFD.
  std::string Characters(std::size_t count, bool highByte);

  bool AtEnd() const;
  // Bytes left in the record and its CONTINUE records.
  std::size_t Remaining() const;
  // Bytes left in the current piece (the record's data or the CONTINUE record being read).
  std::size_t RemainingInPiece() const;

  // Raises Damaged: "<context> <what>".
  [[noreturn]] void Fail(std::string_view what) const;

 private:
  // Makes sure `count` bytes can be read; moves to the next piece when the current one is
  // used up.
  void Require(std::size_t count);
  std::string_view Take(std::size_t count);  // `count` bytes of the current piece
  std::string UnicodeBody(std::size_t count);

  std::vector<std::string_view> pieces_;
  std::size_t piece_ = 0;
  std::size_t position_ = 0;  // in pieces_[piece_]
  std::string context_;
};

}  // namespace k27093::xls
