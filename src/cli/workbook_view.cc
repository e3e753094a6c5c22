#include "cli/workbook_view.h"

#include "spreadsheet/object_model.h"

namespace k27093::client {

namespace {

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

std::vector<ChartView> ReadChartObjects(xl::ChartObjects& charts) {
  std::vector<ChartView> views;
  for (std::int32_t i = 1, count = charts.Count(); i <= count; ++i) {
    Ref<xl::ChartObject> chartObject = charts.Item(Variant(i));
    views.push_back(ReadChart(chartObject->Name(), ReadPlace(*chartObject), *chartObject->Chart()));
  }
  return views;
}

void ReadDrawing(xl::Worksheet& sheet, SheetView& view) {
  view.charts = ReadingOf([&] { return ReadChartObjects(*sheet.ChartObjects()); });
  view.textBoxes = ReadingOf([&] { return ReadTextBoxes(*sheet.TextBoxes()); });
  const std::vector<TextBoxView> noBoxes;
  view.shapes = ReadingOf([&] {
    return ReadShapes(*sheet.Shapes(), view.textBoxes.ok() ? view.textBoxes.value() : noBoxes);
  });
  view.checkBoxes = ReadingOf([&] { return ReadCheckBoxes(*sheet.CheckBoxes()); });
}

SheetView ReadSheet(const Ref<xl::Sheet>& sheet) {
  SheetView view;
  view.name = sheet->Name();
  view.protectContents = ReadingOf([&] { return sheet->ProtectContents(); });
  if (auto chart = std::dynamic_pointer_cast<xl::Chart>(sheet.shared())) {
    view.kind = SheetView::Kind::kChart;
    view.charts = ReadingOf(
        [&] { return std::vector<ChartView>{ReadChart(view.name, std::nullopt, *chart)}; });
    view.shapes = std::vector<ShapeView>{};
    view.textBoxes = std::vector<TextBoxView>{};
    view.checkBoxes = std::vector<CheckBoxView>{};
    return view;
  }
  auto worksheet = std::dynamic_pointer_cast<xl::Worksheet>(sheet.shared());
  if (!worksheet) Raise(errors::kTypeMismatch);
  ReadCells(*worksheet, view);
  ReadDrawing(*worksheet, view);
  return view;
}

std::optional<SelectionView> ReadSelection(xl::Application& application) {
  Variant selection = application.Selection();
  if (!selection.IsObject() || !selection.AsObject()) return std::nullopt;
  SelectionView view;
  view.typeName = std::string(selection.AsObject()->TypeName());
  if (auto range = std::dynamic_pointer_cast<xl::Range>(selection.AsObject())) {
    view.address = range->Address();
  } else {
    view.name = ReadingOf([&] { return GetProperty(selection, "Name"); });
  }
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

WorkbookView ReadWorkbookView(xl::Application& application, xl::Workbook& workbook) {
  WorkbookView view;
  view.name = workbook.Name();
  Ref<xl::Sheets> sheets = workbook.Sheets();
  for (std::int32_t i = 1; i <= sheets->Count(); ++i) {
    view.sheets.push_back(ReadSheet(sheets->Item(Variant(i))));
  }
  view.activeSheet = workbook.ActiveSheet()->Name();
  view.selection = ReadingOf([&] { return ReadSelection(application); });
  return view;
}

}  // namespace k27093::client
