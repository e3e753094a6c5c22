// The Shapes of a sheet or a chart: every drawn object of the drawing, by z-order position or
// name, with its type, geometry and colours (R + 256*G + 65536*B). A new auto shape or text
// box is filled white and outlined black.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/drawings/drawn_view.h"
#include "spreadsheet/shapes.h"

namespace k27093::engine {

class ColorFormatImpl : public xl::ColorFormat, public Node {
 public:
  ColorFormatImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing,
                  std::shared_ptr<DrawnObject> object, std::int32_t DrawnObject::*color);
  std::int32_t RGB() override;
  // Raises -2147024809 for a value outside 0..16777215, 1004 while the host is protected.
  void SetRGB(std::int32_t color) override;

 private:
  std::shared_ptr<Drawing> drawing_;
  std::shared_ptr<DrawnObject> object_;
  std::int32_t DrawnObject::*color_;
};

class FillFormatImpl : public DrawnView<xl::FillFormat> {
 public:
  using DrawnView::DrawnView;
  Ref<xl::ColorFormat> ForeColor() override;
};

class LineFormatImpl : public DrawnView<xl::LineFormat> {
 public:
  using DrawnView::DrawnView;
  Ref<xl::ColorFormat> ForeColor() override;
};

class ShapeImpl : public DrawnView<xl::Shape> {
 public:
  using DrawnView::DrawnView;
  std::string Name() override;
  void SetName(std::string_view name) override;
  std::int32_t Type() override;
  std::int32_t AutoShapeType() override;
  double Left() override;
  double Top() override;
  double Width() override;
  double Height() override;
  void SetLeft(double points) override;
  void SetTop(double points) override;
  void SetWidth(double points) override;
  void SetHeight(double points) override;
  std::int32_t ZOrderPosition() override;
  Ref<xl::FillFormat> Fill() override;
  Ref<xl::LineFormat> Line() override;
  void Select() override;
  void Delete() override;
};

class ShapesImpl : public xl::Shapes, public Node {
 public:
  ShapesImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing);
  std::int32_t Count() override;
  // A missing name raises -2147024809 "The item with the specified name wasn't found."; a
  // position out of range raises -2147024809 "The specified value is out of range.".
  Ref<xl::Shape> Item(const Variant& index) override;
  // Raises -2147024809 for an unknown shape type (1 to 183), 1004 while protected.
  Ref<xl::Shape> AddShape(std::int32_t type, double left, double top, double width,
                          double height) override;
  Ref<xl::Shape> AddTextbox(std::int32_t orientation, double left, double top, double width,
                            double height) override;

 private:
  std::shared_ptr<Drawing> drawing_;
};

}  // namespace k27093::engine
