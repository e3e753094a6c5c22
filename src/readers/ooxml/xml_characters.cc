#include "readers/ooxml/xml_characters.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace k27093::ooxml {
namespace {

bool IsWideEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xFE\xFF") || bytes.starts_with("\xFF\xFE")) return true;
  return bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0');
}

bool IsXmlCharacter(std::uint32_t code) {
  return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
         (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

std::string CodePointName(std::uint32_t code) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
  return "the character " + std::string(name);
}

// The code point of the UTF-8 sequence at `at` and its length; length 0 when the bytes there
// are no well-formed sequence.
std::pair<std::uint32_t, std::size_t> DecodeAt(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  std::uint32_t code = 0;
  std::uint32_t smallest = 0;
  if (lead < 0x80) return {lead, 1};
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, smallest = 0x10000;
  } else {
    return {0, 0};
  }
  if (at + length > bytes.size()) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return {0, 0};
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {0, 0};
  return {code, length};
}

// The code point a numeric character reference at `at` ("&#65;", "&#x41;") names and the
// reference's length; length 0 when no well-formed reference starts there. A number too large
// for any character is named as 0x110000.
std::pair<std::uint32_t, std::size_t> ReferenceAt(std::string_view bytes, std::size_t at) {
  std::size_t i = at + 2;
  if (i > bytes.size() || bytes.substr(at, 2) != "&#") return {0, 0};
  const bool hex = i < bytes.size() && (bytes[i] == 'x');
  if (hex) ++i;
  const std::size_t digitsStart = i;
  std::uint32_t code = 0;
  for (; i < bytes.size(); ++i) {
    const char c = bytes[i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) break;
    code = std::min<std::uint32_t>(code * (hex ? 16 : 10) + digit, 0x110000);
  }
  if (i == digitsStart || i >= bytes.size() || bytes[i] != ';') return {0, 0};
  return {code, i + 1 - at};
}

// Where character references are not references: the content of a CDATA section and of a
// comment. Returns the end marker of the section starting at `at`, if one does.
std::string_view LiteralSectionAt(std::string_view bytes, std::size_t at) {
  const std::string_view rest = bytes.substr(at);
  if (rest.starts_with("<![CDATA[")) return "]]>";
  if (rest.starts_with("<!--")) return "-->";
  return std::string_view();
}

// Whether none of the eight bytes at `at` is outside the printable ASCII range 0x20 to 0x7F.
bool EightPlainBytesAt(std::string_view bytes, std::size_t at) {
  constexpr std::uint64_t kEach = 0x0101010101010101ull;
  std::uint64_t word = 0;
  std::memcpy(&word, bytes.data() + at, sizeof word);
  const std::uint64_t high = word & (kEach * 0x80);
  // Exact for words without high bits: a byte below 0x20 borrows into its own top bit.
  const std::uint64_t control = (word - kEach * 0x20) & ~word & (kEach * 0x80);
  return (high | control) == 0;
}

// The first byte sequence that is not UTF-8 or that encodes a character XML does not allow.
std::optional<CharacterFault> FirstEncodingFault(std::string_view bytes, std::size_t at) {
  while (at < bytes.size()) {
    // Plain ASCII text, the bulk of every part, eight bytes at a time.
    if (at + 8 <= bytes.size() && EightPlainBytesAt(bytes, at)) {
      at += 8;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(bytes[at]);
    if (c >= 0x20 && c < 0x80) {
      ++at;
      continue;
    }
    const auto [code, length] = DecodeAt(bytes, at);
    if (length == 0) return CharacterFault{at, "bytes that are not UTF-8"};
    if (!IsXmlCharacter(code)) return CharacterFault{at, CodePointName(code)};
    at += length;
  }
  return std::nullopt;
}

// The first numeric character reference to a character XML does not allow, outside CDATA
// sections and comments.
std::optional<CharacterFault> FirstReferenceFault(std::string_view bytes) {
  if (bytes.find("&#") == std::string_view::npos) return std::nullopt;
  std::size_t at = 0;
  while ((at = bytes.find_first_of("&<", at)) != std::string_view::npos) {
    if (bytes[at] == '<') {
      const std::string_view literalEnd = LiteralSectionAt(bytes, at);
      if (literalEnd.empty()) {
        ++at;
        continue;
      }
      at = bytes.find(literalEnd, at);
      if (at == std::string_view::npos) return std::nullopt;
      at += literalEnd.size();
      continue;
    }
    const auto [code, length] = ReferenceAt(bytes, at);
    if (length != 0 && !IsXmlCharacter(code)) {
      return CharacterFault{at, "a reference to " + CodePointName(code)};
    }
    ++at;
  }
  return std::nullopt;
}

}  // namespace

std::optional<CharacterFault> FirstCharacterFault(std::string_view bytes) {
  if (IsWideEncoding(bytes)) return std::nullopt;
  std::optional<CharacterFault> encoding =
      FirstEncodingFault(bytes, bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0);
  std::optional<CharacterFault> reference = FirstReferenceFault(bytes);
  if (encoding && (!reference || encoding->offset < reference->offset)) return encoding;
  return reference;
}

}  // namespace k27093::ooxml
