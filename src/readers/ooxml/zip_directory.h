// ZipDirectory: the central directory of a zip archive held in memory, read without trusting
// it: every entry it lists is checked to lie inside the archive, with a local header of its
// own in front of its data. Entries are listed, not inflated (Package inflates them).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::ooxml {

struct ZipEntry {
  std::string name;  // as the archive spells it
  std::uint16_t flags = 0;
  std::uint16_t method = 0;  // 0 stored, 8 deflated
  std::uint32_t crc = 0;
  std::uint64_t compressedSize = 0;
  std::uint64_t inflatedSize = 0;  // as declared; the inflated data is what counts
  std::string_view data;           // the compressed bytes, inside the archive's bytes

  bool encrypted() const { return (flags & 1) != 0; }
};

// The entries of the archive in `bytes` (which must outlive them), in directory order. Also
// reads the zip64 form of the directory. Raises ReadFault Damaged when no end record is found
// ("the zip archive has no central directory"), when the archive spans several disks, holds
// more than `maxEntries` entries, or when a record or an entry's data lies outside the bytes.
std::vector<ZipEntry> ReadZipDirectory(std::string_view bytes, std::uint64_t maxEntries);

}  // namespace k27093::ooxml
