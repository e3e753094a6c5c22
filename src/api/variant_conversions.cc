// The platform's conversions of a Variant: CLng, CInt, CDbl, CBool, CStr and Str.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "api/text.h"
#include "api/variant.h"

namespace k27093 {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view StripBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Reads a number written as the platform accepts it in numeric text (United States
// conventions): blanks around it, a sign, digits with "," thousands separators, a decimal
// point, an exponent introduced by E or D. Nothing else; an empty text is not a number.
std::optional<double> ParseNumber(std::string_view text) {
  text = StripBlanks(text);
  std::string plain;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') plain += '-';
    ++at;
  }
  bool mantissaDigits = false;
  for (; at < text.size(); ++at) {
    if (IsDigit(text[at])) {
      plain += text[at];
      mantissaDigits = true;
    } else if (text[at] != ',' || !mantissaDigits) {
      break;
    }
  }
  if (at < text.size() && text[at] == '.') {
    plain += '.';
    for (++at; at < text.size() && IsDigit(text[at]); ++at) {
      plain += text[at];
      mantissaDigits = true;
    }
  }
  if (!mantissaDigits) return std::nullopt;
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' ||
                           text[at] == 'd')) {
    plain += 'E';
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) plain += text[at++];
    bool exponentDigits = false;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
      plain += text[at];
      exponentDigits = true;
    }
    if (!exponentDigits) return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;

  double value = 0;
  auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too large overflows; too small is zero.
    bool tiny = plain.find("E-") != std::string::npos;
    if (!tiny) Raise(errors::kOverflow);
    return 0.0;
  }
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

// Rounds half to even, as the platform does when it turns a number into an integer.
double RoundHalfEven(double value) {
  double floor = std::floor(value);
  double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

double RoundedWithin(const Variant& value, double lowest, double highest) {
  double number = RoundHalfEven(ToDouble(value));
  if (!(number >= lowest && number <= highest)) Raise(errors::kOverflow);
  return number;
}

// The number in the platform's general form with `digits` significant digits: no trailing
// zeros, exponent form ("1E+20", "1.5E-05") below 1E-04 and from 10^digits on.
std::string GeneralForm(double value, int digits) {
  if (value == 0) return "0";
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  return buffer;
}

}  // namespace

double ToDouble(const Variant& value) {
  switch (value.type()) {
    case Variant::Type::Empty: return 0;
    case Variant::Type::Null: Raise(errors::kInvalidNull);
    case Variant::Type::Boolean: return value.AsBoolean() ? -1 : 0;
    case Variant::Type::Long: return value.AsLong();
    case Variant::Type::Double: return value.AsDouble();
    case Variant::Type::Text: {
      auto number = ParseNumber(value.AsText());
      if (!number) Raise(errors::kTypeMismatch);
      return *number;
    }
    default: Raise(errors::kTypeMismatch);
  }
}

std::int32_t ToLong(const Variant& value) {
  if (value.type() == Variant::Type::Long) return value.AsLong();
  return static_cast<std::int32_t>(RoundedWithin(value, -2147483648.0, 2147483647.0));
}

std::int16_t ToInteger(const Variant& value) {
  return static_cast<std::int16_t>(RoundedWithin(value, -32768.0, 32767.0));
}

bool ToBoolean(const Variant& value) {
  switch (value.type()) {
    case Variant::Type::Boolean: return value.AsBoolean();
    case Variant::Type::Text: {
      auto word = AsciiLower(StripBlanks(value.AsText()));
      if (word == "true") return true;
      if (word == "false") return false;
      return ToDouble(value) != 0;
    }
    default: return ToDouble(value) != 0;
  }
}

std::string ToText(const Variant& value) {
  switch (value.type()) {
    case Variant::Type::Empty: return "";
    case Variant::Type::Null: Raise(errors::kInvalidNull);
    case Variant::Type::Boolean: return value.AsBoolean() ? "True" : "False";
    case Variant::Type::Long: return std::to_string(value.AsLong());
    case Variant::Type::Double: return GeneralForm(value.AsDouble(), 15);
    case Variant::Type::Text: return value.AsText();
    default: Raise(errors::kTypeMismatch);
  }
}

std::string StrOfNumber(double value, bool singlePrecision) {
  if (singlePrecision) value = static_cast<float>(value);
  std::string text = GeneralForm(value, singlePrecision ? 7 : 15);
  // Str writes no zero before the decimal point: " .5", "-.25".
  if (text.starts_with("0.")) text.erase(0, 1);
  if (text.starts_with("-0.")) text.erase(1, 1);
  if (!text.starts_with("-")) text.insert(0, " ");
  return text;
}

}  // namespace k27093
