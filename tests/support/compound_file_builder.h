// A test helper that writes compound files in memory: a header, the FAT (with DIFAT sectors
// when it needs more than the header's 109 entries), a directory whose root holds the given
// streams and storages as a balanced tree, the mini FAT and the mini stream for streams under
// 4096 bytes, and regular sectors for the others. The result says where everything lies, so
// that a test can damage exactly one structure.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace k27093::cfb::testing {

struct BuiltFile {
  std::string bytes;
  std::uint32_t sectorSize = 512;
  std::vector<std::uint32_t> fatSectors;  // in DIFAT order
  std::vector<std::uint32_t> difatSectors;
  std::vector<std::uint32_t> directorySectors;
  std::vector<std::uint32_t> miniFatSectors;
  std::vector<std::uint32_t> miniStreamSectors;
  std::map<std::string, std::uint32_t> entryIds;  // name (UTF-8) -> directory entry id
  // Name -> the sectors of its chain: mini sectors for a stream in the mini stream.
  std::map<std::string, std::vector<std::uint32_t>> streamSectors;

  std::uint64_t SectorOffset(std::uint32_t sector) const;
  // Byte offset of the directory entry `id`.
  std::uint64_t EntryOffset(std::uint32_t id) const;
  // Byte offset of the directory entry of the root child `name`.
  std::uint64_t EntryOffset(const std::string& name) const;

  void SetUint16(std::uint64_t offset, std::uint16_t value);
  void SetUint32(std::uint64_t offset, std::uint32_t value);
  void SetUint64(std::uint64_t offset, std::uint64_t value);
  // Rewrites the link of `sector` in the FAT / of `miniSector` in the mini FAT.
  void SetFatLink(std::uint32_t sector, std::uint32_t link);
  void SetMiniFatLink(std::uint32_t miniSector, std::uint32_t link);
};

// Offsets of the directory entry's fields that tests rewrite.
inline constexpr std::uint64_t kLeftSiblingField = 0x44;
inline constexpr std::uint64_t kRightSiblingField = 0x48;
inline constexpr std::uint64_t kChildField = 0x4C;
inline constexpr std::uint64_t kStartSectorField = 0x74;
inline constexpr std::uint64_t kSizeField = 0x78;

class CompoundFileBuilder {
 public:
  // Version 3 (512-byte sectors) or 4 (4096-byte sectors).
  explicit CompoundFileBuilder(std::uint16_t majorVersion = 3) : majorVersion_(majorVersion) {}

  // Adds a stream directly under the root storage; one under 4096 bytes goes to the mini
  // stream, an empty one has no sector.
  CompoundFileBuilder& Stream(const std::string& name, const std::string& content);
  // Adds an empty storage directly under the root storage.
  CompoundFileBuilder& Storage(const std::string& name);

  // Sectors are laid out as FAT, DIFAT, directory, mini FAT, mini stream, then the regular
  // streams in the order they were added.
  BuiltFile Build() const;

 private:
  struct Child {
    std::string name;
    bool storage = false;
    std::string content;
  };
  std::uint16_t majorVersion_;
  std::vector<Child> children_;
};

// `count` bytes of a pattern that differs from sector to sector, starting with `seed`.
std::string PatternBytes(std::size_t count, char seed = 'a');

}  // namespace k27093::cfb::testing
