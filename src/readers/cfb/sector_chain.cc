#include "readers/cfb/sector_chain.h"

#include "readers/cfb/damage.h"

namespace k27093::cfb {

std::string_view MarkerName(std::uint32_t link) {
  switch (link) {
    case kDifatSector:
      return "DIFSECT";
    case kFatSector:
      return "FATSECT";
    case kEndOfChain:
      return "ENDOFCHAIN";
    case kFreeSector:
      return "FREESECT";
    default:
      return "FFFFFFFB";
  }
}

ChainSpace TableSpace(const std::vector<std::uint32_t>& table, std::uint64_t sectorCount,
                      std::string_view sectorWord, std::string_view tableWord,
                      std::string_view containerWord) {
  ChainSpace space;
  space.linkOf = [&table](std::uint32_t sector) -> std::optional<std::uint32_t> {
    if (sector >= table.size()) return std::nullopt;
    return table[sector];
  };
  space.sectorCount = sectorCount;
  space.sectorWord = sectorWord;
  space.tableWord = tableWord;
  space.containerWord = containerWord;
  return space;
}

void FailChain(const ChainSpace& space, std::string_view owner, const std::string& what) {
  FailCompoundFile(std::string(space.sectorWord) + " chain of " + std::string(owner) + " " + what);
}

std::vector<std::uint32_t> FollowChain(const ChainSpace& space, std::uint32_t start,
                                       std::uint64_t limit, std::string_view owner) {
  const auto sectorText = [&](std::uint32_t sector) {
    return std::string(space.sectorWord) + " " + std::to_string(sector);
  };

  std::vector<std::uint32_t> chain;
  std::vector<bool> visited(space.sectorCount, false);
  std::uint32_t sector = start;
  while (chain.size() < limit && sector != kEndOfChain) {
    if (sector > kMaxRegularSector) {
      FailChain(space, owner,
                (chain.empty() ? "starts at "
                               : "breaks after " + sectorText(chain.back()) + ", whose link is ") +
                    std::string(MarkerName(sector)));
    }
    if (sector >= space.sectorCount) {
      FailChain(space, owner,
                "leaves " + std::string(space.containerWord) + " at " + sectorText(sector));
    }
    if (visited[sector]) FailChain(space, owner, "loops at " + sectorText(sector));
    visited[sector] = true;
    chain.push_back(sector);
    if (chain.size() == limit) break;
    const std::optional<std::uint32_t> link = space.linkOf(sector);
    if (!link) {
      FailChain(space, owner,
                "reaches " + sectorText(sector) + ", which the " + std::string(space.tableWord) +
                    " holds no link for");
    }
    sector = *link;
  }
  return chain;
}

}  // namespace k27093::cfb
