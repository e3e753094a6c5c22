// The chart reader proper: the records of a chart substream, from the one after its BOF to its
// EOF, into ChartData with the meaning the .xlsx reader gives it. The chart's own drawing
// (MSODRAWING, OBJ, TXO) goes to a ChartDrawing, which the reader asks for the shapes once it
// knows the chart area's size; ReadChartSubstream (chart_substream.h) gives it the drawing
// collector.
#pragma once

#include <cstddef>
#include <vector>

#include "document/workbook_data.h"

namespace k27093::xls {

struct Record;
class RecordStream;
struct WorkbookGlobals;

// Most series one chart may hold, and most points one series may cache (the spreadsheet's own
// limits).
inline constexpr std::size_t kMaxChartSeries = 255;
inline constexpr std::size_t kMaxChartPoints = 32000;

class ChartDrawing {
 public:
  virtual ~ChartDrawing() = default;
  // Takes `record` when it belongs to the drawing; false for any other record.
  virtual bool Take(const RecordStream& stream, const Record& record) = 0;
  // The shapes drawn, back-most first, placed in a chart area `width` x `height` points large.
  virtual std::vector<document::DrawingObjectData> Shapes(double width, double height) const = 0;
};

// Reads the chart substream whose BOF `bof` the stream has just given, up to and with its EOF,
// leaving the stream after it; `drawing` (nullptr: none) takes the chart's own drawing.
// Records the reader does not know are skipped, and so are substreams nested in it. Raises
// document::ReadFault Damaged for records too short for their content, an END without BEGIN,
// nesting deeper than a chart has, a substream without EOF, formulas that cannot be read, a
// series drawn by a chart group the chart does not have, and more series or cached points than
// a chart holds.
document::ChartData ReadChartRecords(RecordStream& stream, const Record& bof,
                                     const WorkbookGlobals& globals, ChartDrawing* drawing);

}  // namespace k27093::xls
