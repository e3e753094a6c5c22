#include "cli/commands.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "cli/check_output.h"
#include "cli/embedded_environment.h"
#include "cli/error_report.h"
#include "cli/grading.h"
#include "cli/inspect_output.h"
#include "cli/private_folder.h"
#include "cli/workbook_view.h"
#include "questions/question_catalog.h"
#include "spreadsheet/object_model.h"

namespace k27093::client {

namespace {

// Starts the embedded spreadsheet through the object registry, as a client creates it.
Ref<xl::Application> StartSpreadsheet(EmbeddedEnvironment& embedded) {
  return ToObject<xl::Application>(Variant(embedded.registry().CreateObject(engine::kProgId)));
}

WorkbookView InspectInPrivateFolder(const std::string& workbook) {
  // The spreadsheet resolves relative names against its own current folder: hand it the
  // path the user meant.
  std::string path = std::filesystem::absolute(workbook).string();
  PrivateFolder scratch;
  EmbeddedOptions options;
  options.templatesPath = scratch.path();
  options.currentFolder = scratch.path();
  EmbeddedEnvironment embedded(std::move(options));
  Ref<xl::Application> application = StartSpreadsheet(embedded);
  Ref<xl::Workbook> book = application->Workbooks()->Open(path);
  WorkbookView view = ReadWorkbookView(*application, *book);
  book->Close(false);
  application->Quit();
  return view;
}

// The exercise number typed on the command line: decimal digits with an optional minus sign,
// within 32 bits; nothing else.
std::optional<std::int32_t> ExerciseNumber(const std::string& text) {
  std::int32_t number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, number);
  if (text.empty() || failure != std::errc() || stop != end) return std::nullopt;
  return number;
}

}  // namespace

int RunExercisesCommand(std::ostream& out) {
  for (const questions::QuestionInfo& exercise : questions::QuestionCatalog()) {
    out << exercise.number << '\t' << exercise.nomSource << '\t' << exercise.nomDest << '\n';
  }
  return kExitSuccess;
}

int RunInspectCommand(const InspectRequest& request, std::ostream& out, std::ostream& err) {
  try {
    WorkbookView view = InspectInPrivateFolder(request.workbook);
    if (request.json) {
      PrintJson(out, WorkbookJson(view));
    } else {
      PrintWorkbook(out, view);
    }
    return kExitSuccess;
  } catch (...) {
    Error error = CurrentError();
    PrintError(err, error);
    if (request.json) PrintJson(out, {{"error", ErrorJson(error)}});
    return kExitError;
  }
}

int RunCheckCommand(const CheckRequest& request, std::ostream& out, std::ostream& err) {
  const std::optional<std::int32_t> exercise = ExerciseNumber(request.exercise);
  if (!exercise) {
    err << "k27093 check: EXERCISE must be a whole number such as 401, not \""
        << VisibleText(request.exercise) << "\"\n";
    return kExitUsage;
  }
  GradeRequest grade;
  grade.exercise = *exercise;
  grade.workbook = request.workbook;
  grade.printer = request.printer;
  const Grading grading = GradeWorkbook(grade);
  if (request.json) {
    if (grading.error) PrintError(err, *grading.error);
    PrintJsonLine(out, GradingJson(grading));
  } else {
    PrintGrading(out, err, grading);
  }
  return ExitStatusOf(grading);
}

}  // namespace k27093::client
