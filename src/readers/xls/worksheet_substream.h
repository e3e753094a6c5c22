// The substream of one sheet of a BIFF8 workbook, from the record after its BOF to its EOF:
// a worksheet's (or macro sheet's) cells, layout, selection, protection, drawing with its
// embedded charts, and comments; or a chart sheet's chart.
#pragma once

#include "document/workbook_data.h"

namespace k27093::xls {

struct Record;
class RecordStream;
struct WorkbookGlobals;

// Reads the worksheet or macro sheet substream whose BOF the stream has just given into
// `sheet` (named already), leaving the stream after its EOF. Drawn objects are placed through
// the sheet's column widths and row heights; each embedded chart (the chart substream after
// its chart object's OBJ record) is appended to `sheet.charts` and linked from its object;
// the notes' text objects become `sheet.comments`, not drawn objects. Raises
// document::ReadFault Damaged for a substream without EOF, a nested substream that is no
// chart, and the faults of the records it reads (worksheet_content.h, drawing_collector.h,
// chart_substream.h).
void ReadWorksheetSubstream(RecordStream& stream, const WorkbookGlobals& globals,
                            document::SheetData& sheet);

// Reads the chart substream of a chart sheet, whose BOF `bof` the stream has just given, into
// `sheet`: kind Chart, its chart and the chart's page setup.
void ReadChartSheetSubstream(RecordStream& stream, const Record& bof,
                             const WorkbookGlobals& globals, document::SheetData& sheet);

}  // namespace k27093::xls
