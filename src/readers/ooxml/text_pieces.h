// Small text helpers of the readers: a part, element or value quoted for an error message,
// a value without its surrounding blanks, and a value read as a number.
#pragma once

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "document/read_fault.h"

namespace k27093::ooxml {

using document::Quoted;

// `text` without leading and trailing blanks (space, tab, CR, LF); empty when all blank.
inline std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::string_view();
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// `text`, without its surrounding blanks and an optional leading '+', as a finite number in
// the format's decimal or exponent form; nullopt for anything else (empty, "inf", "1x").
inline std::optional<double> FiniteNumber(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace k27093::ooxml
