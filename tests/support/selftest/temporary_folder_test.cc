// TemporaryFolder and RunProgram, the helpers the other tests stand on.
#include "support/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.h"

namespace k27093::testsupport {
namespace {

TEST(TemporaryFolder, PathEndsWithTheSeparatorAndIsRemovedAtDestruction) {
  std::string path;
  {
    TemporaryFolder folder;
    path = folder.path();
    EXPECT_EQ(path.back(), '/');
    EXPECT_EQ(folder.EntryCount(), 0);
    folder.Write("a.txt", "Année");
    std::filesystem::create_directory(folder.File("sub"));
    folder.Write("sub/b.txt", "b");
    EXPECT_EQ(folder.EntryCount(), 2);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(TemporaryFolder, WriteAndReadKeepTheBytes) {
  TemporaryFolder folder;
  std::string bytes("a\0b\xC3\xA9", 5);
  EXPECT_EQ(folder.Write("x.bin", bytes), folder.path() + "x.bin");
  EXPECT_TRUE(folder.Contains("x.bin"));
  EXPECT_EQ(folder.Read("x.bin"), bytes);
  EXPECT_THROW(folder.Read("absent"), std::runtime_error);
}

TEST(RunProgram, CollectsStatusAndBothOutputs) {
  auto result = RunProgram({"/bin/sh", "-c", "echo dehors; echo erreur >&2; exit 7"});
  EXPECT_EQ(result.status, 7);
  EXPECT_EQ(result.out, "dehors\n");
  EXPECT_EQ(result.err, "erreur\n");
}

TEST(RunProgram, SetsEnvironmentAndWorkingFolder) {
  TemporaryFolder folder;
  auto result = RunProgram({"/bin/sh", "-c", "echo \"$K27093_PROBE\"; pwd"},
                           {{"K27093_PROBE", "valeur"}}, folder.path());
  std::string expectedFolder = folder.path().substr(0, folder.path().size() - 1);
  EXPECT_EQ(result.out, "valeur\n" + expectedFolder + "\n");
}

TEST(RunProgram, ReportsAProgramThatCannotStart) {
  EXPECT_THROW(RunProgram({"/nonexistent/program"}), std::runtime_error);
}

}  // namespace
}  // namespace k27093::testsupport
