// Ref<T>: a shared reference to an automation object that may be Nothing. Using a Nothing
// reference raises run-time error 91, never undefined behaviour.
#pragma once

#include <memory>

#include "api/error.h"

namespace k27093 {

template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  Ref(std::shared_ptr<T> pointer) : pointer_(std::move(pointer)) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  Ref(const Ref<U>& other) : pointer_(other.shared()) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  Ref(std::shared_ptr<U> pointer) : pointer_(std::move(pointer)) {}

  // Raises 91 when the reference is Nothing.
  T* operator->() const {
    if (!pointer_) Raise(errors::kNoObject);
    return pointer_.get();
  }
  T& operator*() const { return *operator->(); }

  bool IsNothing() const noexcept { return pointer_ == nullptr; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }
  const std::shared_ptr<T>& shared() const noexcept { return pointer_; }
  T* get() const noexcept { return pointer_.get(); }

  // `Is`: both references designate the same object (two Nothings are the same).
  template <class U>
  bool Is(const Ref<U>& other) const noexcept {
    return static_cast<const void*>(pointer_.get()) == static_cast<const void*>(other.get());
  }

 private:
  std::shared_ptr<T> pointer_;
};

// Makes a new object and returns it as a reference.
template <class T, class... Args>
Ref<T> MakeRef(Args&&... args) {
  return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

}  // namespace k27093
