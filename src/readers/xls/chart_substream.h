// A chart substream of a BIFF8 workbook: an embedded chart (after its chart object's OBJ
// record in a worksheet substream) or a chart sheet, from its BOF to its EOF.
#pragma once

#include "document/workbook_data.h"

namespace k27093::xls {

struct Record;
class RecordStream;
struct WorkbookGlobals;

// The size of a chart area, in points.
struct ChartAreaSize {
  double width = 0;
  double height = 0;
};

struct ChartSubstream {
  document::ChartData chart;
  // The chart area as the CHART record sizes it, where the chart's own shapes are placed. An
  // embedded chart's area is its chart object, which a writer may size otherwise (laid out on
  // columns of its own): FitChartShapes moves the shapes there.
  ChartAreaSize area;
};

// Reads the chart substream whose BOF record `bof` the stream has just given, up to and with
// its EOF; the stream is left after the EOF. The chart's page setup holds SETUP's settings and
// PRINTSIZE's ChartSize. Raises document::ReadFault Damaged for records of the wrong length, a
// substream without EOF, references that cannot be read.
ChartSubstream ReadChartSubstream(RecordStream& stream, const Record& bof,
                                  const WorkbookGlobals& globals);

// Places the chart's own shapes, placed in an area of size `from`, in one of size `to`: each
// edge at the same fraction of the area. An empty `from` leaves them where they are.
void FitChartShapes(document::ChartData& chart, ChartAreaSize from, ChartAreaSize to);

}  // namespace k27093::xls
