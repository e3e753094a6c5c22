// Allocation tables: the FAT, which links every sector of the file to the next of its chain,
// assembled from the FAT sectors that the header's DIFAT entries and the DIFAT sectors name;
// and any table stored as a chain of sectors of links (the mini FAT).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "readers/cfb/header.h"
#include "readers/cfb/sector_file.h"

namespace k27093::cfb {

// The FAT of the file: the links of its header.fatSectorCount FAT sectors, in DIFAT order.
// Raises ReadFault Damaged when the header declares more FAT sectors than the file has
// sectors, when the DIFAT chain loops, leaves the file or ends too early, or when a FAT
// sector named is no sector of the file or is cut short.
std::vector<std::uint32_t> ReadFat(const SectorFile& file, const Header& header);

// The links held in the whole sectors `sectors` of the table `what`, in order. Raises
// ReadFault Damaged when one of them is cut short by the end of the file.
std::vector<std::uint32_t> LinksIn(const SectorFile& file,
                                   const std::vector<std::uint32_t>& sectors,
                                   std::string_view what);

}  // namespace k27093::cfb
