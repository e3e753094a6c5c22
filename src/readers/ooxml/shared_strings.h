// SharedStrings: the plain texts of a workbook's shared-string table, held in one block of
// text with the end of each, so that a table of millions of short (or empty) texts costs
// their bytes and four bytes each, not a string object each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "readers/ooxml/package.h"

namespace k27093::ooxml {

class SharedStrings {
 public:
  // Appends a text as the next index.
  void Add(std::string_view text) {
    texts_ += text;
    ends_.push_back(static_cast<std::uint32_t>(texts_.size()));
  }

  std::size_t size() const { return ends_.size(); }

  // The text of `index`, which must be below size(); valid while the table lives unchanged.
  std::string_view operator[](std::size_t index) const {
    const std::uint32_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(texts_).substr(begin, ends_[index] - begin);
  }

 private:
  // The texts come from one part, whose size kMaxPartBytes bounds: their ends fit 32 bits.
  static_assert(kMaxPartBytes < (std::uint64_t{1} << 32));
  std::string texts_;
  std::vector<std::uint32_t> ends_;
};

}  // namespace k27093::ooxml
