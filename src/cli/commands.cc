#include "cli/commands.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>

#include "cli/batch_grading.h"
#include "cli/batch_output.h"
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

// The workbooks of a batch: those named on the command line, then those of its list.
// Raises 53 or 75 (source "K27093") when the list cannot be read.
std::vector<std::string> BatchWorkbooks(const CheckRequest& request, std::istream& in) {
  std::vector<std::string> workbooks = request.workbooks;
  std::vector<std::string> listed;
  if (request.filesFrom == "-") {
    listed = ReadFileList(in);
  } else if (!request.filesFrom.empty()) {
    std::ifstream list(request.filesFrom);
    if (!list) {
      Raise(errors::kFileNotFound, "File not found: " + request.filesFrom,
            std::string(kComponentSource));
    }
    listed = ReadFileList(list);
    if (list.bad()) {
      Raise(errors::kPathFileAccess, "Path/File access error: cannot read " + request.filesFrom,
            std::string(kComponentSource));
    }
  }
  workbooks.insert(workbooks.end(), listed.begin(), listed.end());
  return workbooks;
}

// The progress line on a terminal: drawn after each workbook, wiped before anything is
// written to the output, so that the two never share a line.
class Progress {
 public:
  Progress(std::ostream& err, bool shown, std::size_t total)
      : err_(err), shown_(shown), total_(total), start_(std::chrono::steady_clock::now()) {}
  void Wipe() {
    if (shown_) err_ << "\r\033[K" << std::flush;
  }
  void Draw(std::size_t done) {
    if (!shown_) return;
    err_ << '\r' << ProgressLine(done, total_, std::chrono::steady_clock::now() - start_)
         << "\033[K" << std::flush;
  }

 private:
  std::ostream& err_;
  bool shown_;
  std::size_t total_;
  std::chrono::steady_clock::time_point start_;
};

int RunBatch(const CheckRequest& request, std::int32_t exercise, Language language,
             std::ostream& out, std::ostream& err, std::istream& in) {
  if (request.json) {
    err << "k27093 check: --json prints the verdict of one workbook; use --jsonl for several\n";
    return kExitUsage;
  }
  BatchRequest batch;
  batch.exercise = exercise;
  batch.printer = request.printer;
  batch.jobs = std::max(request.jobs, 1);
  try {
    batch.workbooks = BatchWorkbooks(request, in);
  } catch (const Error& error) {
    err << "k27093 check: cannot read the list of --files-from\n";
    PrintError(err, error);
    return kExitError;
  }
  if (batch.workbooks.empty() && request.filesFrom.empty()) {
    err << "k27093 check: name a WORKBOOK or a list with --files-from\n";
    return kExitUsage;
  }
  BatchSummary summary(exercise);
  Progress progress(err, request.progress, batch.workbooks.size());
  progress.Draw(0);
  GradeBatch(batch, [&](std::size_t index, const Grading& grading) {
    summary.Add(grading);
    progress.Wipe();
    const std::string& path = batch.workbooks[index];
    if (request.jsonl) {
      PrintJsonLine(out, BatchJsonEntry(path, grading, language));
    } else {
      out << BatchTextEntry(path, grading, language);
    }
    out.flush();
    progress.Draw(index + 1);
  });
  progress.Wipe();
  if (request.jsonl) {
    PrintJsonLine(out, summary.Json(language));
  } else {
    summary.Print(out, language);
  }
  return summary.ExitStatus();
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

bool IsBatch(const CheckRequest& request) {
  return request.workbooks.size() != 1 || request.jsonl || request.jobs != 0 ||
         !request.filesFrom.empty();
}

std::vector<std::string> ReadFileList(std::istream& list) {
  std::vector<std::string> paths;
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) paths.push_back(std::move(line));
  }
  return paths;
}

int RunCheckCommand(const CheckRequest& request, std::ostream& out, std::ostream& err,
                    std::istream& in) {
  const std::optional<std::int32_t> exercise = ExerciseNumber(request.exercise);
  if (!exercise) {
    err << "k27093 check: EXERCISE must be a whole number such as 401, not \""
        << VisibleText(request.exercise) << "\"\n";
    return kExitUsage;
  }
  const Language language = LanguageNamed(request.language).value_or(Language::kFrench);
  if (IsBatch(request)) return RunBatch(request, *exercise, language, out, err, in);
  GradeRequest grade;
  grade.exercise = *exercise;
  grade.workbook = request.workbooks.front();
  grade.printer = request.printer;
  const Grading grading = GradeWorkbook(grade);
  if (request.json) {
    if (grading.error) PrintError(err, *grading.error);
    PrintJsonLine(out, GradingJson(grading, language));
  } else {
    PrintGrading(out, err, grading, language);
  }
  return ExitStatusOf(grading);
}

}  // namespace k27093::client
