// The view state a worksheet part stores in its first sheet view (sheetViews/sheetView): the
// cells selected in the active pane, as the spreadsheet selects them when the sheet opens.
#pragma once

#include <string>

#include <pugixml.hpp>

namespace k27093::ooxml {

// The selected cells of the worksheet element `worksheet`: one area of the active pane's
// selection (the pane's activePane, "topLeft" when it names none), the area that holds the
// active cell, else the first ("B2:C3", "D12"); the active cell alone when the selection
// lists no area. "" when the sheet states no selection, or only references that are not
// cells of the sheet (the spreadsheet then selects A1).
std::string SelectedCellsOf(pugi::xml_node worksheet);

}  // namespace k27093::ooxml
