#include "cli/drawing_view.h"

namespace k27093::client {

namespace {

std::optional<std::string> TextOfBoxNamed(const std::string& name,
                                          const std::vector<TextBoxView>& textBoxes) {
  for (const TextBoxView& box : textBoxes) {
    if (box.name.ok() && box.name.value() == name && box.text.ok()) return box.text.value();
  }
  return std::nullopt;
}

ShapeView ReadShape(xl::Shape& shape, const std::vector<TextBoxView>& textBoxes) {
  ShapeView view;
  view.name = shape.Name();
  view.type = shape.Type();
  view.autoShapeType = ReadingOf([&] { return shape.AutoShapeType(); });
  view.place = ReadPlace(shape);
  view.zOrderPosition = ReadingOf([&] { return shape.ZOrderPosition(); });
  view.fillColor = ReadingOf([&] { return shape.Fill()->ForeColor()->RGB(); });
  view.lineColor = ReadingOf([&] { return shape.Line()->ForeColor()->RGB(); });
  view.text = TextOfBoxNamed(view.name, textBoxes);
  return view;
}

}  // namespace

std::vector<TextBoxView> ReadTextBoxes(xl::TextBoxes& boxes) {
  std::vector<TextBoxView> views;
  for (std::int32_t i = 1, count = boxes.Count(); i <= count; ++i) {
    Ref<xl::TextBox> box = boxes.Item(Variant(i));
    views.push_back({ReadingOf([&] { return box->Name(); }), ReadingOf([&] { return box->Text(); }),
                     ReadPlace(*box)});
  }
  return views;
}

std::vector<ShapeView> ReadShapes(xl::Shapes& shapes, const std::vector<TextBoxView>& textBoxes) {
  std::vector<ShapeView> views;
  for (std::int32_t i = 1, count = shapes.Count(); i <= count; ++i) {
    views.push_back(ReadShape(*shapes.Item(Variant(i)), textBoxes));
  }
  return views;
}

std::vector<CheckBoxView> ReadCheckBoxes(xl::CheckBoxes& boxes) {
  std::vector<CheckBoxView> views;
  for (std::int32_t i = 1, count = boxes.Count(); i <= count; ++i) {
    Ref<xl::CheckBox> box = boxes.Item(Variant(i));
    views.push_back({ReadingOf([&] { return box->Name(); }),
                     ReadingOf([&] { return box->Value(); }), ReadPlace(*box)});
  }
  return views;
}

}  // namespace k27093::client
