#include "readers/ooxml/drawn_object.h"

#include <algorithm>
#include <array>

#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

using Kind = document::DrawingObjectData::Kind;

constexpr std::string_view kChartUri = "http://schemas.openxmlformats.org/drawingml/2006/chart";

struct ObjectElement {
  std::string_view element;          // "sp"
  std::string_view nonVisual;        // "nvSpPr"
  std::string_view shapeProperties;  // "spPr"
  Kind kind;
};

constexpr std::array<ObjectElement, 6> kObjectElements = {{
    {"sp", "nvSpPr", "spPr", Kind::AutoShape},
    {"grpSp", "nvGrpSpPr", "grpSpPr", Kind::Group},
    {"graphicFrame", "nvGraphicFramePr", "", Kind::Other},
    {"cxnSp", "nvCxnSpPr", "spPr", Kind::Connector},
    {"pic", "nvPicPr", "spPr", Kind::Picture},
    {"contentPart", "nvContentPartPr", "spPr", Kind::Other},
}};

// True when the object's non-visual properties mark it as the drawing of a form control.
bool IsFormControl(pugi::xml_node properties) {
  for (pugi::xml_node extension : ChildNamed(properties, "extLst").children()) {
    if (ChildNamed(extension, "compatExt")) return true;
  }
  return false;
}

// The frame a transform (a:xfrm, xdr:xfrm) states; nullopt when it states no extent.
std::optional<document::GeometryData> FrameOf(pugi::xml_node transform, const PartScope& scope) {
  const pugi::xml_node offset = ChildNamed(transform, "off");
  const pugi::xml_node extent = ChildNamed(transform, "ext");
  const double width = scope.Number(extent, "cx").value_or(0);
  const double height = scope.Number(extent, "cy").value_or(0);
  if (width <= 0 && height <= 0) return std::nullopt;
  return document::GeometryData{scope.Number(offset, "x").value_or(0) / kEmuPerPoint,
                                scope.Number(offset, "y").value_or(0) / kEmuPerPoint,
                                std::max(0.0, width) / kEmuPerPoint,
                                std::max(0.0, height) / kEmuPerPoint};
}

// The transform of an object: in its shape properties, or its own child (a graphic frame's).
pugi::xml_node TransformOf(pugi::xml_node element, pugi::xml_node properties) {
  const pugi::xml_node inProperties = ChildNamed(properties, "xfrm");
  return inProperties ? inProperties : ChildNamed(element, "xfrm");
}

// True when shape properties state no geometry: neither a preset nor a custom one.
bool HasNoGeometry(pugi::xml_node properties) {
  return !ChildNamed(properties, "prstGeom") && !ChildNamed(properties, "custGeom");
}

// The relationship id of the chart that a graphic frame shows; "" when it shows none.
std::string ChartIdOf(pugi::xml_node frame) {
  const pugi::xml_node data = ChildNamed(ChildNamed(frame, "graphic"), "graphicData");
  if (std::string_view(PlainAttribute(data, "uri").value()) != kChartUri) return std::string();
  return RelationshipIdOf(ChildNamed(data, "chart"));
}

}  // namespace

std::optional<DrawnObjectRead> ReadDrawnObject(pugi::xml_node element, PartScope& scope) {
  const std::string_view name = LocalName(element.name());
  const ObjectElement* known = nullptr;
  for (const ObjectElement& candidate : kObjectElements) {
    if (candidate.element == name) known = &candidate;
  }
  if (known == nullptr) return std::nullopt;

  DrawnObjectRead read;
  document::DrawingObjectData& object = read.object;
  object.kind = known->kind;
  const pugi::xml_node nonVisual = ChildNamed(element, known->nonVisual);
  const pugi::xml_node common = ChildNamed(nonVisual, "cNvPr");
  object.name = PlainAttribute(common, "name").value();
  object.id = scope.Integer(common, "id").value_or(0);
  object.hidden = scope.Boolean(common, "hidden").value_or(false);
  scope.Take(object.name.size());

  const pugi::xml_node properties = ChildNamed(element, known->shapeProperties);
  if (name == "sp") {
    const pugi::xml_node body = ChildNamed(element, "txBody");
    if (IsFormControl(common)) {
      object.kind = Kind::FormControl;
    } else if (scope.Boolean(ChildNamed(nonVisual, "cNvSpPr"), "txBox").value_or(false) ||
               (body && HasNoGeometry(properties))) {
      object.kind = Kind::TextBox;
    }
    if (body) object.text = TextOf(body, scope);
  } else if (name == "graphicFrame") {
    read.chartId = ChartIdOf(element);
    if (!read.chartId.empty()) object.kind = Kind::Chart;
  }
  if (!known->shapeProperties.empty()) {
    object.preset = PlainAttribute(ChildNamed(properties, "prstGeom"), "prst").value();
    object.fill = FillOf(properties, scope);
    object.line = LineOf(properties, scope);
  }
  if (const pugi::xml_node style = ChildNamed(element, "style")) {
    object.fillReference = StyleReferenceOf(ChildNamed(style, "fillRef"), scope);
    object.lineReference = StyleReferenceOf(ChildNamed(style, "lnRef"), scope);
  }
  read.frame = FrameOf(TransformOf(element, properties), scope);
  return read;
}

}  // namespace k27093::ooxml
