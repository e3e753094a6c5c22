// Text boxes of a sheet or a chart, in the order of the drawing: their text, geometry and
// selection. `TextBoxes.Add` names a new box "Text Box N" from the drawing's counter.
#pragma once

#include <memory>
#include <string>

#include "engine/drawings/drawn_view.h"
#include "engine/objects/kind_collection.h"
#include "spreadsheet/shapes.h"

namespace k27093::engine {

class TextBoxImpl : public DrawnView<xl::TextBox> {
 public:
  using DrawnView::DrawnView;
  std::string Name() override;
  std::string Text() override;
  // Raises 1004 while the host is protected.
  void SetText(std::string_view text) override;
  double Left() override;
  double Top() override;
  double Width() override;
  double Height() override;
  void Select() override;
};

class TextBoxesImpl : public KindCollection<xl::TextBoxes, xl::TextBox, TextBoxImpl> {
 public:
  // `hostClass` is "Worksheet" or "Chart" (it words the 1004 of a missing item).
  TextBoxesImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing,
                std::string hostClass);
  Ref<xl::TextBox> Add(double left, double top, double width, double height) override;
};

}  // namespace k27093::engine
