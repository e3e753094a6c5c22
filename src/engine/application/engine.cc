#include "engine/application/engine.h"

#include "engine/application/application.h"
#include "engine/application/session.h"

namespace k27093::engine {

namespace {

// The class identity the spreadsheet registers its application under.
constexpr std::string_view kClassId = "{00024500-0000-0000-C000-000000000046}";

}  // namespace

Ref<xl::Application> StartApplication(platform::SimulatedDesktop& desktop, ObjectRegistry* registry,
                                      EngineSettings settings) {
  auto session = std::make_shared<Session>(desktop, registry, std::move(settings));
  auto application = std::make_shared<ApplicationImpl>(session);
  session->Start(application);
  return application;
}

void RegisterEngine(ObjectRegistry& registry, platform::SimulatedDesktop& desktop,
                    EngineSettings settings) {
  ClassRegistration registration;
  registration.progId = kProgId;
  registration.clsid = kClassId;
  registration.threading = Threading::Apartment;
  registration.factory = [&registry, &desktop, settings]() -> std::shared_ptr<Dispatch> {
    return StartApplication(desktop, &registry, settings).shared();
  };
  registry.RegisterClass(std::move(registration));
}

}  // namespace k27093::engine
