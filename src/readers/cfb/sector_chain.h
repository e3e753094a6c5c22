// Sector chains: the sectors of a stream are linked one to the next through a table, the FAT
// for the sectors of the file and the mini FAT for the mini sectors of the mini stream. A
// chain is followed with a bitmap of the sectors already visited, so that a looping chain is
// refused after at most one pass over the sectors that exist.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::cfb {

// Marker values of a link (anything up to kMaxRegularSector is a sector number).
inline constexpr std::uint32_t kMaxRegularSector = 0xFFFFFFFA;
inline constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
inline constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;

// The format's name of a marker value ("FREESECT", "ENDOFCHAIN" ...), or its number in
// hexadecimal for the reserved value FFFFFFFB.
std::string_view MarkerName(std::uint32_t link);

// What a chain runs through, and the words that name it in a fault.
struct ChainSpace {
  // The link of `sector` (one that starts inside the container): the next sector of its chain,
  // or a marker value; nullopt when the table holds no link for that sector.
  std::function<std::optional<std::uint32_t>(std::uint32_t sector)> linkOf;
  std::uint64_t sectorCount = 0;   // sectors that start inside their container
  std::string_view sectorWord;     // "sector" or "mini sector"
  std::string_view tableWord;      // "FAT", "mini FAT" or "DIFAT"
  std::string_view containerWord;  // "the file" or "the mini stream"
};

// The space whose links are `table` (the FAT or the mini FAT), which must outlive it.
ChainSpace TableSpace(const std::vector<std::uint32_t>& table, std::uint64_t sectorCount,
                      std::string_view sectorWord, std::string_view tableWord,
                      std::string_view containerWord);

// Raises ReadFault Damaged with the reason "the compound document's <sector word> chain of
// <owner> <what>".
[[noreturn]] void FailChain(const ChainSpace& space, std::string_view owner,
                            const std::string& what);

// The sectors of the chain that starts at `start`, in order, up to its ENDOFCHAIN or until
// `limit` sectors are taken, whichever comes first (the link of the last sector taken is not
// read). `owner` says whose chain it is ("the stream 'Workbook'", "the directory"). The result
// holds each sector once, so never more than space.sectorCount sectors.
// Raises ReadFault Damaged when the chain loops, names a sector that does not start inside the
// container ("leaves the file"), reaches a sector the table has no link for, or meets a link
// that is no sector (FREESECT, FATSECT, DIFSECT).
std::vector<std::uint32_t> FollowChain(const ChainSpace& space, std::uint32_t start,
                                       std::uint64_t limit, std::string_view owner);

}  // namespace k27093::cfb
