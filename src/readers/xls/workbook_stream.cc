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
// BOUNDSHEET's type of a VB module (a workbook of Excel 5.0 kept in the 97 format), whose code
// lives outside the workbook stream.
constexpr std::uint8_t kVbModuleType = 6;

// The record where the substream of the sheet `entry` starts (SubstreamTypeOf checks that it
// is a BOF); the fault of an offset outside the stream names the sheet.
std::optional<Record> SheetStart(RecordStream& records, const SheetEntry& entry,
                                 const std::string& context) {
  try {
    records.Seek(entry.streamOffset);
    return records.Next();
  } catch (const document::ReadFault& fault) {
    document::FailDamaged(context + " starts at offset " + std::to_string(entry.streamOffset) +
                          ": " + fault.reason());
  }
}

void ReadSheet(RecordStream& records, const WorkbookGlobals& globals, const SheetEntry& entry,
               document::SheetData& sheet) {
  const std::string context = "the sheet " + document::Quoted(entry.name);
  const std::optional<Record> bof = SheetStart(records, entry, context);
  switch (SubstreamTypeOf(records, bof, context)) {
    case substream_types::kWorksheet:
    case substream_types::kMacroSheet:
      sheet.kind = document::SheetData::Kind::Worksheet;
      return ReadWorksheetSubstream(records, globals, sheet);
    case substream_types::kChart:
      return ReadChartSheetSubstream(records, *bof, globals, sheet);
    default:
      document::FailDamaged(
          records.Describe(*bof, "opens " + context + " with a substream that is no sheet"));
  }
}

}  // namespace

document::WorkbookData ReadWorkbookStream(std::string_view stream) {
  RecordStream records(stream, std::string(kStreamName));
  const WorkbookGlobals globals = ReadWorkbookGlobals(records);
  document::WorkbookData workbook;
  for (std::size_t i = 0; i < globals.sheets.size(); ++i) {
    const SheetEntry& entry = globals.sheets[i];
    // A VB module is no sheet of the workbook's Sheets: the tabs after it move up.
    if (entry.type == kVbModuleType) continue;
    if (i == globals.activeSheet) workbook.activeSheet = workbook.sheets.size();
    document::SheetData sheet;
    sheet.name = entry.name;
    sheet.kind = entry.kind;
    ReadSheet(records, globals, entry, sheet);
    workbook.sheets.push_back(std::move(sheet));
  }
  return workbook;
}

}  // namespace k27093::xls
