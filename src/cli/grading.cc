#include "cli/grading.h"

#include "api/file_system.h"
#include "cli/embedded_environment.h"
#include "cli/error_report.h"
#include "cli/private_folder.h"
#include "cli/working_copy.h"
#include "module/abstract_module.h"
#include "typelib/identities.h"

namespace k27093::client {

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

namespace {

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
  std::string workFolder;
  try {
    PrivateFolder scratch;
    workFolder = MakeFolder(scratch.path() + "work" + kPathSeparator);
    const std::string templates = MakeFolder(scratch.path() + "templates" + kPathSeparator);
    StageWorkbook(request.workbook, workFolder, request.exercise);
    EmbeddedEnvironment embedded(
        EmbeddedOptions{templates, request.printer, request.moduleFolder, workFolder});
    grading.verdict = RunExercise(embedded, request.exercise, workFolder);
  } catch (...) {
    grading.error =
        NamingTheLearnersFile(CurrentError(), workFolder, request.exercise, request.workbook);
  }
  return grading;
}

}  // namespace k27093::client
