// The macros the engine implements, for workbooks that declare them (macro_declarations.h):
// the course's folder macros "module1.ChangeRep" and "module1.GetRep".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/macros/macros.h"

namespace k27093::engine {

inline constexpr std::string_view kChangeRepMacro = "module1.ChangeRep";
inline constexpr std::string_view kGetRepMacro = "module1.GetRep";

// The implementation the engine has for `procedure` ("module.Procedure", case ignored);
// nullptr when it has none.
//  - "module1.ChangeRep" takes one text argument, a folder, and makes it the application's
//    current folder (a relative folder is taken from the current one; a trailing separator
//    is added when missing). Raises 76 "Path not found" when the folder does not exist, 450
//    when not given exactly one argument.
//  - "module1.GetRep" takes no argument (450 otherwise) and returns the current folder as
//    text that "module1.ChangeRep" accepts back.
const Macro* FindBuiltInMacro(std::string_view procedure);

// The macros `procedures` name that the engine implements, bound to their implementations;
// names it does not know are left out.
MacroTable BindBuiltInMacros(const std::vector<std::string>& procedures);

}  // namespace k27093::engine
