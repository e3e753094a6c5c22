// The text of a chart's parsed formula (the formula of a BRAI record): the cells that a
// series' name, values or categories, or a linked title, refer to, written as the spreadsheet
// shows them and as an .xlsx file stores them: "Sheet1!$A$1:$A$6", "'Template 1'!$A$3",
// "(Sheet1!$A$1,Sheet1!$A$3)" for several areas, "#REF!" for a reference that was deleted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace k27093::xls {

struct WorkbookGlobals;

// The text of the formula tokens `tokens` (rgce), whose 3-D references name their sheets
// through the EXTERNSHEET entries of `globals`; "" for no tokens. A reference to a sheet that
// the entry does not name (another workbook, a deleted sheet) reads "#REF!". Raises
// document::ReadFault Damaged, "<context> ...", for tokens cut short, tokens a chart's
// formula does not hold, or tokens that do not make one formula.
std::string FormulaText(std::string_view tokens, const WorkbookGlobals& globals,
                        const std::string& context);

// The cell `row`, `column` (0-based) in A1 style, "$" before each absolute part: "$A$1", "B3".
std::string CellText(std::uint32_t row, std::uint32_t column, bool rowRelative,
                     bool columnRelative);

// A text as a formula literal: in double quotes, quotes inside doubled ("\"1st Column\"").
std::string QuotedLiteral(std::string_view text);
// A number as a formula shows it: the shortest text that reads back as the number ("2.5").
std::string NumberLiteral(double value);

}  // namespace k27093::xls
