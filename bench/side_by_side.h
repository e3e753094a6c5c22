// Side-by-side timing of whole processes: each benchmark iteration runs every command once,
// in turn, so that a load on the machine that comes and goes weighs on all of them alike.
// The first command is the baseline; the others are reported as ratios to it.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/temporary_folder.h"

namespace k27093::bench {

struct TimedCommand {
  std::string label;                   // names the counters: "<label>_ms" ...
  std::vector<std::string> arguments;  // the program's path first
  int highestStatus = 0;               // a higher exit status stops the benchmark
};

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The launcher that reports a child's own peak memory (bench/baseline/peak_memory.cc).
inline const std::string kPeakMemoryLauncher = K27093_BINARY_DIR "/bench/k27093_peak_memory";

// The peak resident memory of one run of the command, in KiB: the command started through
// the launcher, which reports its child's own peak; 0 when the launcher wrote no report.
inline long PeakMemoryKiB(const std::vector<std::string>& arguments) {
  testsupport::TemporaryFolder reports;
  const std::string report = reports.File("peak");
  std::vector<std::string> launched{kPeakMemoryLauncher, report};
  launched.insert(launched.end(), arguments.begin(), arguments.end());
  testsupport::RunProgram(launched);
  return std::stol("0" + testsupport::ReadFileBytes(report));
}

// Publishes, for each command, the median wall-clock time ("<label>_ms") and processor time
// ("<label>_cpu_ms") of a run, its peak resident memory ("<label>_peak_MiB", from one more
// run through the launcher), and for each command after the first the ratios of its medians
// to the baseline's ("<label>_ratio", "<label>_cpu_ratio"). Medians resist the slow runs a
// busy machine gives.
inline void RunSideBySide(benchmark::State& state, const std::vector<TimedCommand>& commands) {
  std::vector<std::vector<double>> wall(commands.size());
  std::vector<std::vector<double>> processor(commands.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < commands.size(); ++i) {
      const auto start = std::chrono::steady_clock::now();
      const testsupport::ProgramResult result = testsupport::RunProgram(commands[i].arguments);
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      if (result.status > commands[i].highestStatus) {
        state.SkipWithError((commands[i].label + ": unexpected exit status " +
                             std::to_string(result.status) + " " + result.err)
                                .c_str());
        return;
      }
      wall[i].push_back(took.count());
      processor[i].push_back(result.cpuSeconds * 1000);
    }
  }
  std::vector<long> peakKiB;
  for (const TimedCommand& command : commands) peakKiB.push_back(PeakMemoryKiB(command.arguments));
  const double baselineWall = Median(wall[0]);
  const double baselineProcessor = Median(processor[0]);
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const std::string& label = commands[i].label;
    const double medianWall = Median(wall[i]);
    const double medianProcessor = Median(processor[i]);
    state.counters[label + "_ms"] = medianWall;
    state.counters[label + "_cpu_ms"] = medianProcessor;
    state.counters[label + "_peak_MiB"] = static_cast<double>(peakKiB[i]) / 1024;
    if (i == 0) continue;
    state.counters[label + "_ratio"] = baselineWall > 0 ? medianWall / baselineWall : 0;
    state.counters[label + "_cpu_ratio"] =
        baselineProcessor > 0 ? medianProcessor / baselineProcessor : 0;
  }
}

}  // namespace k27093::bench
