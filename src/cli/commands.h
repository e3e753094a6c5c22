// The commands of the k27093 client, each writing its result to `out`, its failure to `err`
// and answering the process's exit status. main.cc only parses the command line and calls
// these.
#pragma once

#include <ostream>
#include <string>

namespace k27093::client {

// Exit statuses of the command.
inline constexpr int kExitSuccess = 0;       // done; for check: the exercise passed
inline constexpr int kExitFault = 1;         // check: the exercise's own fault letter
inline constexpr int kExitGeneralFault = 2;  // check: a general fault (ErreurGenerale True)
inline constexpr int kExitError = 3;         // an error reached the client
inline constexpr int kExitUsage = 64;        // the command line was not understood

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
  std::string exercise;  // as typed; must be a whole number that fits 32 bits
  std::string workbook;  // the learner's workbook file, never changed
  std::string printer;   // the spreadsheet's printer (--printer); "": the machine has none
  bool json = false;
};

// `k27093 check EXERCISE WORKBOOK [--printer NAME] [--json]`: grades the workbook
// (GradeWorkbook, with the macro workbook beside the executable, on a spreadsheet whose
// printer is `printer`, none without it) and prints the verdict or the error (check_output.h).
// Answers kExitSuccess, kExitFault, kExitGeneralFault or kExitError; kExitUsage, with a
// message on `err` and nothing on `out`, when EXERCISE is not a number. A number outside
// 401..421 is graded all the same: the module answers it with its own error.
int RunCheckCommand(const CheckRequest& request, std::ostream& out, std::ostream& err);

}  // namespace k27093::client
