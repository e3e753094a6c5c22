// Look-up of an item of a 1-based collection by position or by name, as the spreadsheet's
// collections do: a number is a 1-based position, a text is a name compared ignoring case
// (Unicode lower case: "ANNÉE N" finds "Année N"). Each collection says what a miss raises.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "api/text.h"
#include "api/variant.h"

namespace k27093::engine {

// The item `index` designates in `items`, or nullptr when none does. `nameOf(item)` gives an
// item's name. A Null index raises 94; an object or array raises 13.
template <class T, class NameOf>
std::shared_ptr<T> FindItem(const std::vector<std::shared_ptr<T>>& items, const Variant& index,
                            NameOf nameOf) {
  if (index.IsText()) {
    for (const auto& item : items) {
      if (EqualsIgnoringCase(nameOf(*item), index.AsText())) return item;
    }
    return nullptr;
  }
  std::int32_t position = ToLong(index);
  if (position < 1 || position > static_cast<std::int32_t>(items.size())) return nullptr;
  return items[static_cast<std::size_t>(position - 1)];
}

}  // namespace k27093::engine
