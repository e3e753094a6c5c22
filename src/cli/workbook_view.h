// WorkbookView: what the spreadsheet's object model shows of an open workbook, read through
// the object model only (sheets, cell values, comments, charts with their series, title,
// legend and axes, shapes).
// The inspect command prints it; reading never changes the workbook.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "api/variant.h"
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

// A primary axis that the chart has.
struct AxisView {
  std::int32_t type = 0;  // XlAxisType: 1 category, 2 value, 3 series
  bool hasTitle = false;
  bool majorGridlines = false;
};

struct ChartView {
  std::string name;            // the chart object's name; the sheet's name for a chart sheet
  std::int32_t chartType = 0;  // XlChartType
  std::vector<std::string> seriesFormulas;     // "=SERIES(...)", in plot order
  std::optional<std::string> title;            // the title's text; nullopt without a title
  std::optional<std::int32_t> legendPosition;  // XlLegendPosition; nullopt without a legend
  std::vector<AxisView> axes;                  // category, value, series axis, those it has
};

struct ShapeView {
  std::string name;
  std::int32_t type = 0;  // MsoShapeType
};

struct SheetView {
  enum class Kind { kWorksheet, kChart };
  std::string name;
  Kind kind = Kind::kWorksheet;
  std::vector<CellView> cells;        // by rows, then columns
  std::vector<CommentView> comments;  // by rows, then columns
  std::vector<ChartView> charts;      // embedded charts; the sheet's own chart for a chart sheet
  std::vector<ShapeView> shapes;      // drawn objects in z-order (worksheets)
};

struct WorkbookView {
  std::string name;
  std::vector<SheetView> sheets;  // tab order
  std::string activeSheet;        // the active sheet's name
};

// Reads the workbook through the object model. The object model's errors pass through.
WorkbookView ReadWorkbookView(xl::Workbook& workbook);

// "A1"-style address of a 1-based row and column (columns up to "ZZZ").
std::string CellAddress(std::int32_t row, std::int32_t column);

}  // namespace k27093::client
