// RunProgram: runs a program of the build (the k27093 command, the sample generator) as a
// child process and collects its exit status and everything it printed. For tests of
// command-line behaviour.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace k27093::testsupport {

struct ProgramResult {
  // The exit status; 128 + the signal number when the program was killed by a signal.
  int status = 0;
  std::string out;  // standard output
  std::string err;  // standard error
  // What the child cost, as the system accounted it: processor time (user and system, its own
  // children's included) and its peak resident memory. The child shares this process's memory
  // until it starts its program, and the system keeps the larger of the two peaks: the figure
  // is at least this process's resident memory at the start.
  double cpuSeconds = 0;
  long peakMemoryKiB = 0;
};

// Runs arguments[0] (a path) with arguments[1...] and no standard input. `environment`
// entries are set in, or replace entries of, the child's copy of this process's
// environment; a non-empty `workingFolder` is the child's current folder. Throws
// std::runtime_error when the program cannot be started.
ProgramResult RunProgram(const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment = {},
                         const std::string& workingFolder = {});

}  // namespace k27093::testsupport
