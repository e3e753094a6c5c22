// The seed corpus of the compound file fuzz target (fuzz/corpus/compound_file/) is what the
// test builder writes. Run with K27093_WRITE_FUZZ_SEEDS=1 to write the seeds again after
// changing the builder or the list below.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "readers/cfb/compound_file.h"
#include "support/compound_file_builder.h"

namespace k27093::cfb {
namespace {

using testing::CompoundFileBuilder;
using testing::PatternBytes;

struct Seed {
  std::string fileName;
  std::string bytes;
};

std::vector<Seed> Seeds() {
  return {
      {"version3-workbook.cfb", CompoundFileBuilder(3)
                                    .Stream("Workbook", PatternBytes(5000, 'w'))
                                    .Stream("\x05SummaryInformation", PatternBytes(200, 's'))
                                    .Stream("Ctls", "")
                                    .Storage("_VBA_PROJECT_CUR")
                                    .Build()
                                    .bytes},
      {"version4-workbook.cfb",
       CompoundFileBuilder(4).Stream("Workbook", PatternBytes(4096, 'v')).Build().bytes},
      {"small-streams.cfb", CompoundFileBuilder(3)
                                .Stream("Workbook", PatternBytes(700, 'a'))
                                .Stream("Book", PatternBytes(65, 'b'))
                                .Stream("Données", PatternBytes(1, 'c'))
                                .Stream("MsoDataStore", PatternBytes(128, 'd'))
                                .Stream("_SX_DB_CUR", PatternBytes(3000, 'e'))
                                .Stream("User Names", PatternBytes(63, 'f'))
                                .Build()
                                .bytes},
  };
}

std::filesystem::path SeedFolder() {
  return std::filesystem::path(K27093_TEST_DATA) / ".." / ".." / "fuzz" / "corpus" /
         "compound_file";
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(FuzzSeeds, AreWhatTheBuilderWritesAndOpen) {
  const bool write = std::getenv("K27093_WRITE_FUZZ_SEEDS") != nullptr;
  for (const Seed& seed : Seeds()) {
    SCOPED_TRACE(seed.fileName);
    const std::filesystem::path path = SeedFolder() / seed.fileName;
    if (write) {
      std::ofstream(path, std::ios::binary) << seed.bytes;
    }
    EXPECT_LT(seed.bytes.size(), 20u * 1024);
    EXPECT_TRUE(FileBytes(path) == seed.bytes) << "write the seeds again (see above)";
    const CompoundFile file(seed.bytes);
    for (const auto& entry : file.RootEntries()) {
      if (entry.type == CompoundFile::Entry::Type::Stream) {
        EXPECT_EQ(file.ReadRootStream(entry.name)->size(), entry.size) << entry.name;
      }
    }
  }
}

}  // namespace
}  // namespace k27093::cfb
