// PrivateFolder: a folder of the running command under the system's temporary folder, for
// whatever the embedded spreadsheet and the module write during one run (templates and
// models folders, working copies). It is removed with its contents when the object goes, so
// a run leaves nothing in the user's own folders.
#pragma once

#include <string>
#include <string_view>

namespace k27093::client {

class PrivateFolder {
 public:
  // Creates "<temp>/<prefix>XXXXXX" ($TMPDIR, else /tmp), readable by the user only. Raises
  // Error 75 (Path/File access error) when it cannot be made.
  explicit PrivateFolder(std::string_view prefix = "k27093-");
  // Removes the folder and everything in it; failures are ignored.
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  // The folder, with its trailing separator.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace k27093::client
