#include "module/registration.h"

#include "module/module.h"
#include "typelib/identities.h"

namespace k27093 {

void RegisterModule(ObjectRegistry& registry, Environment& environment) {
  registry.RegisterClass({std::string(typelib::kModuleProgId), std::string(typelib::kModuleClassId),
                          Threading::Apartment, [&environment]() -> std::shared_ptr<Dispatch> {
                            return std::make_shared<Module>(environment);
                          }});
}

}  // namespace k27093
