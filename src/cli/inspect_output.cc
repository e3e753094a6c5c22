#include "cli/inspect_output.h"

namespace k27093::client {

namespace {

const char* KindName(SheetView::Kind kind) {
  return kind == SheetView::Kind::kChart ? "chart" : "worksheet";
}

nlohmann::ordered_json ChartJson(const ChartView& chart) {
  nlohmann::ordered_json axes = nlohmann::ordered_json::array();
  for (const AxisView& axis : chart.axes) {
    axes.push_back({{"type", axis.type},
                    {"hasTitle", axis.hasTitle},
                    {"majorGridlines", axis.majorGridlines}});
  }
  return {{"name", chart.name},
          {"chartType", chart.chartType},
          {"series", chart.seriesFormulas},
          {"title", chart.title ? nlohmann::ordered_json(*chart.title) : nullptr},
          {"legendPosition",
           chart.legendPosition ? nlohmann::ordered_json(*chart.legendPosition) : nullptr},
          {"axes", axes}};
}

nlohmann::ordered_json SheetJson(const SheetView& sheet) {
  nlohmann::ordered_json cells = nlohmann::ordered_json::array();
  for (const CellView& cell : sheet.cells) {
    cells.push_back({{"address", cell.address}, {"value", ValueJson(cell.value)}});
  }
  nlohmann::ordered_json comments = nlohmann::ordered_json::array();
  for (const CommentView& comment : sheet.comments) {
    comments.push_back({{"address", comment.address}, {"text", comment.text}});
  }
  nlohmann::ordered_json charts = nlohmann::ordered_json::array();
  for (const ChartView& chart : sheet.charts) charts.push_back(ChartJson(chart));
  nlohmann::ordered_json shapes = nlohmann::ordered_json::array();
  for (const ShapeView& shape : sheet.shapes) {
    shapes.push_back({{"name", shape.name}, {"type", shape.type}});
  }
  return {{"name", sheet.name}, {"kind", KindName(sheet.kind)},
          {"cells", cells},     {"comments", comments},
          {"charts", charts},   {"shapes", shapes}};
}

void PrintChart(std::ostream& out, const ChartView& chart) {
  out << "    chart \"" << chart.name << "\" type " << chart.chartType << ", "
      << chart.seriesFormulas.size() << " series\n";
  for (const std::string& formula : chart.seriesFormulas) out << "      " << formula << '\n';
  out << "      title: " << (chart.title ? "\"" + *chart.title + "\"" : "none")
      << "; legend: " << (chart.legendPosition ? std::to_string(*chart.legendPosition) : "none")
      << '\n';
  for (const AxisView& axis : chart.axes) {
    out << "      axis " << axis.type << (axis.hasTitle ? ", titled" : "")
        << (axis.majorGridlines ? ", major gridlines" : "") << '\n';
  }
}

void PrintSheet(std::ostream& out, std::size_t position, const SheetView& sheet) {
  out << "Sheet " << position << " \"" << sheet.name << "\" (" << KindName(sheet.kind) << ")\n";
  if (sheet.kind == SheetView::Kind::kWorksheet) {
    out << "  cells (" << sheet.cells.size() << "):\n";
    for (const CellView& cell : sheet.cells) {
      out << "    " << cell.address << "\t" << ToText(cell.value) << '\n';
    }
    out << "  comments (" << sheet.comments.size() << "):\n";
    for (const CommentView& comment : sheet.comments) {
      out << "    " << comment.address << "\t" << comment.text << '\n';
    }
  }
  out << "  charts (" << sheet.charts.size() << "):\n";
  for (const ChartView& chart : sheet.charts) PrintChart(out, chart);
  if (sheet.kind == SheetView::Kind::kWorksheet) {
    out << "  shapes (" << sheet.shapes.size() << "):\n";
    for (const ShapeView& shape : sheet.shapes) {
      out << "    \"" << shape.name << "\" type " << shape.type << '\n';
    }
  }
}

}  // namespace

nlohmann::ordered_json ValueJson(const Variant& value) {
  switch (value.type()) {
    case Variant::Type::Boolean:
      return value.AsBoolean();
    case Variant::Type::Long:
      return value.AsLong();
    case Variant::Type::Double:
      return value.AsDouble();
    case Variant::Type::Text:
      return value.AsText();
    case Variant::Type::Empty:
    case Variant::Type::Null:
      return nullptr;
    case Variant::Type::Array:
    case Variant::Type::Object:
      break;
  }
  Raise(errors::kTypeMismatch);
}

nlohmann::ordered_json WorkbookJson(const WorkbookView& view) {
  nlohmann::ordered_json sheets = nlohmann::ordered_json::array();
  for (const SheetView& sheet : view.sheets) sheets.push_back(SheetJson(sheet));
  return {{"workbook", view.name}, {"activeSheet", view.activeSheet}, {"sheets", sheets}};
}

void PrintWorkbook(std::ostream& out, const WorkbookView& view) {
  out << "Workbook \"" << view.name << "\": " << view.sheets.size() << " sheet(s), \""
      << view.activeSheet << "\" active\n";
  for (std::size_t i = 0; i < view.sheets.size(); ++i) PrintSheet(out, i + 1, view.sheets[i]);
}

void PrintJson(std::ostream& out, const nlohmann::ordered_json& json) {
  out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace k27093::client
