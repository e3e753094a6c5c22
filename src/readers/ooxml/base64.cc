#include "readers/ooxml/base64.h"

#include <cstdint>

namespace k27093::ooxml {
namespace {

// The 6-bit value of a base64 digit; -1 for any other character.
int DigitValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::optional<std::string> DecodeBase64(std::string_view text) {
  std::string bytes;
  std::uint32_t group = 0;
  int digits = 0;   // digits in the current group
  int padding = 0;  // "=" seen; only more "=" and blanks may follow
  for (char c : text) {
    if (IsBlank(c)) continue;
    if (c == '=') {
      if (digits + padding < 2) return std::nullopt;
      ++padding;
      if (digits + padding > 4) return std::nullopt;
      continue;
    }
    const int value = DigitValue(c);
    if (value < 0 || padding > 0) return std::nullopt;
    group = (group << 6) | static_cast<std::uint32_t>(value);
    if (++digits == 4) {
      bytes += static_cast<char>((group >> 16) & 0xFF);
      bytes += static_cast<char>((group >> 8) & 0xFF);
      bytes += static_cast<char>(group & 0xFF);
      group = 0;
      digits = 0;
    }
  }
  if (padding == 0) return digits == 0 ? std::optional<std::string>(bytes) : std::nullopt;
  if (digits + padding != 4) return std::nullopt;
  // Two digits carry one byte, three carry two.
  group <<= 6 * padding;
  bytes += static_cast<char>((group >> 16) & 0xFF);
  if (digits == 3) bytes += static_cast<char>((group >> 8) & 0xFF);
  return bytes;
}

}  // namespace k27093::ooxml
