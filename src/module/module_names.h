// Names the module uses with the spreadsheet and the desktop.
#pragma once

#include <string_view>

namespace k27093::module_names {

inline constexpr std::string_view kClass = "Module";
inline constexpr std::string_view kSpreadsheetProgId = "Excel.application.11";
inline constexpr std::string_view kMainWindowClass = "XLMAIN";
inline constexpr std::string_view kBalloonClass = "MSOBALLOON";
inline constexpr std::string_view kModelsFolderName = "Norvane Modèles";

}  // namespace k27093::module_names
