#include "readers/cfb/header.h"

#include <string>

#include "document/little_endian.h"
#include "readers/cfb/damage.h"

namespace k27093::cfb {

using document::Uint16At;
using document::Uint32At;

namespace {

// Offsets of the header's fields.
constexpr std::size_t kMajorVersionAt = 0x1A;
constexpr std::size_t kByteOrderAt = 0x1C;
constexpr std::size_t kSectorShiftAt = 0x1E;
constexpr std::size_t kMiniSectorShiftAt = 0x20;
constexpr std::size_t kFatSectorCountAt = 0x2C;
constexpr std::size_t kFirstDirectorySectorAt = 0x30;
constexpr std::size_t kMiniStreamCutoffAt = 0x38;
constexpr std::size_t kFirstMiniFatSectorAt = 0x3C;
constexpr std::size_t kFirstDifatSectorAt = 0x44;
constexpr std::size_t kDifatAt = 0x4C;

constexpr std::uint16_t kLittleEndianMark = 0xFFFE;

std::uint32_t SectorShiftOfVersion(std::uint16_t majorVersion) {
  return majorVersion == 3 ? 9 : 12;
}

}  // namespace

Header ReadHeader(std::string_view bytes) {
  if (bytes.size() < kHeaderBytes) {
    FailCompoundFile("header is truncated: the file holds " + std::to_string(bytes.size()) +
                     " of its " + std::to_string(kHeaderBytes) + " bytes");
  }
  Header header;
  header.majorVersion = Uint16At(bytes, kMajorVersionAt);
  if (header.majorVersion != 3 && header.majorVersion != 4) {
    FailCompoundFile("header gives the version " + std::to_string(header.majorVersion) +
                     ", not 3 or 4");
  }
  const std::uint16_t byteOrder = Uint16At(bytes, kByteOrderAt);
  if (byteOrder != kLittleEndianMark) {
    FailCompoundFile("header gives the byte order mark " + Hex(byteOrder, 4) + ", not " +
                     Hex(kLittleEndianMark, 4));
  }
  header.sectorShift = Uint16At(bytes, kSectorShiftAt);
  const std::uint32_t expectedShift = SectorShiftOfVersion(header.majorVersion);
  if (header.sectorShift != expectedShift) {
    FailCompoundFile("header gives the sector shift " + std::to_string(header.sectorShift) +
                     ", and version " + std::to_string(header.majorVersion) + " needs " +
                     std::to_string(expectedShift));
  }
  const std::uint16_t miniSectorShift = Uint16At(bytes, kMiniSectorShiftAt);
  if (miniSectorShift != kMiniSectorShift) {
    FailCompoundFile("header gives the mini sector shift " + std::to_string(miniSectorShift) +
                     ", not " + std::to_string(kMiniSectorShift));
  }
  const std::uint32_t cutoff = Uint32At(bytes, kMiniStreamCutoffAt);
  if (cutoff != kMiniStreamCutoff) {
    FailCompoundFile("header gives the mini stream cutoff " + std::to_string(cutoff) + ", not " +
                     std::to_string(kMiniStreamCutoff));
  }
  header.fatSectorCount = Uint32At(bytes, kFatSectorCountAt);
  header.firstDirectorySector = Uint32At(bytes, kFirstDirectorySectorAt);
  header.firstMiniFatSector = Uint32At(bytes, kFirstMiniFatSectorAt);
  header.firstDifatSector = Uint32At(bytes, kFirstDifatSectorAt);
  for (std::size_t index = 0; index < kHeaderDifatEntries; ++index) {
    header.difat[index] = Uint32At(bytes, kDifatAt + 4 * index);
  }
  return header;
}

}  // namespace k27093::cfb
