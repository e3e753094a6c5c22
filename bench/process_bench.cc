// `k27093 check` as a whole process, each time beside its baseline in the same run:
// (a) the check of the 401 sample "Ventes - 401 réussi.xlsx" beside a process that does
// nothing (/bin/true, and this build's empty program linked as the command is), with the
// peak memory of each; (b) the check of workbooks with 10 and 100 times the cells, charts
// and series of the 1x workbook, as ratios to it.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "side_by_side.h"
#include "support/sample_workbooks.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093::bench {
namespace {

using testsupport::TemporaryFolder;

const std::string kCommand = K27093_BINARY_DIR "/k27093";
const std::string kEmptyProgram = K27093_BINARY_DIR "/bench/k27093_empty_program";

// Writes the sample of that name into `folder` and returns its path.
std::string WriteSample(const TemporaryFolder& folder, const std::string& fileName) {
  for (const testsupport::SampleWorkbook& sample : testsupport::SampleWorkbooks()) {
    if (sample.fileName != fileName) continue;
    const std::string path = folder.File(fileName);
    sample.write(path);
    return path;
  }
  throw std::runtime_error("no sample " + fileName);
}

void BM_CheckBesideEmptyProcess(benchmark::State& state) {
  TemporaryFolder folder;
  const std::string sample = WriteSample(folder, "Ventes - 401 réussi.xlsx");
  RunSideBySide(state, {{"true", {"/bin/true"}},
                        {"empty", {kEmptyProgram}},
                        {"check", {kCommand, "check", "401", sample}}});
}
BENCHMARK(BM_CheckBesideEmptyProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 401 workbook grown `scale` times: each year's sheet holds `scale` times its cells (the
// table's 15 and filler numbers), and the first sheet `scale` copies of the right chart with
// its four series.
std::string WriteScaledVentes(const TemporaryFolder& folder, int scale) {
  constexpr int kTableCells = 15;
  testsupport::VentesOptions options;
  for (testsupport::VentesSheet& sheet : options.sheets) {
    sheet.fillerCells = (scale - 1) * kTableCells;
  }
  for (int copy = 0; copy < scale; ++copy) {
    testsupport::FixtureChart chart;
    chart.title = "Ventes";
    chart.row = 10 + 16 * (copy / 5);
    chart.column = 1 + 8 * (copy % 5);
    options.sheets.front().charts.push_back(chart);
  }
  const std::string path = folder.File("Ventes x" + std::to_string(scale) + ".xlsx");
  testsupport::WriteVentesWorkbook(path, options);
  return path;
}

void BM_CheckCostBySize(benchmark::State& state) {
  TemporaryFolder folder;
  std::vector<TimedCommand> commands;
  for (int scale : {1, 10, 100}) {
    const std::string label = "x" + std::to_string(scale);
    // The copies of the chart are a fault (general fault or letter), not an error.
    commands.push_back({label, {kCommand, "check", "401", WriteScaledVentes(folder, scale)}, 2});
  }
  RunSideBySide(state, commands);
}
BENCHMARK(BM_CheckCostBySize)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace k27093::bench
