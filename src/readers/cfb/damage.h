// How the compound file reader words a fault: every reason names the compound document and
// then the structure at fault, with numbers in the form the format gives them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/read_fault.h"

namespace k27093::cfb {

// Raises ReadFault Damaged with the reason "the compound document's " + `what`.
[[noreturn]] inline void FailCompoundFile(const std::string& what) {
  document::FailDamaged("the compound document's " + what);
}

// `value` as upper-case hexadecimal digits, at least `digits` of them ("FFFE", "FFFFFFFF").
std::string Hex(std::uint32_t value, int digits = 8);

// 'name', with control characters (the "\x05" that starts property stream names) written
// as \xNN, so that a reason stays one readable line.
std::string QuotedName(std::string_view name);

}  // namespace k27093::cfb
