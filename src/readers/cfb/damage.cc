#include "readers/cfb/damage.h"

namespace k27093::cfb {

std::string Hex(std::uint32_t value, int digits) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

std::string QuotedName(std::string_view name) {
  std::string quoted = "'";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      quoted += "\\x" + Hex(byte, 2);
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace k27093::cfb
