// A check ended by SIGTERM, SIGINT or SIGHUP leaves no private folder behind and ends by that
// signal; the folder a killed check left is removed by the next run, and nothing else is.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/run_program.h"
#include "support/sample_workbooks.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

namespace fs = std::filesystem;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

// The private folders of the command in `temporary` ("k27093-<pid>-...").
std::vector<std::string> PrivateFolders(const std::string& temporary) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(temporary)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("k27093-")) found.push_back(name);
  }
  return found;
}

// A list of `count` copies of a passing 401 workbook: a batch long enough to be interrupted.
std::string WriteLongBatch(const testsupport::TemporaryFolder& folder, int count) {
  const std::string sample = folder.File("Ventes.xlsx");
  for (const testsupport::SampleWorkbook& workbook : testsupport::SampleWorkbooks()) {
    if (workbook.fileName == "Ventes - 401 réussi.xlsx") workbook.write(sample);
  }
  const std::string list = folder.File("list");
  std::ofstream names(list);
  for (int i = 0; i < count; ++i) names << sample << '\n';
  return list;
}

// Starts the command with TMPDIR set to `temporary`, its output thrown away.
pid_t Start(const std::vector<std::string>& arguments, const std::string& temporary) {
  const pid_t child = fork();
  if (child == 0) {
    setenv("TMPDIR", temporary.c_str(), 1);
    freopen("/dev/null", "w", stdout);
    freopen("/dev/null", "w", stderr);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return child;
}

TEST(SignalCleanup, ACheckEndedByASignalRemovesItsFolderAndEndsByTheSignal) {
  testsupport::TemporaryFolder folder;
  const std::string list = WriteLongBatch(folder, 5000);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    testsupport::TemporaryFolder temporary;
    const pid_t child = Start({kCommand, "check", "401", "--files-from", list}, temporary.path());
    // Wait until the check works in its private folder, then end it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (PrivateFolders(temporary.path()).empty() &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_FALSE(PrivateFolders(temporary.path()).empty()) << "the check made no folder";
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(child, signal);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), signal);
    const std::vector<std::string> left = PrivateFolders(temporary.path());
    EXPECT_TRUE(left.empty()) << left.front() << " is left";
  }
}

TEST(SignalCleanup, TheNextRunRemovesTheFolderOfAKilledCheckAndOnlyThat) {
  testsupport::TemporaryFolder folder;
  const std::string list = WriteLongBatch(folder, 5000);
  testsupport::TemporaryFolder temporary;
  const pid_t child = Start({kCommand, "check", "401", "--files-from", list}, temporary.path());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (PrivateFolders(temporary.path()).empty() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  const std::vector<std::string> left = PrivateFolders(temporary.path());
  ASSERT_EQ(left.size(), 1u);
  // Beside it: a folder of a running process (this one), and folders not named as the
  // command names its own.
  const std::string running = "k27093-" + std::to_string(getpid()) + "-abcdef";
  for (const std::string& name :
       {running, std::string("k27093-notes"), std::string("k27093-12x-abcdef")}) {
    fs::create_directory(temporary.File(name));
  }

  const testsupport::ProgramResult result =
      testsupport::RunProgram({kCommand, "exercises"}, {{"TMPDIR", temporary.path()}});
  EXPECT_EQ(result.status, 0);
  const std::vector<std::string> after = PrivateFolders(temporary.path());
  EXPECT_EQ(std::count(after.begin(), after.end(), left[0]), 0);
  EXPECT_EQ(after.size(), 3u);
}

}  // namespace
}  // namespace k27093
