// CompoundFile: the container of a binary workbook, a small file system in one file (a
// header, numbered sectors chained by a FAT, a directory of storages and streams, and a mini
// stream of 64-byte sectors for the small streams), read from bytes in memory. Every chain
// and tree is followed with its cost bounded by the file's size: no read goes past the bytes,
// no loop runs twice, nothing larger than the file is allocated.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::cfb {

// True when the bytes start with the compound file signature D0 CF 11 E0 A1 B1 1A E1.
bool LooksLikeCompoundFile(std::string_view firstBytes);

class CompoundFile {
 public:
  // Reads the header, the FAT (the DIFAT chain included), the directory, the root storage's
  // children and the mini FAT. `bytes` must outlive the object.
  // Raises document::ReadFault: NotWorkbook when the signature is missing; Damaged for
  // anything else that is wrong, with a reason naming the structure, sector or entry.
  explicit CompoundFile(std::string_view bytes);

  struct Entry {
    enum class Type { Storage, Stream, Root };
    std::string name;  // UTF-8 (the directory stores UTF-16LE)
    Type type = Type::Stream;
    std::uint64_t size = 0;  // the stream's declared size; 0 for a storage
  };

  // The entries directly under the root storage, in directory (tree) order.
  std::vector<Entry> RootEntries() const;

  // The whole content of the stream `name` (UTF-8) directly under the root storage, the name
  // compared as the format compares names (each UTF-16 unit upper-cased); empty for a stream
  // of size 0; nullopt when the root holds no stream of that name. Raises ReadFault Damaged
  // when the stream declares more bytes than the file (or the mini stream) holds, or when its
  // chain loops, leaves the file or is shorter than its size.
  std::optional<std::string> ReadRootStream(std::string_view name) const;

 private:
  struct RootChild {
    Entry entry;
    std::u16string name;
    std::uint32_t id = 0;
    std::uint32_t startSector = 0;
  };

  std::string ReadStream(const RootChild& child) const;

  std::string_view bytes_;
  std::uint32_t sectorShift_ = 9;
  std::vector<std::uint32_t> fat_;
  std::vector<std::uint32_t> miniFat_;
  // The mini stream: the bytes of each of its sectors in the file, up to its size.
  std::vector<std::string_view> miniStream_;
  std::uint64_t miniStreamSize_ = 0;
  std::vector<RootChild> rootChildren_;
};

}  // namespace k27093::cfb
