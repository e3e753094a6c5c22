// Grading a whole class in one `k27093 check` process: 100, 1,000 and 10,000 copies of the 401
// sample "Ventes - 401 réussi.xlsx" graded with --jobs 2 from a list, beside the single check
// of the sample as its own process in the same run. Reported per batch: the files graded per
// second and the milliseconds per file, whose flatness from 100 to 10,000 files shows that a
// file's cost does not grow with the batch.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "side_by_side.h"
#include "support/sample_workbooks.h"
#include "support/temporary_folder.h"

namespace k27093::bench {
namespace {

using testsupport::TemporaryFolder;

const std::string kCommand = K27093_BINARY_DIR "/k27093";
const std::string kSample = "Ventes - 401 réussi.xlsx";

std::string WriteSample(const TemporaryFolder& folder) {
  for (const testsupport::SampleWorkbook& sample : testsupport::SampleWorkbooks()) {
    if (sample.fileName != kSample) continue;
    const std::string path = folder.File(kSample);
    sample.write(path);
    return path;
  }
  throw std::runtime_error("no sample " + kSample);
}

// `count` copies of `sample` in a folder of their own, and the list that names them.
std::string WriteCopies(const TemporaryFolder& folder, const std::string& sample, int count) {
  const std::string copies = folder.File("x" + std::to_string(count));
  std::filesystem::create_directory(copies);
  const std::string list = copies + ".list";
  std::ofstream names(list);
  for (int i = 0; i < count; ++i) {
    const std::string copy = copies + "/" + std::to_string(i) + ".xlsx";
    std::filesystem::copy_file(sample, copy);
    names << copy << '\n';
  }
  return list;
}

void BM_BatchGradingBesideOneCheck(benchmark::State& state) {
  TemporaryFolder folder;
  const std::string sample = WriteSample(folder);
  constexpr int kSizes[] = {100, 1000, 10000};
  std::vector<TimedCommand> commands{{"one", {kCommand, "check", "401", sample}}};
  for (const int size : kSizes) {
    commands.push_back({"batch" + std::to_string(size),
                        {kCommand, "check", "401", "--jobs", "2", "--files-from",
                         WriteCopies(folder, sample, size)}});
  }
  RunSideBySide(state, commands);
  for (const int size : kSizes) {
    const std::string label = "batch" + std::to_string(size);
    const double milliseconds = state.counters[label + "_ms"];
    if (milliseconds <= 0) continue;
    state.counters[label + "_files_per_s"] = size / (milliseconds / 1000);
    state.counters[label + "_ms_per_file"] = milliseconds / size;
  }
}
BENCHMARK(BM_BatchGradingBesideOneCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace k27093::bench
