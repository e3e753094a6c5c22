// Small text helpers of the readers: a part, element or value quoted for an error message,
// and a value without its surrounding blanks.
#pragma once

#include <string>
#include <string_view>

namespace k27093::ooxml {

// 'text', as the readers' failure descriptions quote names and values.
inline std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// `text` without leading and trailing blanks (space, tab, CR, LF); empty when all blank.
inline std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::string_view();
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace k27093::ooxml
