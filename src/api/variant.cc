#include "api/variant.h"

#include <utility>

#include "api/dispatch.h"

namespace k27093 {

const Variant& VariantArray::at(std::int32_t index) const {
  if (items.empty() || index < lower || index > upper()) Raise(errors::kSubscript);
  return items[static_cast<std::size_t>(static_cast<std::int64_t>(index) - lower)];
}

Variant::Variant(bool value) : value_(value) {}
Variant::Variant(std::int32_t value) : value_(value) {}
Variant::Variant(double value) : value_(value) {}
Variant::Variant(std::string value) : value_(std::move(value)) {}
Variant::Variant(const char* value) : value_(std::string(value == nullptr ? "" : value)) {}
Variant::Variant(std::string_view value) : value_(std::string(value)) {}
Variant::Variant(VariantArray value)
    : value_(std::make_shared<VariantArray>(std::move(value))) {}
Variant::Variant(std::shared_ptr<Dispatch> object) : value_(std::move(object)) {}

Variant Variant::Null() {
  Variant value;
  value.value_ = NullTag{};
  return value;
}

Variant::Type Variant::type() const {
  switch (value_.index()) {
    case 0: return Type::Empty;
    case 1: return Type::Null;
    case 2: return Type::Boolean;
    case 3: return Type::Long;
    case 4: return Type::Double;
    case 5: return Type::Text;
    case 6: return Type::Array;
    default: return Type::Object;
  }
}

bool Variant::IsNumeric() const {
  auto kind = type();
  return kind == Type::Boolean || kind == Type::Long || kind == Type::Double;
}

namespace {

template <class T, class Storage>
const T& Held(const Storage& storage) {
  const T* held = std::get_if<T>(&storage);
  if (held == nullptr) Raise(errors::kTypeMismatch);
  return *held;
}

}  // namespace

bool Variant::AsBoolean() const { return Held<bool>(value_); }
std::int32_t Variant::AsLong() const { return Held<std::int32_t>(value_); }
double Variant::AsDouble() const { return Held<double>(value_); }
const std::string& Variant::AsText() const { return Held<std::string>(value_); }
const VariantArray& Variant::AsArray() const {
  return *Held<std::shared_ptr<VariantArray>>(value_);
}
const std::shared_ptr<Dispatch>& Variant::AsObject() const {
  return Held<std::shared_ptr<Dispatch>>(value_);
}

}  // namespace k27093
