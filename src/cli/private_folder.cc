#include "cli/private_folder.h"

#include <dirent.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>
#include <vector>

#include "api/error.h"
#include "api/file_system.h"

namespace k27093::client {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "k27093-";

fs::path TemporaryFolder() {
  std::error_code failure;
  fs::path temporary = fs::temp_directory_path(failure);
  return failure ? fs::path("/tmp") : temporary;
}

// The private folders this process has, for a removal when a signal ends it.
struct LiveFolders {
  std::mutex mutex;
  std::set<std::string> paths;
};

LiveFolders& Live() {
  static LiveFolders live;
  return live;
}

// The process id that a private folder's name carries ("k27093-<pid>-XXXXXX"); 0 for a name
// of another form.
pid_t ProcessOf(const std::string& name) {
  if (!name.starts_with(kPrefix)) return 0;
  const char* first = name.data() + kPrefix.size();
  const char* end = name.data() + name.size();
  pid_t pid = 0;
  const auto [stop, failure] = std::from_chars(first, end, pid);
  if (failure != std::errc() || stop == first || stop == end || *stop != '-' || pid <= 0) return 0;
  if (end - (stop + 1) < 6) return 0;  // mkdtemp's six characters (and ".ending")
  return pid;
}

bool IsRunning(pid_t pid) { return kill(pid, 0) == 0 || errno != ESRCH; }

}  // namespace

PrivateFolder::PrivateFolder() {
  const std::string pattern =
      (TemporaryFolder() / (std::string(kPrefix) + std::to_string(getpid()) + "-XXXXXX")).string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  // Made and listed under the lock, so that no folder escapes a removal at a signal.
  const std::lock_guard<std::mutex> lock(Live().mutex);
  if (mkdtemp(buffer.data()) == nullptr) {
    Raise(errors::kPathFileAccess,
          "Path/File access error: cannot create a private folder " + pattern,
          std::string(kComponentSource));
  }
  path_ = std::string(buffer.data()) + kPathSeparator;
  Live().paths.insert(path_);
}

PrivateFolder::~PrivateFolder() {
  {
    const std::lock_guard<std::mutex> lock(Live().mutex);
    Live().paths.erase(path_);
  }
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void RemoveLivePrivateFolders() {
  // The lock stays taken: the process is about to end, and no thread may make another folder.
  Live().mutex.lock();
  for (const std::string& path : Live().paths) {
    // Out of the way first, in one step, so that threads still at work make nothing more in
    // it, then removed.
    const fs::path folder = fs::path(path).parent_path();
    fs::path ending = folder;
    ending += ".ending";
    std::error_code moved, ignored;
    fs::rename(folder, ending, moved);
    fs::remove_all(moved ? folder : ending, ignored);
  }
}

int RemoveStalePrivateFolders() {
  // Read with the directory functions themselves: every check runs this over a temporary
  // folder that may hold thousands of entries, of which only ours are looked at closer.
  const fs::path temporary = TemporaryFolder();
  DIR* folder = opendir(temporary.c_str());
  if (folder == nullptr) return 0;
  std::vector<std::string> stale;
  while (const dirent* entry = readdir(folder)) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(kPrefix)) continue;
    const pid_t pid = ProcessOf(std::string(name));
    if (pid == 0 || pid == getpid() || IsRunning(pid)) continue;
    stale.emplace_back(name);
  }
  closedir(folder);
  int removed = 0;
  for (const std::string& name : stale) {
    const fs::path path = temporary / name;
    struct stat status;
    if (lstat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != geteuid()) {
      continue;
    }
    std::error_code ignored;
    if (fs::remove_all(path, ignored) > 0) ++removed;
  }
  return removed;
}

}  // namespace k27093::client
