// How a workbook file declares its macros to the engine. The engine runs no macro code: a
// workbook names, in its custom document properties (docProps/custom.xml), the procedures it
// provides, and the engine binds each name to the built-in implementation it has for it.
// Format: every custom property whose name is "Macro" followed by a number ("Macro1",
// "Macro2" ...; the case of "Macro" ignored) holds one procedure as "module.Procedure"
// ("module1.GetRep"). Other properties, and declarations with an empty value, declare nothing.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace k27093::engine {

inline constexpr std::string_view kMacroPropertyPrefix = "Macro";

// The name of the `number`th declaration property ("Macro1" for 1).
inline std::string MacroPropertyName(int number) {
  return std::string(kMacroPropertyPrefix) + std::to_string(number);
}

// The procedures that `properties` (custom properties as name/value pairs, in file order)
// declare, in that order, trimmed of surrounding blanks; empty when none.
std::vector<std::string> DeclaredProcedures(
    const std::vector<std::pair<std::string, std::string>>& properties);

}  // namespace k27093::engine
