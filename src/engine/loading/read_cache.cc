#include "engine/loading/read_cache.h"

namespace k27093::engine {

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return FileIdentity{status.st_dev,         status.st_ino,          status.st_size,
                      status.st_mtim.tv_sec, status.st_mtim.tv_nsec, status.st_ctim.tv_sec,
                      status.st_ctim.tv_nsec};
}

}  // namespace k27093::engine
