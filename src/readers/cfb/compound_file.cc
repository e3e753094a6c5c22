#include "readers/cfb/compound_file.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <functional>
#include <limits>

#include "api/text.h"
#include "document/read_fault.h"
#include "readers/cfb/allocation_table.h"
#include "readers/cfb/damage.h"
#include "readers/cfb/directory.h"
#include "readers/cfb/header.h"
#include "readers/cfb/sector_chain.h"
#include "readers/cfb/sector_file.h"

namespace k27093::cfb {
namespace {

constexpr std::string_view kSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
constexpr std::uint32_t kMiniSectorSize = 1u << kMiniSectorShift;
constexpr std::uint64_t kWholeChain = std::numeric_limits<std::uint64_t>::max();

ChainSpace FileSpace(const std::vector<std::uint32_t>& fat, const SectorFile& file) {
  return TableSpace(fat, file.SectorCount(), "sector", "FAT", "the file");
}

// The whole sectors of the chain of `what` (the directory, the mini FAT), which has no size
// of its own but its chain's.
std::vector<std::uint32_t> WholeChain(const ChainSpace& space, std::uint32_t start,
                                      std::string_view what) {
  return FollowChain(space, start, kWholeChain, "the " + std::string(what));
}

// The pieces of a stream of `size` bytes whose chain starts at `start`: the bytes of each of
// its sectors, in order, up to the size. `sectorBytes(sector)` gives the bytes a sector holds
// inside its container, which may be cut short by the container's end.
std::vector<std::string_view> StreamPieces(
    const ChainSpace& space, std::uint32_t sectorSize,
    const std::function<std::string_view(std::uint32_t)>& sectorBytes, std::uint32_t start,
    std::uint64_t size, std::string_view owner) {
  const std::uint64_t needed = size / sectorSize + (size % sectorSize != 0 ? 1 : 0);
  const std::vector<std::uint32_t> chain = FollowChain(space, start, needed, owner);
  if (chain.size() < needed) {
    FailChain(space, owner,
              "is shorter than its size: " + std::to_string(size) + " bytes take " +
                  std::to_string(needed) + " " + std::string(space.sectorWord) +
                  "s, the chain has " + std::to_string(chain.size()));
  }
  std::vector<std::string_view> pieces;
  pieces.reserve(chain.size());
  std::uint64_t left = size;
  for (const std::uint32_t sector : chain) {
    const std::uint64_t wanted = std::min<std::uint64_t>(sectorSize, left);
    const std::string_view bytes = sectorBytes(sector);
    if (bytes.size() < wanted) {
      FailChain(space, owner,
                "leaves " + std::string(space.containerWord) + " at " +
                    std::string(space.sectorWord) + " " + std::to_string(sector));
    }
    pieces.push_back(bytes.substr(0, wanted));
    left -= wanted;
  }
  return pieces;
}

// The pieces of a stream of `size` bytes in regular sectors of the file.
std::vector<std::string_view> RegularStreamPieces(const SectorFile& file,
                                                  const std::vector<std::uint32_t>& fat,
                                                  std::uint32_t start, std::uint64_t size,
                                                  std::string_view owner) {
  return StreamPieces(
      FileSpace(fat, file), file.SectorSize(),
      [&file](std::uint32_t sector) { return file.InFile(sector); }, start, size, owner);
}

// The name as the format compares names: each UTF-16 unit upper-cased on its own.
std::u16string ComparableName(std::u16string_view name) {
  std::u16string upper(name);
  for (char16_t& unit : upper) unit = static_cast<char16_t>(u_toupper(unit));
  return upper;
}

CompoundFile::Entry::Type RootChildType(const DirectoryEntry& entry) {
  switch (static_cast<ObjectType>(entry.objectType)) {
    case ObjectType::Storage:
      return CompoundFile::Entry::Type::Storage;
    case ObjectType::Stream:
      return CompoundFile::Entry::Type::Stream;
    default:
      FailCompoundFile("directory entry " + std::to_string(entry.id) +
                       " under the root storage has the object type " +
                       std::to_string(entry.objectType) +
                       ", neither a storage (1) nor a stream (2)");
  }
}

std::string StreamText(std::string_view name) { return "the stream " + QuotedName(name); }

}  // namespace

bool LooksLikeCompoundFile(std::string_view firstBytes) {
  return firstBytes.substr(0, kSignature.size()) == kSignature;
}

CompoundFile::CompoundFile(std::string_view bytes) : bytes_(bytes) {
  if (!LooksLikeCompoundFile(bytes)) {
    document::FailNotWorkbook("the file does not start with the compound document signature");
  }
  const Header header = ReadHeader(bytes);
  sectorShift_ = header.sectorShift;
  const SectorFile file(bytes, sectorShift_);
  fat_ = ReadFat(file, header);
  const ChainSpace sectors = FileSpace(fat_, file);

  std::vector<std::string_view> directorySectors;
  for (const std::uint32_t sector : WholeChain(sectors, header.firstDirectorySector, "directory")) {
    directorySectors.push_back(file.Whole(sector, "directory"));
  }
  const Directory directory(std::move(directorySectors), header.majorVersion);
  if (directory.EntryCount() == 0) FailCompoundFile("directory holds no entry");
  const DirectoryEntry root = directory.Entry(0);
  if (root.objectType != static_cast<std::uint8_t>(ObjectType::Root)) {
    FailCompoundFile("directory entry 0 has the object type " + std::to_string(root.objectType) +
                     ", not the root storage's 5");
  }

  if (root.size > file.FileSize()) {
    FailCompoundFile("root storage declares a mini stream of " + std::to_string(root.size) +
                     " bytes, more than the file holds");
  }
  miniStreamSize_ = root.size;
  miniStream_ = RegularStreamPieces(file, fat_, root.startSector, root.size, "the mini stream");
  miniFat_ = LinksIn(file, WholeChain(sectors, header.firstMiniFatSector, "mini FAT"), "mini FAT");

  for (DirectoryEntry& child : directory.Children(root)) {
    RootChild rootChild;
    rootChild.entry.type = RootChildType(child);
    rootChild.entry.name = FromUtf16(child.name);
    rootChild.entry.size = rootChild.entry.type == Entry::Type::Stream ? child.size : 0;
    rootChild.name = ComparableName(child.name);
    rootChild.id = child.id;
    rootChild.startSector = child.startSector;
    rootChildren_.push_back(std::move(rootChild));
  }
}

std::vector<CompoundFile::Entry> CompoundFile::RootEntries() const {
  std::vector<Entry> entries;
  entries.reserve(rootChildren_.size());
  for (const RootChild& child : rootChildren_) entries.push_back(child.entry);
  return entries;
}

std::optional<std::string> CompoundFile::ReadRootStream(std::string_view name) const {
  const std::u16string wanted = ComparableName(ToUtf16(name));
  for (const RootChild& child : rootChildren_) {
    if (child.entry.type == Entry::Type::Stream && child.name == wanted) return ReadStream(child);
  }
  return std::nullopt;
}

std::string CompoundFile::ReadStream(const RootChild& child) const {
  const std::uint64_t size = child.entry.size;
  if (size == 0) return std::string();
  const std::string owner = StreamText(child.entry.name);
  const bool inMiniStream = size < kMiniStreamCutoff;
  const std::uint64_t room = inMiniStream ? miniStreamSize_ : bytes_.size();
  if (size > room) {
    FailCompoundFile("directory entry " + std::to_string(child.id) + " declares " +
                     std::to_string(size) + " bytes for " + owner + ", more than " +
                     (inMiniStream ? "the mini stream" : "the file") + " holds");
  }

  std::vector<std::string_view> pieces;
  if (inMiniStream) {
    const std::uint64_t miniSectorCount = (miniStreamSize_ + kMiniSectorSize - 1) / kMiniSectorSize;
    const ChainSpace space =
        TableSpace(miniFat_, miniSectorCount, "mini sector", "mini FAT", "the mini stream");
    // A mini sector below miniSectorCount starts inside one piece of the mini stream.
    const auto miniSectorBytes = [this](std::uint32_t miniSector) {
      const std::uint64_t offset = static_cast<std::uint64_t>(miniSector) * kMiniSectorSize;
      return miniStream_[offset >> sectorShift_].substr(
          offset & ((std::uint64_t{1} << sectorShift_) - 1), kMiniSectorSize);
    };
    pieces = StreamPieces(space, kMiniSectorSize, miniSectorBytes, child.startSector, size, owner);
  } else {
    pieces =
        RegularStreamPieces(SectorFile(bytes_, sectorShift_), fat_, child.startSector, size, owner);
  }
  std::string content;
  content.reserve(size);
  for (const std::string_view piece : pieces) content.append(piece);
  return content;
}

}  // namespace k27093::cfb
