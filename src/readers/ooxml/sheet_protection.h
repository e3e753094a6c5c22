// The protection a sheet part states (<sheetProtection> of a worksheet or a chart sheet):
// whether the sheet is protected and the password it takes, as its legacy 16-bit hash
// (password="CBEB") or as a salted hash iterated by a named algorithm (algorithmName,
// hashValue, saltValue, spinCount, base64 as stored).
#pragma once

#include <cstdint>
#include <string_view>

#include <pugixml.hpp>

#include "document/workbook_data.h"
#include "readers/ooxml/drawingml.h"

namespace k27093::ooxml {

// Largest spin count and salt the format allows for a password hash.
inline constexpr std::uint32_t kMaxSpinCount = 10'000'000;
inline constexpr std::size_t kMaxSaltBytes = 65'536;

// The protection that `element` states; off for an empty node. `lockAttribute` names the
// Boolean that turns it on ("sheet" for a worksheet, "content" for a chart sheet). Raises
// ReadFault Damaged (through `scope`) for a legacy hash that is not one to four hexadecimal
// digits, a hash or salt that is not base64, a hash without its algorithm (or an algorithm
// without its hash), a spin count that is not a whole number up to kMaxSpinCount, a salt
// longer than kMaxSaltBytes, or a Boolean of another form.
document::SheetProtectionData ReadSheetProtection(pugi::xml_node element,
                                                  std::string_view lockAttribute,
                                                  const PartScope& scope);

}  // namespace k27093::ooxml
