#include "cli/grading.h"

#include <filesystem>
#include <system_error>

#include "api/file_system.h"
#include "cli/embedded_environment.h"
#include "cli/error_report.h"
#include "cli/private_folder.h"
#include "module/abstract_module.h"
#include "questions/question_catalog.h"
#include "typelib/identities.h"

namespace k27093::client {

namespace {

namespace fs = std::filesystem;

// Makes `folder` (with its trailing separator) inside the private folder.
std::string MakeFolder(const std::string& folder) {
  std::error_code failure;
  if (!fs::create_directory(folder, failure)) {
    Raise(errors::kPathFileAccess, "Path/File access error: cannot create the folder " + folder,
          std::string(kComponentSource));
  }
  return folder;
}

// Raises 53 when the learner's workbook is missing, 75 when it is not a regular file.
void RequireReadableFile(const std::string& workbook) {
  std::error_code failure;
  const fs::file_status status = fs::status(workbook, failure);
  if (status.type() == fs::file_type::not_found) {
    Raise(errors::kFileNotFound, "File not found: " + workbook, std::string(kComponentSource));
  }
  if (failure || status.type() != fs::file_type::regular) {
    Raise(errors::kPathFileAccess, "Path/File access error: not a readable file: " + workbook,
          std::string(kComponentSource));
  }
}

// Copies the learner's workbook into the working folder under the exercise's model name, as
// the course hands the model out, writable by its owner whatever the original allowed. An
// exercise without a model (a number outside 401..421) gets no copy: the module answers it.
void StageWorkbook(const std::string& workbook, const std::string& workFolder,
                   std::int32_t exercise) {
  RequireReadableFile(workbook);
  const questions::QuestionInfo* info = questions::FindQuestion(exercise);
  if (info == nullptr) return;
  const fs::path copy = workFolder + std::string(info->nomSource);
  std::error_code failure;
  fs::copy_file(workbook, copy, failure);
  if (!failure) {
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, failure);
  }
  if (failure) {
    Raise(errors::kPathFileAccess,
          "Path/File access error: cannot copy " + workbook + ": " + failure.message(),
          std::string(kComponentSource));
  }
}

Verdict ReadVerdict(AbstractModule& module) {
  Verdict verdict;
  verdict.erreurGenerale = module.ErreurGenerale();
  verdict.causeErreur = module.CauseErreur();
  verdict.bravoNuance = module.BravoNuance();
  const Ref<files::ComplementInfo> complement = module.Complement();
  if (complement) {
    const std::int32_t count = complement->count();
    for (std::int32_t item = 1; item <= count; ++item) {
      verdict.complement.push_back(complement->item(item));
    }
  }
  return verdict;
}

// The client's side of one exercise on a module created through the registry.
Verdict RunExercise(EmbeddedEnvironment& embedded, std::int32_t exercise,
                    const std::string& workFolder) {
  const Ref<AbstractModule> module =
      ToObject<AbstractModule>(Variant(embedded.registry().CreateObject(typelib::kModuleProgId)));
  Ref<xl::Application> application;
  Hwnd window = 0;
  try {
    module->InitQuestion(exercise, workFolder, application, window);
    module->TestePoint();
    Verdict verdict = ReadVerdict(*module);
    module->Fermer();
    module->Quitter(application, window);
    return verdict;
  } catch (...) {
    // Leave the spreadsheet as a client would; the first error is the one to report.
    try {
      module->Quitter(application, window);
    } catch (...) {
    }
    throw;
  }
}

}  // namespace

Grading GradeWorkbook(const GradeRequest& request) {
  Grading grading;
  grading.exercise = request.exercise;
  try {
    PrivateFolder scratch;
    const std::string workFolder = MakeFolder(scratch.path() + "work" + kPathSeparator);
    const std::string templates = MakeFolder(scratch.path() + "templates" + kPathSeparator);
    StageWorkbook(request.workbook, workFolder, request.exercise);
    EmbeddedEnvironment embedded(
        EmbeddedOptions{templates, request.printer, request.moduleFolder, workFolder});
    grading.verdict = RunExercise(embedded, request.exercise, workFolder);
  } catch (...) {
    grading.error = CurrentError();
  }
  return grading;
}

}  // namespace k27093::client
