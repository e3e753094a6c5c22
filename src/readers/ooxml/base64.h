// Base64 (RFC 4648, the standard alphabet with "=" padding) as the package format stores
// binary values in attributes: password hashes and their salts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace k27093::ooxml {

// The bytes that `text` encodes; white space between characters is skipped. nullopt when
// the text holds another character, padding other than at its end, or a length that is not a
// whole number of four-character groups. "" decodes to "".
std::optional<std::string> DecodeBase64(std::string_view text);

}  // namespace k27093::ooxml
