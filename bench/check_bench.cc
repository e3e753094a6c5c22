// Grading exercise 401: (a) one check on a workbook already open, the way a client asks for
// check after check while the learner works; (b) `k27093 check 401 FILE` as a whole process,
// beside `k27093 exercises` as the cost of starting the command at all; (c) the same workbook
// saved by one program as .xlsx and as .xls, each checked as a whole process, side by side.
#include <benchmark/benchmark.h>

#include <string>

#include "cli/embedded_environment.h"
#include "module/abstract_module.h"
#include "spreadsheet/object_model.h"
#include "support/run_program.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"
#include "typelib/identities.h"

namespace k27093 {
namespace {

using testsupport::TemporaryFolder;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

std::string RowFormula(int row, int order) {
  const std::string r = std::to_string(row);
  return "=SERIES('Année N'!$E$" + r + ",'Année N'!$F$3:$G$3,'Année N'!$F$" + r + ":$G$" + r + "," +
         std::to_string(order) + ")";
}

// Exercise 401 started by a Module made through the registry, on the model workbook, with the
// chart the exercise asks for drawn through the object model.
class OpenExercise {
 public:
  OpenExercise()
      : embedded_(client::EmbeddedOptions{templates_.path(), "Imprimante PDF",
                                          K27093_BINARY_DIR "/", work_.path()}) {
    testsupport::WriteVentesWorkbook(work_.File("02709301.xls"));
    module_ = ToObject<AbstractModule>(
        Variant(embedded_.registry().CreateObject(typelib::kModuleProgId)));
    module_->InitQuestion(401, work_.path(), application_, window_);
    const auto sheet = ToObject<xl::Worksheet>(Variant(
        application_->Workbooks()->Item(Variant("Ventes.xls"))->Sheets()->Item(Variant(1))));
    const auto chart = sheet->ChartObjects()->Add(200, 150, 360, 216)->Chart();
    for (int i = 1; i <= 4; ++i) {
      chart->SeriesCollection()->NewSeries()->SetFormula(RowFormula(3 + i, i));
    }
  }
  ~OpenExercise() {
    try {
      module_->Fermer();
      module_->Quitter(application_, window_);
    } catch (const Error&) {
    }
  }

  AbstractModule& module() { return *module_; }

 private:
  TemporaryFolder templates_;
  TemporaryFolder work_;
  client::EmbeddedEnvironment embedded_;
  Ref<AbstractModule> module_;
  Ref<xl::Application> application_;
  Hwnd window_ = 0;
};

void BM_Check401OnOpenWorkbook(benchmark::State& state) {
  OpenExercise exercise;
  AbstractModule& module = exercise.module();
  module.TestePoint();
  if (module.ErreurGenerale() || !module.CauseErreur().empty()) {
    state.SkipWithError(("the right chart does not pass: " + module.CauseErreur()).c_str());
    return;
  }
  for (auto _ : state) {
    module.TestePoint();
    bool general = module.ErreurGenerale();
    std::string cause = module.CauseErreur();
    std::int32_t complements = module.Complement()->count();
    benchmark::DoNotOptimize(general);
    benchmark::DoNotOptimize(cause);
    benchmark::DoNotOptimize(complements);
  }
}
BENCHMARK(BM_Check401OnOpenWorkbook);

// Runs the command as a child process; wall-clock time, since the work is the child's.
void RunCommand(benchmark::State& state, const std::vector<std::string>& arguments,
                int highestStatus) {
  for (auto _ : state) {
    testsupport::ProgramResult result = testsupport::RunProgram(arguments);
    if (result.status > highestStatus) {
      state.SkipWithError(("unexpected exit status " + std::to_string(result.status)).c_str());
      break;
    }
  }
}

void BM_ExercisesCommandProcess(benchmark::State& state) {
  RunCommand(state, {kCommand, "exercises"}, 0);
}
BENCHMARK(BM_ExercisesCommandProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckCommandProcess(benchmark::State& state) {
  TemporaryFolder folder;
  testsupport::VentesOptions options;
  options.sheets.front().charts.push_back({});
  const std::string path = folder.File("Ventes.xlsx");
  testsupport::WriteVentesWorkbook(path, options);
  // 0 once the chart is read from the file; 1 (H) while it is not.
  RunCommand(state, {kCommand, "check", "401", path}, 1);
}
BENCHMARK(BM_CheckCommandProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The right answer of 401 as LibreOffice Calc saved it, in its two formats (tests/data).
void BM_CheckCommittedFileProcess(benchmark::State& state, const std::string& file) {
  RunCommand(state, {kCommand, "check", "401", std::string(K27093_TEST_DATA "/") + file}, 0);
}
BENCHMARK_CAPTURE(BM_CheckCommittedFileProcess, xlsx, "libreoffice-401-right.xlsx")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CheckCommittedFileProcess, xls, "xls/libreoffice-401-right.xls")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace k27093
