// TemporaryFolder: a private folder under the system's temporary folder for one test. Its
// path ends with the platform's separator, so file paths are built by plain concatenation;
// the folder and everything in it is removed when the object is destroyed.
#pragma once

#include <string>
#include <string_view>

namespace k27093::testsupport {

class TemporaryFolder {
 public:
  // Creates a new, empty folder "k27093-test-XXXXXX" under the system's temporary folder
  // ($TMPDIR, else /tmp). Throws std::runtime_error when it cannot be made.
  TemporaryFolder();
  // Removes the folder and its contents; errors are ignored.
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  // The folder, with its trailing separator.
  const std::string& path() const { return path_; }
  // path() + name (no check that the file exists).
  std::string File(std::string_view name) const;
  // Writes `bytes` to the file `name` in the folder (replacing it); returns its full path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  // The bytes of the file `name` in the folder; throws std::runtime_error when it is missing.
  std::string Read(std::string_view name) const;
  // True when the folder holds a file or folder called `name`.
  bool Contains(std::string_view name) const;
  // Number of entries directly in the folder.
  int EntryCount() const;

 private:
  std::string path_;
};

// The whole content of the file at `path`; throws std::runtime_error when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Writes `bytes` to `path`, replacing the file; throws std::runtime_error on failure.
void WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace k27093::testsupport
