#include "cli/workbook_view.h"

#include "spreadsheet/object_model.h"

namespace k27093::client {

namespace {

ChartView ReadChart(std::string name, xl::Chart& chart) {
  ChartView view;
  view.name = std::move(name);
  view.chartType = chart.ChartType();
  Ref<xl::SeriesCollection> series = chart.SeriesCollection();
  for (std::int32_t i = 1; i <= series->Count(); ++i) {
    view.seriesFormulas.push_back(series->Item(Variant(i))->Formula());
  }
  if (chart.HasTitle()) view.title = chart.ChartTitle()->Text();
  if (chart.HasLegend()) view.legendPosition = chart.Legend()->Position();
  constexpr std::int32_t kPrimary = 1;
  for (std::int32_t type = 1; type <= 3; ++type) {
    if (!chart.HasAxis(type, kPrimary)) continue;
    Ref<xl::Axis> axis = chart.Axes(type, kPrimary);
    view.axes.push_back({type, axis->HasTitle(), axis->HasMajorGridlines()});
  }
  return view;
}

void ReadCells(xl::Worksheet& sheet, SheetView& view) {
  for (std::int32_t row = 1; row <= kScannedRows; ++row) {
    for (std::int32_t column = 1; column <= kScannedColumns; ++column) {
      std::string address = CellAddress(row, column);
      Ref<xl::Range> cell = sheet.Range(address);
      Variant value = cell->Value();
      if (!value.IsEmpty()) view.cells.push_back({address, std::move(value)});
      std::string note = cell->NoteText();
      if (!note.empty()) view.comments.push_back({address, std::move(note)});
    }
  }
}

void ReadDrawing(xl::Worksheet& sheet, SheetView& view) {
  Ref<xl::ChartObjects> charts = sheet.ChartObjects();
  for (std::int32_t i = 1; i <= charts->Count(); ++i) {
    Ref<xl::ChartObject> chartObject = charts->Item(Variant(i));
    view.charts.push_back(ReadChart(chartObject->Name(), *chartObject->Chart()));
  }
  Ref<xl::Shapes> shapes = sheet.Shapes();
  for (std::int32_t i = 1; i <= shapes->Count(); ++i) {
    Ref<xl::Shape> shape = shapes->Item(Variant(i));
    view.shapes.push_back({shape->Name(), shape->Type()});
  }
}

SheetView ReadSheet(const Ref<xl::Sheet>& sheet) {
  SheetView view;
  view.name = sheet->Name();
  if (auto chart = std::dynamic_pointer_cast<xl::Chart>(sheet.shared())) {
    view.kind = SheetView::Kind::kChart;
    view.charts.push_back(ReadChart(view.name, *chart));
    return view;
  }
  auto worksheet = std::dynamic_pointer_cast<xl::Worksheet>(sheet.shared());
  if (!worksheet) Raise(errors::kTypeMismatch);
  ReadCells(*worksheet, view);
  ReadDrawing(*worksheet, view);
  return view;
}

}  // namespace

std::string CellAddress(std::int32_t row, std::int32_t column) {
  std::string letters;
  for (std::int32_t rest = column; rest > 0; rest = (rest - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
  }
  return letters + std::to_string(row);
}

WorkbookView ReadWorkbookView(xl::Workbook& workbook) {
  WorkbookView view;
  view.name = workbook.Name();
  Ref<xl::Sheets> sheets = workbook.Sheets();
  for (std::int32_t i = 1; i <= sheets->Count(); ++i) {
    view.sheets.push_back(ReadSheet(sheets->Item(Variant(i))));
  }
  view.activeSheet = workbook.ActiveSheet()->Name();
  return view;
}

}  // namespace k27093::client
