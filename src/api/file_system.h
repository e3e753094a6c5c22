// FileSystem: the file operations of the module, with the platform's error numbers. Paths
// are UTF-8 and joined by plain concatenation (folders end with kPathSeparator).
#pragma once

#include <string>
#include <string_view>

namespace k27093 {

inline constexpr char kPathSeparator = '/';

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // MakeSureDirectoryPathExists: creates every folder of `path` up to its last separator
  // (the part after it is a file name). Returns false when a folder could not be made.
  virtual bool MakeSureDirectoryPathExists(std::string_view path) = 0;
  // Dir(path, vbDirectory) <> "": true when the folder or file exists.
  virtual bool Exists(std::string_view path) = 0;
  // SetAttr path, vbNormal: makes the file writable. 53 when missing.
  virtual void SetAttributesNormal(std::string_view path) = 0;
  // Kill: deletes one file. 53 when missing, 75 when it cannot be deleted.
  virtual void Delete(std::string_view path) = 0;
  // Name ... As ...: renames a file. 53 when the source is missing, 58 when the destination
  // exists, 75 on another failure.
  virtual void Rename(std::string_view from, std::string_view to) = 0;
  // The folder the module was loaded from, with its trailing separator.
  virtual std::string ModuleFolder() = 0;
};

}  // namespace k27093
