// The batch of the check command run in this process: the list read from standard input, and
// the progress line that a terminal gets on standard error.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/commands.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

struct CommandRun {
  int status = 0;
  std::string out;
  std::string err;
};

CommandRun RunCheck(const client::CheckRequest& request, const std::string& input = {}) {
  std::ostringstream out, err;
  std::istringstream in(input);
  CommandRun run;
  run.status = client::RunCheckCommand(request, out, err, in);
  run.out = out.str();
  run.err = err.str();
  return run;
}

TEST(FileList, OnePathALineWithoutEmptyLinesOrCarriageReturns) {
  std::istringstream list("a.xls\r\n\nb c.xls\n\r\nd.xls");
  EXPECT_EQ(client::ReadFileList(list), (std::vector<std::string>{"a.xls", "b c.xls", "d.xls"}));
}

TEST(BatchCommand, TheListOfADashIsReadFromStandardInput) {
  testsupport::TemporaryFolder folder;
  client::CheckRequest request;
  request.exercise = "401";
  request.filesFrom = "-";
  const CommandRun run =
      RunCheck(request, folder.File("a.xls") + "\n" + folder.File("b.xls") + "\n");
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out.find(folder.File("a.xls") + "\t401: error 53"), 0u) << run.out;
  EXPECT_NE(run.out.find("\n" + folder.File("b.xls") + "\t401: error 53"), std::string::npos);
  EXPECT_NE(run.out.find("401: 2 files, 0 passed, 0 faults, 0 general faults, 2 errors\n"),
            std::string::npos)
      << run.out;
  EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST(BatchCommand, ATerminalGetsAProgressLineRewrittenInPlaceAndWipedAtTheEnd) {
  testsupport::TemporaryFolder folder;
  client::CheckRequest request;
  request.exercise = "401";
  request.workbooks = {folder.File("a.xls"), folder.File("b.xls")};
  request.progress = true;
  const CommandRun run = RunCheck(request);
  EXPECT_EQ(run.err.rfind("\r0/2 files, … files/s, … left\033[K", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("\r1/2 files, "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("\r2/2 files, "), std::string::npos) << run.err;
  EXPECT_EQ(run.err.substr(run.err.size() - 4), "\r\033[K");
  EXPECT_EQ(run.err.find('\n'), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find('\r'), std::string::npos) << run.out;
  request.progress = false;
  EXPECT_TRUE(RunCheck(request).err.empty());
}

}  // namespace
}  // namespace k27093
