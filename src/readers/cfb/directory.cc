#include "readers/cfb/directory.h"

#include "document/little_endian.h"
#include "readers/cfb/damage.h"

namespace k27093::cfb {

using document::ByteAt;
using document::Uint16At;
using document::Uint32At;
using document::Uint64At;

namespace {

// Offsets of a directory entry's fields.
constexpr std::size_t kNameAt = 0x00;
constexpr std::size_t kMaxNameBytes = 64;
constexpr std::size_t kNameLengthAt = 0x40;
constexpr std::size_t kObjectTypeAt = 0x42;
constexpr std::size_t kLeftSiblingAt = 0x44;
constexpr std::size_t kRightSiblingAt = 0x48;
constexpr std::size_t kChildAt = 0x4C;
constexpr std::size_t kStartSectorAt = 0x74;
constexpr std::size_t kSizeAt = 0x78;

std::string EntryText(std::uint32_t id) { return "directory entry " + std::to_string(id); }

// The name of the entry in `bytes`: its length in bytes counts the terminating 0.
std::u16string EntryName(std::string_view bytes, std::uint32_t id) {
  const std::uint16_t nameBytes = Uint16At(bytes, kNameLengthAt);
  if (nameBytes % 2 != 0 || nameBytes > kMaxNameBytes) {
    FailCompoundFile(EntryText(id) + " gives its name " + std::to_string(nameBytes) +
                     " bytes, not an even number up to " + std::to_string(kMaxNameBytes));
  }
  std::u16string name;
  for (std::size_t at = kNameAt; at + 2 <= kNameAt + nameBytes; at += 2) {
    const char16_t unit = Uint16At(bytes, at);
    if (unit == 0) break;
    name.push_back(unit);
  }
  return name;
}

}  // namespace

Directory::Directory(std::vector<std::string_view> sectors, std::uint16_t majorVersion)
    : sectors_(std::move(sectors)),
      majorVersion_(majorVersion),
      entriesPerSector_(sectors_.empty() ? 0 : sectors_.front().size() / kDirectoryEntryBytes),
      entryCount_(sectors_.size() * entriesPerSector_) {}

DirectoryEntry Directory::Entry(std::uint32_t id) const {
  const std::string_view bytes = sectors_[id / entriesPerSector_].substr(
      (id % entriesPerSector_) * kDirectoryEntryBytes, kDirectoryEntryBytes);
  DirectoryEntry entry;
  entry.id = id;
  entry.name = EntryName(bytes, id);
  entry.objectType = ByteAt(bytes, kObjectTypeAt);
  entry.left = Uint32At(bytes, kLeftSiblingAt);
  entry.right = Uint32At(bytes, kRightSiblingAt);
  entry.child = Uint32At(bytes, kChildAt);
  entry.startSector = Uint32At(bytes, kStartSectorAt);
  entry.size = majorVersion_ == 3 ? Uint32At(bytes, kSizeAt) : Uint64At(bytes, kSizeAt);
  return entry;
}

std::vector<DirectoryEntry> Directory::Children(const DirectoryEntry& parent) const {
  std::vector<bool> reached(entryCount_, false);
  reached[parent.id] = true;
  std::size_t walked = 0;
  // The entry `id` that the entry `from` points to, checked before it is read.
  const auto reach = [&](std::uint32_t id, std::uint32_t from) {
    if (id >= entryCount_) {
      FailCompoundFile(EntryText(from) + " points to the entry " + std::to_string(id) +
                       ", beyond the directory's " + std::to_string(entryCount_) + " entries");
    }
    if (reached[id]) {
      FailCompoundFile("directory tree under the entry " + std::to_string(parent.id) +
                       " loops at the entry " + std::to_string(id));
    }
    if (++walked > kMaxWalkedEntries) {
      FailCompoundFile("storage in the " + EntryText(parent.id) + " holds more than " +
                       std::to_string(kMaxWalkedEntries) + " entries");
    }
    reached[id] = true;
    return Entry(id);
  };

  std::vector<DirectoryEntry> inOrder;
  std::vector<DirectoryEntry> pending;  // entries whose left subtree is being walked
  std::uint32_t next = parent.child;
  std::uint32_t from = parent.id;
  for (;;) {
    while (next != kNoStream) {
      pending.push_back(reach(next, from));
      from = next;
      next = pending.back().left;
    }
    if (pending.empty()) break;
    inOrder.push_back(std::move(pending.back()));
    pending.pop_back();
    from = inOrder.back().id;
    next = inOrder.back().right;
  }
  return inOrder;
}

}  // namespace k27093::cfb
