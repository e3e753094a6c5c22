#include "support/compound_file_builder.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <numeric>

#include "api/text.h"

namespace k27093::cfb::testing {
namespace {

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::uint64_t kCutoff = 4096;
constexpr std::uint64_t kMiniSectorSize = 64;
constexpr std::uint64_t kEntryBytes = 128;
constexpr std::size_t kHeaderDifatEntries = 109;

std::uint64_t CeilDiv(std::uint64_t count, std::uint64_t size) { return (count + size - 1) / size; }

void Put(std::string& bytes, std::uint64_t offset, std::uint64_t value, int width) {
  for (int index = 0; index < width; ++index) {
    bytes[offset + index] = static_cast<char>((value >> (8 * index)) & 0xFF);
  }
}

// The format's order of sibling names: the shorter first, then unit by unit upper-cased.
bool NameLess(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  for (std::size_t index = 0; index < a.size(); ++index) {
    const UChar32 left = u_toupper(a[index]);
    const UChar32 right = u_toupper(b[index]);
    if (left != right) return left < right;
  }
  return false;
}

struct EntryLinks {
  std::uint32_t left = kNoStream;
  std::uint32_t right = kNoStream;
};

// Makes a balanced tree of the ids sorted[first, last) and returns its top.
std::uint32_t BalancedTree(const std::vector<std::uint32_t>& sorted, std::size_t first,
                           std::size_t last, std::vector<EntryLinks>& links) {
  if (first >= last) return kNoStream;
  const std::size_t middle = first + (last - first) / 2;
  const std::uint32_t top = sorted[middle];
  links[top].left = BalancedTree(sorted, first, middle, links);
  links[top].right = BalancedTree(sorted, middle + 1, last, links);
  return top;
}

}  // namespace

std::uint64_t BuiltFile::SectorOffset(std::uint32_t sector) const {
  return (static_cast<std::uint64_t>(sector) + 1) * sectorSize;
}

std::uint64_t BuiltFile::EntryOffset(std::uint32_t id) const {
  const std::uint64_t perSector = sectorSize / kEntryBytes;
  return SectorOffset(directorySectors.at(id / perSector)) + (id % perSector) * kEntryBytes;
}

std::uint64_t BuiltFile::EntryOffset(const std::string& name) const {
  return EntryOffset(entryIds.at(name));
}

void BuiltFile::SetUint16(std::uint64_t offset, std::uint16_t value) {
  Put(bytes, offset, value, 2);
}
void BuiltFile::SetUint32(std::uint64_t offset, std::uint32_t value) {
  Put(bytes, offset, value, 4);
}
void BuiltFile::SetUint64(std::uint64_t offset, std::uint64_t value) {
  Put(bytes, offset, value, 8);
}

void BuiltFile::SetFatLink(std::uint32_t sector, std::uint32_t link) {
  const std::uint32_t perSector = sectorSize / 4;
  SetUint32(SectorOffset(fatSectors.at(sector / perSector)) + 4 * (sector % perSector), link);
}

void BuiltFile::SetMiniFatLink(std::uint32_t miniSector, std::uint32_t link) {
  const std::uint32_t perSector = sectorSize / 4;
  SetUint32(SectorOffset(miniFatSectors.at(miniSector / perSector)) + 4 * (miniSector % perSector),
            link);
}

CompoundFileBuilder& CompoundFileBuilder::Stream(const std::string& name,
                                                 const std::string& content) {
  children_.push_back({name, false, content});
  return *this;
}

CompoundFileBuilder& CompoundFileBuilder::Storage(const std::string& name) {
  children_.push_back({name, true, ""});
  return *this;
}

BuiltFile CompoundFileBuilder::Build() const {
  BuiltFile built;
  built.sectorSize = majorVersion_ == 3 ? 512 : 4096;
  const std::uint64_t sectorSize = built.sectorSize;
  const std::uint64_t linksPerSector = sectorSize / 4;

  // How many sectors of each kind the file takes.
  std::uint64_t miniSectorCount = 0;
  std::uint64_t regularSectorCount = 0;
  for (const Child& child : children_) {
    const std::uint64_t size = child.content.size();
    if (size >= kCutoff) {
      regularSectorCount += CeilDiv(size, sectorSize);
    } else {
      miniSectorCount += CeilDiv(size, kMiniSectorSize);
    }
  }
  const std::uint64_t directoryCount = CeilDiv(1 + children_.size(), sectorSize / kEntryBytes);
  const std::uint64_t miniFatCount = CeilDiv(miniSectorCount, linksPerSector);
  const std::uint64_t miniStreamCount = CeilDiv(miniSectorCount * kMiniSectorSize, sectorSize);
  const std::uint64_t others = directoryCount + miniFatCount + miniStreamCount + regularSectorCount;
  // The FAT covers its own sectors and the DIFAT's: grow both until they cover everything.
  std::uint64_t fatCount = 1;
  std::uint64_t difatCount = 0;
  for (;;) {
    const std::uint64_t fatNeeded = CeilDiv(fatCount + difatCount + others, linksPerSector);
    const std::uint64_t difatNeeded =
        fatNeeded > kHeaderDifatEntries
            ? CeilDiv(fatNeeded - kHeaderDifatEntries, linksPerSector - 1)
            : 0;
    if (fatNeeded == fatCount && difatNeeded == difatCount) break;
    fatCount = fatNeeded;
    difatCount = difatNeeded;
  }
  const std::uint64_t sectorCount = fatCount + difatCount + others;
  built.bytes.assign((1 + sectorCount) * sectorSize, '\0');

  std::vector<std::uint32_t> fat(fatCount * linksPerSector, kFreeSector);
  std::vector<std::uint32_t> miniFat(miniFatCount * linksPerSector, kFreeSector);
  std::uint32_t nextSector = 0;
  std::uint32_t nextMiniSector = 0;
  const auto take = [](std::uint32_t& next, std::uint64_t count) {
    std::vector<std::uint32_t> sectors(count);
    std::iota(sectors.begin(), sectors.end(), next);
    next += static_cast<std::uint32_t>(count);
    return sectors;
  };
  const auto chain = [](std::vector<std::uint32_t>& table,
                        const std::vector<std::uint32_t>& sectors) {
    for (std::size_t index = 0; index < sectors.size(); ++index) {
      table[sectors[index]] = index + 1 < sectors.size() ? sectors[index + 1] : kEndOfChain;
    }
  };
  const auto writeLinks = [&](const std::vector<std::uint32_t>& table,
                              const std::vector<std::uint32_t>& sectors) {
    for (std::size_t index = 0; index < table.size(); ++index) {
      built.SetUint32(
          built.SectorOffset(sectors[index / linksPerSector]) + 4 * (index % linksPerSector),
          table[index]);
    }
  };

  built.fatSectors = take(nextSector, fatCount);
  for (const std::uint32_t sector : built.fatSectors) fat[sector] = kFatSector;
  built.difatSectors = take(nextSector, difatCount);
  for (const std::uint32_t sector : built.difatSectors) fat[sector] = kDifatSector;
  built.directorySectors = take(nextSector, directoryCount);
  chain(fat, built.directorySectors);
  built.miniFatSectors = take(nextSector, miniFatCount);
  chain(fat, built.miniFatSectors);
  built.miniStreamSectors = take(nextSector, miniStreamCount);
  chain(fat, built.miniStreamSectors);

  // The streams' contents, and each child's start sector.
  std::vector<std::uint32_t> startSectors;
  for (const Child& child : children_) {
    const std::string& content = child.content;
    std::vector<std::uint32_t> sectors;
    if (content.size() >= kCutoff) {
      sectors = take(nextSector, CeilDiv(content.size(), sectorSize));
      chain(fat, sectors);
      for (std::size_t index = 0; index < sectors.size(); ++index) {
        const std::string piece = content.substr(index * sectorSize, sectorSize);
        built.bytes.replace(built.SectorOffset(sectors[index]), piece.size(), piece);
      }
    } else {
      sectors = take(nextMiniSector, CeilDiv(content.size(), kMiniSectorSize));
      chain(miniFat, sectors);
      for (std::size_t index = 0; index < sectors.size(); ++index) {
        const std::uint64_t offset = sectors[index] * kMiniSectorSize;
        const std::string piece = content.substr(index * kMiniSectorSize, kMiniSectorSize);
        built.bytes.replace(
            built.SectorOffset(built.miniStreamSectors[offset / sectorSize]) + offset % sectorSize,
            piece.size(), piece);
      }
    }
    startSectors.push_back(child.storage || sectors.empty() ? kEndOfChain : sectors.front());
    if (!child.storage) built.streamSectors[child.name] = sectors;
  }
  writeLinks(fat, built.fatSectors);
  writeLinks(miniFat, built.miniFatSectors);

  // The DIFAT: the header's 109 entries, then DIFAT sectors linked by their last entry.
  std::vector<std::uint32_t> difat(built.fatSectors);
  difat.resize(kHeaderDifatEntries + difatCount * (linksPerSector - 1), kFreeSector);
  for (std::size_t index = 0; index < kHeaderDifatEntries; ++index) {
    built.SetUint32(0x4C + 4 * index, difat[index]);
  }
  for (std::size_t sector = 0; sector < difatCount; ++sector) {
    const std::uint64_t at = built.SectorOffset(built.difatSectors[sector]);
    for (std::size_t index = 0; index + 1 < linksPerSector; ++index) {
      built.SetUint32(at + 4 * index,
                      difat[kHeaderDifatEntries + sector * (linksPerSector - 1) + index]);
    }
    built.SetUint32(at + 4 * (linksPerSector - 1),
                    sector + 1 < difatCount ? built.difatSectors[sector + 1] : kEndOfChain);
  }

  // The header.
  built.bytes.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  built.SetUint16(0x18, 0x003E);
  built.SetUint16(0x1A, majorVersion_);
  built.SetUint16(0x1C, 0xFFFE);
  built.SetUint16(0x1E, majorVersion_ == 3 ? 9 : 12);
  built.SetUint16(0x20, 6);
  built.SetUint32(0x28, majorVersion_ == 3 ? 0 : static_cast<std::uint32_t>(directoryCount));
  built.SetUint32(0x2C, static_cast<std::uint32_t>(fatCount));
  built.SetUint32(0x30, built.directorySectors.front());
  built.SetUint32(0x38, static_cast<std::uint32_t>(kCutoff));
  built.SetUint32(0x3C, miniFatCount == 0 ? kEndOfChain : built.miniFatSectors.front());
  built.SetUint32(0x40, static_cast<std::uint32_t>(miniFatCount));
  built.SetUint32(0x44, difatCount == 0 ? kEndOfChain : built.difatSectors.front());
  built.SetUint32(0x48, static_cast<std::uint32_t>(difatCount));

  // The directory: the root, its children as a balanced tree, then unallocated entries.
  std::vector<std::u16string> names{u"Root Entry"};
  for (const Child& child : children_) names.push_back(ToUtf16(child.name));
  std::vector<std::uint32_t> sorted(children_.size());
  std::iota(sorted.begin(), sorted.end(), 1);
  std::sort(sorted.begin(), sorted.end(),
            [&](std::uint32_t a, std::uint32_t b) { return NameLess(names[a], names[b]); });
  std::vector<EntryLinks> links(names.size());
  const std::uint32_t top = BalancedTree(sorted, 0, sorted.size(), links);
  const std::uint64_t entryCount = directoryCount * (sectorSize / kEntryBytes);
  for (std::uint32_t id = 0; id < entryCount; ++id) {
    const std::uint64_t at = built.EntryOffset(id);
    built.SetUint32(at + kLeftSiblingField, kNoStream);
    built.SetUint32(at + kRightSiblingField, kNoStream);
    built.SetUint32(at + kChildField, kNoStream);
    if (id >= names.size()) continue;
    for (std::size_t unit = 0; unit < names[id].size(); ++unit) {
      built.SetUint16(at + 2 * unit, names[id][unit]);
    }
    built.SetUint16(at + 0x40, static_cast<std::uint16_t>(2 * (names[id].size() + 1)));
    built.bytes[at + 0x43] = 1;  // black
    if (id == 0) {
      built.bytes[at + 0x42] = 5;
      built.SetUint32(at + kChildField, top);
      built.SetUint32(at + kStartSectorField,
                      miniStreamCount == 0 ? kEndOfChain : built.miniStreamSectors.front());
      built.SetUint64(at + kSizeField, miniSectorCount * kMiniSectorSize);
      continue;
    }
    const Child& child = children_[id - 1];
    built.entryIds[child.name] = id;
    built.bytes[at + 0x42] = child.storage ? 1 : 2;
    built.SetUint32(at + kLeftSiblingField, links[id].left);
    built.SetUint32(at + kRightSiblingField, links[id].right);
    built.SetUint32(at + kStartSectorField, child.storage ? 0 : startSectors[id - 1]);
    built.SetUint64(at + kSizeField, child.content.size());
  }
  return built;
}

std::string PatternBytes(std::size_t count, char seed) {
  std::string bytes(count, '\0');
  for (std::size_t index = 0; index < count; ++index) {
    bytes[index] = static_cast<char>(seed + index % 23 + index / 512);
  }
  return bytes;
}

}  // namespace k27093::cfb::testing
