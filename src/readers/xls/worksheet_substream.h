// The substream of one sheet of a BIFF8 workbook, from the record after its BOF to its EOF:
// a worksheet's (or macro sheet's) cells, layout, selection, protection, drawing with its
// embedded charts, and comments; or a chart sheet's chart.
//
// What only decorates a sheet may be lost without losing the workbook, as the spreadsheet
// opens a workbook with a broken picture: a chart whose records cannot be read (a fault
// Damaged while reading them, in records that are framed and end with the chart's EOF) is
// skipped to that EOF, and its chart object, or its chart sheet, shows no chart; a drawing
// one of whose pieces cannot be read leaves the sheet without drawn objects, and its comments
// (whose text lies in the drawing's note objects) without text. Everything else is the
// sheet's own and its damage is the workbook's: the record framing, the BOF and EOF of each
// substream (nested ones counted), the cells, layout, selection, protection and NOTE records.
#pragma once

#include "document/workbook_data.h"

namespace k27093::xls {

struct Record;
class RecordStream;
struct WorkbookGlobals;

// Reads the worksheet or macro sheet substream whose BOF the stream has just given into
// `sheet` (named already), leaving the stream after its EOF. Drawn objects are placed through
// the sheet's column widths and row heights; each embedded chart (the chart substream after
// its chart object's OBJ record) is appended to `sheet.charts` and linked from its object
// (a chart that cannot be read is not: its object's chart stays nullopt); the notes' text
// objects become `sheet.comments`, not drawn objects (a drawing that cannot be read gives no
// drawn objects and comments with empty text). Raises document::ReadFault Damaged for a
// substream without EOF, a nested substream that is no chart or has no EOF, records that
// cannot be framed (record_stream.h), and the faults of the sheet's own records
// (worksheet_content.h); Refused as a chart's BOF raises it (substream_bof.h).
void ReadWorksheetSubstream(RecordStream& stream, const WorkbookGlobals& globals,
                            document::SheetData& sheet);

// Reads the chart substream of a chart sheet, whose BOF `bof` the stream has just given, into
// `sheet`: kind Chart, its chart and the chart's page setup; a chart whose records cannot be
// read is skipped to its EOF and leaves `sheet.chartSheet->chart` nullopt (a chart sheet
// showing no chart). Raises document::ReadFault Damaged for records that cannot be framed
// and a chart without EOF.
void ReadChartSheetSubstream(RecordStream& stream, const Record& bof,
                             const WorkbookGlobals& globals, document::SheetData& sheet);

}  // namespace k27093::xls
