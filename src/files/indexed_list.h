// IndexedList<T>: the growing list behind FichiersDeTravail and ComplementInfo. It is indexed
// from 0 to count: entries 1..count in the order added, index 0 the never-written value T{}.
// Before the first Add there is no array at all. Values are copied in and out.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <utility>

#include "api/error.h"

namespace k27093::files {

template <class T>
class IndexedList {
 public:
  static constexpr std::int32_t kMaxCount = std::numeric_limits<std::int32_t>::max();

  // An empty list: count 0, no array.
  IndexedList() = default;

  // A list that stands as if `count` entries of T{} had already been added (0 gives an
  // empty list). It lets the count limit be reached without storing two billion entries.
  static IndexedList WithBlankEntries(std::int32_t count) {
    IndexedList list;
    list.count_ = count < 0 ? 0 : count;
    return list;
  }

  // The number of entries (0 for a new list).
  std::int32_t count() const { return count_; }
  // True once the first entry was added: indices 0..count then exist.
  bool HasArray() const { return count_ > 0; }

  // Appends a copy of `value` at index count + 1. Raises 6 when the count is already
  // kMaxCount; the list is then unchanged.
  void Add(T value) {
    if (count_ == kMaxCount) Raise(errors::kOverflow);
    entries_.insert_or_assign(count_ + 1, std::move(value));
    ++count_;
  }

  // A copy of the entry at `index` (index 0 gives T{}). Raises 9 when the list has no array
  // yet or `index` lies outside 0..count.
  T At(std::int32_t index) const {
    if (!HasArray() || index < 0 || index > count_) Raise(errors::kSubscript);
    auto found = entries_.find(index);
    return found == entries_.end() ? T{} : found->second;
  }

 private:
  std::int32_t count_ = 0;
  // Written entries by index. Indices of 0..count that are absent hold T{}: index 0 always,
  // and the blank entries of WithBlankEntries.
  std::map<std::int32_t, T> entries_;
};

}  // namespace k27093::files
