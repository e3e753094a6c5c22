#include "cli/private_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "api/error.h"
#include "api/file_system.h"

namespace k27093::client {

namespace fs = std::filesystem;

PrivateFolder::PrivateFolder(std::string_view prefix) {
  std::error_code failure;
  fs::path temporary = fs::temp_directory_path(failure);
  if (failure) temporary = "/tmp";
  std::string pattern = (temporary / (std::string(prefix) + "XXXXXX")).string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) {
    Raise(errors::kPathFileAccess,
          "Path/File access error: cannot create a private folder " + pattern,
          std::string(kComponentSource));
  }
  path_ = std::string(buffer.data()) + kPathSeparator;
}

PrivateFolder::~PrivateFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

}  // namespace k27093::client
