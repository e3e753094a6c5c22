// SectorFile: the bytes of a compound file seen as its header sector followed by numbered
// sectors of one size; sector n starts at byte (n + 1) * sector size. The last sector may be
// cut short by the end of the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "readers/cfb/damage.h"

namespace k27093::cfb {

class SectorFile {
 public:
  // `bytes` must outlive the object.
  SectorFile(std::string_view bytes, std::uint32_t sectorShift)
      : bytes_(bytes), sectorShift_(sectorShift) {}

  std::uint32_t SectorSize() const { return 1u << sectorShift_; }
  std::uint32_t SectorShift() const { return sectorShift_; }
  std::uint64_t FileSize() const { return bytes_.size(); }

  // Sectors that start inside the file.
  std::uint64_t SectorCount() const {
    const std::uint64_t size = SectorSize();
    return bytes_.size() <= size ? 0 : (bytes_.size() - 1) / size;
  }

  // The bytes of `sector` (below SectorCount()) that lie inside the file: a whole sector but
  // perhaps for the last one.
  std::string_view InFile(std::uint32_t sector) const {
    const std::uint64_t start = (static_cast<std::uint64_t>(sector) + 1) << sectorShift_;
    return bytes_.substr(start, SectorSize());
  }

  // The whole `sector` (below SectorCount()), a sector of the structure `what` ("FAT",
  // "directory" ...). Raises ReadFault Damaged when the file ends inside it.
  std::string_view Whole(std::uint32_t sector, std::string_view what) const {
    const std::string_view bytes = InFile(sector);
    if (bytes.size() < SectorSize()) {
      FailCompoundFile(std::string(what) + " sector " + std::to_string(sector) +
                       " is cut short by the end of the file");
    }
    return bytes;
  }

 private:
  std::string_view bytes_;
  std::uint32_t sectorShift_;
};

}  // namespace k27093::cfb
