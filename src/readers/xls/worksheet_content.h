// What a worksheet substream states apart from its drawing: its cells, column widths and row
// heights, selection, protection, and the NOTE records of its comments (whose text is in the
// drawing, in the note's text object).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/sheet_layout.h"
#include "document/workbook_data.h"
#include "readers/xls/worksheet_cells.h"
#include "readers/xls/worksheet_selection.h"

namespace k27093::xls {

struct Record;
class RecordStream;
struct WorkbookGlobals;

// A NOTE record: a comment's cell (1-based), its author, and the id of the object (OBJ) of
// the drawing that holds its text.
struct NoteEntry {
  std::int32_t row = 0;
  std::int32_t column = 0;
  std::uint16_t objectId = 0;
  std::string author;
};

class WorksheetContent {
 public:
  // Fills `sheet`'s cells and protection as records come, its selection on Finish. The stream,
  // globals and sheet must outlive the reader.
  WorksheetContent(const RecordStream& stream, const WorkbookGlobals& globals,
                   document::SheetData& sheet);

  // Takes `record` when it is one of the records above; false for any other record. Raises
  // document::ReadFault Damaged for a record of these kinds that cannot be read
  // (worksheet_cells.h, worksheet_layout.h, worksheet_selection.h).
  bool Take(const Record& record);

  // Sets the sheet's selection; call after the substream's last record.
  void Finish();

  const document::SheetLayoutSource& layout() const { return layout_; }
  const std::vector<NoteEntry>& notes() const { return notes_; }

 private:
  void TakeNote(const Record& record);

  const RecordStream& stream_;
  document::SheetData& sheet_;
  CellRecords cells_;
  SelectionRecords selection_;
  document::SheetLayoutSource layout_;
  std::vector<NoteEntry> notes_;
};

}  // namespace k27093::xls
