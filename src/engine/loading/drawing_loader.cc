#include "engine/loading/drawing_loader.h"

#include <optional>

#include "engine/drawings/auto_shape_presets.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

namespace {

using ObjectKind = document::DrawingObjectData::Kind;

// MsoShapeType of the objects the engine keeps as others.
constexpr std::int32_t kMsoFreeform = 5, kMsoLine = 9, kMsoPicture = 13, kMsoShapeTypeMixed = -2;

// The fore colour of an object's fill: its own when its shape properties state a fill (none
// for no fill), else its style's.
std::optional<std::int32_t> FillColorOf(const document::DrawingObjectData& object,
                                        const ColorResolver& colors) {
  if (object.fill) return colors.FillColorOf(*object.fill);
  if (object.fillReference) return colors.FillReferenceColorOf(*object.fillReference);
  return std::nullopt;
}

std::optional<std::int32_t> LineColorOf(const document::DrawingObjectData& object,
                                        const ColorResolver& colors) {
  if (object.line) return colors.FillColorOf(*object.line);
  if (object.lineReference) return colors.LineReferenceColorOf(*object.lineReference);
  return std::nullopt;
}

Geometry GeometryOf(const document::GeometryData& geometry) {
  return {geometry.left, geometry.top, geometry.width, geometry.height};
}

// The drawn kind of an object, and for an other object its MsoShapeType.
DrawnKind KindOf(const document::DrawingObjectData& object, std::int32_t& otherType,
                 bool chartsEmbedded) {
  switch (object.kind) {
    case ObjectKind::Chart:
      otherType = xl::kMsoChart;
      return chartsEmbedded ? DrawnKind::Chart : DrawnKind::Other;
    case ObjectKind::TextBox:
      return DrawnKind::TextBox;
    case ObjectKind::AutoShape:
      otherType = kMsoFreeform;
      return object.preset.empty() ? DrawnKind::Other : DrawnKind::AutoShape;
    case ObjectKind::FormControl:
      otherType = xl::kMsoFormControl;
      return object.controlType == "CheckBox" ? DrawnKind::CheckBox : DrawnKind::Other;
    case ObjectKind::Connector:
      otherType = kMsoLine;
      return DrawnKind::Other;
    case ObjectKind::Picture:
      otherType = kMsoPicture;
      return DrawnKind::Other;
    case ObjectKind::Group:
      otherType = xl::kMsoGroup;
      return DrawnKind::Other;
    case ObjectKind::Other:
      break;
  }
  otherType = kMsoShapeTypeMixed;
  return DrawnKind::Other;
}

// The AutoShapeType the spreadsheet reports for the object.
std::int32_t AutoShapeTypeOf(const document::DrawingObjectData& object, DrawnKind kind,
                             std::int32_t otherType) {
  if (kind == DrawnKind::AutoShape) {
    return AutoShapeTypeOfPreset(object.preset).value_or(kShapeMixed);
  }
  return otherType == kMsoFreeform ? kShapeNotPrimitive : kShapeMixed;
}

}  // namespace

void LoadDrawing(Drawing& drawing, const std::vector<document::DrawingObjectData>& objects,
                 const ColorResolver& colors, const ChartFrameLoader& loadChart) {
  for (const auto& object : objects) {
    std::int32_t otherType = kMsoShapeTypeMixed;
    DrawnKind kind = KindOf(object, otherType, static_cast<bool>(loadChart));
    auto drawn = drawing.Restore(kind, object.name, GeometryOf(object.geometry));
    drawn->otherType = otherType;
    drawn->autoShapeType = AutoShapeTypeOf(object, kind, otherType);
    if (object.text) drawn->text = object.text->text;
    if (auto fill = FillColorOf(object, colors)) drawn->fillColor = *fill;
    if (auto line = LineColorOf(object, colors)) drawn->lineColor = *line;
    if (kind == DrawnKind::CheckBox) drawn->checkValue = object.checkValue.value_or(xl::kOff);
    if (kind == DrawnKind::Chart) loadChart(drawn, object);
  }
}

}  // namespace k27093::engine
