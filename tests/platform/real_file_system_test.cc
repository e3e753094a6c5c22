#include "platform/real_file_system.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "api/error.h"

namespace k27093::platform {
namespace {

namespace fs = std::filesystem;

// Each test works in a fresh folder of its own under the system's temporary folder.
class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "k27093-fs-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern + "/";
  }
  void TearDown() override {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder, ignored);
  }

  void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
  static bool OwnerMayWrite(const std::string& path) {
    return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
  }

  RealFileSystem files{"/opt/k27093/"};
  std::string folder;  // with its trailing separator
};

void ExpectError(const std::function<void()>& action, std::int32_t number,
                 std::string_view description) {
  try {
    action();
    ADD_FAILURE() << "no error, expected " << number;
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), number);
    EXPECT_EQ(error.description(), description);
    EXPECT_EQ(error.source(), "K27093");
  }
}

TEST_F(FileSystemTest, MakesEveryFolderOfANestedAccentedPath) {
  const std::string models = folder + "Modèles Excel/Norvane Modèles/";
  EXPECT_TRUE(files.MakeSureDirectoryPathExists(models));
  EXPECT_TRUE(fs::is_directory(models));
  EXPECT_TRUE(files.Exists(models));
  EXPECT_TRUE(files.MakeSureDirectoryPathExists(models));  // already there
}

TEST_F(FileSystemTest, ThePartAfterTheLastSeparatorIsAFileName) {
  EXPECT_TRUE(files.MakeSureDirectoryPathExists(folder + "a/b/Ventes.xls"));
  EXPECT_TRUE(fs::is_directory(folder + "a/b"));
  EXPECT_FALSE(fs::exists(folder + "a/b/Ventes.xls"));
  EXPECT_TRUE(files.MakeSureDirectoryPathExists("Ventes.xls"));  // no folder to make
}

TEST_F(FileSystemTest, AFileInTheWayGivesFalseInsteadOfLooping) {
  Write(folder + "blocker", "x");
  EXPECT_FALSE(files.MakeSureDirectoryPathExists(folder + "blocker/Norvane Modèles/"));
  EXPECT_FALSE(files.MakeSureDirectoryPathExists(folder + "blocker/"));
  EXPECT_EQ(Read(folder + "blocker"), "x");
}

TEST_F(FileSystemTest, PathWithANulByteNamesNothing) {
  const std::string path = folder + "sub" + std::string(1, '\0') + "/x/";
  EXPECT_FALSE(files.MakeSureDirectoryPathExists(path));
  EXPECT_FALSE(fs::exists(folder + "sub"));
  Write(folder + "keep", "k");
  ExpectError([&] { files.Delete(folder + "keep" + std::string(1, '\0') + "more"); }, 53,
              "File not found");
  EXPECT_TRUE(fs::exists(folder + "keep"));
  EXPECT_FALSE(files.Exists(folder + "keep" + std::string(1, '\0')));
}

TEST_F(FileSystemTest, ExistsFindsFilesAndFolders) {
  Write(folder + "Ventes.xls", "data");
  EXPECT_TRUE(files.Exists(folder));
  EXPECT_TRUE(files.Exists(folder + "Ventes.xls"));
  EXPECT_FALSE(files.Exists(folder + "Ventes.xls/"));
  EXPECT_FALSE(files.Exists(folder + "Absent.xls"));
  EXPECT_FALSE(files.Exists(""));
}

TEST_F(FileSystemTest, ReadOnlyFileCannotBeDeletedUntilMadeNormal) {
  const std::string path = folder + "Ventés.xls";
  Write(path, "data");
  MakeReadOnly(path);
  ExpectError([&] { files.Delete(path); }, 75, "Path/File access error");
  EXPECT_TRUE(fs::exists(path));
  files.SetAttributesNormal(path);
  EXPECT_TRUE(OwnerMayWrite(path));
  files.Delete(path);
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(FileSystemTest, SetAttributesOfAMissingFileRaises53) {
  ExpectError([&] { files.SetAttributesNormal(folder + "Absent.xls"); }, 53, "File not found");
}

TEST_F(FileSystemTest, DeletingAMissingFileRaises53) {
  ExpectError([&] { files.Delete(folder + "Absent.xls"); }, 53, "File not found");
  Write(folder + "plain", "x");
  ExpectError([&] { files.Delete(folder + "plain/inside.xls"); }, 53, "File not found");
}

TEST_F(FileSystemTest, DeletingAFolderRaises75) {
  fs::create_directory(folder + "Dossier");
  Write(folder + "Dossier/inner.xls", "x");
  ExpectError([&] { files.Delete(folder + "Dossier"); }, 75, "Path/File access error");
  EXPECT_TRUE(fs::exists(folder + "Dossier/inner.xls"));
}

TEST_F(FileSystemTest, RenameMovesTheFileUnderItsNewName) {
  Write(folder + "02709301.xls", "model");
  files.Rename(folder + "02709301.xls", folder + "Ventes Année.xls");
  EXPECT_FALSE(fs::exists(folder + "02709301.xls"));
  EXPECT_EQ(Read(folder + "Ventes Année.xls"), "model");
}

TEST_F(FileSystemTest, RenamingAMissingFileRaises53) {
  ExpectError([&] { files.Rename(folder + "02709301.xls", folder + "Ventes.xls"); }, 53,
              "File not found");
  EXPECT_FALSE(fs::exists(folder + "Ventes.xls"));
}

TEST_F(FileSystemTest, RenamingOntoAnExistingFileRaises58AndKeepsBoth) {
  Write(folder + "02709301.xls", "model");
  Write(folder + "Ventes.xls", "stale");
  ExpectError([&] { files.Rename(folder + "02709301.xls", folder + "Ventes.xls"); }, 58,
              "File already exists");
  EXPECT_EQ(Read(folder + "Ventes.xls"), "stale");
  EXPECT_EQ(Read(folder + "02709301.xls"), "model");
  ExpectError([&] { files.Rename(folder + "Ventes.xls", folder + "Ventes.xls"); }, 58,
              "File already exists");
}

TEST_F(FileSystemTest, RenamingIntoAMissingFolderRaises75) {
  Write(folder + "02709301.xls", "model");
  ExpectError([&] { files.Rename(folder + "02709301.xls", folder + "absent/Ventes.xls"); }, 75,
              "Path/File access error");
  Write(folder + "plain", "x");
  ExpectError([&] { files.Rename(folder + "02709301.xls", folder + "plain/Ventes.xls"); }, 75,
              "Path/File access error");
  EXPECT_EQ(Read(folder + "02709301.xls"), "model");
}

TEST_F(FileSystemTest, ModuleFolderIsTheGivenFolderWithItsSeparator) {
  EXPECT_EQ(files.ModuleFolder(), "/opt/k27093/");
  EXPECT_EQ(RealFileSystem("/opt/Modèles").ModuleFolder(), "/opt/Modèles/");
}

TEST_F(FileSystemTest, ModuleFolderDefaultsToTheRunningProgramsFolder) {
  const std::string module = RealFileSystem().ModuleFolder();
  ASSERT_FALSE(module.empty());
  EXPECT_EQ(module.back(), '/');
  EXPECT_TRUE(fs::is_regular_file(module + program_invocation_short_name)) << module;
}

}  // namespace
}  // namespace k27093::platform
