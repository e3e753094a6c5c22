// Builds the bytes of BIFF8 record streams for the reader's tests: records with their headers,
// little-endian fields, the format's strings, and the BOF and EOF around a substream.
#pragma once

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

// XLUnicodeString (16-bit count) and ShortXLUnicodeString (8-bit count) of 8-bit characters,
// and of UTF-16 characters.
std::string Text16(std::string_view latin);
std::string ShortText(std::string_view latin);
std::string WideText16(std::u16string_view text);
std::string WideShortText(std::u16string_view text);

// The BOF data of a BIFF8 substream of type `type` (0x0005 globals, 0x0010 worksheet ...).
std::string BofData(std::uint16_t type, std::uint16_t version = 0x0600);

class StreamBuilder {
 public:
  // Appends a record of `type` with `data` (a record longer than the format allows is written
  // as asked, for the tests of damage).
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

// A worksheet (or macro sheet) substream: its BOF of type `type`, `records`, its EOF.
std::string Worksheet(const StreamBuilder& records, std::uint16_t type = 0x0010);

struct SheetSpec {
  std::string name;
  std::uint8_t type = 0;  // BOUNDSHEET's: 0 worksheet, 1 macro sheet, 2 chart, 6 VB module
  std::string substream;  // from its BOF to its EOF
  std::optional<std::uint32_t> offset{};  // where BOUNDSHEET says it starts; its place if none
};

// A workbook stream: the globals (with `globalRecords` after their BOF and a BOUNDSHEET per
// sheet), then the sheets' substreams.
std::string WorkbookStream(const std::vector<SheetSpec>& sheets,
                           const StreamBuilder& globalRecords = {});

}  // namespace k27093::xls::testing
