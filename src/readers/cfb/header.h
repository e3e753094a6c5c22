// Header: the first 512 bytes of a compound file. It fixes the sector size, says where the
// directory and the mini FAT start, and locates the FAT sectors (the first 109 itself, the
// rest through a chain of DIFAT sectors).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace k27093::cfb {

inline constexpr std::size_t kHeaderBytes = 512;
inline constexpr std::size_t kHeaderDifatEntries = 109;
inline constexpr std::uint32_t kMiniSectorShift = 6;  // 64-byte mini sectors
inline constexpr std::uint64_t kMiniStreamCutoff = 4096;

struct Header {
  std::uint16_t majorVersion = 3;
  std::uint32_t sectorShift = 9;
  std::uint32_t fatSectorCount = 0;
  std::uint32_t firstDirectorySector = 0;
  std::uint32_t firstMiniFatSector = 0;
  std::uint32_t firstDifatSector = 0;
  std::array<std::uint32_t, kHeaderDifatEntries> difat{};

  std::uint32_t SectorSize() const { return 1u << sectorShift; }
};

// The header of the compound file in `bytes`, whose signature the caller has checked.
// Raises ReadFault Damaged when the file is shorter than the header, or when the version,
// the byte order mark, the sector shifts or the mini stream cutoff are not the format's.
Header ReadHeader(std::string_view bytes);

}  // namespace k27093::cfb
