#include "api/text.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>

namespace k27093 {
namespace {

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset where character `index` (0-based) starts; text.size() when past the end.
std::size_t OffsetOfChar(std::string_view text, std::size_t index) {
  std::size_t seen = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (IsContinuationByte(text[at])) continue;
    if (seen == index) return at;
    ++seen;
  }
  return text.size();
}

icu::UnicodeString ToIcu(std::string_view text) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
}

std::string FromIcu(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

// Code points of bytes 0x80..0x9F in Windows-1252. The five bytes the code page leaves
// undefined map to the control character of the same value, as the platform maps them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

std::string LeftChars(std::string_view text, std::size_t count) {
  return std::string(text.substr(0, OffsetOfChar(text, count)));
}

std::string RightChars(std::string_view text, std::size_t count) {
  std::size_t total = CharCount(text);
  if (count >= total) return std::string(text);
  return std::string(text.substr(OffsetOfChar(text, total - count)));
}

std::string MidChars(std::string_view text, std::size_t start, std::size_t count) {
  if (start == 0) start = 1;
  std::size_t from = OffsetOfChar(text, start - 1);
  if (from >= text.size()) return std::string();
  std::string_view rest = text.substr(from);
  if (count == std::string_view::npos) return std::string(rest);
  return std::string(rest.substr(0, OffsetOfChar(rest, count)));
}

std::string LowerCase(std::string_view text) {
  // Plain ASCII, most of what is compared, maps letter by letter in every locale's rules.
  if (IsAscii(text)) return AsciiLower(text);
  auto unicode = ToIcu(text);
  unicode.toLower(icu::Locale::getRoot());
  return FromIcu(unicode);
}

std::string UpperCase(std::string_view text) {
  if (IsAscii(text)) {
    std::string out(text);
    for (char& c : out) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
  }
  auto unicode = ToIcu(text);
  unicode.toUpper(icu::Locale::getRoot());
  return FromIcu(unicode);
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
  }
  return LowerCase(a) == LowerCase(b);
}

std::string Trim(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::u16string ToUtf16(std::string_view text) {
  auto unicode = ToIcu(text);
  return std::u16string(unicode.getBuffer(), static_cast<std::size_t>(unicode.length()));
}

std::string FromUtf16(std::u16string_view text) {
  return FromIcu(icu::UnicodeString(text.data(), static_cast<std::int32_t>(text.size())));
}

std::string FromWindows1252(std::string_view bytes) {
  icu::UnicodeString unicode;
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    bool high = byte >= 0x80 && byte <= 0x9F;
    unicode.append(high ? kWindows1252High[byte - 0x80] : static_cast<char16_t>(byte));
  }
  return FromIcu(unicode);
}

std::string ToWindows1252(std::string_view text) {
  auto unicode = ToIcu(text);
  std::string bytes;
  for (std::int32_t at = 0; at < unicode.length(); at = unicode.moveIndex32(at, 1)) {
    UChar32 code = unicode.char32At(at);
    char byte = '?';  // what the platform writes for a character the code page lacks
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
      byte = static_cast<char>(code);
    } else {
      for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == code) byte = static_cast<char>(0x80 + i);
      }
    }
    bytes += byte;
  }
  return bytes;
}

}  // namespace k27093
