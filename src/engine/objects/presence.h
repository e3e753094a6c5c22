// Presence: whether a document object still exists. Workbooks, sheets, drawn objects, charts
// and series form a tree; an object is present while it and every owner above it are (a
// closed workbook takes its sheets, charts and shapes along). Views of the object model share
// the presence of the document object they show.
#pragma once

#include <memory>

namespace k27093::engine {

class Presence {
 public:
  // A presence under `owner` (none: a root, present until removed).
  static std::shared_ptr<Presence> Under(std::shared_ptr<const Presence> owner) {
    return std::make_shared<Presence>(std::move(owner));
  }
  explicit Presence(std::shared_ptr<const Presence> owner) : owner_(std::move(owner)) {}

  // True while neither this object nor an owner was removed.
  bool Present() const { return !removed_ && (!owner_ || owner_->Present()); }
  // Marks the object removed, for good.
  void Remove() { removed_ = true; }

 private:
  bool removed_ = false;
  std::shared_ptr<const Presence> owner_;
};

}  // namespace k27093::engine
