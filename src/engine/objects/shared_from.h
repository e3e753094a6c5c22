// SharedFrom: the shared pointer of an object of the object model, as its own class (every
// object derives from Dispatch, which knows its shared owner).
#pragma once

#include <memory>

namespace k27093::engine {

template <class T>
std::shared_ptr<T> SharedFrom(T& object) {
  return std::static_pointer_cast<T>(object.shared_from_this());
}

}  // namespace k27093::engine
