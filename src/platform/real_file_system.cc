#include "platform/real_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "api/error.h"

// The module's files follow the platform's attribute rules: a file without its owner's write
// permission is read-only, and a read-only file cannot be deleted until its attributes are
// made normal. Paths are UTF-8 byte strings; a path holding a NUL byte names no file (it
// would otherwise be cut short by the system calls and name another one).

namespace k27093::platform {

namespace {

bool Unusable(std::string_view path) {
  return path.empty() || path.find('\0') != std::string_view::npos;
}

// The error of a path that could not be looked at: missing (53) or not reachable (75).
std::int32_t LookupError(int error) {
  return error == ENOENT || error == ENOTDIR ? errors::kFileNotFound : errors::kPathFileAccess;
}

// Makes one folder, or accepts it when it is already a folder.
bool EnsureFolder(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  if (errno != ENOENT) return false;
  if (::mkdir(folder.c_str(), 0777) == 0) return true;
  return errno == EEXIST && ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Renames without ever replacing `to`; returns 0 or an errno value.
int RenameWithoutReplacing(const std::string& from, const std::string& to,
                           const struct stat& source) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return 0;
  }
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // The file system cannot refuse to replace: a hard link is made only when the name is
  // free; a folder is renamed after the check made by the caller.
  if (S_ISDIR(source.st_mode)) return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  return ::unlink(from.c_str()) == 0 ? 0 : errno;
}

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
  return folder;
}

}  // namespace

RealFileSystem::RealFileSystem(std::string moduleFolder)
    : moduleFolder_(moduleFolder.empty() ? std::string()
                                         : WithTrailingSeparator(std::move(moduleFolder))) {}

bool RealFileSystem::MakeSureDirectoryPathExists(std::string_view path) {
  if (path.find('\0') != std::string_view::npos) return false;
  const std::string text(path);
  const std::size_t last = text.rfind(kPathSeparator);
  if (last == std::string::npos) return true;  // a bare file name: no folder to make
  for (std::size_t position = text.find(kPathSeparator);;
       position = text.find(kPathSeparator, position + 1)) {
    if (position > 0 && !EnsureFolder(text.substr(0, position))) return false;
    if (position == last) return true;
  }
}

bool RealFileSystem::Exists(std::string_view path) {
  if (Unusable(path)) return false;
  struct stat info {};
  return ::stat(std::string(path).c_str(), &info) == 0;
}

void RealFileSystem::SetAttributesNormal(std::string_view path) {
  if (Unusable(path)) Raise(errors::kFileNotFound);
  const std::string file(path);
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) Raise(LookupError(errno));
  if ((info.st_mode & S_IWUSR) != 0) return;
  if (::chmod(file.c_str(), (info.st_mode & 07777) | S_IWUSR) != 0) {
    Raise(errors::kPathFileAccess);
  }
}

void RealFileSystem::Delete(std::string_view path) {
  if (Unusable(path)) Raise(errors::kFileNotFound);
  const std::string file(path);
  struct stat info {};
  if (::lstat(file.c_str(), &info) != 0) Raise(LookupError(errno));
  if (S_ISDIR(info.st_mode)) Raise(errors::kPathFileAccess);
  if (!S_ISLNK(info.st_mode) && (info.st_mode & S_IWUSR) == 0) Raise(errors::kPathFileAccess);
  if (::unlink(file.c_str()) != 0) {
    Raise(errno == ENOENT ? errors::kFileNotFound : errors::kPathFileAccess);
  }
}

void RealFileSystem::Rename(std::string_view from, std::string_view to) {
  if (Unusable(from)) Raise(errors::kFileNotFound);
  if (Unusable(to)) Raise(errors::kPathFileAccess);
  const std::string source(from);
  const std::string destination(to);
  struct stat info {};
  if (::lstat(source.c_str(), &info) != 0) Raise(LookupError(errno));
  struct stat existing {};
  if (::lstat(destination.c_str(), &existing) == 0) Raise(errors::kFileExists);
  const int error = RenameWithoutReplacing(source, destination, info);
  if (error == 0) return;
  if (error == EEXIST) Raise(errors::kFileExists);
  if (error == ENOENT && ::lstat(source.c_str(), &info) != 0) Raise(errors::kFileNotFound);
  Raise(errors::kPathFileAccess);
}

std::string RealFileSystem::ModuleFolder() {
  if (!moduleFolder_.empty()) return moduleFolder_;
  std::error_code error;
  std::filesystem::path folder =
      std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  if (error || folder.empty()) folder = std::filesystem::current_path(error);
  return WithTrailingSeparator(folder.string());
}

}  // namespace k27093::platform
