// Text helpers on UTF-8 strings. Positions and lengths count characters (code points), not
// bytes: "Année" has 5 characters. Case mapping is Unicode's ("É" -> "é").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace k27093 {

// Number of characters of a UTF-8 text.
std::size_t CharCount(std::string_view text);
// The first / last `count` characters (the whole text when it is shorter).
std::string LeftChars(std::string_view text, std::size_t count);
std::string RightChars(std::string_view text, std::size_t count);
// `count` characters from the 1-based character position `start` (to the end when count is
// npos); empty when start lies past the end.
std::string MidChars(std::string_view text, std::size_t start,
                     std::size_t count = std::string_view::npos);
// Unicode lower and upper case (LCase/UCase), accented capitals included.
std::string LowerCase(std::string_view text);
std::string UpperCase(std::string_view text);
// Lower case of the ASCII letters only: for identifiers such as member names.
std::string AsciiLower(std::string_view text);
// Case-insensitive equality under Unicode lower-casing.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Removes leading and trailing blanks (Trim).
std::string Trim(std::string_view text);
// Conversions between UTF-8 and UTF-16 (what the platform's automation strings hold).
std::u16string ToUtf16(std::string_view text);
std::string FromUtf16(std::u16string_view text);
// Converts Windows-1252 bytes (the platform's 8-bit strings) to UTF-8.
std::string FromWindows1252(std::string_view bytes);
std::string ToWindows1252(std::string_view text);

}  // namespace k27093
