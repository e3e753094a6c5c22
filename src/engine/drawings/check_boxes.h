// Forms check boxes of a worksheet: "Check Box N" from the drawing's counter, a value of xlOn
// (1), xlOff (-4146) or xlMixed (2), unchangeable while the sheet is protected. Among the
// sheet's Shapes a check box is a form control (type 8).
#pragma once

#include <memory>
#include <string>

#include "engine/drawings/drawn_view.h"
#include "engine/objects/kind_collection.h"
#include "spreadsheet/shapes.h"

namespace k27093::engine {

class CheckBoxImpl : public DrawnView<xl::CheckBox> {
 public:
  using DrawnView::DrawnView;
  std::string Name() override;
  std::int32_t Value() override;
  // Takes xlOn (or True), xlOff (or False) and xlMixed; raises 1004 for another value or
  // while the sheet is protected.
  void SetValue(std::int32_t value) override;
  double Left() override;
  double Top() override;
  double Width() override;
  double Height() override;
  void Select() override;
};

class CheckBoxesImpl : public KindCollection<xl::CheckBoxes, xl::CheckBox, CheckBoxImpl> {
 public:
  CheckBoxesImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing);
  // A new unticked box.
  Ref<xl::CheckBox> Add(double left, double top, double width, double height) override;
};

}  // namespace k27093::engine
