// Late-bound face of drawn objects: shapes and their formats, text boxes and check boxes,
// with their collections.
#include "spreadsheet/shapes.h"

#include "spreadsheet/constants.h"
#include "spreadsheet/late_binding.h"

namespace k27093::xl {

namespace {

const DispatchTable<ColorFormat>& ColorFormatTable() {
  static const auto table = late::BuildTable<ColorFormat>([](late::Members<ColorFormat>& members) {
    members.Property("RGB", &ColorFormat::RGB, &ColorFormat::SetRGB);
  });
  return table;
}

const DispatchTable<FillFormat>& FillFormatTable() {
  static const auto table = late::BuildTable<FillFormat>(
      [](late::Members<FillFormat>& members) { members.Get("ForeColor", &FillFormat::ForeColor); });
  return table;
}

const DispatchTable<LineFormat>& LineFormatTable() {
  static const auto table = late::BuildTable<LineFormat>(
      [](late::Members<LineFormat>& members) { members.Get("ForeColor", &LineFormat::ForeColor); });
  return table;
}

const DispatchTable<Shape>& ShapeTable() {
  static const auto table = late::BuildTable<Shape>([](late::Members<Shape>& members) {
    members.Property("Name", &Shape::Name, &Shape::SetName)
        .Get("Type", &Shape::Type)
        .Get("AutoShapeType", &Shape::AutoShapeType)
        .Property("Left", &Shape::Left, &Shape::SetLeft)
        .Property("Top", &Shape::Top, &Shape::SetTop)
        .Property("Width", &Shape::Width, &Shape::SetWidth)
        .Property("Height", &Shape::Height, &Shape::SetHeight)
        .Get("ZOrderPosition", &Shape::ZOrderPosition)
        .Get("Fill", &Shape::Fill)
        .Get("Line", &Shape::Line)
        .Method("Select", &Shape::Select)
        .Method("Delete", &Shape::Delete);
  });
  return table;
}

const DispatchTable<Shapes>& ShapesTable() {
  static const auto table = late::BuildTable<Shapes>([](late::Members<Shapes>& members) {
    members.Get("Count", &Shapes::Count, dispid::kCount)
        .Method("Item", &Shapes::Item)
        .Method("AddShape", &Shapes::AddShape)
        .Method("AddTextbox", &Shapes::AddTextbox);
  });
  return table;
}

const DispatchTable<TextBox>& TextBoxTable() {
  static const auto table = late::BuildTable<TextBox>([](late::Members<TextBox>& members) {
    members.Get("Name", &TextBox::Name)
        .Property("Text", &TextBox::Text, &TextBox::SetText)
        .Get("Left", &TextBox::Left)
        .Get("Top", &TextBox::Top)
        .Get("Width", &TextBox::Width)
        .Get("Height", &TextBox::Height)
        .Method("Select", &TextBox::Select);
  });
  return table;
}

const DispatchTable<TextBoxes>& TextBoxesTable() {
  static const auto table = late::BuildTable<TextBoxes>([](late::Members<TextBoxes>& members) {
    members.Get("Count", &TextBoxes::Count, dispid::kCount)
        .Method("Item", &TextBoxes::Item)
        .Method("Add", &TextBoxes::Add);
  });
  return table;
}

const DispatchTable<CheckBox>& CheckBoxTable() {
  static const auto table = late::BuildTable<CheckBox>([](late::Members<CheckBox>& members) {
    members.Get("Name", &CheckBox::Name)
        .Property("Value", &CheckBox::Value, &CheckBox::SetValue)
        .Get("Left", &CheckBox::Left)
        .Get("Top", &CheckBox::Top)
        .Get("Width", &CheckBox::Width)
        .Get("Height", &CheckBox::Height)
        .Method("Select", &CheckBox::Select);
  });
  return table;
}

const DispatchTable<CheckBoxes>& CheckBoxesTable() {
  static const auto table = late::BuildTable<CheckBoxes>([](late::Members<CheckBoxes>& members) {
    members.Get("Count", &CheckBoxes::Count, dispid::kCount)
        .Method("Item", &CheckBoxes::Item)
        .Method("Add", &CheckBoxes::Add);
  });
  return table;
}

}  // namespace

Variant ColorFormat::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ColorFormatTable().Invoke(*this, member, kind, arguments);
}

Variant FillFormat::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return FillFormatTable().Invoke(*this, member, kind, arguments);
}

Variant LineFormat::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return LineFormatTable().Invoke(*this, member, kind, arguments);
}

Variant Shape::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ShapeTable().Invoke(*this, member, kind, arguments);
}

Variant Shapes::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ShapesTable().Invoke(*this, member, kind, arguments);
}

Variant Shapes::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return ShapesTable().InvokeById(*this, dispid, kind, arguments);
}

Variant TextBox::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return TextBoxTable().Invoke(*this, member, kind, arguments);
}

Variant TextBoxes::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return TextBoxesTable().Invoke(*this, member, kind, arguments);
}

Variant TextBoxes::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return TextBoxesTable().InvokeById(*this, dispid, kind, arguments);
}

Variant CheckBox::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return CheckBoxTable().Invoke(*this, member, kind, arguments);
}

Variant CheckBoxes::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return CheckBoxesTable().Invoke(*this, member, kind, arguments);
}

Variant CheckBoxes::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return CheckBoxesTable().InvokeById(*this, dispid, kind, arguments);
}

}  // namespace k27093::xl
