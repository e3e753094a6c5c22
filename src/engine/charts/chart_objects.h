// Chart objects: the frames of embedded charts in a drawing. `ChartObjects.Add` makes a frame
// "Chart N" from the drawing's counter and a new empty clustered-column chart in it; among the
// drawing's Shapes a frame is a chart (type 3).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/drawings/drawn_view.h"
#include "engine/objects/kind_collection.h"
#include "spreadsheet/chart.h"

namespace k27093::engine {

class ChartImpl;

// Makes the chart of a new frame (the owner of the drawing knows how).
using ChartMaker = std::function<std::shared_ptr<ChartImpl>(const std::shared_ptr<DrawnObject>&)>;

class ChartObjectImpl : public DrawnView<xl::ChartObject> {
 public:
  using DrawnView::DrawnView;
  std::string Name() override;
  Ref<xl::Chart> Chart() override;
  // The chart becomes the active chart; raises 1004 unless its sheet is the active sheet.
  void Activate() override;
  void Select() override;
  void Delete() override;
  double Left() override;
  double Top() override;
  double Width() override;
  double Height() override;
  void SetLeft(double points) override;
  void SetTop(double points) override;
  void SetWidth(double points) override;
  void SetHeight(double points) override;
};

class ChartObjectsImpl : public KindCollection<xl::ChartObjects, xl::ChartObject, ChartObjectImpl> {
 public:
  // `hostClass` words the 1004 of a missing item ("Worksheet").
  ChartObjectsImpl(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing,
                   std::string hostClass, ChartMaker maker);
  // Raises 1004 while the sheet is protected, -2147024809 for a negative size.
  Ref<xl::ChartObject> Add(double left, double top, double width, double height) override;

 private:
  ChartMaker maker_;
};

}  // namespace k27093::engine
