// Building blocks of the object model's late-bound face, private to src/spreadsheet: `Members`
// fills a DispatchTable with handlers that adapt typed members, convert arguments with the
// platform's conversions (a value of the wrong kind raises 13) and check how a member is called.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "api/dispatch_table.h"
#include "api/variant.h"

namespace k27093::xl::late {

// Source text of the errors the spreadsheet itself raises.
inline constexpr std::string_view kSpreadsheetSource = "Microsoft Office Excel";

// Raises 438: the member cannot be written (a read-only property, or a method called as a
// property write), as the platform answers such a call.
[[noreturn]] void RaiseNotWritable();

// Checks the number of arguments of a call: fewer than `minimum` raises 449 ("Argument not
// optional"), more than `maximum` raises 450 ("Wrong number of arguments or invalid property
// assignment").
void CheckCount(Arguments arguments, std::size_t minimum, std::size_t maximum);

// Reads are Get or Method (a late-bound read of a property may come as either); raises 438
// for Put.
void CheckRead(CallKind kind);

// An argument converted to the type a typed member takes: text (ToText), Boolean
// (ToBoolean), 32-bit integer (ToLong), double (ToDouble) or the Variant itself.
template <class P>
auto Convert(const Variant& value) {
  using Plain = std::remove_cvref_t<P>;
  if constexpr (std::is_same_v<Plain, std::string_view>) {
    return ToText(value);
  } else if constexpr (std::is_same_v<Plain, bool>) {
    return ToBoolean(value);
  } else if constexpr (std::is_same_v<Plain, std::int32_t>) {
    return ToLong(value);
  } else if constexpr (std::is_same_v<Plain, double>) {
    return ToDouble(value);
  } else {
    static_assert(std::is_same_v<Plain, Variant>, "no late-bound conversion for this type");
    return value;
  }
}

// A typed result as a Variant: nothing (a method without result) is Empty; an object
// reference stays Nothing when it is Nothing.
template <class F>
Variant ResultOf(F&& call) {
  if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
    std::forward<F>(call)();
    return Variant();
  } else {
    return Variant(std::forward<F>(call)());
  }
}

// Adds members of the typed interface T (or of a base class of T) to a DispatchTable<T>.
template <class T>
class Members {
 public:
  using Handler = typename DispatchTable<T>::Handler;

  explicit Members(DispatchTable<T>& table) : table_(table) {}

  // Any handler, for members that take optional arguments or need their own conversions.
  Members& Custom(std::string_view name, Handler handler, std::int32_t dispid = 0) {
    table_.Add(name, std::move(handler), dispid);
    return *this;
  }

  // A read-only property without arguments; writing it raises 438.
  template <class Base, class R>
  Members& Get(std::string_view name, R (Base::*getter)(), std::int32_t dispid = 0) {
    static_assert(std::is_base_of_v<Base, T>);
    return Custom(
        name,
        [getter](T& self, CallKind kind, Arguments arguments) {
          CheckRead(kind);
          CheckCount(arguments, 0, 0);
          return ResultOf([&] { return (self.*getter)(); });
        },
        dispid);
  }

  // A read-write property without arguments: Put takes the value as its only argument.
  template <class Base, class R, class P>
  Members& Property(std::string_view name, R (Base::*getter)(), void (Base::*setter)(P),
                    std::int32_t dispid = 0) {
    static_assert(std::is_base_of_v<Base, T>);
    return Custom(
        name,
        [getter, setter](T& self, CallKind kind, Arguments arguments) {
          CheckCount(arguments, kind == CallKind::Put ? 1 : 0, kind == CallKind::Put ? 1 : 0);
          if (kind != CallKind::Put) return ResultOf([&] { return (self.*getter)(); });
          (self.*setter)(Convert<P>(arguments[0]));
          return Variant();
        },
        dispid);
  }

  // A method whose arguments are all required, converted in order to the types it takes.
  template <class Base, class R, class... P>
  Members& Method(std::string_view name, R (Base::*method)(P...), std::int32_t dispid = 0) {
    static_assert(std::is_base_of_v<Base, T>);
    return Custom(
        name,
        [method](T& self, CallKind kind, Arguments arguments) {
          CheckRead(kind);
          CheckCount(arguments, sizeof...(P), sizeof...(P));
          return CallConverted(self, method, arguments, std::index_sequence_for<P...>{});
        },
        dispid);
  }

  // A collection property: without argument the collection, with one the collection's item
  // of that index or name (`Sheet.ChartObjects(1)`, `Application.Workbooks("Ventes.xls")`).
  template <class Base, class C>
  Members& Collection(std::string_view name, Ref<C> (Base::*getter)(), std::int32_t dispid = 0) {
    static_assert(std::is_base_of_v<Base, T>);
    return Custom(
        name,
        [getter](T& self, CallKind kind, Arguments arguments) {
          CheckRead(kind);
          CheckCount(arguments, 0, 1);
          Ref<C> collection = (self.*getter)();
          if (arguments.empty()) return Variant(collection);
          return Variant(collection->Item(arguments[0]));
        },
        dispid);
  }

 private:
  template <class Base, class R, class... P, std::size_t... I>
  static Variant CallConverted(T& self, R (Base::*method)(P...), Arguments arguments,
                               std::index_sequence<I...>) {
    // Brace initialisation converts the arguments from left to right, as the platform does.
    std::tuple<decltype(Convert<P>(arguments[I]))...> values{Convert<P>(arguments[I])...};
    return ResultOf([&] {
      return std::apply([&](auto&... value) { return (self.*method)(value...); }, values);
    });
  }

  DispatchTable<T>& table_;
};

// Builds a table once with `fill(Members<T>&)`; the table lives for the whole program.
template <class T, class Fill>
DispatchTable<T> BuildTable(Fill fill) {
  DispatchTable<T> table;
  Members<T> members(table);
  fill(members);
  return table;
}

}  // namespace k27093::xl::late
