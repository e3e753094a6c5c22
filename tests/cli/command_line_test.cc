// The k27093 command line: the exercise list, help, and how bad usage is answered.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace k27093 {
namespace {

using testsupport::RunProgram;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

TEST(ExercisesCommand, ListsTheTwentyOneExercisesInOrder) {
  auto result = RunProgram({kCommand, "exercises"});
  ASSERT_EQ(result.status, 0) << result.err;
  std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 21u) << result.out;
  for (int i = 0; i < 21; ++i) {
    int number = 401 + i;
    std::string working = number == 421 ? "Présentation des résultats.xls" : "Ventes.xls";
    EXPECT_EQ(lines[i],
              std::to_string(number) + "\t027093" + TwoDigits(number - 400) + ".xls\t" + working);
  }
}

// Output that does not reach its reader is an error of its own, whatever the command did.
TEST(CommandLine, OutputThatCannotBeWrittenExitsWith74) {
  for (const std::string_view redirection : {"> /dev/full", ">&-"}) {
    SCOPED_TRACE(redirection);
    const auto result =
        RunProgram({"/bin/sh", "-c", "'" + kCommand + "' exercises " + std::string(redirection)});
    EXPECT_EQ(result.status, 74);
    EXPECT_NE(result.err.find("the output could not be written"), std::string::npos) << result.err;
  }
}

TEST(CommandLine, HelpListsTheCommandsAndSucceeds) {
  auto result = RunProgram({kCommand, "--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("exercises"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("inspect"), std::string::npos) << result.out;
}

TEST(CommandLine, InspectHelpNamesItsArgumentAndOption) {
  auto result = RunProgram({kCommand, "inspect", "--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("WORKBOOK"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("--json"), std::string::npos) << result.out;
}

TEST(CommandLine, CheckHelpNamesThePrinterOption) {
  auto result = RunProgram({kCommand, "check", "--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("--printer"), std::string::npos) << result.out;
}

TEST(CommandLine, APrinterOptionWithoutItsNameIsBadUsage) {
  EXPECT_EQ(RunProgram({kCommand, "check", "420", "Ventes.xls", "--printer"}).status, 64);
}

TEST(CommandLine, NoCommandIsBadUsage) {
  auto result = RunProgram({kCommand});
  EXPECT_EQ(result.status, 64);
  EXPECT_FALSE(result.err.empty());
}

TEST(CommandLine, UnknownCommandIsBadUsage) {
  EXPECT_EQ(RunProgram({kCommand, "grade"}).status, 64);
}

TEST(CommandLine, InspectWithoutWorkbookIsBadUsage) {
  auto result = RunProgram({kCommand, "inspect"});
  EXPECT_EQ(result.status, 64);
  EXPECT_TRUE(result.out.empty()) << result.out;
}

TEST(CommandLine, UnknownOptionIsBadUsage) {
  EXPECT_EQ(RunProgram({kCommand, "inspect", "Ventes.xls", "--yaml"}).status, 64);
}

TEST(CommandLine, ExtraArgumentIsBadUsage) {
  EXPECT_EQ(RunProgram({kCommand, "exercises", "401"}).status, 64);
}

}  // namespace
}  // namespace k27093
