#include "api/tribool.h"

#include <optional>

namespace k27093 {
namespace {

// The sign of a - b as the platform orders Variants, or nothing when Null is involved.
// Empty is 0 against a number and "" against a text (and equals Empty); any number is less
// than any text.
std::optional<int> Order(const Variant& a, const Variant& b) {
  for (const Variant* side : {&a, &b}) {
    if (side->IsArray() || side->IsObject()) Raise(errors::kTypeMismatch);
  }
  if (a.IsNull() || b.IsNull()) return std::nullopt;
  if (a.IsEmpty() && b.IsEmpty()) return 0;

  bool aText = a.IsText() || (a.IsEmpty() && b.IsText());
  bool bText = b.IsText() || (b.IsEmpty() && a.IsText());
  if (aText && bText) {
    std::string_view left = a.IsText() ? std::string_view(a.AsText()) : std::string_view();
    std::string_view right = b.IsText() ? std::string_view(b.AsText()) : std::string_view();
    int sign = left.compare(right);
    return sign < 0 ? -1 : (sign > 0 ? 1 : 0);
  }
  if (aText) return 1;
  if (bText) return -1;
  double left = ToDouble(a);
  double right = ToDouble(b);
  return left < right ? -1 : (left > right ? 1 : 0);
}

}  // namespace

Tribool Equals(const Variant& a, const Variant& b) {
  auto order = Order(a, b);
  if (!order) return Tribool::Unknown();
  return *order == 0;
}

Tribool LessThan(const Variant& a, const Variant& b) {
  auto order = Order(a, b);
  if (!order) return Tribool::Unknown();
  return *order < 0;
}

Tribool GreaterThan(const Variant& a, const Variant& b) {
  auto order = Order(a, b);
  if (!order) return Tribool::Unknown();
  return *order > 0;
}

}  // namespace k27093
