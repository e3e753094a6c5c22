// RealFileSystem: FileSystem on the machine's own file system (std::filesystem and POSIX).
#pragma once

#include <string>

#include "api/file_system.h"

namespace k27093::platform {

class RealFileSystem : public FileSystem {
 public:
  // `moduleFolder`: the folder the module was loaded from (with its trailing separator);
  // empty means the folder of the running executable.
  explicit RealFileSystem(std::string moduleFolder = {});

  bool MakeSureDirectoryPathExists(std::string_view path) override;
  bool Exists(std::string_view path) override;
  void SetAttributesNormal(std::string_view path) override;
  void Delete(std::string_view path) override;
  void Rename(std::string_view from, std::string_view to) override;
  std::string ModuleFolder() override;

 private:
  std::string moduleFolder_;
};

}  // namespace k27093::platform
