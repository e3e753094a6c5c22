#include "engine/macros/macro_declarations.h"

#include <algorithm>
#include <cctype>

#include "api/text.h"

namespace k27093::engine {

namespace {

// "Macro" followed by one or more ASCII digits, the prefix's case ignored.
bool IsDeclarationName(std::string_view name) {
  if (name.size() <= kMacroPropertyPrefix.size()) return false;
  if (!EqualsIgnoringCase(name.substr(0, kMacroPropertyPrefix.size()), kMacroPropertyPrefix)) {
    return false;
  }
  const std::string_view number = name.substr(kMacroPropertyPrefix.size());
  return std::all_of(number.begin(), number.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

std::vector<std::string> DeclaredProcedures(
    const std::vector<std::pair<std::string, std::string>>& properties) {
  std::vector<std::string> procedures;
  for (const auto& [name, value] : properties) {
    if (!IsDeclarationName(name)) continue;
    std::string procedure = Trim(value);
    if (!procedure.empty()) procedures.push_back(std::move(procedure));
  }
  return procedures;
}

}  // namespace k27093::engine
