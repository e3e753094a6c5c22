#include "readers/ooxml/drawing_part.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "document/read_fault.h"
#include "readers/ooxml/cell_reference.h"
#include "readers/ooxml/chart_part.h"
#include "readers/ooxml/drawn_object.h"
#include "readers/ooxml/relationships.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

// A cell marker of an anchor (xdr:from, xdr:to): 0-based column and row, offsets in points.
struct Marker {
  std::int32_t column = 0;
  std::int32_t row = 0;
  double columnOffset = 0;
  double rowOffset = 0;
};

std::int32_t CellIndex(pugi::xml_node marker, std::string_view name, std::int32_t limit,
                       const PartScope& scope) {
  const std::optional<double> value = scope.NumberText(ChildNamed(marker, name));
  if (!value || *value != std::trunc(*value) || *value < 0 || *value > limit) {
    scope.Fail("has an anchor whose " + std::string(name) +
               " is missing or lies outside the sheet");
  }
  return static_cast<std::int32_t>(*value);
}

Marker MarkerOf(pugi::xml_node marker, const PartScope& scope) {
  Marker result;
  result.column = CellIndex(marker, "col", kMaxColumns, scope);
  result.row = CellIndex(marker, "row", kMaxRows, scope);
  result.columnOffset = scope.NumberText(ChildNamed(marker, "colOff")).value_or(0) / kEmuPerPoint;
  result.rowOffset = scope.NumberText(ChildNamed(marker, "rowOff")).value_or(0) / kEmuPerPoint;
  return result;
}

double MarkerLeft(const document::SheetLayout& layout, const Marker& marker) {
  return layout.ColumnLeft(marker.column) + marker.columnOffset;
}

double MarkerTop(const document::SheetLayout& layout, const Marker& marker) {
  return layout.RowTop(marker.row) + marker.rowOffset;
}

// Width and height in points of an extent (xdr:ext, cdr:ext).
void ReadExtent(pugi::xml_node extent, const PartScope& scope, document::GeometryData& geometry) {
  geometry.width = std::max(0.0, scope.Number(extent, "cx").value_or(0) / kEmuPerPoint);
  geometry.height = std::max(0.0, scope.Number(extent, "cy").value_or(0) / kEmuPerPoint);
}

// The place of an anchor of a sheet's drawing; nullopt when `anchor` is no such anchor.
std::optional<document::GeometryData> SheetAnchorGeometry(pugi::xml_node anchor,
                                                          const document::SheetLayout& layout,
                                                          const PartScope& scope) {
  const std::string_view name = LocalName(anchor.name());
  document::GeometryData geometry;
  if (name == "twoCellAnchor") {
    const Marker from = MarkerOf(ChildNamed(anchor, "from"), scope);
    const Marker to = MarkerOf(ChildNamed(anchor, "to"), scope);
    geometry.left = MarkerLeft(layout, from);
    geometry.top = MarkerTop(layout, from);
    geometry.width = std::max(0.0, MarkerLeft(layout, to) - geometry.left);
    geometry.height = std::max(0.0, MarkerTop(layout, to) - geometry.top);
  } else if (name == "oneCellAnchor") {
    const Marker from = MarkerOf(ChildNamed(anchor, "from"), scope);
    geometry.left = MarkerLeft(layout, from);
    geometry.top = MarkerTop(layout, from);
    ReadExtent(ChildNamed(anchor, "ext"), scope, geometry);
  } else if (name == "absoluteAnchor") {
    const pugi::xml_node position = ChildNamed(anchor, "pos");
    geometry.left = scope.Number(position, "x").value_or(0) / kEmuPerPoint;
    geometry.top = scope.Number(position, "y").value_or(0) / kEmuPerPoint;
    ReadExtent(ChildNamed(anchor, "ext"), scope, geometry);
  } else {
    return std::nullopt;
  }
  return geometry;
}

// A point of a chart drawing's anchor (cdr:from, cdr:to): fractions of the chart area.
std::pair<double, double> RelativePoint(pugi::xml_node point, const PartScope& scope) {
  return {scope.NumberText(ChildNamed(point, "x")).value_or(0),
          scope.NumberText(ChildNamed(point, "y")).value_or(0)};
}

// The place of an anchor of a chart's own drawing; nullopt when `anchor` is no such anchor.
std::optional<document::GeometryData> ChartAnchorGeometry(pugi::xml_node anchor, double width,
                                                          double height, const PartScope& scope) {
  const std::string_view name = LocalName(anchor.name());
  if (name != "relSizeAnchor" && name != "absSizeAnchor") return std::nullopt;
  const auto [fromX, fromY] = RelativePoint(ChildNamed(anchor, "from"), scope);
  document::GeometryData geometry;
  geometry.left = fromX * width;
  geometry.top = fromY * height;
  if (name == "relSizeAnchor") {
    const auto [toX, toY] = RelativePoint(ChildNamed(anchor, "to"), scope);
    geometry.width = std::max(0.0, (toX - fromX) * width);
    geometry.height = std::max(0.0, (toY - fromY) * height);
  } else {
    ReadExtent(ChildNamed(anchor, "ext"), scope, geometry);
  }
  return geometry;
}

// The anchors of a drawing part's root, in order, markup-compatibility wrappers opened.
std::vector<pugi::xml_node> AnchorsOf(pugi::xml_node root) {
  std::vector<pugi::xml_node> anchors;
  for (pugi::xml_node child : root.children()) {
    if (child.type() != pugi::node_element) continue;
    for (pugi::xml_node element : Unwrapped(child)) anchors.push_back(element);
  }
  return anchors;
}

// The drawn object that an anchor holds; nullopt for an anchor that holds none.
std::optional<DrawnObjectRead> ObjectOf(pugi::xml_node anchor, PartScope& scope) {
  for (pugi::xml_node child : anchor.children()) {
    if (child.type() != pugi::node_element) continue;
    for (pugi::xml_node element : Unwrapped(child)) {
      if (std::optional<DrawnObjectRead> read = ReadDrawnObject(element, scope)) return read;
    }
  }
  return std::nullopt;
}

// Where a sheet's object lies: the frame its own transform states, else its anchor. The
// spreadsheet writes both alike (a chart frame's transform as 0 x 0). Another program lays
// the anchor out on its own column widths, which the spreadsheet does not derive alike from
// the widths that program wrote; the frame keeps the place its author gave the object.
document::GeometryData PlacedGeometry(const document::GeometryData& anchor,
                                      const DrawnObjectRead& read) {
  return read.frame ? *read.frame : anchor;
}

void CountObject(std::size_t& count, const PartScope& scope) {
  if (++count > kMaxDrawnObjects) {
    scope.Fail("holds more than " + std::to_string(kMaxDrawnObjects) + " drawn objects");
  }
}

// The chart part that a chart frame shows, through the drawing's relationships.
std::string ChartPartOfFrame(const Relationships& relationships, const DrawnObjectRead& read,
                             const PartScope& scope) {
  const Relationship* chart = relationships.Find(read.chartId);
  if (chart == nullptr || chart->external || !IsRelationshipType(chart->type, "chart")) {
    scope.Fail("shows in " + Quoted(read.object.name) + " the chart " + Quoted(read.chartId) +
               ", which leads to no chart part");
  }
  return chart->target;
}

// True for a shape that the sheet lists among its controls, which marks it as the drawing of
// a form control even without the compatibility mark (as LibreOffice writes them).
bool IsListedControl(const document::DrawingObjectData& object, const ControlParts& controls) {
  const bool shape = object.kind == document::DrawingObjectData::Kind::AutoShape ||
                     object.kind == document::DrawingObjectData::Kind::TextBox;
  return shape && controls.contains(object.id);
}

// The state of a form control from its properties part (root formControlPr).
void ReadControlState(Package& package, const ControlParts& controls,
                      document::DrawingObjectData& object) {
  const auto found = controls.find(object.id);
  if (found == controls.end()) return;
  document::ReadUnlessDamaged([&] {
    const pugi::xml_document document = ParseXmlPart(package, found->second, "formControlPr");
    const pugi::xml_node properties = document.document_element();
    const std::string type = PlainAttribute(properties, "objectType").value();
    const std::string_view checked = PlainAttribute(properties, "checked").value();
    object.controlType = type;
    if (type == "CheckBox") {
      object.checkValue = checked == "Checked" ? 1 : checked == "Mixed" ? 2 : -4146;
    }
  });
}

}  // namespace

WorksheetDrawing ReadWorksheetDrawing(Package& package, std::string_view part,
                                      const document::SheetLayout& layout,
                                      const ControlParts& controls, ContentBudget& budget) {
  // The relationships first and the controls' properties last: no other part is parsed
  // while the drawing's tree is held.
  const Relationships relationships = ReadRelationships(package, part);
  PartScope scope(part, budget);
  WorksheetDrawing drawing;
  {
    const pugi::xml_document document = ParseXmlPart(package, part, "wsDr");
    std::size_t count = 0;
    for (pugi::xml_node anchor : AnchorsOf(document.document_element())) {
      const std::optional<document::GeometryData> geometry =
          SheetAnchorGeometry(anchor, layout, scope);
      if (!geometry) continue;
      std::optional<DrawnObjectRead> read = ObjectOf(anchor, scope);
      if (!read) continue;
      CountObject(count, scope);
      read->object.geometry = PlacedGeometry(*geometry, *read);
      if (IsListedControl(read->object, controls)) {
        read->object.kind = document::DrawingObjectData::Kind::FormControl;
      }
      if (read->object.kind == document::DrawingObjectData::Kind::Chart) {
        drawing.charts.push_back({drawing.objects.size(),
                                  ChartPartOfFrame(relationships, *read, scope),
                                  read->object.geometry.width, read->object.geometry.height});
      }
      drawing.objects.push_back(std::move(read->object));
    }
  }
  for (document::DrawingObjectData& object : drawing.objects) {
    if (object.kind == document::DrawingObjectData::Kind::FormControl) {
      ReadControlState(package, controls, object);
    }
  }
  return drawing;
}

void PlaceWorksheetDrawing(Package& package, WorksheetDrawing drawing, ContentBudget& budget,
                           document::SheetData& sheet) {
  for (const FramedChart& frame : drawing.charts) {
    sheet.charts.push_back(ReadChart(package, frame.part, frame.width, frame.height, budget));
    drawing.objects[frame.object].chart = sheet.charts.size() - 1;
  }
  std::move(drawing.objects.begin(), drawing.objects.end(), std::back_inserter(sheet.drawing));
}

void ReadChartSheetDrawing(Package& package, std::string_view part, ContentBudget& budget,
                           document::ChartSheetData& chartSheet) {
  const Relationships relationships = ReadRelationships(package, part);
  PartScope scope(part, budget);
  std::optional<FramedChart> frame;
  {
    const pugi::xml_document document = ParseXmlPart(package, part, "wsDr");
    const document::SheetLayout layout;
    std::size_t count = 0;
    for (pugi::xml_node anchor : AnchorsOf(document.document_element())) {
      const std::optional<document::GeometryData> geometry =
          SheetAnchorGeometry(anchor, layout, scope);
      if (!geometry) continue;
      const std::optional<DrawnObjectRead> read = ObjectOf(anchor, scope);
      if (!read) continue;
      CountObject(count, scope);
      if (read->object.kind != document::DrawingObjectData::Kind::Chart) continue;
      chartSheet.frame = PlacedGeometry(*geometry, *read);
      frame = FramedChart{0, ChartPartOfFrame(relationships, *read, scope), chartSheet.frame->width,
                          chartSheet.frame->height};
      break;
    }
  }
  // The chart is read once the drawing's tree is released.
  if (frame)
    chartSheet.chart = ReadChart(package, frame->part, frame->width, frame->height, budget);
}

std::vector<document::DrawingObjectData> ReadChartShapes(Package& package, std::string_view part,
                                                         double width, double height,
                                                         ContentBudget& budget) {
  const pugi::xml_document document = ParseXmlPart(package, part, "userShapes");
  PartScope scope(part, budget);
  std::vector<document::DrawingObjectData> shapes;
  for (pugi::xml_node anchor : AnchorsOf(document.document_element())) {
    const std::optional<document::GeometryData> geometry =
        ChartAnchorGeometry(anchor, width, height, scope);
    if (!geometry) continue;
    std::optional<DrawnObjectRead> read = ObjectOf(anchor, scope);
    if (!read) continue;
    if (shapes.size() == kMaxDrawnObjects) {
      scope.Fail("holds more than " + std::to_string(kMaxDrawnObjects) + " drawn objects");
    }
    read->object.geometry = *geometry;
    shapes.push_back(std::move(read->object));
  }
  return shapes;
}

}  // namespace k27093::ooxml
