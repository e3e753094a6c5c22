// Staging the learner's workbook: a file larger than any workbook the spreadsheet opens is
// refused before anything is copied, by the command too.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <string>

#include "api/error.h"
#include "cli/working_copy.h"
#include "document/workbook_file.h"
#include "support/raised_error.h"
#include "support/run_program.h"
#include "support/temporary_folder.h"

namespace k27093::client {
namespace {

namespace fs = std::filesystem;
using testsupport::TemporaryFolder;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

// A sparse file of `size` bytes: it takes no room on the disk.
std::string SparseFile(const TemporaryFolder& folder, std::uintmax_t size) {
  const std::string path = folder.File("Ventes.xls");
  { std::ofstream create(path, std::ios::binary); }
  fs::resize_file(path, size);
  return path;
}

TEST(WorkingCopy, AWorkbookTooLargeToOpenIsRefusedBeforeItIsCopied) {
  const TemporaryFolder learner;
  const TemporaryFolder work;
  const std::string workbook = SparseFile(learner, document::kMaxWorkbookFileBytes + 1);
  const Error error = testsupport::RaisedError([&] { StageWorkbook(workbook, work.path(), 401); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.source(), "Microsoft Office Excel");
  EXPECT_EQ(error.description(),
            "'" + workbook + "' is too large to open: it holds more than 256 MiB.");
  EXPECT_EQ(work.EntryCount(), 0);
}

TEST(WorkingCopy, TheCheckOfAHugeWorkbookEndsWithThatErrorAndLeavesNoFolder) {
  const TemporaryFolder learner;
  const TemporaryFolder temporary;
  const std::string workbook = SparseFile(learner, std::uintmax_t{1} << 30);  // 1 GiB
  const testsupport::ProgramResult result = testsupport::RunProgram(
      {kCommand, "check", "401", workbook, "--json"}, {{"TMPDIR", temporary.path()}});
  EXPECT_EQ(result.status, 3) << result.err;
  const nlohmann::json verdict = nlohmann::json::parse(result.out);
  EXPECT_EQ(verdict["error"]["number"], 1004);
  EXPECT_EQ(verdict["error"]["description"],
            "'" + workbook + "' is too large to open: it holds more than 256 MiB.");
  EXPECT_EQ(temporary.EntryCount(), 0);
}

}  // namespace
}  // namespace k27093::client
