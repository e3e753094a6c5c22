// PrivateFolder: a folder of the running command under the system's temporary folder, for
// whatever the embedded spreadsheet and the module write during one run (templates and
// models folders, working copies). It is removed with its contents when the object goes, so
// a run leaves nothing in the user's own folders. Its name carries the process id
// ("k27093-<pid>-XXXXXX"): the folders of a process that is gone (killed, say) are found and
// removed by the next run (RemoveStalePrivateFolders), and a process ended by a signal removes
// those it has (RemoveLivePrivateFolders, see signal_cleanup.h).
#pragma once

#include <string>

namespace k27093::client {

class PrivateFolder {
 public:
  // Creates "<temp>/k27093-<pid>-XXXXXX" ($TMPDIR, else /tmp), readable by the user only.
  // Raises Error 75 (Path/File access error) when it cannot be made.
  PrivateFolder();
  // Removes the folder and everything in it; failures are ignored.
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  // The folder, with its trailing separator.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Removes every private folder of this process that still exists, for a process about to end
// by a signal: from then on no private folder can be made (its constructor waits for ever).
// Safe to call from any thread, once.
void RemoveLivePrivateFolders();

// Removes the private folders that processes which are gone left in the temporary folder:
// only folders named as PrivateFolder names them, owned by this user, whose process id names
// no running process. Failures are ignored. Returns how many were removed.
int RemoveStalePrivateFolders();

}  // namespace k27093::client
