// ComplementInfo: the list of complementary texts a check hands to the client. 1-based for
// callers; index 0 exists once the first text is added and is never written.
#pragma once

#include <cstdint>
#include <string>

#include "api/dispatch.h"
#include "files/indexed_list.h"

namespace k27093::files {

class ComplementInfo : public Dispatch {
 public:
  std::string_view TypeName() const override { return "ComplementInfo"; }

  // Appends a copy of the text. The second argument is ignored. Raises 6 when the count is
  // already 2147483647.
  void add(std::string_view soChaine, std::int32_t ignored);
  std::int32_t count() const;
  // A copy of text noItem (0 gives ""). Raises 9 on an empty list or an index outside
  // 0..count.
  std::string item(std::int32_t noItem) const;

  // Late-bound: "add", "count", "item".
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;

  IndexedList<std::string>& storage() { return list_; }

 private:
  IndexedList<std::string> list_;
};

}  // namespace k27093::files
