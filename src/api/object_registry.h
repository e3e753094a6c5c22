// ObjectRegistry: creating automation objects by programmatic identifier or class identity,
// and attaching to running ones (the running-object table). The platform stand-in implements
// it in src/platform.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "api/dispatch.h"

namespace k27093 {

enum class Threading { Apartment, Free, Both };

struct ClassRegistration {
  std::string progId;  // "K27093.Module"
  std::string clsid;   // "{957FABBC-...}"
  Threading threading = Threading::Apartment;
  std::function<std::shared_ptr<Dispatch>()> factory;
};

class ObjectRegistry {
 public:
  virtual ~ObjectRegistry() = default;

  virtual void RegisterClass(ClassRegistration registration) = 0;
  // The registration of a ProgID or CLSID (case ignored); nullptr when unknown.
  virtual const ClassRegistration* Find(std::string_view progIdOrClsid) const = 0;
  // CreateObject: a new object of the class. Raises 429 for an unknown class or a factory
  // that fails.
  virtual std::shared_ptr<Dispatch> CreateObject(std::string_view progIdOrClsid) = 0;
  // GetObject(, progId): the running object registered under it. Raises 429 when none.
  virtual std::shared_ptr<Dispatch> GetObject(std::string_view progId) = 0;
  // Running-object table: the first registration of a ProgID is the one GetObject returns.
  // A registration does not keep its object alive unless KeepRunning says so.
  virtual void RegisterRunning(std::string_view progId, std::weak_ptr<Dispatch> object) = 0;
  // kept true: the table holds the registered `object`, which then runs on when its clients
  // have all let it go, as a program the user controls does; kept false: it holds it no more
  // (the object may end at once when nothing else holds it). Does nothing for an object that
  // is not registered.
  virtual void KeepRunning(const Dispatch* object, bool kept) = 0;
  // Removes every registration of the object, and lets it go if the table held it.
  virtual void RevokeRunning(const Dispatch* object) = 0;
};

}  // namespace k27093
