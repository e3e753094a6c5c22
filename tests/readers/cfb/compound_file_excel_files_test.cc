// The compound files that Excel saved: each opens, and its root holds the workbook stream,
// read whole at its declared size, that starts with a BIFF8 BOF record.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "readers/cfb/compound_file.h"

namespace k27093::cfb {
namespace {

std::vector<std::filesystem::path> ExcelFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& item : std::filesystem::directory_iterator(K27093_EXCEL_FILES_XLS)) {
    if (item.path().extension() == ".xls") files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

unsigned Uint16At(const std::string& bytes, std::size_t offset) {
  return static_cast<unsigned char>(bytes[offset]) |
         (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

TEST(ExcelSavedFiles, EachHoldsAWorkbookStreamStartingWithABiff8Bof) {
  const std::vector<std::filesystem::path> files = ExcelFiles();
  ASSERT_EQ(files.size(), 10u);
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    const std::string bytes = FileBytes(path);
    ASSERT_TRUE(LooksLikeCompoundFile(bytes));
    const CompoundFile file(bytes);

    const std::vector<CompoundFile::Entry> entries = file.RootEntries();
    const auto workbook = std::find_if(entries.begin(), entries.end(), [](const auto& entry) {
      return entry.name == "Workbook" && entry.type == CompoundFile::Entry::Type::Stream;
    });
    ASSERT_NE(workbook, entries.end());

    const std::optional<std::string> stream = file.ReadRootStream("Workbook");
    ASSERT_TRUE(stream.has_value());
    EXPECT_EQ(stream->size(), workbook->size);
    ASSERT_GE(stream->size(), 8u);
    EXPECT_EQ(Uint16At(*stream, 0), 0x0809u);  // BOF
    EXPECT_EQ(Uint16At(*stream, 4), 0x0600u);  // BIFF8
  }
}

CompoundFile::Entry RootEntryNamed(const CompoundFile& file, const std::string& name) {
  for (const auto& entry : file.RootEntries()) {
    if (entry.name == name) return entry;
  }
  ADD_FAILURE() << "no root entry " << name;
  return {};
}

TEST(ExcelSavedFiles, HoldSmallStreamsInTheMiniStreamAndListNestedStorages) {
  const std::filesystem::path folder(K27093_EXCEL_FILES_XLS);
  // 216 bytes: in the mini stream; 4096 bytes, the cutoff itself: in regular sectors.
  const std::string withChartBytes = FileBytes(folder / "WithChart.xls");
  const std::string templateBytes = FileBytes(folder / "49096.xls");
  for (const std::string* bytes : {&withChartBytes, &templateBytes}) {
    const CompoundFile file(*bytes);
    const auto summary = file.ReadRootStream("\x05SummaryInformation");
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->size(), RootEntryNamed(file, "\x05SummaryInformation").size);
    EXPECT_EQ(Uint16At(*summary, 0), 0xFFFEu);  // a property set's byte order mark
  }
  EXPECT_EQ(RootEntryNamed(CompoundFile(templateBytes), "\x05SummaryInformation").size, 4096u);

  const std::string macroBytes = FileBytes(folder / "50939.xls");
  const CompoundFile withMacros(macroBytes);
  EXPECT_EQ(RootEntryNamed(withMacros, "_VBA_PROJECT_CUR").type,
            CompoundFile::Entry::Type::Storage);
  EXPECT_EQ(withMacros.ReadRootStream("_VBA_PROJECT_CUR"), std::nullopt);
}

}  // namespace
}  // namespace k27093::cfb
