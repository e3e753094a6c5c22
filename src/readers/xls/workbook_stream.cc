#include "readers/xls/workbook_stream.h"

#include <string>

#include "document/read_fault.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/substream_bof.h"
#include "readers/xls/workbook_globals.h"
#include "readers/xls/worksheet_substream.h"

namespace k27093::xls {
namespace {

constexpr std::string_view kStreamName = "Workbook";
// BOUNDSHEET's type of a VB module, whose code lives outside the workbook stream.
constexpr std::uint8_t kVbModuleType = 6;

// The BOF record where the substream of the sheet `entry` starts.
Record SheetBof(RecordStream& records, std::size_t streamSize, const SheetEntry& entry,
                const std::string& context) {
  const std::string where = context + " starts at offset " + std::to_string(entry.streamOffset);
  if (entry.streamOffset >= streamSize) {
    document::FailDamaged(where + ", past the end of the stream '" + records.name() + "'");
  }
  std::optional<Record> bof;
  try {
    records.Seek(entry.streamOffset);
    bof = records.Next();
  } catch (const document::ReadFault& fault) {
    document::FailDamaged(where + ": " + fault.reason());
  }
  if (!bof || bof->type != record_types::kBof) {
    document::FailDamaged(where + ", where the stream '" + records.name() +
                          "' holds no BOF record");
  }
  return *bof;
}

void ReadSheet(RecordStream& records, std::size_t streamSize, const WorkbookGlobals& globals,
               const SheetEntry& entry, document::SheetData& sheet) {
  const std::string context = "the sheet '" + entry.name + "'";
  const Record bof = SheetBof(records, streamSize, entry, context);
  switch (SubstreamTypeOf(records, bof, context)) {
    case substream_types::kWorksheet:
    case substream_types::kMacroSheet:
      sheet.kind = document::SheetData::Kind::Worksheet;
      return ReadWorksheetSubstream(records, globals, sheet);
    case substream_types::kChart:
      return ReadChartSheetSubstream(records, bof, globals, sheet);
    default:
      document::FailDamaged(
          records.Describe(bof, "opens " + context + " with a substream that is no sheet"));
  }
}

}  // namespace

document::WorkbookData ReadWorkbookStream(std::string_view stream) {
  RecordStream records(stream, std::string(kStreamName));
  const WorkbookGlobals globals = ReadWorkbookGlobals(records);
  document::WorkbookData workbook;
  workbook.activeSheet = globals.activeSheet;
  for (const SheetEntry& entry : globals.sheets) {
    document::SheetData sheet;
    sheet.name = entry.name;
    sheet.kind = entry.kind;
    if (entry.type != kVbModuleType) ReadSheet(records, stream.size(), globals, entry, sheet);
    workbook.sheets.push_back(std::move(sheet));
  }
  return workbook;
}

}  // namespace k27093::xls
