#include "engine/drawings/drawing.h"

#include <algorithm>
#include <cstdlib>

#include "engine/application/excel_errors.h"

namespace k27093::engine {

namespace {

// The number a name ends with ("Text Box 12" -> 12); 0 when it ends otherwise.
std::int32_t TrailingNumber(std::string_view name) {
  auto space = name.rfind(' ');
  if (space == std::string_view::npos || space + 1 == name.size()) return 0;
  auto digits = name.substr(space + 1);
  if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return 0;
  }
  return static_cast<std::int32_t>(std::strtol(std::string(digits).c_str(), nullptr, 10));
}

}  // namespace

std::string_view KindName(DrawnKind kind) {
  switch (kind) {
    case DrawnKind::AutoShape:
      return "AutoShape";
    case DrawnKind::TextBox:
      return "Text Box";
    case DrawnKind::Chart:
      return "Chart";
    case DrawnKind::CheckBox:
      return "Check Box";
    case DrawnKind::Other:
      return "Object";
  }
  return "";
}

Drawing::Drawing(std::shared_ptr<const Presence> hostPresence, DrawingHost host)
    : presence_(std::move(hostPresence)), host_(std::move(host)) {}

std::shared_ptr<DrawnObject> Drawing::Add(DrawnKind kind, const Geometry& geometry) {
  CheckChangeable();
  ++counter_;
  return Insert(kind, std::string(KindName(kind)) + " " + std::to_string(counter_), geometry);
}

std::shared_ptr<DrawnObject> Drawing::Restore(DrawnKind kind, std::string name,
                                              const Geometry& geometry) {
  counter_ = std::max(counter_, TrailingNumber(name));
  return Insert(kind, std::move(name), geometry);
}

std::shared_ptr<DrawnObject> Drawing::Insert(DrawnKind kind, std::string name,
                                             const Geometry& geometry) {
  auto object = std::make_shared<DrawnObject>();
  object->kind = kind;
  object->name = std::move(name);
  object->geometry = geometry;
  object->presence = Presence::Under(presence_);
  objects_.push_back(object);
  return object;
}

void Drawing::Remove(const DrawnObject& object) {
  CheckChangeable();
  auto found = std::find_if(objects_.begin(), objects_.end(),
                            [&](const auto& candidate) { return candidate.get() == &object; });
  if (found == objects_.end()) return;
  (*found)->presence->Remove();
  objects_.erase(found);
}

std::vector<std::shared_ptr<DrawnObject>> Drawing::ObjectsOf(DrawnKind kind) const {
  std::vector<std::shared_ptr<DrawnObject>> result;
  for (const auto& object : objects_) {
    if (object->kind == kind) result.push_back(object);
  }
  return result;
}

std::int32_t Drawing::ZOrderPosition(const DrawnObject& object) const {
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    if (objects_[i].get() == &object) return static_cast<std::int32_t>(i + 1);
  }
  return 0;
}

void Drawing::CheckChangeable() const {
  if (host_.protection) host_.protection->CheckChangeable();
}

void Drawing::PrepareSelection(std::string_view className) const {
  if (host_.lockedWhenProtected && host_.protection && host_.protection->on()) {
    RaiseMethodFailed("Select", className);
  }
  if (host_.prepareSelection) host_.prepareSelection(className);
}

}  // namespace k27093::engine
