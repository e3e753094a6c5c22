// What was read from a file is kept while the file is unchanged and read anew as soon as it
// changes; large files and the least recently read of too many files are not kept.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "engine/loading/read_cache.h"
#include "support/temporary_folder.h"

namespace k27093::engine {
namespace {

void Write(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// A cache of file contents that counts the reads it could not spare.
struct CountingCache {
  FileReadCache<std::string> cache;
  int reads = 0;

  std::string Read(const std::string& path) {
    return *cache.Read(path, [&] {
      ++reads;
      std::ifstream file(path, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(file), {});
    });
  }
};

TEST(FileReadCache, AnUnchangedFileIsReadOnceAndAChangedOneAgain) {
  testsupport::TemporaryFolder folder;
  const std::string path = folder.File("Classeur.xls");
  Write(path, "premier");
  CountingCache counting;
  EXPECT_EQ(counting.Read(path), "premier");
  EXPECT_EQ(counting.Read(path), "premier");
  EXPECT_EQ(counting.reads, 1);
  // Same size, written again at once: the change time tells it apart.
  Write(path, "seconde");
  EXPECT_EQ(counting.Read(path), "seconde");
  EXPECT_EQ(counting.reads, 2);
}

TEST(FileReadCache, LargeFilesAndTheOldestOfTooManyAreReadAgain) {
  testsupport::TemporaryFolder folder;
  CountingCache counting;
  const std::string large = folder.File("Grand.xls");
  Write(large, std::string(kMaxCachedFileBytes + 1, 'x'));
  counting.Read(large);
  counting.Read(large);
  EXPECT_EQ(counting.reads, 2);

  counting.reads = 0;
  for (std::size_t i = 0; i <= kCachedFiles; ++i) {
    Write(folder.File(std::to_string(i)), std::to_string(i));
    counting.Read(folder.File(std::to_string(i)));
  }
  counting.Read(folder.File(std::to_string(kCachedFiles)));  // the newest: kept
  EXPECT_EQ(counting.reads, static_cast<int>(kCachedFiles) + 1);
  counting.Read(folder.File("0"));  // the oldest: gone
  EXPECT_EQ(counting.reads, static_cast<int>(kCachedFiles) + 2);
}

}  // namespace
}  // namespace k27093::engine
