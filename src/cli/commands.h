// The commands of the k27093 client, each writing its result to `out`, its failure to `err`
// and answering the process's exit status. main.cc only parses the command line and calls
// these.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace k27093::client {

// Exit statuses of the command.
inline constexpr int kExitSuccess = 0;       // done; for check: the exercise passed
inline constexpr int kExitFault = 1;         // check: the exercise's own fault letter
inline constexpr int kExitGeneralFault = 2;  // check: a general fault (ErreurGenerale True)
inline constexpr int kExitError = 3;         // an error reached the client
inline constexpr int kExitUsage = 64;        // the command line was not understood
inline constexpr int kExitOutput = 74;       // the output could not be written (a full disk ...)

// `k27093 exercises`: one line per exercise: number, model file, working file (tab-separated).
int RunExercisesCommand(std::ostream& out);

struct InspectRequest {
  std::string workbook;  // path of the workbook file, relative to the current folder or not
  bool json = false;
};

// `k27093 inspect WORKBOOK [--json]`: opens the workbook in an embedded spreadsheet running
// on a private temporary folder and prints what its object model shows. The file itself is
// never written. Any error is printed to `err` (and as {"error":...} to `out` with --json)
// and answers kExitError.
int RunInspectCommand(const InspectRequest& request, std::ostream& out, std::ostream& err);

struct CheckRequest {
  std::string exercise;                // as typed; must be a whole number that fits 32 bits
  std::vector<std::string> workbooks;  // the learner's workbook files, never changed
  // --files-from: a file that lists more workbooks, one path a line (empty lines skipped, a
  // line's trailing carriage return dropped); "-" for standard input; "" for none.
  std::string filesFrom;
  std::string printer;          // the spreadsheet's printer (--printer); "": the machine has none
  bool json = false;            // --json: one workbook's verdict as one JSON object
  bool jsonl = false;           // --jsonl: a batch as JSON lines
  int jobs = 0;                 // --jobs: the batch's workers; 0 when not given (one)
  std::string language = "fr";  // --lang: the explanations' language, "fr" or "en"
  bool progress = false;        // standard error is a terminal: show the batch's progress
};

// Whether the request grades a batch: more than one workbook, or --jsonl, --jobs or
// --files-from given. Otherwise it is the check of one workbook.
bool IsBatch(const CheckRequest& request);

// `k27093 check EXERCISE WORKBOOK [--printer NAME] [--json] [--lang fr|en]`: grades the
// workbook (GradeWorkbook, with the macro workbook beside the executable, on a spreadsheet
// whose printer is `printer`, none without it) and prints the verdict with its explanation,
// or the error (check_output.h). Answers kExitSuccess, kExitFault, kExitGeneralFault or
// kExitError; kExitUsage, with a message on `err` and nothing on `out`, when EXERCISE is not
// a number. A number outside 401..421 is graded all the same: the module answers it with its
// own error.
//
// A batch (IsBatch), `k27093 check EXERCISE FILE... [--files-from PATH] [--jsonl] [--jobs N]`:
// every workbook graded as that exercise (GradeBatch), printed in the list's order with a
// closing summary (batch_output.h), a progress line on `err` while `progress`; nothing else
// on `err`. Answers the worst exit status of the workbooks (0 for an empty list); a workbook
// that cannot be read is an error entry of its own. kExitUsage when the request names no
// workbook and no list, or asks for --json; kExitError with a message on `err` when the list
// of --files-from cannot be read. `in` is the standard input of "--files-from -".
int RunCheckCommand(const CheckRequest& request, std::ostream& out, std::ostream& err,
                    std::istream& in);

// The paths `list` holds, one a line: empty lines skipped, a trailing carriage return dropped.
std::vector<std::string> ReadFileList(std::istream& list);

}  // namespace k27093::client
