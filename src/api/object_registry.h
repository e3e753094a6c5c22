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
  virtual void RegisterRunning(std::string_view progId, std::weak_ptr<Dispatch> object) = 0;
  virtual void RevokeRunning(const Dispatch* object) = 0;
};

}  // namespace k27093
