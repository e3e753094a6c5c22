// EmbeddedEnvironment: the one composition point. It owns the simulated desktop, the object
// registry and the real file system, registers the embedded spreadsheet as
// "Excel.application.11" and the component's own class "K27093.Module", and hands out the
// Environment a Module runs on. The command-line client and the tests build one each.
#pragma once

#include <memory>
#include <string>

#include "api/environment.h"
#include "engine/application/engine.h"
#include "platform/real_file_system.h"
#include "platform/registry.h"
#include "platform/simulated_desktop.h"

namespace k27093::client {

struct EmbeddedOptions {
  // The spreadsheet's templates folder (trailing separator); the models folder is made in it.
  std::string templatesPath;
  // The spreadsheet's printer; empty for a machine without one.
  std::string printer = "Imprimante PDF";
  // The folder the module is loaded from (holds the macro workbook); empty: the executable's.
  std::string moduleFolder;
  // The spreadsheet's current folder at start.
  std::string currentFolder;
};

class EmbeddedEnvironment {
 public:
  explicit EmbeddedEnvironment(EmbeddedOptions options);
  EmbeddedEnvironment(const EmbeddedEnvironment&) = delete;
  EmbeddedEnvironment& operator=(const EmbeddedEnvironment&) = delete;

  Environment& environment() { return environment_; }
  platform::SimulatedDesktop& desktop() { return desktop_; }
  platform::Registry& registry() { return registry_; }
  platform::RealFileSystem& files() { return files_; }
  const EmbeddedOptions& options() const { return options_; }

 private:
  EmbeddedOptions options_;
  platform::SimulatedDesktop desktop_;
  platform::Registry registry_;
  platform::RealFileSystem files_;
  Environment environment_;
};

}  // namespace k27093::client
