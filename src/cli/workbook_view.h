// WorkbookView: what the spreadsheet's object model shows of an open workbook, read through
// the object model only, as the exercise checks read it: sheets with their cell values,
// comments, protection, charts (chart_view.h), drawn objects, text boxes and check boxes
// (drawing_view.h), the active sheet and the application's selection.
// The inspect command prints it; reading never changes the workbook.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "api/variant.h"
#include "cli/chart_view.h"
#include "cli/drawing_view.h"
#include "cli/reading.h"
#include "spreadsheet/application.h"
#include "spreadsheet/workbook.h"

namespace k27093::client {

// Cells are looked for in A1:Z100 of each worksheet (the object model has no used-range
// member yet); the exercise workbooks keep everything there.
inline constexpr std::int32_t kScannedRows = 100;
inline constexpr std::int32_t kScannedColumns = 26;

struct CellView {
  std::string address;  // "E4"
  Variant value;        // a number, text or Boolean; never Empty
};

struct CommentView {
  std::string address;  // "G9"
  std::string text;     // the whole text, as NoteText gives it
};

struct SheetView {
  enum class Kind { kWorksheet, kChart };
  std::string name;
  Kind kind = Kind::kWorksheet;
  Reading<bool> protectContents;
  std::vector<CellView> cells;        // by rows, then columns (worksheets)
  std::vector<CommentView> comments;  // by rows, then columns (worksheets)
  // Embedded charts in ChartObjects order; the sheet's own chart for a chart sheet.
  Reading<std::vector<ChartView>> charts;
  // Drawn objects of a worksheet in z-order, its text boxes and check boxes; empty for a
  // chart sheet, whose drawn objects are its chart's.
  Reading<std::vector<ShapeView>> shapes;
  Reading<std::vector<TextBoxView>> textBoxes;
  Reading<std::vector<CheckBoxView>> checkBoxes;
};

// The application's Selection: its class name and, for a range, its address; for another
// object, its Name.
struct SelectionView {
  std::string typeName;                  // "Range", "Series", "ChartArea" ...
  std::optional<std::string> address;    // "$A$1" for a range; nullopt otherwise
  std::optional<Reading<Variant>> name;  // Name of what is not a range; nullopt for a range
};

struct WorkbookView {
  std::string name;
  std::vector<SheetView> sheets;  // tab order
  std::string activeSheet;        // the active sheet's name
  // nullopt when nothing is selected (Selection is Nothing).
  Reading<std::optional<SelectionView>> selection;
};

// Reads the workbook through the object model, and the selection of `application`. The
// errors of the workbook's sheets collection and of its cells pass through; every other read
// that raises is kept as a Reading's error.
WorkbookView ReadWorkbookView(xl::Application& application, xl::Workbook& workbook);

// "A1"-style address of a 1-based row and column (columns up to "ZZZ").
std::string CellAddress(std::int32_t row, std::int32_t column);

}  // namespace k27093::client
