// A chart sheet part (xl/chartsheets/sheetN.xml): its page setup, its protection, and its
// chart with the frame that shows it, through the sheet's drawing.
#pragma once

#include <string_view>

#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/package.h"

namespace k27093::ooxml {

// Reads the chart sheet part `part` (root element `rootElement`) into `sheet` (its chartSheet
// and protection). A chart sheet without a drawing, or whose drawing holds no chart frame,
// has no chart. Raises ReadFault Damaged when the part or a part it leads to is missing or
// not well-formed, its drawing relationship leads nowhere, the chart cannot be read (see
// ReadChart) or the protection is not of its form (see ReadSheetProtection).
void ReadChartSheetPart(Package& package, std::string_view part, std::string_view rootElement,
                        ContentBudget& budget, document::SheetData& sheet);

}  // namespace k27093::ooxml
