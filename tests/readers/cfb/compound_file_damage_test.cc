// What the compound file reader refuses, and how: bytes without the signature are no
// workbook; a broken header, FAT, DIFAT, directory or chain, or a size the file cannot hold,
// is a damaged file whose reason names the structure and where it breaks.
#include <gtest/gtest.h>

#include <functional>

#include "document/read_fault.h"
#include "readers/cfb/compound_file.h"
#include "support/compound_file_builder.h"

namespace k27093::cfb {
namespace {

using document::ReadFault;
using testing::BuiltFile;
using testing::CompoundFileBuilder;
using testing::PatternBytes;

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;

// The fault `action` raises; fails the test when it raises none.
ReadFault FaultOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ReadFault& fault) {
    return fault;
  }
  ADD_FAILURE() << "no ReadFault raised";
  return ReadFault(ReadFault::Kind::NotWorkbook, "");
}

void ExpectDamaged(const std::function<void()>& action, const std::string& reason) {
  const ReadFault fault = FaultOf(action);
  EXPECT_EQ(fault.kind(), ReadFault::Kind::Damaged) << fault.reason();
  EXPECT_EQ(fault.reason(), reason);
}

void ExpectOpenDamaged(const std::string& bytes, const std::string& reason) {
  ExpectDamaged([&] { CompoundFile file(bytes); }, reason);
}

void ExpectReadDamaged(const std::string& bytes, const std::string& stream,
                       const std::string& reason) {
  ExpectDamaged([&] { CompoundFile(bytes).ReadRootStream(stream); }, reason);
}

// A file with a small and a large stream: "Small" (300 bytes, five mini sectors) and
// "Workbook" (5000 bytes, ten sectors, the last sectors of the file).
BuiltFile TwoStreams() {
  return CompoundFileBuilder()
      .Stream("Small", PatternBytes(300))
      .Stream("Workbook", PatternBytes(5000))
      .Build();
}

TEST(NotWorkbook, BytesWithoutTheSignature) {
  for (const std::string& bytes : {std::string(), std::string("PK\x03\x04", 4),
                                   std::string(600, '\0'), TwoStreams().bytes.substr(1)}) {
    const ReadFault fault = FaultOf([&] { CompoundFile file(bytes); });
    EXPECT_EQ(fault.kind(), ReadFault::Kind::NotWorkbook);
    EXPECT_EQ(fault.reason(), "the file does not start with the compound document signature");
  }
}

TEST(DamagedHeader, ATruncatedHeader) {
  ExpectOpenDamaged(TwoStreams().bytes.substr(0, 300),
                    "the compound document's header is truncated: the file holds 300 of its "
                    "512 bytes");
}

TEST(DamagedHeader, ABadByteOrderMark) {
  BuiltFile built = TwoStreams();
  built.SetUint16(0x1C, 0xFEFF);
  ExpectOpenDamaged(built.bytes,
                    "the compound document's header gives the byte order mark FEFF, not FFFE");
}

TEST(DamagedHeader, ASectorShiftThatIsNotTheVersions) {
  BuiltFile version3 = TwoStreams();
  version3.SetUint16(0x1E, 12);
  ExpectOpenDamaged(version3.bytes,
                    "the compound document's header gives the sector shift 12, and version 3 "
                    "needs 9");
  BuiltFile version4 = CompoundFileBuilder(4).Stream("Workbook", "biff").Build();
  version4.SetUint16(0x1E, 9);
  ExpectOpenDamaged(version4.bytes,
                    "the compound document's header gives the sector shift 9, and version 4 "
                    "needs 12");
}

TEST(DamagedHeader, AnUnknownVersionMiniSectorShiftOrCutoff) {
  BuiltFile version = TwoStreams();
  version.SetUint16(0x1A, 5);
  ExpectOpenDamaged(version.bytes,
                    "the compound document's header gives the version 5, not 3 or 4");
  BuiltFile miniShift = TwoStreams();
  miniShift.SetUint16(0x20, 7);
  ExpectOpenDamaged(miniShift.bytes,
                    "the compound document's header gives the mini sector shift 7, not 6");
  BuiltFile cutoff = TwoStreams();
  cutoff.SetUint32(0x38, 8192);
  ExpectOpenDamaged(cutoff.bytes,
                    "the compound document's header gives the mini stream cutoff 8192, not 4096");
}

TEST(DamagedFat, MoreFatSectorsThanTheFileHas) {
  BuiltFile built = TwoStreams();
  built.SetUint32(0x2C, 0x10000000);
  ExpectOpenDamaged(built.bytes,
                    "the compound document's header's count of FAT sectors, 268435456, is more "
                    "than the file's 14 sectors");
}

TEST(DamagedFat, ADifatEntryThatIsNoSectorOfTheFile) {
  BuiltFile free = TwoStreams();
  free.SetUint32(0x4C, kFreeSector);
  ExpectOpenDamaged(free.bytes,
                    "the compound document's DIFAT entry 0 gives FREESECT for one of the header's "
                    "1 FAT sectors");
  BuiltFile outside = TwoStreams();
  outside.SetUint32(0x4C, 4000);
  ExpectOpenDamaged(outside.bytes,
                    "the compound document's DIFAT entry 0 names the FAT sector 4000, which "
                    "leaves the file");
}

TEST(DamagedFat, ADifatChainThatLoopsOrEndsEarly) {
  const BuiltFile large = CompoundFileBuilder().Stream("Workbook", PatternBytes(7'500'000)).Build();
  ASSERT_EQ(large.difatSectors.size(), 1u);
  const std::uint32_t difatSector = large.difatSectors.front();
  const std::uint64_t nextLink = large.SectorOffset(difatSector) + 508;
  // One more FAT sector than the DIFAT sector holds: the chain must go on past it.
  BuiltFile loops = large;
  loops.SetUint32(0x2C, static_cast<std::uint32_t>(109 + 127 + 1));
  loops.SetUint32(nextLink, difatSector);
  ExpectOpenDamaged(loops.bytes,
                    "the compound document's sector chain of the DIFAT loops at sector " +
                        std::to_string(difatSector));
  BuiltFile ends = large;
  ends.SetUint32(0x2C, static_cast<std::uint32_t>(109 + 127 + 1));
  ExpectOpenDamaged(ends.bytes,
                    "the compound document's sector chain of the DIFAT ends after 1 of the 2 "
                    "sectors needed to locate the header's 237 FAT sectors");
}

TEST(DamagedChain, AFatChainThatLoops) {
  BuiltFile built = TwoStreams();
  const std::vector<std::uint32_t> sectors = built.streamSectors.at("Workbook");
  built.SetFatLink(sectors[3], sectors[1]);
  ExpectReadDamaged(built.bytes, "Workbook",
                    "the compound document's sector chain of the stream 'Workbook' loops at "
                    "sector " +
                        std::to_string(sectors[1]));
}

TEST(DamagedChain, AChainThatLeavesTheFile) {
  BuiltFile built = TwoStreams();
  const std::vector<std::uint32_t> sectors = built.streamSectors.at("Workbook");
  built.SetFatLink(sectors[2], 100000);
  ExpectReadDamaged(built.bytes, "Workbook",
                    "the compound document's sector chain of the stream 'Workbook' leaves the "
                    "file at sector 100000");
  // The file ends one byte before the stream's last byte, inside its last sector.
  const BuiltFile whole = TwoStreams();
  const std::uint64_t end = whole.SectorOffset(sectors.back()) + 391;
  ExpectReadDamaged(whole.bytes.substr(0, end), "Workbook",
                    "the compound document's sector chain of the stream 'Workbook' leaves the "
                    "file at sector " +
                        std::to_string(sectors.back()));
}

TEST(DamagedChain, AChainShorterThanItsSizeOrBrokenByAFreeSector) {
  BuiltFile shorter = TwoStreams();
  const std::vector<std::uint32_t> sectors = shorter.streamSectors.at("Workbook");
  shorter.SetFatLink(sectors[4], 0xFFFFFFFE);
  ExpectReadDamaged(shorter.bytes, "Workbook",
                    "the compound document's sector chain of the stream 'Workbook' is shorter "
                    "than its size: 5000 bytes take 10 sectors, the chain has 5");
  BuiltFile broken = TwoStreams();
  broken.SetFatLink(sectors[4], kFreeSector);
  ExpectReadDamaged(broken.bytes, "Workbook",
                    "the compound document's sector chain of the stream 'Workbook' breaks after "
                    "sector " +
                        std::to_string(sectors[4]) + ", whose link is FREESECT");
}

TEST(DamagedChain, AMiniFatChainThatLoopsOrLeavesTheMiniStream) {
  BuiltFile loops = TwoStreams();
  const std::vector<std::uint32_t> miniSectors = loops.streamSectors.at("Small");
  loops.SetMiniFatLink(miniSectors[2], miniSectors[0]);
  ExpectReadDamaged(loops.bytes, "Small",
                    "the compound document's mini sector chain of the stream 'Small' loops at "
                    "mini sector " +
                        std::to_string(miniSectors[0]));
  BuiltFile leaves = TwoStreams();
  leaves.SetMiniFatLink(miniSectors[2], 5);  // the mini stream holds mini sectors 0 to 4
  ExpectReadDamaged(leaves.bytes, "Small",
                    "the compound document's mini sector chain of the stream 'Small' leaves the "
                    "mini stream at mini sector 5");
}

TEST(DamagedSize, ADeclaredSizeOf4GiBInATinyFile) {
  BuiltFile version3 = TwoStreams();
  version3.SetUint32(version3.EntryOffset("Workbook") + testing::kSizeField, 0xFFFFFFFF);
  ExpectReadDamaged(version3.bytes, "Workbook",
                    "the compound document's directory entry " +
                        std::to_string(version3.entryIds.at("Workbook")) +
                        " declares 4294967295 bytes for the stream 'Workbook', more than the file "
                        "holds");
  BuiltFile version4 = CompoundFileBuilder(4).Stream("Workbook", PatternBytes(5000)).Build();
  version4.SetUint64(version4.EntryOffset("Workbook") + testing::kSizeField, 0x100000000ull);
  ExpectReadDamaged(version4.bytes, "Workbook",
                    "the compound document's directory entry 1 declares 4294967296 bytes for the "
                    "stream 'Workbook', more than the file holds");
}

TEST(DamagedSize, AMiniStreamSizeLargerThanTheMiniStream) {
  BuiltFile built = TwoStreams();
  built.SetUint32(built.EntryOffset("Small") + testing::kSizeField, 4000);
  ExpectReadDamaged(built.bytes, "Small",
                    "the compound document's directory entry 1 declares 4000 bytes for the "
                    "stream 'Small', more than the mini stream holds");
  BuiltFile root = TwoStreams();
  root.SetUint32(root.EntryOffset(0) + testing::kSizeField, 0x7FFFFFFF);
  ExpectOpenDamaged(root.bytes,
                    "the compound document's root storage declares a mini stream of 2147483647 "
                    "bytes, more than the file holds");
}

// A directory of five children ("A" to "E", ids 1 to 5) in two sectors: a balanced tree whose
// top is "C" (3), with "B" (2) on its left above "A" (1), and "E" (5) on its right above "D" (4).
BuiltFile FiveChildren() {
  CompoundFileBuilder builder;
  for (const char* name : {"A", "B", "C", "D", "E"}) builder.Stream(name, name);
  return builder.Build();
}

TEST(DamagedDirectory, ATreeWhoseIdsLoop) {
  BuiltFile built = FiveChildren();
  ASSERT_EQ(built.directorySectors.size(), 2u);
  built.SetUint32(built.EntryOffset("E") + testing::kRightSiblingField, 3);
  ExpectOpenDamaged(
      built.bytes, "the compound document's directory tree under the entry 0 loops at the entry 3");
  BuiltFile toRoot = FiveChildren();
  toRoot.SetUint32(toRoot.EntryOffset("B") + testing::kLeftSiblingField, 0);
  ExpectOpenDamaged(
      toRoot.bytes,
      "the compound document's directory tree under the entry 0 loops at the entry 0");
}

TEST(DamagedDirectory, ATreeWhoseIdsPointOutOfRange) {
  BuiltFile built = FiveChildren();
  built.SetUint32(built.EntryOffset("A") + testing::kLeftSiblingField, 500);
  ExpectOpenDamaged(built.bytes,
                    "the compound document's directory entry 1 points to the entry 500, beyond "
                    "the directory's 8 entries");
  BuiltFile child = FiveChildren();
  child.SetUint32(child.EntryOffset(0) + testing::kChildField, 8);
  ExpectOpenDamaged(child.bytes,
                    "the compound document's directory entry 0 points to the entry 8, beyond "
                    "the directory's 8 entries");
}

TEST(DamagedDirectory, AChainThatLoops) {
  BuiltFile built = FiveChildren();
  built.SetFatLink(built.directorySectors[1], built.directorySectors[0]);
  ExpectOpenDamaged(built.bytes,
                    "the compound document's sector chain of the directory loops at sector " +
                        std::to_string(built.directorySectors[0]));
}

TEST(DamagedDirectory, EntriesThatAreNotWhatTheirPlaceNeeds) {
  BuiltFile root = FiveChildren();
  root.bytes[root.EntryOffset(0) + 0x42] = 1;
  ExpectOpenDamaged(root.bytes,
                    "the compound document's directory entry 0 has the object type 1, not the "
                    "root storage's 5");
  BuiltFile unallocated = FiveChildren();
  unallocated.bytes[unallocated.EntryOffset("D") + 0x42] = 0;
  ExpectOpenDamaged(unallocated.bytes,
                    "the compound document's directory entry 4 under the root storage has the "
                    "object type 0, neither a storage (1) nor a stream (2)");
  BuiltFile name = FiveChildren();
  name.SetUint16(name.EntryOffset("B") + 0x40, 66);
  ExpectOpenDamaged(name.bytes,
                    "the compound document's directory entry 2 gives its name 66 bytes, not an "
                    "even number up to 64");
}

TEST(DamagedDirectory, MoreThan4096EntriesInOneWalk) {
  // A root storage of 4097 streams: a valid file, but more than a walk takes.
  CompoundFileBuilder builder;
  for (int index = 0; index < 4097; ++index) builder.Stream("S" + std::to_string(index), "");
  const BuiltFile built = builder.Build();
  ExpectOpenDamaged(built.bytes,
                    "the compound document's storage in the directory entry 0 holds more than "
                    "4096 entries");
  CompoundFileBuilder justEnough;
  for (int index = 0; index < 4096; ++index) justEnough.Stream("S" + std::to_string(index), "");
  EXPECT_EQ(CompoundFile(justEnough.Build().bytes).RootEntries().size(), 4096u);
}

}  // namespace
}  // namespace k27093::cfb
