// What a compound file gives back: the root storage's entries in directory order, streams
// read whole from the mini stream or from regular sectors, names found whatever their case,
// files of both versions and files whose FAT needs DIFAT sectors.
#include <gtest/gtest.h>

#include "readers/cfb/compound_file.h"
#include "support/compound_file_builder.h"

namespace k27093::cfb {
namespace {

using testing::BuiltFile;
using testing::CompoundFileBuilder;
using testing::PatternBytes;
using Type = CompoundFile::Entry::Type;

TEST(Signature, IsTheEightBytesOfTheFormat) {
  EXPECT_TRUE(LooksLikeCompoundFile(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)));
  EXPECT_TRUE(LooksLikeCompoundFile(CompoundFileBuilder().Build().bytes));
  EXPECT_FALSE(LooksLikeCompoundFile(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A", 7)));
  EXPECT_FALSE(LooksLikeCompoundFile("PK\x03\x04"));
  EXPECT_FALSE(LooksLikeCompoundFile(""));
}

TEST(RootEntries, ComeInTreeOrderWithTheirTypesAndSizes) {
  const BuiltFile built = CompoundFileBuilder()
                              .Stream("Workbook", PatternBytes(5000))
                              .Storage("_VBA_PROJECT_CUR")
                              .Stream("\x05SummaryInformation", PatternBytes(200))
                              .Stream("Ctls", "")
                              .Build();
  const std::vector<CompoundFile::Entry> entries = CompoundFile(built.bytes).RootEntries();
  ASSERT_EQ(entries.size(), 4u);
  // The directory orders siblings by name length first.
  EXPECT_EQ(entries[0].name, "Ctls");
  EXPECT_EQ(entries[0].type, Type::Stream);
  EXPECT_EQ(entries[0].size, 0u);
  EXPECT_EQ(entries[1].name, "Workbook");
  EXPECT_EQ(entries[1].size, 5000u);
  EXPECT_EQ(entries[2].name, "_VBA_PROJECT_CUR");
  EXPECT_EQ(entries[2].type, Type::Storage);
  EXPECT_EQ(entries[3].name, "\x05SummaryInformation");
  EXPECT_EQ(entries[3].size, 200u);
}

TEST(RootEntries, NamesAreUtf8) {
  const BuiltFile built = CompoundFileBuilder().Stream("Données €", "x").Build();
  ASSERT_EQ(CompoundFile(built.bytes).RootEntries().size(), 1u);
  EXPECT_EQ(CompoundFile(built.bytes).RootEntries()[0].name, "Données €");
}

TEST(ReadRootStream, ReadsStreamsFromTheMiniStreamAndFromRegularSectors) {
  const std::string small = PatternBytes(300, 'k');  // five mini sectors, the last partial
  const std::string large = PatternBytes(9000, 'w');
  const std::string cutoff = PatternBytes(4096, 'c');
  const BuiltFile built = CompoundFileBuilder()
                              .Stream("Small", small)
                              .Stream("Workbook", large)
                              .Stream("Cutoff", cutoff)
                              .Stream("Tiny", "0123456789")
                              .Build();
  ASSERT_EQ(built.streamSectors.at("Small").size(), 5u);
  const CompoundFile file(built.bytes);
  EXPECT_EQ(file.ReadRootStream("Small"), small);
  EXPECT_EQ(file.ReadRootStream("Workbook"), large);
  EXPECT_EQ(file.ReadRootStream("Cutoff"), cutoff);
  EXPECT_EQ(file.ReadRootStream("Tiny"), "0123456789");
}

// The contents of `content`'s pieces of `pieceSize` bytes in reverse order.
std::string PiecesReversed(const std::string& content, std::size_t pieceSize) {
  std::string reversed;
  for (std::size_t piece = content.size() / pieceSize; piece-- > 0;) {
    reversed += content.substr(piece * pieceSize, pieceSize);
  }
  return reversed;
}

// Links `sectors` backwards (the last first) through `setLink` and returns the new start.
template <typename SetLink>
std::uint32_t ChainBackwards(const std::vector<std::uint32_t>& sectors, SetLink setLink) {
  for (std::size_t index = sectors.size() - 1; index > 0; --index) {
    setLink(sectors[index], sectors[index - 1]);
  }
  setLink(sectors.front(), 0xFFFFFFFE);
  return sectors.back();
}

TEST(ReadRootStream, FollowsChainsWhateverTheOrderOfTheirSectors) {
  const std::string large = PatternBytes(9 * 512, 'x');
  const std::string small = PatternBytes(3 * 64, 'y');
  BuiltFile built = CompoundFileBuilder().Stream("Large", large).Stream("Small", small).Build();
  const std::uint32_t largeStart = ChainBackwards(
      built.streamSectors.at("Large"),
      [&](std::uint32_t sector, std::uint32_t link) { built.SetFatLink(sector, link); });
  built.SetUint32(built.EntryOffset("Large") + testing::kStartSectorField, largeStart);
  const std::uint32_t smallStart = ChainBackwards(
      built.streamSectors.at("Small"),
      [&](std::uint32_t sector, std::uint32_t link) { built.SetMiniFatLink(sector, link); });
  built.SetUint32(built.EntryOffset("Small") + testing::kStartSectorField, smallStart);

  const CompoundFile file(built.bytes);
  EXPECT_EQ(file.ReadRootStream("Large"), PiecesReversed(large, 512));
  EXPECT_EQ(file.ReadRootStream("Small"), PiecesReversed(small, 64));
}

TEST(ReadRootStream, FindsNamesWhateverTheirCase) {
  const BuiltFile built =
      CompoundFileBuilder().Stream("Workbook", "biff").Stream("Données", "é").Build();
  const CompoundFile file(built.bytes);
  EXPECT_EQ(file.ReadRootStream("WORKBOOK"), "biff");
  EXPECT_EQ(file.ReadRootStream("workbook"), "biff");
  // Letters beyond ASCII fold as the format upper-cases them.
  EXPECT_EQ(file.ReadRootStream("DONNÉES"), "é");
}

TEST(ReadRootStream, IsNulloptForAMissingStreamOrAStorage) {
  const BuiltFile built =
      CompoundFileBuilder().Stream("Workbook", "biff").Storage("MBD0001").Build();
  const CompoundFile file(built.bytes);
  EXPECT_EQ(file.ReadRootStream("Book"), std::nullopt);
  EXPECT_EQ(file.ReadRootStream("Workbook2"), std::nullopt);
  EXPECT_EQ(file.ReadRootStream("MBD0001"), std::nullopt);
  EXPECT_EQ(file.ReadRootStream(""), std::nullopt);
}

TEST(ReadRootStream, AZeroLengthStreamReadsAsEmpty) {
  BuiltFile built = CompoundFileBuilder().Stream("Empty", "").Stream("Workbook", "biff").Build();
  // Whatever its start sector says: a stream of no bytes has no chain to follow.
  built.SetUint32(built.EntryOffset("Empty") + testing::kStartSectorField, 0xFFFFFFFF);
  EXPECT_EQ(CompoundFile(built.bytes).ReadRootStream("Empty"), "");
}

TEST(ReadRootStream, ReadsALastSectorCutShortWhenTheSizeNeedsNoMore) {
  const std::string content = PatternBytes(5000);  // ten sectors, 392 bytes in the last
  const BuiltFile built = CompoundFileBuilder().Stream("Workbook", content).Build();
  const std::uint64_t end = built.SectorOffset(built.streamSectors.at("Workbook").back()) + 392;
  ASSERT_EQ(end + 120, built.bytes.size());
  EXPECT_EQ(CompoundFile(built.bytes.substr(0, end)).ReadRootStream("Workbook"), content);
}

TEST(Versions, AVersion4FileWith4096ByteSectorsReads) {
  const std::string large = PatternBytes(10000, 'v');
  const BuiltFile built = CompoundFileBuilder(4)
                              .Stream("Workbook", large)
                              .Stream("Small", PatternBytes(700, 's'))
                              .Build();
  ASSERT_EQ(built.sectorSize, 4096u);
  const CompoundFile file(built.bytes);
  EXPECT_EQ(file.ReadRootStream("Workbook"), large);
  EXPECT_EQ(file.ReadRootStream("Small"), PatternBytes(700, 's'));
}

TEST(Versions, AVersion4SizeCountsAll64Bits) {
  BuiltFile built = CompoundFileBuilder(4).Stream("Workbook", PatternBytes(5000)).Build();
  built.SetUint64(built.EntryOffset("Workbook") + testing::kSizeField, 0x100000000ull + 5000);
  EXPECT_EQ(CompoundFile(built.bytes).RootEntries()[0].size, 0x100000000ull + 5000);
}

TEST(Versions, AVersion3SizeCountsOnlyItsLow32Bits) {
  BuiltFile built = CompoundFileBuilder(3).Stream("Workbook", PatternBytes(5000)).Build();
  built.SetUint32(built.EntryOffset("Workbook") + testing::kSizeField + 4, 0xDEADBEEF);
  const CompoundFile file(built.bytes);
  EXPECT_EQ(file.RootEntries()[0].size, 5000u);
  EXPECT_EQ(file.ReadRootStream("Workbook"), PatternBytes(5000));
}

TEST(Difat, AFatOfMoreThan109SectorsIsFoundThroughDifatSectors) {
  // 7.5 MB take more than 109 FAT sectors of 128 links: the stream's last sectors are linked
  // by FAT sectors that only a DIFAT sector names.
  const std::string large = PatternBytes(7'500'000);
  const BuiltFile built = CompoundFileBuilder().Stream("Workbook", large).Build();
  ASSERT_GT(built.fatSectors.size(), 109u);
  ASSERT_EQ(built.difatSectors.size(), 1u);
  EXPECT_EQ(CompoundFile(built.bytes).ReadRootStream("Workbook"), large);
}

}  // namespace
}  // namespace k27093::cfb
