// The custom document properties of a workbook package (docProps/custom.xml, found through
// the package's own relationships): their names and values as text. The file is only read;
// the properties part is refused beyond kMaxCustomPropertiesBytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace k27093::ooxml {

inline constexpr std::size_t kMaxCustomPropertiesBytes = 1024 * 1024;

// The custom properties of the package at `path`, in file order, as (name, value) pairs; the
// value is the text of the property's value element ("true", "12.5", a date as stored ...).
// Empty when the package has no custom-properties relationship. Raises Error 1004 (source
// "Microsoft Office Excel") naming the file when it is missing or unreadable, is no package,
// or when the properties part is missing, larger than kMaxCustomPropertiesBytes, declares a
// DOCTYPE or is not well-formed.
std::vector<std::pair<std::string, std::string>> ReadCustomProperties(const std::string& path);

// The same from the package's bytes; `displayName` names the file in error descriptions.
std::vector<std::pair<std::string, std::string>> ReadCustomPropertiesBytes(
    std::string_view bytes, std::string_view displayName);

}  // namespace k27093::ooxml
