// What was parsed from a file's bytes is reused when the same bytes come again under the same
// path, and parsed anew for other bytes, even of the same size; large files and the least
// recently parsed of too many files are parsed again.
#include <gtest/gtest.h>

#include <string>

#include "engine/loading/read_cache.h"

namespace k27093::engine {
namespace {

// A cache of "parsed" texts (their upper-case copy) that counts the parses it could not spare.
struct CountingCache {
  ParsedFileCache<std::string> cache;
  int parses = 0;

  std::string Parse(const std::string& path, const std::string& bytes) {
    return *cache.Parse(path, bytes, [&] {
      ++parses;
      std::string parsed = bytes;
      for (char& c : parsed) c = static_cast<char>(c - 'a' + 'A');
      return parsed;
    });
  }
};

TEST(ParsedFileCache, TheSameBytesAreParsedOnceAndOtherBytesAgain) {
  CountingCache counting;
  EXPECT_EQ(counting.Parse("/travail/X27093.xls", "premier"), "PREMIER");
  EXPECT_EQ(counting.Parse("/travail/X27093.xls", "premier"), "PREMIER");
  EXPECT_EQ(counting.parses, 1);
  // The same size, as a file written again at once would be: its content tells it apart.
  EXPECT_EQ(counting.Parse("/travail/X27093.xls", "seconde"), "SECONDE");
  EXPECT_EQ(counting.parses, 2);
  // The same bytes under another path are another file.
  EXPECT_EQ(counting.Parse("/autre/X27093.xls", "seconde"), "SECONDE");
  EXPECT_EQ(counting.parses, 3);
}

TEST(ParsedFileCache, LargeFilesAndTheOldestOfTooManyAreParsedAgain) {
  CountingCache counting;
  const std::string large(kMaxCachedFileBytes + 1, 'x');
  counting.Parse("/travail/Grand.xls", large);
  counting.Parse("/travail/Grand.xls", large);
  EXPECT_EQ(counting.parses, 2);

  counting.parses = 0;
  for (std::size_t i = 0; i <= kCachedFiles; ++i) {
    counting.Parse("/travail/" + std::to_string(i), "abc");
  }
  counting.Parse("/travail/" + std::to_string(kCachedFiles), "abc");  // the newest: kept
  EXPECT_EQ(counting.parses, static_cast<int>(kCachedFiles) + 1);
  counting.Parse("/travail/0", "abc");  // the oldest: gone
  EXPECT_EQ(counting.parses, static_cast<int>(kCachedFiles) + 2);
}

}  // namespace
}  // namespace k27093::engine
