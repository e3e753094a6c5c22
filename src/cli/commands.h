// The commands of the k27093 client, each writing its result to `out`, its failure to `err`
// and answering the process's exit status. main.cc only parses the command line and calls
// these.
#pragma once

#include <ostream>
#include <string>

namespace k27093::client {

// Exit statuses of the command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitError = 3;   // an error reached the client
inline constexpr int kExitUsage = 64;  // the command line was not understood

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

}  // namespace k27093::client
