// The errors the embedded spreadsheet raises, with the numbers, descriptions and source text
// the spreadsheet gives them ("Microsoft Office Excel"). Every engine failure goes through
// these helpers so that the wording stays in one place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace k27093::engine {

// Source text of the spreadsheet's own errors.
inline constexpr std::string_view kExcelSource = "Microsoft Office Excel";

// The number the platform reports for a call on an object that was deleted or closed
// (its automation connection is gone): "Automation error".
inline constexpr std::int32_t kObjectDisconnected = -2147221080;

// Raises `number` with `description` and the spreadsheet's source.
[[noreturn]] void RaiseExcel(std::int32_t number, std::string description);

// 1004 "Unable to get the <property> property of the <className> class".
[[noreturn]] void RaiseUnableToGet(std::string_view property, std::string_view className);
// 1004 "Unable to set the <property> property of the <className> class".
[[noreturn]] void RaiseUnableToSet(std::string_view property, std::string_view className);
// 1004 "<method> method of <className> class failed".
[[noreturn]] void RaiseMethodFailed(std::string_view method, std::string_view className);
// 1004 "The cell or chart you are trying to change is protected and therefore read-only."
[[noreturn]] void RaiseProtected();
// -2147024809 "The item with the specified name wasn't found." (shapes by name).
[[noreturn]] void RaiseItemNotFound();
// -2147024809 "The specified value is out of range." (shape indexes and arguments).
[[noreturn]] void RaiseValueOutOfRange();
// The call on a deleted or closed object: kObjectDisconnected "Automation error".
[[noreturn]] void RaiseDisconnected();

}  // namespace k27093::engine
