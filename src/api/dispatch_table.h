// DispatchTable<T>: the late-bound face of a typed interface T, written once per interface.
// Each entry maps a member name (matched ignoring case) and, where the platform gives one, a
// dispatch identifier to a handler that calls T's typed member.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "api/dispatch.h"
#include "api/text.h"

namespace k27093 {

template <class T>
class DispatchTable {
 public:
  using Handler = std::function<Variant(T& self, CallKind kind, Arguments arguments)>;

  // Adds a member; dispid 0 means the member has no published identifier.
  DispatchTable& Add(std::string_view name, Handler handler, std::int32_t dispid = 0) {
    auto key = AsciiLower(name);
    handlers_[key] = std::move(handler);
    if (dispid != 0) byId_[dispid] = key;
    return *this;
  }

  // Raises 438 for an unknown name.
  Variant Invoke(T& self, std::string_view name, CallKind kind, Arguments arguments) const {
    auto found = handlers_.find(AsciiLower(name));
    if (found == handlers_.end()) Raise(errors::kNoMember);
    return found->second(self, kind, arguments);
  }

  // Raises 438 for an unknown identifier.
  Variant InvokeById(T& self, std::int32_t dispid, CallKind kind, Arguments arguments) const {
    auto found = byId_.find(dispid);
    if (found == byId_.end()) Raise(errors::kNoMember);
    return handlers_.at(found->second)(self, kind, arguments);
  }

 private:
  std::map<std::string, Handler> handlers_;
  std::map<std::int32_t, std::string> byId_;
};

}  // namespace k27093
