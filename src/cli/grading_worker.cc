#include "cli/grading_worker.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "api/file_system.h"
#include "cli/error_report.h"
#include "cli/working_copy.h"
#include "questions/question_catalog.h"
#include "typelib/identities.h"

namespace k27093::client {

namespace {

// Whether the spreadsheet is left without any open workbook (false when it cannot tell).
bool HoldsNoWorkbook(const Ref<xl::Application>& application) {
  try {
    return !application.IsNothing() && application->Workbooks()->Count() == 0;
  } catch (const Error&) {
    return false;
  }
}

void RemoveFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

}  // namespace

GradingWorker::GradingWorker(std::int32_t exercise, std::string printer, std::string moduleFolder)
    : exercise_(exercise),
      printer_(std::move(printer)),
      moduleFolder_(std::move(moduleFolder)),
      templates_(MakeFolder(scratch_.path() + "templates" + kPathSeparator)) {}

GradingWorker::~GradingWorker() { Stop(); }

void GradingWorker::Start() {
  ++starts_;
  embedded_ = std::make_unique<EmbeddedEnvironment>(
      EmbeddedOptions{templates_, printer_, moduleFolder_, scratch_.path()});
  module_ =
      ToObject<AbstractModule>(Variant(embedded_->registry().CreateObject(typelib::kModuleProgId)));
}

void GradingWorker::Stop() {
  if (module_) {
    try {
      module_->Quitter(application_, window_);
    } catch (...) {
      // The spreadsheet is dropped with its environment all the same.
    }
  }
  module_ = nullptr;
  application_ = nullptr;
  window_ = 0;
  embedded_.reset();
}

Verdict GradingWorker::RunExercise(const std::string& workFolder) {
  module_->InitQuestion(exercise_, workFolder, application_, window_);
  module_->TestePoint();
  Verdict verdict = ReadVerdict(*module_);
  module_->Fermer();
  return verdict;
}

Grading GradingWorker::Grade(const std::string& workbook) {
  Grading grading;
  grading.exercise = exercise_;
  const std::string workFolder =
      scratch_.path() + "work" + std::to_string(++graded_) + kPathSeparator;
  bool staged = false;
  try {
    MakeFolder(workFolder);
    StageWorkbook(workbook, workFolder, exercise_);
    staged = true;
    if (!module_) Start();
    grading.verdict = RunExercise(workFolder);
    // A workbook left open would be the next check's: start afresh rather than risk it.
    if (!HoldsNoWorkbook(application_)) Stop();
  } catch (...) {
    grading.error = NamingTheLearnersFile(CurrentError(), workFolder, exercise_, workbook);
    // As after a single check's error, the module is told to Quitter; the next workbook
    // gets a spreadsheet of its own. A workbook that could not be staged never reached it.
    if (staged) Stop();
  }
  RemoveFolder(workFolder);
  return grading;
}

}  // namespace k27093::client
