// Macros: what `Application.Run` can call. A macro belongs to a workbook and is reached as
// "Workbook.xls!module.Macro" (case ignored); it runs only while that workbook is open. The
// engine has no macro language: a macro is C++. An open workbook holds the macros its file
// declares (macro_declarations.h); tests may also register macros by workbook name.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "api/dispatch.h"

namespace k27093::engine {

class ApplicationControl;

// A macro receives the application's control surface (current folder ...) and the arguments
// `Run` passed after the macro's name; its result is `Run`'s result.
using Macro = std::function<Variant(ApplicationControl& application, Arguments arguments)>;

// A macro reference split into its parts: "'Book 1.xls'!module1.Go" gives the workbook
// "Book 1.xls" and the procedure "module1.Go"; without "!" the workbook is empty.
struct MacroReference {
  std::string workbook;
  std::string procedure;
};
MacroReference SplitMacroReference(std::string_view reference);

// The macros of one workbook, by "module.procedure".
class MacroTable {
 public:
  // Adds or replaces the macro `procedure` ("module1.GetRep").
  void Register(std::string_view procedure, Macro macro);
  // The macro `procedure` (case ignored); a procedure given without its module ("GetRep")
  // matches any module. nullptr when there is none.
  const Macro* Find(std::string_view procedure) const;
  bool empty() const { return macros_.empty(); }

 private:
  std::map<std::string, Macro> macros_;  // keyed by the lower-cased "module.procedure"
};

// Macros registered by workbook name: they run whenever a workbook of that name is open.
class MacroRegistry {
 public:
  // Adds or replaces the macro `procedure` of the workbook named `workbook`.
  void Register(std::string_view workbook, std::string_view procedure, Macro macro);
  // The macro `procedure` of the workbook named `workbook` (case ignored, as MacroTable::Find
  // matches); nullptr when there is none.
  const Macro* Find(std::string_view workbook, std::string_view procedure) const;

 private:
  std::map<std::string, MacroTable> tables_;  // keyed by the lower-cased workbook name
};

}  // namespace k27093::engine
