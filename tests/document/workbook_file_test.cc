// Reading a workbook file's bytes: what is missing is "could not be found", what cannot be
// reached says so, and what is no file is refused before anything is read.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "api/error.h"
#include "document/workbook_file.h"
#include "support/raised_error.h"
#include "support/temporary_folder.h"

namespace k27093::document {
namespace {

namespace fs = std::filesystem;

std::string DescriptionOf(const std::string& path) {
  const Error error = testsupport::RaisedError([&] { ReadWorkbookFileBytes(path); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.source(), "Microsoft Office Excel");
  return error.description();
}

TEST(WorkbookFile, AMissingFileCouldNotBeFoundButALoopingPathCannotBeReached) {
  testsupport::TemporaryFolder folder;
  EXPECT_NE(DescriptionOf(folder.File("absent.xlsx")).find("could not be found"),
            std::string::npos);
  fs::create_directory_symlink(folder.File("b"), folder.File("a"));
  fs::create_directory_symlink(folder.File("a"), folder.File("b"));
  const std::string looping = DescriptionOf(folder.File("a") + "/Ventes.xlsx");
  EXPECT_EQ(looping.find("could not be found"), std::string::npos) << looping;
  EXPECT_NE(looping.find("cannot be reached: "), std::string::npos) << looping;
}

TEST(WorkbookFile, AFolderIsNoWorkbook) {
  testsupport::TemporaryFolder folder;
  EXPECT_NE(DescriptionOf(folder.path()).find("is not a workbook: it is not a file"),
            std::string::npos);
}

}  // namespace
}  // namespace k27093::document
