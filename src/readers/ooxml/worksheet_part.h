// The cells of a worksheet part and the shared-string table their texts point into. A cell
// is read with its cached value: numbers, shared and inline strings (rich-text runs joined),
// Booleans, error values as their text, formula results, ISO dates as date serial numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/sheet_layout.h"
#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/package.h"
#include "readers/ooxml/shared_strings.h"

namespace k27093::ooxml {

// The plain texts of the shared-string table `part`, in order; none for "". The table's items
// are read a slice at a time (xml_slices.h). Raises ReadFault Damaged when the part is missing
// or not well-formed, or a text is too long.
SharedStrings ReadSharedStrings(Package& package, std::string_view part);

// What a worksheet part states besides its cells: its drawings, layout, controls and
// protection.
struct WorksheetInfo {
  std::string drawingId;        // the relationship id of <drawing>; "" when the sheet has none
  std::string legacyDrawingId;  // of <legacyDrawing> (the VML drawing); "" when none
  document::SheetLayoutSource layout;
  struct Control {
    std::int64_t shapeId = 0;    // the drawn object's id
    std::string relationshipId;  // of the control's properties part
  };
  std::vector<Control> controls;  // <controls>, file order
  document::SheetProtectionData protection;
};

// Appends the cells that hold a value of the worksheet part `part` (root element
// `rootElement`) to `sheet.cells`, in file order (cells without a value are left out; the rows
// are read a slice at a time, see xml_slices.h), and
// sets `sheet.selection` from its view (sheet_view.h); fills `info` with the part's drawings,
// column widths, row heights, controls and protection. Raises ReadFault Damaged when the
// part is missing or not well-formed, a cell reference is not valid or lies beyond the sheet,
// a value does not fit its type, a shared string does not exist, a width or height is not a
// number, the protection is not of its form (sheet_protection.h), or `budget` runs out.
void ReadWorksheetCells(Package& package, std::string_view part, std::string_view rootElement,
                        const SharedStrings& sharedStrings, ContentBudget& budget,
                        document::SheetData& sheet, WorksheetInfo& info);

// The date serial number (1900 date system, as the spreadsheet counts: 1 is 1900-01-01, 61
// is 1900-03-01) of an ISO 8601 date "YYYY-MM-DD" with an optional time "THH:MM[:SS[.fff]]"
// and zone "Z"; nullopt when the text is not such a date from 1900 to 9999.
std::optional<double> DateSerialOf(std::string_view isoDate);

}  // namespace k27093::ooxml
