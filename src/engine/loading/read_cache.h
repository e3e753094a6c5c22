// ParsedFileCache: what was parsed from small files, kept with the bytes it was parsed from,
// so that a file whose content comes again (the module's macro workbook is opened for every
// change of folder, several times per check and again for every workbook of a batch) is
// parsed once. The file is still read every time: only the same bytes under the same path
// reuse what they gave, whatever the file's times say (they are too coarse to tell two writes
// apart). Only files of at most kMaxCachedFileBytes are kept, the kCachedFiles most recently
// parsed. Safe for several threads.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace k27093::engine {

inline constexpr std::size_t kCachedFiles = 4;
inline constexpr std::size_t kMaxCachedFileBytes = 256 * 1024;

template <typename Value>
class ParsedFileCache {
 public:
  // What `parse` gives for `bytes`, the content of the file at `path`: kept from an earlier
  // call with the same path and bytes, parsed anew otherwise. Whatever `parse` raises passes
  // through; nothing is kept then.
  std::shared_ptr<const Value> Parse(const std::string& path, std::string_view bytes,
                                     const std::function<Value()>& parse) {
    const bool kept = bytes.size() <= kMaxCachedFileBytes;
    if (kept) {
      std::lock_guard lock(mutex_);
      for (const Entry& entry : entries_) {
        if (entry.path == path && entry.bytes == bytes) return entry.value;
      }
    }
    auto value = std::make_shared<const Value>(parse());
    if (kept) {
      std::lock_guard lock(mutex_);
      std::erase_if(entries_, [&](const Entry& entry) { return entry.path == path; });
      entries_.push_front({path, std::string(bytes), value});
      if (entries_.size() > kCachedFiles) entries_.pop_back();
    }
    return value;
  }

 private:
  struct Entry {
    std::string path;
    std::string bytes;
    std::shared_ptr<const Value> value;
  };
  std::mutex mutex_;
  std::deque<Entry> entries_;
};

}  // namespace k27093::engine
