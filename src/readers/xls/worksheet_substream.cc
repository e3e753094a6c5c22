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

class WorksheetReader {
 public:
  WorksheetReader(RecordStream& stream, const WorkbookGlobals& globals, document::SheetData& sheet)
      : stream_(stream),
        globals_(globals),
        sheet_(sheet),
        context_("the sheet '" + sheet.name + "'"),
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
      if (!content_.Take(*record)) collector_.Take(stream_, *record);
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
    ChartSubstream chart = ReadChartSubstream(stream_, bof, globals_);
    sheet_.charts.push_back(std::move(chart.chart));
    chartAreas_.push_back(chart.area);
    if (chartObject_) chartOfObject_[*chartObject_] = sheet_.charts.size() - 1;
    chartObject_.reset();
  }

  void Finish() {
    content_.Finish();
    const document::SheetLayout layout(content_.layout());
    AnchorPlacement placement;
    placement.sheet = &layout;
    std::map<std::uint16_t, std::string> noteTexts;
    for (DrawnObject& drawn : collector_.Objects(placement)) {
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
  chartSheet.chart = ReadChartSubstream(stream, bof, globals).chart;
  chartSheet.pageSetup = chartSheet.chart->pageSetup;
}

}  // namespace k27093::xls
