#include "readers/xls/worksheet_content.h"

#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"
#include "readers/xls/worksheet_layout.h"

namespace k27093::xls {
namespace {

namespace types {
constexpr std::uint16_t kProtect = 0x0012;
constexpr std::uint16_t kPassword = 0x0013;
constexpr std::uint16_t kNote = 0x001C;
}  // namespace types

}  // namespace

WorksheetContent::WorksheetContent(const RecordStream& stream, const WorkbookGlobals& globals,
                                   document::SheetData& sheet)
    : stream_(stream),
      sheet_(sheet),
      cells_(stream, globals.sharedStrings, sheet.cells),
      selection_(stream) {}

bool WorksheetContent::Take(const Record& record) {
  switch (record.type) {
    case types::kProtect: {
      ByteReader reader(stream_, record);
      sheet_.protection.on = reader.U16() != 0;
      return true;
    }
    case types::kPassword: {
      ByteReader reader(stream_, record);
      // The legacy 16-bit hash of the password; 0 when the protection has none.
      const std::uint16_t hash = reader.U16();
      if (hash != 0) sheet_.protection.password.legacy = hash;
      return true;
    }
    case types::kNote:
      TakeNote(record);
      return true;
    default:
      return cells_.Take(record) || TakeLayoutRecord(stream_, record, layout_) ||
             selection_.Take(record);
  }
}

void WorksheetContent::TakeNote(const Record& record) {
  ByteReader reader(stream_, record);
  NoteEntry note;
  note.row = reader.U16() + 1;
  note.column = reader.U16() + 1;
  reader.U16();  // grbit: whether the comment is shown
  note.objectId = reader.U16();
  note.author = reader.UnicodeString();
  notes_.push_back(std::move(note));
}

void WorksheetContent::Finish() { sheet_.selection = selection_.SelectedCells(); }

}  // namespace k27093::xls
