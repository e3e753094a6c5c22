#include "platform/registry.h"

#include <exception>

#include "api/error.h"
#include "api/text.h"

namespace k27093::platform {

namespace {

// ProgIDs and CLSIDs are looked up without regard to case; an empty name names nothing.
bool SameName(std::string_view registered, std::string_view wanted) {
  return !registered.empty() && EqualsIgnoringCase(registered, wanted);
}

bool SameClass(const ClassRegistration& a, const ClassRegistration& b) {
  return SameName(a.progId, b.progId) || SameName(a.clsid, b.clsid);
}

}  // namespace

void Registry::RegisterClass(ClassRegistration registration) {
  for (ClassRegistration& existing : classes_) {
    if (SameClass(existing, registration)) {
      existing = std::move(registration);
      return;
    }
  }
  classes_.push_back(std::move(registration));
}

const ClassRegistration* Registry::Find(std::string_view progIdOrClsid) const {
  for (const ClassRegistration& registration : classes_) {
    if (SameName(registration.progId, progIdOrClsid) ||
        SameName(registration.clsid, progIdOrClsid)) {
      return &registration;
    }
  }
  return nullptr;
}

std::shared_ptr<Dispatch> Registry::CreateObject(std::string_view progIdOrClsid) {
  const ClassRegistration* registration = Find(progIdOrClsid);
  if (registration == nullptr || !registration->factory) Raise(errors::kCannotCreate);
  // A copy: the factory may register classes while it runs.
  const auto factory = registration->factory;
  std::shared_ptr<Dispatch> object;
  try {
    object = factory();
  } catch (const Error&) {
    throw;
  } catch (const std::exception&) {
    Raise(errors::kCannotCreate);
  }
  if (!object) Raise(errors::kCannotCreate);
  return object;
}

std::shared_ptr<Dispatch> Registry::GetObject(std::string_view progId) {
  std::erase_if(running_, [](const Running& entry) { return entry.object.expired(); });
  for (const Running& entry : running_) {
    if (!SameName(entry.progId, progId)) continue;
    if (std::shared_ptr<Dispatch> alive = entry.object.lock()) return alive;
  }
  Raise(errors::kCannotCreate);
}

void Registry::RegisterRunning(std::string_view progId, std::weak_ptr<Dispatch> object) {
  running_.push_back({std::string(progId), std::move(object), nullptr});
}

// An object let go of may end at once, and its end revoke its registrations: the references
// are dropped only after the table is no longer being walked.
void Registry::KeepRunning(const Dispatch* object, bool kept) {
  std::vector<std::shared_ptr<Dispatch>> released;
  for (Running& entry : running_) {
    std::shared_ptr<Dispatch> alive = entry.object.lock();
    if (!alive || alive.get() != object) continue;
    if (kept) {
      entry.kept = std::move(alive);
    } else if (entry.kept) {
      released.push_back(std::move(entry.kept));
    }
  }
}

void Registry::RevokeRunning(const Dispatch* object) {
  std::vector<std::shared_ptr<Dispatch>> released;
  std::erase_if(running_, [&](Running& entry) {
    const std::shared_ptr<Dispatch> alive = entry.object.lock();
    if (alive && alive.get() != object) return false;
    if (entry.kept) released.push_back(std::move(entry.kept));
    return true;
  });
}

Registry::~Registry() {
  std::vector<std::shared_ptr<Dispatch>> released;
  for (Running& entry : running_) {
    if (entry.kept) released.push_back(std::move(entry.kept));
  }
  // Each object let go of here may end, and revoke itself while the table still exists.
  released.clear();
}

}  // namespace k27093::platform
