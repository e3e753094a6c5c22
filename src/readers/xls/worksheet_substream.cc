#include "readers/xls/worksheet_substream.h"

#include <map>
#include <optional>

#include "document/read_fault.h"
#include "document/sheet_layout.h"
#include "readers/xls/byte_reader.h"
#include "readers/xls/chart_substream.h"
#include "readers/xls/drawing_collector.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/substream_bof.h"
#include "readers/xls/workbook_globals.h"
#include "readers/xls/worksheet_content.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kObjRecord = 0x005D;
// The common data (ftCmo) that opens an OBJ record: its kind of object and id.
constexpr std::uint16_t kCommonObjectData = 0x0015;
constexpr std::uint16_t kChartObject = 5;
constexpr std::uint16_t kNoteObject = 25;

// The object id of the OBJ record `record` when it draws a chart; nullopt otherwise.
std::optional<std::uint16_t> ChartObjectId(const Record& record) {
  if (record.type != kObjRecord || record.data.size() < 8) return std::nullopt;
  if (LittleEndian16(record.data) != kCommonObjectData) return std::nullopt;
  if (LittleEndian16(record.data.substr(4)) != kChartObject) return std::nullopt;
  return LittleEndian16(record.data.substr(6));
}

// Skips the records of the chart substream opened by `bof`, from `afterBof` (the offset of the
// record after its BOF) to its EOF, nested substreams with it; the stream is left after the EOF.
// Raises document::ReadFault Damaged when the records cannot be framed or the EOF is missing.
void SkipChart(RecordStream& stream, const Record& bof, std::size_t afterBof) {
  if (afterBof < stream.size()) {
    stream.Seek(afterBof);
    if (stream.SkipToSubstreamEnd()) return;
  }
  document::FailDamaged(stream.Describe(bof, "begins a chart that has no EOF"));
}

// The chart substream whose BOF `bof` the stream has just given; nullopt when its records
// cannot be read (a fault Damaged while reading them) but the substream can be skipped to its
// EOF. Faults of the stream's framing and of a missing EOF are raised, as are those of other
// kinds (Refused).
std::optional<ChartSubstream> ReadChartUnlessDamaged(RecordStream& stream, const Record& bof,
                                                     const WorkbookGlobals& globals) {
  const std::size_t afterBof = stream.offset();
  try {
    return ReadChartSubstream(stream, bof, globals);
  } catch (const document::ReadFault& fault) {
    if (fault.kind() != document::ReadFault::Kind::Damaged) throw;
  }
  SkipChart(stream, bof, afterBof);
  return std::nullopt;
}

class WorksheetReader {
 public:
  WorksheetReader(RecordStream& stream, const WorkbookGlobals& globals, document::SheetData& sheet)
      : stream_(stream),
        globals_(globals),
        sheet_(sheet),
        context_("the sheet " + document::Quoted(sheet.name)),
        content_(stream, globals, sheet),
        collector_(globals, context_) {}

  void Read() {
    while (const std::optional<Record> record = stream_.Next()) {
      if (record->type == record_types::kEof) return Finish();
      if (record->type == record_types::kBof) {
        TakeEmbeddedChart(*record);
        continue;
      }
      if (const std::optional<std::uint16_t> id = ChartObjectId(*record)) chartObject_ = id;
      if (!content_.Take(*record)) TakeDrawingRecord(*record);
    }
    document::FailDamaged(context_ + " of the stream '" + stream_.name() +
                          "' ends without an EOF record");
  }

 private:
  // The chart substream that follows a chart object's OBJ record.
  void TakeEmbeddedChart(const Record& bof) {
    if (SubstreamTypeOf(stream_, bof, "a chart of " + context_) != substream_types::kChart) {
      document::FailDamaged(
          stream_.Describe(bof, "opens a substream inside " + context_ + " that is no chart"));
    }
    std::optional<ChartSubstream> chart = ReadChartUnlessDamaged(stream_, bof, globals_);
    // A chart that cannot be read leaves its chart object without chart data.
    if (chart) {
      sheet_.charts.push_back(std::move(chart->chart));
      chartAreas_.push_back(chart->area);
      if (chartObject_) chartOfObject_[*chartObject_] = sheet_.charts.size() - 1;
    }
    chartObject_.reset();
  }

  // A record of the drawing; once a piece of it cannot be read, the sheet has no drawing.
  void TakeDrawingRecord(const Record& record) {
    if (drawingDamaged_) return;
    try {
      collector_.Take(stream_, record);
    } catch (const document::ReadFault& fault) {
      if (fault.kind() != document::ReadFault::Kind::Damaged) throw;
      drawingDamaged_ = true;
    }
  }

  // The drawn objects, none when the drawing cannot be read.
  std::vector<DrawnObject> DrawnObjects(const AnchorPlacement& placement) const {
    if (drawingDamaged_) return {};
    try {
      return collector_.Objects(placement);
    } catch (const document::ReadFault& fault) {
      if (fault.kind() != document::ReadFault::Kind::Damaged) throw;
      return {};
    }
  }

  void Finish() {
    content_.Finish();
    const document::SheetLayout layout(content_.layout());
    AnchorPlacement placement;
    placement.sheet = &layout;
    std::map<std::uint16_t, std::string> noteTexts;
    for (DrawnObject& drawn : DrawnObjects(placement)) {
      if (drawn.objectType == kNoteObject) {
        if (drawn.object.text) noteTexts[drawn.objectId] = drawn.object.text->text;
        continue;
      }
      if (const auto chart = chartOfObject_.find(drawn.objectId); chart != chartOfObject_.end()) {
        drawn.object.chart = chart->second;
        // The chart's area is its chart object.
        const document::GeometryData& frame = drawn.object.geometry;
        FitChartShapes(sheet_.charts[chart->second], chartAreas_[chart->second],
                       ChartAreaSize{frame.width, frame.height});
      }
      sheet_.drawing.push_back(std::move(drawn.object));
    }
    for (const NoteEntry& note : content_.notes()) {
      const auto text = noteTexts.find(note.objectId);
      sheet_.comments.push_back({note.row, note.column, note.author,
                                 text != noteTexts.end() ? text->second : std::string()});
    }
  }

  RecordStream& stream_;
  const WorkbookGlobals& globals_;
  document::SheetData& sheet_;
  std::string context_;
  WorksheetContent content_;
  DrawingCollector collector_;
  bool drawingDamaged_ = false;               // a piece of the drawing could not be read
  std::optional<std::uint16_t> chartObject_;  // the last chart object not yet given its chart
  std::map<std::uint16_t, std::size_t> chartOfObject_;  // object id -> index into sheet.charts
  std::vector<ChartAreaSize> chartAreas_;  // by index into sheet.charts: where its shapes lie
};

}  // namespace

void ReadWorksheetSubstream(RecordStream& stream, const WorkbookGlobals& globals,
                            document::SheetData& sheet) {
  WorksheetReader(stream, globals, sheet).Read();
}

void ReadChartSheetSubstream(RecordStream& stream, const Record& bof,
                             const WorkbookGlobals& globals, document::SheetData& sheet) {
  sheet.kind = document::SheetData::Kind::Chart;
  document::ChartSheetData& chartSheet = sheet.chartSheet.emplace();
  // A chart that cannot be read leaves the chart sheet showing no chart.
  if (std::optional<ChartSubstream> chart = ReadChartUnlessDamaged(stream, bof, globals)) {
    chartSheet.chart = std::move(chart->chart);
    chartSheet.pageSetup = chartSheet.chart->pageSetup;
  }
}

}  // namespace k27093::xls
