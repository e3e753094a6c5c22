#include "engine/drawings/check_boxes.h"

#include "spreadsheet/constants.h"

namespace k27093::engine {

namespace {

constexpr std::int32_t kTrue = -1, kFalse = 0;

}  // namespace

std::string CheckBoxImpl::Name() {
  Enter();
  return object().name;
}

std::int32_t CheckBoxImpl::Value() {
  Enter();
  return object().checkValue;
}

void CheckBoxImpl::SetValue(std::int32_t value) {
  Enter();
  if (drawing()->host().protection && drawing()->host().protection->on()) {
    RaiseUnableToSet("Value", "CheckBox");
  }
  switch (value) {
    case xl::kOn:
    case kTrue:
      object().checkValue = xl::kOn;
      return;
    case xl::kOff:
    case kFalse:
      object().checkValue = xl::kOff;
      return;
    case xl::kMixed:
      object().checkValue = xl::kMixed;
      return;
    default:
      RaiseUnableToSet("Value", "CheckBox");
  }
}

double CheckBoxImpl::Left() { return GetPixelGeometry(&Geometry::left); }
double CheckBoxImpl::Top() { return GetPixelGeometry(&Geometry::top); }
double CheckBoxImpl::Width() { return GetPixelGeometry(&Geometry::width); }
double CheckBoxImpl::Height() { return GetPixelGeometry(&Geometry::height); }
void CheckBoxImpl::Select() { SelectObject(); }

CheckBoxesImpl::CheckBoxesImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing)
    : KindCollection(std::move(session), std::move(drawing), DrawnKind::CheckBox, "CheckBoxes",
                     "Worksheet") {}

Ref<xl::CheckBox> CheckBoxesImpl::Add(double left, double top, double width, double height) {
  auto object = AddObject({left, top, width, height});
  object->checkValue = xl::kOff;
  return MakeRef<CheckBoxImpl>(session(), drawing(), object);
}

}  // namespace k27093::engine
