// The memory and time that reading a large sheet costs: a workbook of 10^5, 10^6 and 4 x 10^6
// cells (one sheet, 1,000 cells a row, one-digit numbers without references: the most cells
// the package's bounds let a part hold) is written part by part and read, by the reader alone
// (bench/baseline/read_workbook.cc) and by a whole `k27093 check 401`, each beside a process
// that does nothing, and beside the same two on a workbook of 1,000 cells ("read_small",
// "check_small": what a process costs whatever it reads). Reported per size: the inflated size
// of the parts ("inflated_MiB"), and for each of "read" and "check" the median time, the peak
// resident memory, that peak as a multiple of the inflated parts ("<label>_peak_per_inflated",
// to stay below 10), and the growth of the peak over the small workbook's, as a multiple of the
// parts' growth ("<label>_growth_per_inflated").
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "readers/ooxml/package_builder.h"
#include "side_by_side.h"
#include "support/temporary_folder.h"

namespace k27093::bench {
namespace {

using testsupport::TemporaryFolder;

const std::string kCommand = K27093_BINARY_DIR "/k27093";
const std::string kEmptyProgram = K27093_BINARY_DIR "/bench/k27093_empty_program";
const std::string kReader = K27093_BINARY_DIR "/bench/k27093_read_workbook";

constexpr std::int64_t kCellsPerRow = 1000;

// The rows of `cells` cells, one digit each, drawn so that the part deflates well below the
// package's bound of 100 times.
std::string SheetData(std::int64_t cells) {
  std::string rows;
  rows.reserve(static_cast<std::size_t>(cells) * 16);
  std::uint32_t state = 12345;
  for (std::int64_t done = 0; done < cells;) {
    rows += "<row>";
    for (std::int64_t column = 0; column < kCellsPerRow && done < cells; ++column, ++done) {
      state = state * 1103515245u + 12345u;
      rows += "<c><v>";
      rows += static_cast<char>('0' + (state >> 16) % 10);
      rows += "</v></c>";
    }
    rows += "</row>";
  }
  return rows;
}

// Writes the workbook into `folder`; answers its path and the inflated size of its parts.
std::pair<std::string, std::size_t> WriteSheet(const TemporaryFolder& folder, std::int64_t cells) {
  const ooxml::testing::PackageParts package = ooxml::testing::MinimalWorkbook(SheetData(cells));
  std::size_t inflated = 0;
  for (const auto& [name, content] : package.parts) inflated += content.size();
  const std::string path = folder.File("Cellules " + std::to_string(cells) + ".xlsx");
  ooxml::testing::WriteFile(path, ooxml::testing::ZipBytes(package));
  return {path, inflated};
}

void BM_ReadLargeSheet(benchmark::State& state) {
  const TemporaryFolder folder;
  const auto [path, inflated] = WriteSheet(folder, state.range(0));
  const auto [small, smallInflated] = WriteSheet(folder, 1000);
  // The workbooks have one sheet where the exercise wants two: a general fault, exit 2.
  RunSideBySide(state, {{"empty", {kEmptyProgram}},
                        {"read", {kReader, path}},
                        {"check", {kCommand, "check", "401", path}, 2},
                        {"read_small", {kReader, small}},
                        {"check_small", {kCommand, "check", "401", small}, 2}});
  constexpr double kMiB = 1024 * 1024;
  const double inflatedMiB = static_cast<double>(inflated) / kMiB;
  const double growthMiB = static_cast<double>(inflated - smallInflated) / kMiB;
  state.counters["inflated_MiB"] = inflatedMiB;
  for (const std::string label : {"read", "check"}) {
    const double peak = state.counters[label + "_peak_MiB"];
    state.counters[label + "_peak_per_inflated"] = peak / inflatedMiB;
    state.counters[label + "_growth_per_inflated"] =
        (peak - state.counters[label + "_small_peak_MiB"]) / growthMiB;
  }
}
BENCHMARK(BM_ReadLargeSheet)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(4'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace k27093::bench
