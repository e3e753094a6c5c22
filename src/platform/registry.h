// Registry: the object registry stand-in. Classes are registered by ProgID and CLSID with a
// factory; running objects are kept weakly (an object that died is no longer running), except
// those it is told to keep running, which it holds until they are revoked or let go, or
// until the registry itself ends.
#pragma once

#include <deque>
#include <map>
#include <vector>

#include "api/object_registry.h"

namespace k27093::platform {

class Registry : public ObjectRegistry {
 public:
  Registry() = default;
  // Lets go of the objects kept running (each may end then, and revoke itself here).
  ~Registry() override;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // Registering a ProgID or CLSID again replaces the earlier registration in place, so a
  // pointer Find returned stays valid (and then shows the new registration).
  void RegisterClass(ClassRegistration registration) override;
  // The registration whose ProgID or CLSID equals the name, case ignored; nullptr when none.
  const ClassRegistration* Find(std::string_view progIdOrClsid) const override;
  // Raises 429 for an unknown class, a class without factory, a factory that returns
  // nothing or throws something other than an Error; an Error from the factory passes
  // through unchanged.
  std::shared_ptr<Dispatch> CreateObject(std::string_view progIdOrClsid) override;
  // The first registered running object of the ProgID (case ignored) that is still alive;
  // raises 429 when none.
  std::shared_ptr<Dispatch> GetObject(std::string_view progId) override;
  // Keeps a weak reference: the object stays alive only as long as something else holds it,
  // unless KeepRunning holds it.
  void RegisterRunning(std::string_view progId, std::weak_ptr<Dispatch> object) override;
  // Holds (or lets go of) every registration of a registered, live object.
  void KeepRunning(const Dispatch* object, bool kept) override;
  // Removes every registration of the object (and those of objects that died).
  void RevokeRunning(const Dispatch* object) override;

 private:
  struct Running {
    std::string progId;
    std::weak_ptr<Dispatch> object;
    std::shared_ptr<Dispatch> kept;  // set while the registry keeps the object running
  };

  std::deque<ClassRegistration> classes_;  // a deque: Find's pointers survive new classes
  std::vector<Running> running_;
};

}  // namespace k27093::platform
