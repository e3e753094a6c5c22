#include "cli/embedded_environment.h"

#include <utility>

#include "module/registration.h"

namespace k27093::client {

EmbeddedEnvironment::EmbeddedEnvironment(EmbeddedOptions options)
    : options_(std::move(options)),
      files_(options_.moduleFolder),
      environment_{desktop_, registry_, files_} {
  engine::RegisterEngine(
      registry_, desktop_,
      engine::EngineSettings{options_.templatesPath, options_.printer, options_.currentFolder});
  RegisterModule(registry_, environment_);
}

}  // namespace k27093::client
