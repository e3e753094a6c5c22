// Drawn objects of a sheet or a chart: shapes (auto shapes, text boxes, chart frames, form
// controls), with the names, z-order and colours the spreadsheet gives them.
#pragma once

#include <string>

#include "api/dispatch.h"

namespace k27093::xl {

class ColorFormat : public Dispatch {
 public:
  std::string_view TypeName() const override { return "ColorFormat"; }
  // R + 256*G + 65536*B.
  virtual std::int32_t RGB() = 0;
  virtual void SetRGB(std::int32_t color) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class FillFormat : public Dispatch {
 public:
  std::string_view TypeName() const override { return "FillFormat"; }
  virtual Ref<xl::ColorFormat> ForeColor() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class LineFormat : public Dispatch {
 public:
  std::string_view TypeName() const override { return "LineFormat"; }
  virtual Ref<xl::ColorFormat> ForeColor() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class Shape : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Shape"; }
  virtual std::string Name() = 0;
  virtual void SetName(std::string_view name) = 0;
  // MsoShapeType.
  virtual std::int32_t Type() = 0;
  // MsoAutoShapeType; -2 (msoShapeMixed) for a shape that is not an auto shape.
  virtual std::int32_t AutoShapeType() = 0;
  virtual double Left() = 0;
  virtual double Top() = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual void SetLeft(double points) = 0;
  virtual void SetTop(double points) = 0;
  virtual void SetWidth(double points) = 0;
  virtual void SetHeight(double points) = 0;
  // 1 is the back-most shape of the drawing.
  virtual std::int32_t ZOrderPosition() = 0;
  virtual Ref<xl::FillFormat> Fill() = 0;
  virtual Ref<xl::LineFormat> Line() = 0;
  virtual void Select() = 0;
  virtual void Delete() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class Shapes : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Shapes"; }
  virtual std::int32_t Count() = 0;
  // 1-based z-order position, or name (a missing name raises -2147024809).
  virtual Ref<xl::Shape> Item(const Variant& index) = 0;
  // MsoAutoShapeType; named "AutoShape N" from the drawing's counter.
  virtual Ref<xl::Shape> AddShape(std::int32_t type, double left, double top, double width,
                                  double height) = 0;
  // Named "Text Box N".
  virtual Ref<xl::Shape> AddTextbox(std::int32_t orientation, double left, double top, double width,
                                    double height) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

class TextBox : public Dispatch {
 public:
  std::string_view TypeName() const override { return "TextBox"; }
  virtual std::string Name() = 0;
  virtual std::string Text() = 0;
  virtual void SetText(std::string_view text) = 0;
  // Place and size in points, in whole screen pixels (multiples of 0.75).
  virtual double Left() = 0;
  virtual double Top() = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual void Select() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class TextBoxes : public Dispatch {
 public:
  std::string_view TypeName() const override { return "TextBoxes"; }
  virtual std::int32_t Count() = 0;
  // 1-based or name; raises 1004 when missing.
  virtual Ref<xl::TextBox> Item(const Variant& index) = 0;
  virtual Ref<xl::TextBox> Add(double left, double top, double width, double height) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

// A Forms check box.
class CheckBox : public Dispatch {
 public:
  std::string_view TypeName() const override { return "CheckBox"; }
  virtual std::string Name() = 0;
  // kOn, kOff or kMixed.
  virtual std::int32_t Value() = 0;
  // Raises 1004 while the sheet is protected.
  virtual void SetValue(std::int32_t value) = 0;
  // Place and size in points, in whole screen pixels (multiples of 0.75).
  virtual double Left() = 0;
  virtual double Top() = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual void Select() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class CheckBoxes : public Dispatch {
 public:
  std::string_view TypeName() const override { return "CheckBoxes"; }
  virtual std::int32_t Count() = 0;
  // 1-based or name; raises 1004 when missing.
  virtual Ref<xl::CheckBox> Item(const Variant& index) = 0;
  // Named "Check Box N".
  virtual Ref<xl::CheckBox> Add(double left, double top, double width, double height) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
