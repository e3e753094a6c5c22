#include "readers/cfb/allocation_table.h"

#include <algorithm>
#include <string>

#include "document/little_endian.h"
#include "readers/cfb/damage.h"
#include "readers/cfb/sector_chain.h"

namespace k27093::cfb {

using document::Uint32At;

namespace {

constexpr std::string_view kDifat = "the DIFAT";

// Appends to `locations` the FAT sector locations that the chain of DIFAT sectors holds, up
// to the header's count: each DIFAT sector holds sector size / 4 - 1 of them, then the link
// to the next DIFAT sector.
void AppendDifatSectorEntries(const SectorFile& file, const Header& header,
                              std::vector<std::uint32_t>& locations) {
  const std::uint32_t perSector = file.SectorSize() / 4 - 1;
  const std::uint64_t missing = header.fatSectorCount - locations.size();
  const std::uint64_t sectorsNeeded = (missing + perSector - 1) / perSector;

  ChainSpace space;
  space.linkOf = [&file, perSector](std::uint32_t sector) -> std::optional<std::uint32_t> {
    return Uint32At(file.Whole(sector, "DIFAT"), 4 * perSector);
  };
  space.sectorCount = file.SectorCount();
  space.sectorWord = "sector";
  space.tableWord = "DIFAT";
  space.containerWord = "the file";
  const std::vector<std::uint32_t> difatSectors =
      FollowChain(space, header.firstDifatSector, sectorsNeeded, kDifat);
  if (difatSectors.size() < sectorsNeeded) {
    FailChain(space, kDifat,
              "ends after " + std::to_string(difatSectors.size()) + " of the " +
                  std::to_string(sectorsNeeded) + " sectors needed to locate the header's " +
                  std::to_string(header.fatSectorCount) + " FAT sectors");
  }
  for (const std::uint32_t sector : difatSectors) {
    const std::string_view bytes = file.Whole(sector, "DIFAT");
    for (std::uint32_t index = 0; index < perSector && locations.size() < header.fatSectorCount;
         ++index) {
      locations.push_back(Uint32At(bytes, 4 * index));
    }
  }
}

}  // namespace

std::vector<std::uint32_t> LinksIn(const SectorFile& file,
                                   const std::vector<std::uint32_t>& sectors,
                                   std::string_view what) {
  std::vector<std::uint32_t> links;
  links.reserve(sectors.size() * (file.SectorSize() / 4));
  for (const std::uint32_t sector : sectors) {
    const std::string_view bytes = file.Whole(sector, what);
    for (std::size_t at = 0; at < bytes.size(); at += 4) links.push_back(Uint32At(bytes, at));
  }
  return links;
}

std::vector<std::uint32_t> ReadFat(const SectorFile& file, const Header& header) {
  if (header.fatSectorCount > file.SectorCount()) {
    FailCompoundFile("header's count of FAT sectors, " + std::to_string(header.fatSectorCount) +
                     ", is more than the file's " + std::to_string(file.SectorCount()) +
                     " sectors");
  }
  std::vector<std::uint32_t> locations(
      header.difat.begin(),
      header.difat.begin() + std::min<std::size_t>(header.fatSectorCount, kHeaderDifatEntries));
  if (header.fatSectorCount > kHeaderDifatEntries) {
    AppendDifatSectorEntries(file, header, locations);
  }
  for (std::size_t index = 0; index < locations.size(); ++index) {
    const std::uint32_t sector = locations[index];
    const std::string entry = "DIFAT entry " + std::to_string(index);
    if (sector > kMaxRegularSector) {
      FailCompoundFile(entry + " gives " + std::string(MarkerName(sector)) +
                       " for one of the header's " + std::to_string(header.fatSectorCount) +
                       " FAT sectors");
    }
    if (sector >= file.SectorCount()) {
      FailCompoundFile(entry + " names the FAT sector " + std::to_string(sector) +
                       ", which leaves the file");
    }
  }
  return LinksIn(file, locations, "FAT");
}

}  // namespace k27093::cfb
