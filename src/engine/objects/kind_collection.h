// KindCollection: a collection of the drawn objects of one kind in a drawing (TextBoxes,
// CheckBoxes, ChartObjects): Count, and Item by 1-based position among that kind or by name
// (case ignored). A miss raises 1004 "Unable to get the <Property> property of the <Host>
// class", as the spreadsheet does.
#pragma once

#include <memory>
#include <string>

#include "engine/objects/collection.h"
#include "engine/drawings/drawing.h"
#include "engine/objects/node.h"

namespace k27093::engine {

template <class Interface, class ItemInterface, class ItemView>
class KindCollection : public Interface, public Node {
 public:
  // `property` and `hostClass` word the miss ("TextBoxes", "Chart").
  KindCollection(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing, DrawnKind kind,
                 std::string property, std::string hostClass)
      : Node(std::move(session), drawing->presence()),
        drawing_(std::move(drawing)),
        kind_(kind),
        property_(std::move(property)),
        hostClass_(std::move(hostClass)) {}

  std::int32_t Count() override {
    Enter();
    return static_cast<std::int32_t>(drawing_->ObjectsOf(kind_).size());
  }

  Ref<ItemInterface> Item(const Variant& index) override {
    Enter();
    auto object = FindItem(drawing_->ObjectsOf(kind_), index,
                           [](const DrawnObject& candidate) { return candidate.name; });
    if (!object) RaiseUnableToGet(property_, hostClass_);
    return MakeRef<ItemView>(session(), drawing_, object);
  }

 protected:
  // Adds an object of the collection's kind (1004 while the host is protected).
  std::shared_ptr<DrawnObject> AddObject(const Geometry& geometry) {
    Enter();
    return drawing_->Add(kind_, geometry);
  }
  const std::shared_ptr<Drawing>& drawing() const { return drawing_; }

 private:
  std::shared_ptr<Drawing> drawing_;
  DrawnKind kind_;
  std::string property_;
  std::string hostClass_;
};

}  // namespace k27093::engine
