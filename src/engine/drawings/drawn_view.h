// DrawnView: the common part of the object-model views of one drawn object (Shape, TextBox,
// CheckBox, ChartObject): its geometry, its removal and its selection, each checked against
// the host's protection. `SelectDrawnObject` makes a drawn object the selection, as the view
// of its kind. A Shape reads the geometry stored; the legacy views read it in whole screen
// pixels (screen_pixels.h). Either kind of view stores the value it is given.
#pragma once

#include <memory>
#include <string_view>

#include "engine/drawings/drawing.h"
#include "engine/objects/node.h"
#include "engine/drawings/screen_pixels.h"

namespace k27093::engine {

// Selects `object` of `drawing`: the selection becomes the view of its kind (a check box
// selects as a CheckBox, a chart frame as a ChartObject ...). Raises 1004 when the host cannot
// take the selection (see Drawing::PrepareSelection).
void SelectDrawnObject(const std::shared_ptr<Session>& session,
                       const std::shared_ptr<Drawing>& drawing,
                       const std::shared_ptr<DrawnObject>& object);

// The view of its kind of a drawn object (the object a selection of it shows).
std::shared_ptr<Dispatch> ViewOfKind(const std::shared_ptr<Session>& session,
                                     const std::shared_ptr<Drawing>& drawing,
                                     const std::shared_ptr<DrawnObject>& object);

template <class Interface>
class DrawnView : public Interface, public Node {
 public:
  DrawnView(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing,
            std::shared_ptr<DrawnObject> object)
      : Node(std::move(session), object->presence),
        drawing_(std::move(drawing)),
        object_(std::move(object)) {}

 protected:
  DrawnObject& object() const { return *object_; }
  const std::shared_ptr<DrawnObject>& sharedObject() const { return object_; }
  const std::shared_ptr<Drawing>& drawing() const { return drawing_; }

  // The stored points (a Shape's reading).
  double GetGeometry(double Geometry::*field) const {
    Enter();
    return object_->geometry.*field;
  }
  // The stored points in whole screen pixels (the reading of ChartObject, TextBox, CheckBox).
  double GetPixelGeometry(double Geometry::*field) const { return WholePixels(GetGeometry(field)); }
  // Raises 1004 while the host is protected; a negative width or height is out of range.
  void SetGeometry(double Geometry::*field, double value) {
    Enter();
    drawing_->CheckChangeable();
    bool isSize = field == &Geometry::width || field == &Geometry::height;
    if (isSize && value < 0) RaiseValueOutOfRange();
    object_->geometry.*field = value;
  }
  void SelectObject() {
    Enter();
    SelectDrawnObject(session(), drawing_, object_);
  }
  void RemoveObject() {
    Enter();
    drawing_->Remove(*object_);
  }

 private:
  std::shared_ptr<Drawing> drawing_;
  std::shared_ptr<DrawnObject> object_;
};

}  // namespace k27093::engine
