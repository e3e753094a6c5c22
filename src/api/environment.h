// Environment: the platform a Module runs on: desktop, object registry and file system.
// The embedded environment (src/cli/embedded_environment.h) wires the stand-ins together;
// tests build their own with fault-injecting variants.
#pragma once

#include "api/desktop.h"
#include "api/file_system.h"
#include "api/object_registry.h"

namespace k27093 {

struct Environment {
  Desktop& desktop;
  ObjectRegistry& registry;
  FileSystem& files;
};

}  // namespace k27093
