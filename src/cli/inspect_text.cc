// The text face of the inspect command (inspect_output.cc writes the JSON).
#include <string>

#include "cli/inspect_output.h"

namespace k27093::client {

namespace {

// A value as the text shows it: as the platform prints it; Null as "Null"; an array as its
// elements in parentheses.
std::string ValueText(const Variant& value) {
  if (value.IsNull()) return "Null";
  if (!value.IsArray()) return ToText(value);
  std::string text = "(";
  for (const Variant& item : value.AsArray().items) {
    text += (text.size() > 1 ? ", " : "") + ValueText(item);
  }
  return text + ")";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string TextOf(const Variant& value) { return ValueText(value); }
std::string TextOf(const std::string& text) { return Quoted(text); }
std::string TextOf(bool value) { return ToText(Variant(value)); }
std::string TextOf(std::int32_t value) { return std::to_string(value); }
std::string TextOf(double value) { return ToText(Variant(value)); }

template <class T>
std::string Shown(const Reading<T>& reading) {
  return reading.ok() ? TextOf(reading.value()) : "error " + std::to_string(reading.error());
}

std::string PlaceText(const PlaceView& place) {
  return "left " + Shown(place.left) + ", top " + Shown(place.top) + ", width " +
         Shown(place.width) + ", height " + Shown(place.height);
}

std::string FontText(const FontView& font) {
  return "font " + Shown(font.name) + " " + Shown(font.size);
}

// "  label (count):" then one line per item, or "  label: error N" when the list could not
// be read.
template <class T, class PrintItem>
void PrintList(std::ostream& out, const std::string& indent, const char* label,
               const Reading<std::vector<T>>& items, PrintItem printItem) {
  if (!items.ok()) {
    out << indent << label << ": error " << items.error() << '\n';
    return;
  }
  out << indent << label << " (" << items.value().size() << "):\n";
  for (const T& item : items.value()) printItem(out, indent + "  ", item);
}

void PrintTextBox(std::ostream& out, const std::string& indent, const TextBoxView& box) {
  out << indent << Shown(box.name) << " " << Shown(box.text) << ": " << PlaceText(box.place)
      << '\n';
}

void PrintShape(std::ostream& out, const std::string& indent, const ShapeView& shape) {
  out << indent << Quoted(shape.name) << " type " << shape.type << ", auto shape "
      << Shown(shape.autoShapeType) << ": " << PlaceText(shape.place) << "; z-order "
      << Shown(shape.zOrderPosition) << ", fill " << Shown(shape.fillColor) << ", line "
      << Shown(shape.lineColor) << (shape.text ? ", text " + Quoted(*shape.text) : "") << '\n';
}

void PrintCheckBox(std::ostream& out, const std::string& indent, const CheckBoxView& box) {
  out << indent << Shown(box.name) << " value " << Shown(box.value) << ": " << PlaceText(box.place)
      << '\n';
}

void PrintSeries(std::ostream& out, const std::string& indent, const SeriesView& series) {
  out << indent << (series.formula.ok() ? series.formula.value() : Shown(series.formula)) << '\n'
      << indent << "  name " << Shown(series.name) << ", type " << Shown(series.type)
      << ", chart type " << Shown(series.chartType) << ", interior colour "
      << Shown(series.interiorColor) << '\n';
}

void PrintAxis(std::ostream& out, const Reading<AxisView>& reading) {
  if (!reading.ok()) {
    out << "      axis: error " << reading.error() << '\n';
    return;
  }
  const AxisView& axis = reading.value();
  out << "      axis " << axis.type << ": titled " << Shown(axis.hasTitle) << ", major gridlines "
      << Shown(axis.majorGridlines) << ", minor gridlines " << Shown(axis.minorGridlines)
      << ", major tick marks " << Shown(axis.majorTickMark) << ", minor tick marks "
      << Shown(axis.minorTickMark) << ", tick labels " << Shown(axis.tickLabelPosition)
      << ", major unit " << Shown(axis.majorUnit) << " (automatic " << Shown(axis.majorUnitIsAuto)
      << ")" << (axis.categoryNames ? ", category names " + Shown(*axis.categoryNames) : "")
      << '\n';
}

void PrintTitleAndLegend(std::ostream& out, const ChartView& chart) {
  out << "      title: " << (chart.title ? Shown(*chart.title) : "none")
      << "; legend: " << (chart.legendPosition ? Shown(*chart.legendPosition) : "none") << '\n';
  if (chart.titleFont) out << "      title " << FontText(*chart.titleFont) << '\n';
  if (!chart.hasTitle.ok()) out << "      HasTitle: error " << chart.hasTitle.error() << '\n';
  if (!chart.hasLegend.ok()) out << "      HasLegend: error " << chart.hasLegend.error() << '\n';
}

void PrintChart(std::ostream& out, const std::string& indent, const ChartView& chart) {
  out << indent << "chart " << Quoted(chart.name) << " type " << chart.chartType << ", "
      << (chart.series.ok() ? std::to_string(chart.series.value().size()) + " series"
                            : "series: error " + std::to_string(chart.series.error()))
      << '\n';
  const std::string inner = indent + "  ";
  if (chart.series.ok()) {
    for (const SeriesView& series : chart.series.value()) PrintSeries(out, inner, series);
  }
  PrintTitleAndLegend(out, chart);
  out << inner << "gallery type " << Shown(chart.type) << ", subtype " << Shown(chart.subType)
      << '\n';
  if (chart.place) out << inner << "place: " << PlaceText(*chart.place) << '\n';
  out << inner << "has axis: category " << Shown(chart.hasAxis.category) << ", value "
      << Shown(chart.hasAxis.value) << ", series " << Shown(chart.hasAxis.series) << '\n';
  for (const Reading<AxisView>& axis : chart.axes) PrintAxis(out, axis);
  out << inner << "plot area: " << PlaceText(chart.plotArea.outer)
      << "; inside: " << PlaceText(chart.plotArea.inside) << '\n';
  out << inner << "chart area: " << FontText(chart.chartArea.font) << ", texture name "
      << Shown(chart.chartArea.textureName) << ", texture type "
      << Shown(chart.chartArea.textureType) << '\n';
  out << inner << "data table: " << Shown(chart.hasDataTable)
      << "; chart size: " << Shown(chart.chartSize) << '\n';
  PrintList(out, inner, "text boxes", chart.textBoxes, PrintTextBox);
  PrintList(out, inner, "shapes", chart.shapes, PrintShape);
}

const char* KindName(SheetView::Kind kind) {
  return kind == SheetView::Kind::kChart ? "chart" : "worksheet";
}

void PrintSheet(std::ostream& out, std::size_t position, const SheetView& sheet) {
  out << "Sheet " << position << " " << Quoted(sheet.name) << " (" << KindName(sheet.kind) << ")\n";
  out << "  protected: " << Shown(sheet.protectContents) << '\n';
  if (sheet.kind == SheetView::Kind::kWorksheet) {
    out << "  cells (" << sheet.cells.size() << "):\n";
    for (const CellView& cell : sheet.cells) {
      out << "    " << cell.address << "\t" << ValueText(cell.value) << '\n';
    }
    out << "  comments (" << sheet.comments.size() << "):\n";
    for (const CommentView& comment : sheet.comments) {
      out << "    " << comment.address << "\t" << comment.text << '\n';
    }
  }
  PrintList(out, "  ", "charts", sheet.charts, PrintChart);
  if (sheet.kind == SheetView::Kind::kWorksheet) {
    PrintList(out, "  ", "shapes", sheet.shapes, PrintShape);
    PrintList(out, "  ", "text boxes", sheet.textBoxes, PrintTextBox);
    PrintList(out, "  ", "check boxes", sheet.checkBoxes, PrintCheckBox);
  }
}

std::string SelectionText(const Reading<std::optional<SelectionView>>& selection) {
  if (!selection.ok()) return "error " + std::to_string(selection.error());
  if (!selection.value()) return "nothing";
  const SelectionView& view = *selection.value();
  if (view.address) return view.typeName + " " + *view.address;
  return view.typeName + (view.name ? " " + Shown(*view.name) : "");
}

}  // namespace

void PrintWorkbook(std::ostream& out, const WorkbookView& view) {
  out << "Workbook " << Quoted(view.name) << ": " << view.sheets.size() << " sheet(s), "
      << Quoted(view.activeSheet) << " active\n";
  out << "Selection: " << SelectionText(view.selection) << '\n';
  for (std::size_t i = 0; i < view.sheets.size(); ++i) PrintSheet(out, i + 1, view.sheets[i]);
}

}  // namespace k27093::client
