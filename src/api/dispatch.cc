#include "api/dispatch.h"

namespace k27093 {

Variant Dispatch::Invoke(std::string_view, CallKind, Arguments) { Raise(errors::kNoMember); }

Variant Dispatch::InvokeById(std::int32_t, CallKind, Arguments) { Raise(errors::kNoMember); }

namespace {

// The object a late-bound call goes to: 424 for a value that is not an object, 91 for
// Nothing.
Dispatch& Target(const Variant& object) {
  if (!object.IsObject()) Raise(errors::kObjectRequired);
  const auto& target = object.AsObject();
  if (!target) Raise(errors::kNoObject);
  return *target;
}

Arguments Span(std::initializer_list<Variant> arguments) {
  return Arguments(arguments.begin(), arguments.size());
}

}  // namespace

Variant CallByName(const Variant& object, std::string_view member, CallKind kind,
                   std::initializer_list<Variant> arguments) {
  return Target(object).Invoke(member, kind, Span(arguments));
}

Variant GetProperty(const Variant& object, std::string_view member,
                    std::initializer_list<Variant> arguments) {
  return Target(object).Invoke(member, CallKind::Get, Span(arguments));
}

void SetProperty(const Variant& object, std::string_view member, const Variant& value) {
  Target(object).Invoke(member, CallKind::Put, Arguments(&value, 1));
}

Variant CallById(const Variant& object, std::int32_t dispid, CallKind kind,
                 std::initializer_list<Variant> arguments) {
  return Target(object).InvokeById(dispid, kind, Span(arguments));
}

const Variant& ArgumentOrMissing(Arguments arguments, std::size_t index) {
  static const Variant kMissing;
  return index < arguments.size() ? arguments[index] : kMissing;
}

}  // namespace k27093
