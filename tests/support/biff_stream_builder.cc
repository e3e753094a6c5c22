#include "support/biff_stream_builder.h"

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

bool FitsEightBits(std::u16string_view text) {
  for (char16_t unit : text) {
    if (unit > 0xFF) return false;
  }
  return true;
}

std::string EightBitCharacters(std::u16string_view text) {
  std::string out;
  for (char16_t unit : text) out.push_back(static_cast<char>(unit));
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

std::string Zeros(std::size_t count) { return std::string(count, '\0'); }

std::string RecordBytes(std::uint16_t type, std::string_view data) {
  return U16(type) + U16(static_cast<std::uint16_t>(data.size())) + std::string(data);
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

std::u16string Utf16Of(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || i + length > utf8.size()) {
      out.push_back(lead);
      ++i;
      continue;
    }
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
    if (code >= 0x10000) {
      code -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
    i += length;
  }
  return out;
}

std::string TextOf(std::string_view utf8) {
  const std::u16string text = Utf16Of(utf8);
  return FitsEightBits(text) ? Text16(EightBitCharacters(text)) : WideText16(text);
}

std::string ShortTextOf(std::string_view utf8) {
  const std::u16string text = Utf16Of(utf8);
  return FitsEightBits(text) ? ShortText(EightBitCharacters(text)) : WideShortText(text);
}

std::string BofData(std::uint16_t type, std::uint16_t version) {
  return U16(version) + U16(type) + U16(0x0DBB) + U16(0x07CC) + U32(0) + U32(0x06);
}

StreamBuilder& StreamBuilder::Add(std::uint16_t type, std::string_view data) {
  bytes_ += RecordBytes(type, data);
  return *this;
}

StreamBuilder& StreamBuilder::Append(std::string_view bytes) {
  bytes_.append(bytes);
  return *this;
}

std::string WorkbookStreamBytes(const std::vector<SheetSubstream>& sheets,
                                std::string_view globalRecords,
                                std::string_view recordsAfterSheets) {
  const auto globals = [&](const std::vector<std::uint32_t>& offsets) {
    StreamBuilder stream;
    stream.Bof(0x0005).Append(globalRecords);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      stream.Add(0x0085, U32(sheets[i].offset.value_or(offsets[i])) + U8(0) + U8(sheets[i].type) +
                             ShortTextOf(sheets[i].name));
    }
    return stream.Append(recordsAfterSheets).Eof().bytes();
  };
  // BOUNDSHEET's offset has a fixed size: the globals are as long whatever the offsets.
  std::vector<std::uint32_t> offsets(sheets.size(), 0);
  auto next = static_cast<std::uint32_t>(globals(offsets).size());
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    offsets[i] = next;
    next += static_cast<std::uint32_t>(sheets[i].substream.size());
  }
  std::string stream = globals(offsets);
  for (const SheetSubstream& sheet : sheets) stream += sheet.substream;
  return stream;
}

std::string WorkbookStream(const std::vector<SheetSpec>& sheets,
                           const StreamBuilder& globalRecords) {
  return WorkbookStreamBytes(sheets, globalRecords.bytes());
}

std::string Worksheet(const StreamBuilder& records, std::uint16_t type) {
  return StreamBuilder().Bof(type).Append(records.bytes()).Eof().bytes();
}

}  // namespace k27093::xls::testing
