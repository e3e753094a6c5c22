#include "engine/drawings/text_boxes.h"

namespace k27093::engine {

std::string TextBoxImpl::Name() {
  Enter();
  return object().name;
}

std::string TextBoxImpl::Text() {
  Enter();
  return object().text;
}

void TextBoxImpl::SetText(std::string_view text) {
  Enter();
  drawing()->CheckChangeable();
  object().text = text;
}

double TextBoxImpl::Left() { return GetPixelGeometry(&Geometry::left); }
double TextBoxImpl::Top() { return GetPixelGeometry(&Geometry::top); }
double TextBoxImpl::Width() { return GetPixelGeometry(&Geometry::width); }
double TextBoxImpl::Height() { return GetPixelGeometry(&Geometry::height); }
void TextBoxImpl::Select() { SelectObject(); }

TextBoxesImpl::TextBoxesImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing,
                             std::string hostClass)
    : KindCollection(std::move(session), std::move(drawing), DrawnKind::TextBox, "TextBoxes",
                     std::move(hostClass)) {}

Ref<xl::TextBox> TextBoxesImpl::Add(double left, double top, double width, double height) {
  auto object = AddObject({left, top, width, height});
  return MakeRef<TextBoxImpl>(session(), drawing(), object);
}

}  // namespace k27093::engine
