// Three-valued truth for comparisons that involve Null: a comparison with Null is undecided,
// and undecided values combine as the platform's And/Or do (undecided Or True = True,
// undecided And False = False).
#pragma once

#include "api/variant.h"

namespace k27093 {

class Tribool {
 public:
  enum class Value { False, True, Unknown };

  constexpr Tribool(bool value) : value_(value ? Value::True : Value::False) {}
  static constexpr Tribool Unknown() { return Tribool(Value::Unknown); }

  constexpr bool IsTrue() const { return value_ == Value::True; }
  constexpr bool IsFalse() const { return value_ == Value::False; }
  constexpr bool IsUnknown() const { return value_ == Value::Unknown; }

  friend constexpr Tribool operator&&(Tribool a, Tribool b) {
    if (a.IsFalse() || b.IsFalse()) return false;
    if (a.IsTrue() && b.IsTrue()) return true;
    return Unknown();
  }
  friend constexpr Tribool operator||(Tribool a, Tribool b) {
    if (a.IsTrue() || b.IsTrue()) return true;
    if (a.IsFalse() && b.IsFalse()) return false;
    return Unknown();
  }
  friend constexpr Tribool operator!(Tribool a) {
    return a.IsUnknown() ? a : Tribool(!a.IsTrue());
  }
  constexpr bool operator==(const Tribool&) const = default;

 private:
  constexpr explicit Tribool(Value value) : value_(value) {}
  Value value_;
};

// `a = b` as the platform compares Variants: Null on either side is undecided; numbers
// (Booleans included, True is -1) compare numerically; texts exactly; Empty equals "" and 0;
// a number never equals a text. Arrays and objects raise 13.
Tribool Equals(const Variant& a, const Variant& b);
// `a < b` and `a > b`: numbers numerically, texts by their bytes; Null undecided; a number is
// less than a text.
Tribool LessThan(const Variant& a, const Variant& b);
Tribool GreaterThan(const Variant& a, const Variant& b);

}  // namespace k27093
