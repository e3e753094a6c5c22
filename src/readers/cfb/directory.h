// Directory: the array of 128-byte entries that names every storage and stream of a compound
// file, read where its sectors lie in the file. The children of a storage form a binary tree
// (red-black, ordered by name) whose top the storage's entry names; walking it in order lists
// them in the directory's own order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::cfb {

inline constexpr std::size_t kDirectoryEntryBytes = 128;
// Most entries one walk of a storage's children takes, as the zip reader bounds its entries.
inline constexpr std::size_t kMaxWalkedEntries = 4096;
inline constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

enum class ObjectType : std::uint8_t { Unallocated = 0, Storage = 1, Stream = 2, Root = 5 };

struct DirectoryEntry {
  std::uint32_t id = 0;
  std::u16string name;
  std::uint8_t objectType = 0;  // an ObjectType, or another value a damaged file holds
  std::uint32_t left = kNoStream;
  std::uint32_t right = kNoStream;
  std::uint32_t child = kNoStream;
  std::uint32_t startSector = 0;
  std::uint64_t size = 0;  // version 3 files: the low 32 bits of the field only
};

class Directory {
 public:
  // The entries held in `sectors`, whole sectors of the file in directory order, stored as a
  // file of `majorVersion` stores them. The sectors' bytes must outlive the directory.
  Directory(std::vector<std::string_view> sectors, std::uint16_t majorVersion);

  std::uint64_t EntryCount() const { return entryCount_; }

  // The entry `id`, which must be below EntryCount(). Raises ReadFault Damaged when its name
  // length is odd or more than 64 bytes.
  DirectoryEntry Entry(std::uint32_t id) const;

  // The entries of the tree under the storage `parent`, in order (left, node, right); empty
  // when it has no child. Raises ReadFault Damaged when the tree names an id beyond the
  // directory, reaches an entry twice (the parent included), or holds more than
  // kMaxWalkedEntries entries.
  std::vector<DirectoryEntry> Children(const DirectoryEntry& parent) const;

 private:
  std::vector<std::string_view> sectors_;
  std::uint16_t majorVersion_;
  std::uint64_t entriesPerSector_;
  std::uint64_t entryCount_;
};

}  // namespace k27093::cfb
