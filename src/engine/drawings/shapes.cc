#include "engine/drawings/shapes.h"

#include "engine/objects/collection.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

namespace {

constexpr std::int32_t kShapeMixed = -2;  // msoShapeMixed: not an auto shape
constexpr std::int32_t kLastAutoShapeType = 183;

}  // namespace

ColorFormatImpl::ColorFormatImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing,
                                 std::shared_ptr<DrawnObject> object,
                                 std::int32_t DrawnObject::*color)
    : Node(std::move(session), object->presence),
      drawing_(std::move(drawing)),
      object_(std::move(object)),
      color_(color) {}

std::int32_t ColorFormatImpl::RGB() {
  Enter();
  return (*object_).*color_;
}

void ColorFormatImpl::SetRGB(std::int32_t color) {
  Enter();
  if (color < 0 || color > kWhite) RaiseValueOutOfRange();
  drawing_->CheckChangeable();
  (*object_).*color_ = color;
}

Ref<xl::ColorFormat> FillFormatImpl::ForeColor() {
  Enter();
  return MakeRef<ColorFormatImpl>(session(), drawing(), sharedObject(), &DrawnObject::fillColor);
}

Ref<xl::ColorFormat> LineFormatImpl::ForeColor() {
  Enter();
  return MakeRef<ColorFormatImpl>(session(), drawing(), sharedObject(), &DrawnObject::lineColor);
}

std::string ShapeImpl::Name() {
  Enter();
  return object().name;
}

void ShapeImpl::SetName(std::string_view name) {
  Enter();
  drawing()->CheckChangeable();
  if (name.empty()) RaiseValueOutOfRange();
  object().name = name;
}

std::int32_t ShapeImpl::Type() {
  Enter();
  switch (object().kind) {
    case DrawnKind::AutoShape:
      return xl::kMsoAutoShape;
    case DrawnKind::TextBox:
      return xl::kMsoTextBox;
    case DrawnKind::Chart:
      return xl::kMsoChart;
    case DrawnKind::CheckBox:
      return xl::kMsoFormControl;
    case DrawnKind::Other:
      return object().otherType;
  }
  return xl::kMsoAutoShape;
}

std::int32_t ShapeImpl::AutoShapeType() {
  Enter();
  switch (object().kind) {
    case DrawnKind::AutoShape:
    case DrawnKind::Other:
      return object().autoShapeType;
    case DrawnKind::TextBox:
      return xl::kMsoShapeRectangle;
    default:
      return kShapeMixed;
  }
}

double ShapeImpl::Left() { return GetGeometry(&Geometry::left); }
double ShapeImpl::Top() { return GetGeometry(&Geometry::top); }
double ShapeImpl::Width() { return GetGeometry(&Geometry::width); }
double ShapeImpl::Height() { return GetGeometry(&Geometry::height); }
void ShapeImpl::SetLeft(double points) { SetGeometry(&Geometry::left, points); }
void ShapeImpl::SetTop(double points) { SetGeometry(&Geometry::top, points); }
void ShapeImpl::SetWidth(double points) { SetGeometry(&Geometry::width, points); }
void ShapeImpl::SetHeight(double points) { SetGeometry(&Geometry::height, points); }

std::int32_t ShapeImpl::ZOrderPosition() {
  Enter();
  return drawing()->ZOrderPosition(object());
}

Ref<xl::FillFormat> ShapeImpl::Fill() {
  Enter();
  return MakeRef<FillFormatImpl>(session(), drawing(), sharedObject());
}

Ref<xl::LineFormat> ShapeImpl::Line() {
  Enter();
  return MakeRef<LineFormatImpl>(session(), drawing(), sharedObject());
}

void ShapeImpl::Select() { SelectObject(); }
void ShapeImpl::Delete() { RemoveObject(); }

ShapesImpl::ShapesImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing)
    : Node(std::move(session), drawing->presence()), drawing_(std::move(drawing)) {}

std::int32_t ShapesImpl::Count() {
  Enter();
  return static_cast<std::int32_t>(drawing_->objects().size());
}

Ref<xl::Shape> ShapesImpl::Item(const Variant& index) {
  Enter();
  auto object = FindItem(drawing_->objects(), index,
                         [](const DrawnObject& candidate) { return candidate.name; });
  if (!object) {
    if (index.IsText()) RaiseItemNotFound();
    RaiseValueOutOfRange();
  }
  return MakeRef<ShapeImpl>(session(), drawing_, object);
}

Ref<xl::Shape> ShapesImpl::AddShape(std::int32_t type, double left, double top, double width,
                                    double height) {
  Enter();
  if (type < 1 || type > kLastAutoShapeType) RaiseValueOutOfRange();
  auto object = drawing_->Add(DrawnKind::AutoShape, {left, top, width, height});
  object->autoShapeType = type;
  return MakeRef<ShapeImpl>(session(), drawing_, object);
}

Ref<xl::Shape> ShapesImpl::AddTextbox(std::int32_t orientation, double left, double top,
                                      double width, double height) {
  Enter();
  if (orientation < 1 || orientation > 6) RaiseValueOutOfRange();
  auto object = drawing_->Add(DrawnKind::TextBox, {left, top, width, height});
  return MakeRef<ShapeImpl>(session(), drawing_, object);
}

}  // namespace k27093::engine
