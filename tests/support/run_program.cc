#include "support/run_program.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "support/temporary_folder.h"

extern char** environ;

namespace k27093::testsupport {

namespace {

// This process's environment with `overrides` applied, as NAME=VALUE strings.
std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& overrides) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string text(*entry);
    std::string name = text.substr(0, text.find('='));
    if (overrides.count(name) == 0) entries.push_back(text);
  }
  for (const auto& [name, value] : overrides) entries.push_back(name + "=" + value);
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ProgramResult RunProgram(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment,
                         const std::string& workingFolder) {
  if (arguments.empty()) throw std::invalid_argument("RunProgram needs a program");
  // Output goes to files rather than pipes: no risk of a full pipe blocking the child.
  TemporaryFolder capture;
  std::string outPath = capture.File("out");
  std::string errPath = capture.File("err");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!workingFolder.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
  }
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);

  std::vector<std::string> argumentTexts = arguments;
  std::vector<std::string> environmentTexts = ChildEnvironment(environment);
  std::vector<char*> argv = Pointers(argumentTexts);
  std::vector<char*> envp = Pointers(environmentTexts);

  pid_t child = 0;
  int started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) throw std::runtime_error("cannot start " + arguments[0]);

  int waitStatus = 0;
  rusage usage{};
  while (wait4(child, &waitStatus, 0, &usage) < 0) {
    if (errno != EINTR) throw std::runtime_error("cannot wait for " + arguments[0]);
  }
  ProgramResult result;
  result.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
  result.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  result.peakMemoryKiB = usage.ru_maxrss;
  result.out = ReadFileBytes(outPath);
  result.err = ReadFileBytes(errPath);
  return result;
}

}  // namespace k27093::testsupport
