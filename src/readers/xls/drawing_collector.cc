#include "readers/xls/drawing_collector.h"

#include <algorithm>
#include <array>

#include "document/read_fault.h"
#include "readers/xls/obj_record.h"
#include "readers/xls/office_art.h"
#include "readers/xls/office_art_fill.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/shape_presets.h"
#include "readers/xls/txo_record.h"
#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

namespace properties = office_art_properties;
using Kind = document::DrawingObjectData::Kind;

constexpr std::uint16_t kMsoDrawing = 0x00EC;
constexpr std::uint16_t kObj = 0x005D;
constexpr std::uint16_t kTxo = 0x01B6;

constexpr double kColumnOffsetUnits = 1024;  // dx: 1/1024 of the column's width
constexpr double kRowOffsetUnits = 256;      // dy: 1/256 of the row's height
constexpr double kChartUnits = 4000;         // a chart anchor: 1/4000 of the chart area

constexpr std::int32_t kXlOn = 1, kXlOff = -4146, kXlMixed = 2;

// What the spreadsheet calls each type of object (its names are "<kind> <object id>"), and
// the engine's kind and control type for it.
struct ObjectKind {
  std::uint16_t type;
  std::string_view name;
  Kind kind;
  std::string_view controlType;
};

constexpr std::array<ObjectKind, 22> kObjectKinds = {{
    {0x00, "Group", Kind::Group, ""},
    {0x01, "Line", Kind::Connector, ""},
    {0x02, "Rectangle", Kind::AutoShape, ""},
    {0x03, "Oval", Kind::AutoShape, ""},
    {0x04, "Arc", Kind::AutoShape, ""},
    {0x05, "Chart", Kind::Chart, ""},
    {0x06, "Text Box", Kind::TextBox, ""},
    {0x07, "Button", Kind::FormControl, "Button"},
    {0x08, "Picture", Kind::Picture, ""},
    {0x09, "Freeform", Kind::AutoShape, ""},
    {0x0B, "Check Box", Kind::FormControl, "CheckBox"},
    {0x0C, "Option Button", Kind::FormControl, "Radio"},
    {0x0D, "Edit Box", Kind::FormControl, "EditBox"},
    {0x0E, "Label", Kind::FormControl, "Label"},
    {0x0F, "Dialog Frame", Kind::FormControl, "Dialog"},
    {0x10, "Spinner", Kind::FormControl, "Spin"},
    {0x11, "Scroll Bar", Kind::FormControl, "Scroll"},
    {0x12, "List Box", Kind::FormControl, "List"},
    {0x13, "Group Box", Kind::FormControl, "GBox"},
    {0x14, "Drop Down", Kind::FormControl, "Drop"},
    {0x19, "Comment", Kind::Other, ""},
    {0x1E, "AutoShape", Kind::AutoShape, ""},
}};

const ObjectKind* ObjectKindOf(std::uint16_t type) {
  for (const ObjectKind& kind : kObjectKinds) {
    if (kind.type == type) return &kind;
  }
  return nullptr;
}

// The kind of a shape that no OBJ record describes, from its shape type.
Kind KindOfShapeType(std::uint16_t shapeType) {
  if (shapeType == shape_types::kPictureFrame) return Kind::Picture;
  if (shapeType == shape_types::kTextBox) return Kind::TextBox;
  if (shapeType == shape_types::kHostControl) return Kind::Other;
  if (IsLineShapeType(shapeType)) return Kind::Connector;
  return Kind::AutoShape;
}

std::int32_t CheckValueOf(std::optional<std::uint16_t> checked) {
  if (checked == 1) return kXlOn;
  if (checked == 2) return kXlMixed;
  return kXlOff;
}

document::TextData TextDataOf(const TxoText& txo, const WorkbookGlobals& globals) {
  document::TextData text;
  text.text = txo.text;
  for (const TextRun& run : txo.runs) text.runFonts.push_back(globals.FontDataOf(run.font));
  text.font = text.runFonts.empty() ? globals.FontDataOf(txo.emptyFont) : text.runFonts.front();
  return text;
}

}  // namespace

struct DrawingCollector::State {
  const WorkbookGlobals& globals;
  std::string context;
  std::string drawing;  // the MSODRAWING pieces joined
  std::vector<ObjRecord> objects;
  std::vector<TxoText> texts;
};

namespace {

// Places the shapes of one drawing: the geometry of each, through its anchor and the groups
// that hold it.
class ShapePlacer {
 public:
  ShapePlacer(const OfficeArtDrawing& drawing, const AnchorPlacement& placement,
              std::string_view context)
      : drawing_(drawing), placement_(placement), context_(context) {}

  document::GeometryData GeometryOf(std::size_t index, std::size_t depth = 0) const {
    const OfficeArtShape& shape = drawing_.shapes[index];
    if (shape.clientAnchor) return placement_.sheet ? SheetGeometry(shape) : ChartGeometry(shape);
    if (!shape.group || !shape.childAnchor || depth > kMaxContainerDepth) return {};
    const OfficeArtShape& group = drawing_.shapes[*shape.group];
    const document::GeometryData frame = GeometryOf(*shape.group, depth + 1);
    const OfficeArtRect inner = group.groupFrame.value_or(OfficeArtRect{});
    const double spanX = static_cast<double>(inner.right) - inner.left;
    const double spanY = static_cast<double>(inner.bottom) - inner.top;
    const double scaleX = spanX > 0 ? frame.width / spanX : 0;
    const double scaleY = spanY > 0 ? frame.height / spanY : 0;
    const OfficeArtRect& child = *shape.childAnchor;
    return {frame.left + (static_cast<double>(child.left) - inner.left) * scaleX,
            frame.top + (static_cast<double>(child.top) - inner.top) * scaleY,
            std::max(0.0, (static_cast<double>(child.right) - child.left) * scaleX),
            std::max(0.0, (static_cast<double>(child.bottom) - child.top) * scaleY)};
  }

 private:
  double ColumnPoint(std::uint16_t column, std::uint16_t offset,
                     const OfficeArtShape& shape) const {
    if (column >= document::kMaxSheetColumns) {
      document::FailDamaged(std::string(context_) +
                            " anchors a shape outside the sheet at offset " +
                            std::to_string(shape.offset));
    }
    const double left = placement_.sheet->ColumnLeft(column);
    const double width = placement_.sheet->ColumnLeft(column + 1) - left;
    return left + std::min<double>(offset, kColumnOffsetUnits) / kColumnOffsetUnits * width;
  }

  double RowPoint(std::uint16_t row, std::uint16_t offset) const {
    const double top = placement_.sheet->RowTop(row);
    const double height = placement_.sheet->RowTop(row + 1) - top;
    return top + std::min<double>(offset, kRowOffsetUnits) / kRowOffsetUnits * height;
  }

  document::GeometryData SheetGeometry(const OfficeArtShape& shape) const {
    const SheetAnchor anchor = shape.SheetAnchorOf();
    const double left = ColumnPoint(anchor.columnLeft, anchor.dxLeft, shape);
    const double top = RowPoint(anchor.rowTop, anchor.dyTop);
    const double right = ColumnPoint(anchor.columnRight, anchor.dxRight, shape);
    const double bottom = RowPoint(anchor.rowBottom, anchor.dyBottom);
    return {left, top, std::max(0.0, right - left), std::max(0.0, bottom - top)};
  }

  document::GeometryData ChartGeometry(const OfficeArtShape& shape) const {
    const ChartAnchor anchor = shape.ChartAnchorOf();
    const double x = placement_.chartWidth / kChartUnits;
    const double y = placement_.chartHeight / kChartUnits;
    return {anchor.left * x, anchor.top * y, std::max(0.0, (anchor.right - anchor.left) * x),
            std::max(0.0, (anchor.bottom - anchor.top) * y)};
  }

  const OfficeArtDrawing& drawing_;
  const AnchorPlacement& placement_;
  std::string_view context_;
};

}  // namespace

DrawingCollector::DrawingCollector(const WorkbookGlobals& globals, std::string context)
    : state_(std::make_unique<State>(State{globals, std::move(context), {}, {}, {}})) {}

DrawingCollector::~DrawingCollector() = default;

bool DrawingCollector::Take(const RecordStream& stream, const Record& record) {
  switch (record.type) {
    case kMsoDrawing:
      state_->drawing += record.Joined();
      return true;
    case kObj:
      state_->objects.push_back(ReadObjRecord(stream, record));
      return true;
    case kTxo:
      state_->texts.push_back(ReadTxoRecord(stream, record));
      return true;
    default:
      return false;
  }
}

std::vector<DrawnObject> DrawingCollector::Objects(const AnchorPlacement& placement) const {
  const std::string context = "the drawing of " + state_->context;
  const OfficeArtDrawing drawing = ReadOfficeArtDrawing(state_->drawing, context);
  const ShapePlacer placer(drawing, placement, context);
  std::vector<DrawnObject> objects;
  std::size_t nextObject = 0;
  std::size_t nextText = 0;
  for (std::size_t index = 0; index < drawing.shapes.size(); ++index) {
    const OfficeArtShape& shape = drawing.shapes[index];
    const ObjRecord* obj = nullptr;
    const TxoText* txo = nullptr;
    if (shape.clientData && nextObject < state_->objects.size())
      obj = &state_->objects[nextObject++];
    if (shape.clientTextbox && nextText < state_->texts.size()) txo = &state_->texts[nextText++];
    const bool placed = shape.clientAnchor || (shape.group && shape.childAnchor);
    if ((shape.flags & (shape_flags::kPatriarch | shape_flags::kDeleted | shape_flags::kGroup)) !=
            0 ||
        !placed) {
      continue;
    }
    DrawnObject drawn;
    document::DrawingObjectData& object = drawn.object;
    const ObjectKind* kind = obj ? ObjectKindOf(obj->type) : nullptr;
    object.kind = kind ? kind->kind : obj ? Kind::Other : KindOfShapeType(shape.shapeType);
    object.controlType = kind ? std::string(kind->controlType) : "";
    if (obj) {
      drawn.objectId = obj->id;
      drawn.objectType = obj->type;
      object.id = obj->id;
      if (object.controlType == "CheckBox") object.checkValue = CheckValueOf(obj->checked);
    } else {
      object.id = shape.shapeId;
    }
    const std::optional<std::string> stated = shape.properties.Text(properties::kShapeName);
    // Some writers state an empty name: the object then has the spreadsheet's.
    if (stated && !stated->empty()) {
      object.name = *stated;
    } else if (kind) {
      object.name = std::string(kind->name) + " " + std::to_string(obj->id);
    }
    object.hidden =
        shape.properties.Flag(properties::kGroupBooleans, properties::kHiddenBit).value_or(false);
    object.preset = std::string(PresetOfShapeType(shape.shapeType));
    object.geometry = placer.GeometryOf(index);
    object.fill = FillOfProperties(shape.properties, state_->globals);
    object.line = LineOfProperties(shape.properties, state_->globals);
    if (txo) object.text = TextDataOf(*txo, state_->globals);
    objects.push_back(std::move(drawn));
  }
  return objects;
}

}  // namespace k27093::xls
