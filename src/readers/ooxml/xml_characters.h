// The characters an XML part may hold: well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF) of characters XML 1.0 allows: tab, line feed, carriage return,
// U+0020 to U+D7FF, U+E000 to U+FFFD and U+10000 to U+10FFFF, written as they are or through
// numeric character references ("&#1;" is as forbidden as the byte 0x01; inside a CDATA section
// or a comment such text is no reference). Parts in UTF-16 are left to the parser, which
// converts them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace k27093::ooxml {

struct CharacterFault {
  std::size_t offset = 0;  // of the first byte of the offending sequence
  std::string what;        // "bytes that are not UTF-8", "the character U+0001"
};

// The first place where `bytes`, the content of a part in UTF-8, holds what XML does not
// allow; nullopt when there is none or when the part is in UTF-16 or UTF-32 (a byte-order mark
// or a zero byte among its first two).
std::optional<CharacterFault> FirstCharacterFault(std::string_view bytes);

}  // namespace k27093::ooxml
