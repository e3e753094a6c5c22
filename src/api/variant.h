// Variant: the automation value. Empty, Null, Boolean, 32-bit integer, double, text, a
// one-dimensional array with its lower bound, or an object reference (possibly Nothing).
// The conversions behave as the platform's: see each function for what it raises.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "api/ref.h"

namespace k27093 {

class Dispatch;
class Variant;

// A one-dimensional array: element i (lower <= i <= upper) is items[i - lower].
struct VariantArray {
  std::int32_t lower = 0;
  std::vector<Variant> items;

  std::int32_t upper() const;
  // The element at index i; raises 9 outside lower..upper.
  const Variant& at(std::int32_t index) const;
};

class Variant {
 public:
  enum class Type { Empty, Null, Boolean, Long, Double, Text, Array, Object };

  Variant() = default;                        // Empty
  Variant(bool value);                        // Boolean
  Variant(std::int32_t value);                // Long
  Variant(double value);                      // Double
  Variant(std::string value);                 // Text
  Variant(const char* value);                 // Text
  Variant(std::string_view value);            // Text
  Variant(VariantArray value);                // Array
  Variant(std::shared_ptr<Dispatch> object);  // Object (Nothing when empty)
  template <class T>
    requires std::is_base_of_v<Dispatch, T>
  Variant(std::shared_ptr<T> object) : Variant(std::shared_ptr<Dispatch>(std::move(object))) {}
  template <class T>
    requires std::is_base_of_v<Dispatch, T>
  Variant(const Ref<T>& object) : Variant(std::shared_ptr<Dispatch>(object.shared())) {}

  static Variant Null();
  static Variant Nothing() { return Variant(std::shared_ptr<Dispatch>()); }

  Type type() const;
  bool IsEmpty() const { return type() == Type::Empty; }
  bool IsNull() const { return type() == Type::Null; }
  bool IsObject() const { return type() == Type::Object; }
  bool IsArray() const { return type() == Type::Array; }
  bool IsText() const { return type() == Type::Text; }
  bool IsNumeric() const;  // Boolean, Long or Double

  // Raw access; each raises 13 when the Variant holds another type.
  bool AsBoolean() const;
  std::int32_t AsLong() const;
  double AsDouble() const;
  const std::string& AsText() const;
  const VariantArray& AsArray() const;
  const std::shared_ptr<Dispatch>& AsObject() const;

 private:
  struct NullTag {
    bool operator==(const NullTag&) const = default;
  };
  using Storage = std::variant<std::monostate, NullTag, bool, std::int32_t, double, std::string,
                               std::shared_ptr<VariantArray>, std::shared_ptr<Dispatch>>;
  Storage value_;
};

inline std::int32_t VariantArray::upper() const {
  return lower + static_cast<std::int32_t>(items.size()) - 1;
}

// CLng: banker's rounding; Empty -> 0; True -> -1; Null -> 94; out of range -> 6;
// text that is not a number, arrays and objects -> 13.
std::int32_t ToLong(const Variant& value);
// CInt: as ToLong, within -32768..32767.
std::int16_t ToInteger(const Variant& value);
// CDbl: as ToLong, without rounding.
double ToDouble(const Variant& value);
// CBool: numbers are True when not 0; text "True"/"False" (any case) or a number;
// Null -> 94; others -> 13.
bool ToBoolean(const Variant& value);
// CStr: Empty -> ""; Booleans "True"/"False"; numbers as the platform prints them
// (up to 15 significant digits, "1E+20" form for large and small magnitudes); Null -> 94;
// arrays and objects -> 13.
std::string ToText(const Variant& value);
// Str: a number printed with a leading blank when not negative; singlePrecision keeps at most
// 7 significant digits.
std::string StrOfNumber(double value, bool singlePrecision = false);

// An object held by the Variant as T: Nothing stays Nothing; another kind of object or a
// value that is not an object raises 13.
template <class T>
Ref<T> ToObject(const Variant& value) {
  if (!value.IsObject()) Raise(errors::kTypeMismatch);
  const auto& object = value.AsObject();
  if (!object) return Ref<T>();
  auto typed = std::dynamic_pointer_cast<T>(object);
  if (!typed) Raise(errors::kTypeMismatch);
  return Ref<T>(std::move(typed));
}

}  // namespace k27093
