// Reading a workbook file's bytes: what is missing is "could not be found", what cannot be
// reached says so, and what is no file is refused before anything is read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// A sparse file of `size` bytes: it takes no room on the disk.
std::string SparseFile(const testsupport::TemporaryFolder& folder, std::uintmax_t size) {
  const std::string path = folder.File("grand.xlsx");
  { std::ofstream create(path, std::ios::binary); }
  fs::resize_file(path, size);
  return path;
}

TEST(WorkbookFile, AFileOfTheLargestSizeIsReadableAndOneByteMoreIsRefused) {
  const testsupport::TemporaryFolder folder;
  const std::string largest = SparseFile(folder, kMaxWorkbookFileBytes);
  EXPECT_NO_THROW(RequireReadableSize(largest));
  const std::string larger = SparseFile(folder, kMaxWorkbookFileBytes + 1);
  const Error error = testsupport::RaisedError([&] { RequireReadableSize(larger); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(),
            "'" + larger + "' is too large to open: it holds more than 256 MiB.");
  EXPECT_EQ(DescriptionOf(larger), error.description());
}

}  // namespace
}  // namespace k27093::document
