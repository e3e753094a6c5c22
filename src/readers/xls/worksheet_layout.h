// The records of a worksheet substream that size its columns and rows, as the sheet's layout
// (document/sheet_layout.h) takes them: the default column width (DEFCOLWIDTH, characters
// without padding), column spans (COLINFO, 1/256 of a character, hidden), the default row
// height (DEFAULTROWHEIGHT, twips, rows hidden by default) and each row's height (ROW, twips,
// hidden).
#pragma once

#include "document/sheet_layout.h"

namespace k27093::xls {

struct Record;
class RecordStream;

// Takes `record` into `layout` when it is one of these records; false for any other record.
// A ROW record gives the height it stores (the one the spreadsheet lays the row out with,
// custom or fitted to its fonts), 0 for a hidden row. Raises document::ReadFault Damaged for a
// record too short or columns outside the sheet.
bool TakeLayoutRecord(const RecordStream& stream, const Record& record,
                      document::SheetLayoutSource& layout);

}  // namespace k27093::xls
