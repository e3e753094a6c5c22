// Dispatch: late-bound access to an automation object, by member name (case ignored, as
// automation does) and by dispatch identifier. Every object of the object model, every
// question and every list derives from it. A member the object does not have raises 438.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "api/variant.h"

namespace k27093 {

// What a late-bound call does: read a property, write one (the value is the last argument),
// or call a method.
enum class CallKind { Get, Put, Method };

using Arguments = std::span<const Variant>;

class Dispatch : public std::enable_shared_from_this<Dispatch> {
 public:
  virtual ~Dispatch() = default;

  // The object's class name as the platform's TypeName shows it ("Chart", "Worksheet").
  virtual std::string_view TypeName() const = 0;

  // Calls `member` late-bound. Raises 438 when the object has no such member; the member's
  // own errors pass through unchanged.
  virtual Variant Invoke(std::string_view member, CallKind kind, Arguments arguments);

  // Calls the member with dispatch identifier `dispid`. Raises 438 when there is none.
  virtual Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments);
};

// Late-bound helpers on a Variant that should hold an object: Nothing raises 91, a value that
// is not an object raises 424 ("Object required").
Variant CallByName(const Variant& object, std::string_view member, CallKind kind,
                   std::initializer_list<Variant> arguments = {});
Variant GetProperty(const Variant& object, std::string_view member,
                    std::initializer_list<Variant> arguments = {});
void SetProperty(const Variant& object, std::string_view member, const Variant& value);
Variant CallById(const Variant& object, std::int32_t dispid, CallKind kind,
                 std::initializer_list<Variant> arguments = {});

// The argument at `index`, or an omitted (Empty) Variant when the caller passed fewer.
const Variant& ArgumentOrMissing(Arguments arguments, std::size_t index);

}  // namespace k27093
