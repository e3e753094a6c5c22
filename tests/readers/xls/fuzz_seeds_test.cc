// The seed corpus of the Workbook stream fuzz target (fuzz/corpus/xls_workbook_stream/) is the
// "Workbook" streams of a few small workbooks. Run with K27093_WRITE_FUZZ_SEEDS=1 to write the
// seeds again after changing the list below.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "readers/cfb/compound_file.h"
#include "readers/xls/workbook_stream.h"

namespace k27093::xls {
namespace {

namespace fs = std::filesystem;

struct Seed {
  std::string fileName;  // in the seed folder
  fs::path workbook;     // whose Workbook stream it is
};

std::vector<Seed> Seeds() {
  const fs::path excel = K27093_EXCEL_FILES_XLS;
  const fs::path data = fs::path(K27093_TEST_DATA) / "xls";
  return {
      {"excel-49096.biff", excel / "49096.xls"},
      {"excel-formatted-graph-title.biff", excel / "WithFormattedGraphTitle.xls"},
      {"libreoffice-401-right.biff", data / "libreoffice-401-right.xls"},
      {"libreoffice-421-check-boxes.biff", data / "libreoffice-421-check-boxes.xls"},
  };
}

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(FuzzSeeds, AreTheWorkbookStreamsOfSmallWorkbooksAndOpen) {
  const bool write = std::getenv("K27093_WRITE_FUZZ_SEEDS") != nullptr;
  const fs::path folder =
      fs::path(K27093_TEST_DATA) / ".." / ".." / "fuzz" / "corpus" / "xls_workbook_stream";
  for (const Seed& seed : Seeds()) {
    SCOPED_TRACE(seed.fileName);
    const std::string file = FileBytes(seed.workbook);
    const std::optional<std::string> stream = cfb::CompoundFile(file).ReadRootStream("Workbook");
    ASSERT_TRUE(stream);
    const fs::path path = folder / seed.fileName;
    if (write) std::ofstream(path, std::ios::binary) << *stream;
    EXPECT_LT(stream->size(), 20u * 1024);
    EXPECT_TRUE(FileBytes(path) == *stream) << "write the seeds again (see above)";
    EXPECT_FALSE(ReadWorkbookStream(*stream).sheets.empty());
  }
}

}  // namespace
}  // namespace k27093::xls
