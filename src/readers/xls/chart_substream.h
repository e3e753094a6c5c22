// A chart substream of a BIFF8 workbook: an embedded chart (after its chart object's OBJ
// record in a worksheet substream) or a chart sheet, from its BOF to its EOF.
#pragma once

#include "document/workbook_data.h"

namespace k27093::xls {

struct Record;
class RecordStream;
struct WorkbookGlobals;

// Reads the chart substream whose BOF record `bof` the stream has just given, up to and with
// its EOF; the stream is left after the EOF. The chart's page setup holds SETUP's settings and
// PRINTSIZE's ChartSize; its own shapes are placed in the chart area that the CHART record
// sizes. Raises document::ReadFault Damaged for records of
// the wrong length, a substream without EOF, references that cannot be read.
document::ChartData ReadChartSubstream(RecordStream& stream, const Record& bof,
                                       const WorkbookGlobals& globals);

}  // namespace k27093::xls
