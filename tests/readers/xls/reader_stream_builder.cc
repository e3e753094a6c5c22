#include "readers/xls/reader_stream_builder.h"

#include <cstring>

namespace k27093::xls::testing {
namespace {

std::string LittleEndian(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

std::string WideCharacters(std::u16string_view text) {
  std::string out;
  for (char16_t unit : text) out += U16(unit);
  return out;
}

}  // namespace

std::string U8(std::uint8_t value) { return LittleEndian(value, 1); }
std::string U16(std::uint16_t value) { return LittleEndian(value, 2); }
std::string U32(std::uint32_t value) { return LittleEndian(value, 4); }

std::string F64(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return LittleEndian(bits, 8);
}

std::string Text16(std::string_view latin) {
  return U16(static_cast<std::uint16_t>(latin.size())) + U8(0) + std::string(latin);
}

std::string ShortText(std::string_view latin) {
  return U8(static_cast<std::uint8_t>(latin.size())) + U8(0) + std::string(latin);
}

std::string WideText16(std::u16string_view text) {
  return U16(static_cast<std::uint16_t>(text.size())) + U8(1) + WideCharacters(text);
}

std::string WideShortText(std::u16string_view text) {
  return U8(static_cast<std::uint8_t>(text.size())) + U8(1) + WideCharacters(text);
}

std::string BofData(std::uint16_t type, std::uint16_t version) {
  return U16(version) + U16(type) + U16(0x0DBB) + U16(0x07CC) + U32(0) + U32(0x06);
}

StreamBuilder& StreamBuilder::Add(std::uint16_t type, std::string_view data) {
  bytes_ += U16(type) + U16(static_cast<std::uint16_t>(data.size()));
  bytes_.append(data);
  return *this;
}

StreamBuilder& StreamBuilder::Append(std::string_view bytes) {
  bytes_.append(bytes);
  return *this;
}

std::string Worksheet(const StreamBuilder& records, std::uint16_t type) {
  return StreamBuilder().Bof(type).Append(records.bytes()).Eof().bytes();
}

std::string WorkbookStream(const std::vector<SheetSpec>& sheets,
                           const StreamBuilder& globalRecords) {
  const auto globals = [&](const std::vector<std::uint32_t>& offsets) {
    StreamBuilder stream;
    stream.Bof(0x0005).Append(globalRecords.bytes());
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      stream.Add(0x0085, U32(sheets[i].offset.value_or(offsets[i])) + U8(0) + U8(sheets[i].type) +
                             ShortText(sheets[i].name));
    }
    return stream.Eof().bytes();
  };
  std::vector<std::uint32_t> offsets(sheets.size(), 0);
  auto next = static_cast<std::uint32_t>(globals(offsets).size());
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    offsets[i] = next;
    next += static_cast<std::uint32_t>(sheets[i].substream.size());
  }
  std::string stream = globals(offsets);
  for (const SheetSpec& sheet : sheets) stream += sheet.substream;
  return stream;
}

}  // namespace k27093::xls::testing
