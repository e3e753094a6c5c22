#include "engine/macros/builtin_macros.h"

#include <filesystem>
#include <string>

#include "api/error.h"
#include "api/text.h"
#include "engine/application/application_control.h"
#include "engine/application/excel_errors.h"

namespace k27093::engine {

namespace {

constexpr char kSeparator = '/';

// A run-time error of the macro, with the platform's description, raised out of `Run`.
[[noreturn]] void RaiseStandard(std::int32_t number) {
  RaiseExcel(number, StandardDescription(number));
}

// `folder` as ChangeRep makes it current: relative to the current folder, ending with the
// separator.
std::string CurrentFolderFor(std::string folder, const std::string& current) {
  if (!folder.empty() && std::filesystem::path(folder).is_relative() && !current.empty()) {
    folder = current + folder;
  }
  if (!folder.empty() && folder.back() != kSeparator) folder += kSeparator;
  return folder;
}

Variant ChangeRep(ApplicationControl& application, Arguments arguments) {
  if (arguments.size() != 1) RaiseStandard(errors::kWrongArguments);
  const std::string folder = CurrentFolderFor(ToText(arguments[0]), application.CurrentFolder());
  std::error_code error;
  if (folder.empty() || !std::filesystem::is_directory(folder, error)) {
    RaiseStandard(errors::kPathNotFound);
  }
  application.SetCurrentFolder(folder);
  return Variant();
}

Variant GetRep(ApplicationControl& application, Arguments arguments) {
  if (!arguments.empty()) RaiseStandard(errors::kWrongArguments);
  return Variant(application.CurrentFolder());
}

struct BuiltIn {
  std::string_view procedure;
  Macro macro;
};

const std::vector<BuiltIn>& BuiltIns() {
  static const std::vector<BuiltIn> builtIns = {{kChangeRepMacro, ChangeRep},
                                                {kGetRepMacro, GetRep}};
  return builtIns;
}

}  // namespace

const Macro* FindBuiltInMacro(std::string_view procedure) {
  for (const BuiltIn& builtIn : BuiltIns()) {
    if (EqualsIgnoringCase(builtIn.procedure, Trim(procedure))) return &builtIn.macro;
  }
  return nullptr;
}

MacroTable BindBuiltInMacros(const std::vector<std::string>& procedures) {
  MacroTable table;
  for (const std::string& procedure : procedures) {
    if (const Macro* macro = FindBuiltInMacro(procedure)) table.Register(procedure, *macro);
  }
  return table;
}

}  // namespace k27093::engine
