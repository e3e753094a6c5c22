// Registration of the component's creatable class "K27093.Module" (apartment threading) in an
// object registry: CreateObject("K27093.Module") then makes a Module running on `environment`.
#pragma once

#include "api/environment.h"
#include "api/object_registry.h"

namespace k27093 {

// `environment` must outlive every Module the registry creates.
void RegisterModule(ObjectRegistry& registry, Environment& environment);

}  // namespace k27093
