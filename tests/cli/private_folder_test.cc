// PrivateFolder: the command's own temporary folder.
#include "cli/private_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "api/file_system.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

TEST(PrivateFolder, IsCreatedEmptyAndRemovedWithItsContents) {
  std::string path;
  {
    client::PrivateFolder folder;
    path = folder.path();
    ASSERT_EQ(path.back(), kPathSeparator);
    EXPECT_TRUE(std::filesystem::is_empty(path));
    testsupport::WriteFileBytes(path + "note.txt", "x");
    std::filesystem::create_directory(path + "Modèles");
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PrivateFolder, TwoFoldersAreDistinct) {
  client::PrivateFolder first;
  client::PrivateFolder second;
  EXPECT_NE(first.path(), second.path());
}

}  // namespace
}  // namespace k27093
