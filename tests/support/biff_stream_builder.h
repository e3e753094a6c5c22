// Builds the bytes of BIFF8 record streams for tests: records with their headers, little-endian
// fields, the format's strings, and the BOF and EOF around a substream. The chart, drawing and
// workbook builders write their fields with these helpers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::xls::testing {

std::string U8(std::uint8_t value);
std::string U16(std::uint16_t value);
std::string U32(std::uint32_t value);
std::string F64(double value);
std::string Zeros(std::size_t count);

// A record: its type, the length of `data`, then `data` (a record longer than the format allows
// is written as asked, for the tests of damage).
std::string RecordBytes(std::uint16_t type, std::string_view data);

// XLUnicodeString (16-bit count) and ShortXLUnicodeString (8-bit count) of 8-bit characters,
// and of UTF-16 characters.
std::string Text16(std::string_view latin);
std::string ShortText(std::string_view latin);
std::string WideText16(std::u16string_view text);
std::string WideShortText(std::u16string_view text);
// The same strings of UTF-8 text as Excel writes them: 8-bit characters when every character
// fits in 8 bits, else UTF-16. Text that is not UTF-8 is written byte by byte.
std::string TextOf(std::string_view utf8);
std::string ShortTextOf(std::string_view utf8);
std::u16string Utf16Of(std::string_view utf8);

// The BOF data of a BIFF8 substream of type `type` (0x0005 globals, 0x0010 worksheet ...).
std::string BofData(std::uint16_t type, std::uint16_t version = 0x0600);

class StreamBuilder {
 public:
  // Appends RecordBytes(type, data).
  StreamBuilder& Add(std::uint16_t type, std::string_view data = {});
  StreamBuilder& Bof(std::uint16_t substreamType) { return Add(0x0809, BofData(substreamType)); }
  StreamBuilder& Eof() { return Add(0x000A); }
  // Appends the bytes of another stream.
  StreamBuilder& Append(std::string_view bytes);

  std::size_t size() const { return bytes_.size(); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A sheet of a workbook stream: its BOUNDSHEET's name and type, and its substream.
struct SheetSubstream {
  std::string name;       // UTF-8, written by ShortTextOf
  std::uint8_t type = 0;  // BOUNDSHEET's: 0 worksheet, 1 macro sheet, 2 chart, 6 VB module
  std::string substream;  // from its BOF to its EOF
  std::optional<std::uint32_t> offset{};  // where BOUNDSHEET says it starts; its place if none
};

// A workbook stream: the globals substream (its BOF, `globalRecords`, a BOUNDSHEET per sheet,
// `recordsAfterSheets`, its EOF), then the sheets' substreams in order.
std::string WorkbookStreamBytes(const std::vector<SheetSubstream>& sheets,
                                std::string_view globalRecords = {},
                                std::string_view recordsAfterSheets = {});

// The same for tests that build the sheets' substreams with a StreamBuilder.
using SheetSpec = SheetSubstream;
std::string WorkbookStream(const std::vector<SheetSpec>& sheets,
                           const StreamBuilder& globalRecords = {});

// A worksheet (or macro sheet) substream: its BOF of type `type`, `records`, its EOF.
std::string Worksheet(const StreamBuilder& records, std::uint16_t type = 0x0010);

}  // namespace k27093::xls::testing
