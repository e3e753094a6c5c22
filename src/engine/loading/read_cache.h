// FileReadCache: what was read from small files, kept while each file stays unchanged, so
// that a file opened again and again (the module's macro workbook is opened for every change
// of folder, several times per check and once more for every workbook of a batch) is read and
// parsed once. A file counts as unchanged while its device, inode, size, modification time
// and status-change time (to the nanosecond) are those it had before and after it was read;
// a file whose identity moved during the read is not kept. Only files of at most
// kMaxCachedFileBytes are kept, the kCachedFiles most recently read. Safe for several threads.
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace k27093::engine {

inline constexpr std::size_t kCachedFiles = 4;
inline constexpr long long kMaxCachedFileBytes = 256 * 1024;

// What tells one state of a file from another.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  long long size = 0;
  long long modifiedSeconds = 0, modifiedNanoseconds = 0;
  long long changedSeconds = 0, changedNanoseconds = 0;

  bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at `path`; nullopt when it is none or cannot be reached.
std::optional<FileIdentity> IdentityOf(const std::string& path);

template <typename Value>
class FileReadCache {
 public:
  // What `read` gives for the file at `path`: kept from an earlier call while the file is
  // unchanged, read anew otherwise. Whatever `read` raises passes through; nothing is kept
  // then.
  std::shared_ptr<const Value> Read(const std::string& path, const std::function<Value()>& read) {
    const std::optional<FileIdentity> before = IdentityOf(path);
    const bool kept = before && before->size <= kMaxCachedFileBytes;
    if (kept) {
      std::lock_guard lock(mutex_);
      for (const Entry& entry : entries_) {
        if (entry.path == path && entry.identity == *before) return entry.value;
      }
    }
    auto value = std::make_shared<const Value>(read());
    if (kept && IdentityOf(path) == before) {
      std::lock_guard lock(mutex_);
      std::erase_if(entries_, [&](const Entry& entry) { return entry.path == path; });
      entries_.push_front({path, *before, value});
      if (entries_.size() > kCachedFiles) entries_.pop_back();
    }
    return value;
  }

 private:
  struct Entry {
    std::string path;
    FileIdentity identity;
    std::shared_ptr<const Value> value;
  };
  std::mutex mutex_;
  std::deque<Entry> entries_;
};

}  // namespace k27093::engine
