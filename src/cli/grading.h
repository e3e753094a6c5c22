// Grading one learner's workbook as the learning client does: a fresh private folder holds a
// copy of the workbook under the exercise's model name; a Module created through the object
// registry runs InitQuestion, TestePoint, the verdict is read, then Fermer and Quitter; the
// folder is removed whatever happened. The learner's file is only ever read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "api/error.h"
#include "module/abstract_module.h"

namespace k27093::client {

// What the client reads after a check.
struct Verdict {
  bool erreurGenerale = false;
  std::string causeErreur;
  bool bravoNuance = false;
  std::vector<std::string> complement;  // the Complement list in order; empty when Nothing
};

struct GradeRequest {
  std::int32_t exercise = 0;  // any number: the module itself answers one outside 401..421
  std::string workbook;       // the learner's file, relative to the current folder or not
  // The folder the module is loaded from, which holds the macro workbook X27093.xls; empty:
  // the folder of the running executable.
  std::string moduleFolder;
  // The spreadsheet's printer; empty for a machine without one.
  std::string printer;
};

// Exactly one of `verdict` and `error` is set.
struct Grading {
  std::int32_t exercise = 0;
  std::optional<Verdict> verdict;
  std::optional<Error> error;  // the first error that reached the client
};

// The verdict the module holds after TestePoint: ErreurGenerale, CauseErreur, BravoNuance and
// the Complement list (empty when Nothing). The module's errors pass on.
Verdict ReadVerdict(AbstractModule& module);

// Runs one check. Never throws: every failure is the Grading's error. A workbook that is
// missing gives 53, one that is not a readable file 75 (source "K27093", the description
// names the file); the module's and the spreadsheet's errors arrive as they raised them.
// After an error the module is still told to Quitter; an error of that clean-up is dropped.
// The spreadsheet runs on templates and working folders inside one private folder under
// $TMPDIR (else /tmp), removed on return, so nothing is written anywhere else.
Grading GradeWorkbook(const GradeRequest& request);

}  // namespace k27093::client
