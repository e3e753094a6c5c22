// Grading a batch: every workbook of a list graded as the same exercise by GradingWorkers,
// each on a thread of its own. The engine, the module and the platform stand-ins keep no
// state outside the objects a worker owns (no statics that change, no process-wide desktop or
// registry, no current folder of the process), so the workers share nothing but the list and
// the results. Results are handed back in the list's order whatever the number of workers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cli/grading.h"

namespace k27093::client {

struct BatchRequest {
  std::int32_t exercise = 0;
  std::vector<std::string> workbooks;  // graded in this order; a path may come twice
  std::string printer;                 // as GradeRequest
  std::string moduleFolder;            // as GradeRequest
  int jobs = 1;                        // workers; at least 1, never more than the workbooks
};

// Called on the thread that called GradeBatch, once per workbook, in the list's order, as
// soon as that workbook and all before it are graded.
using GradedHandler = std::function<void(std::size_t index, const Grading& grading)>;

// Grades every workbook of `request` (GradingWorker::Grade) and hands each grading to
// `graded`. A worker that cannot start (its private folder cannot be made) gives each
// workbook it takes that error. When `graded` throws, the workers take no more workbooks and
// the exception passes on once they have stopped.
void GradeBatch(const BatchRequest& request, const GradedHandler& graded);

}  // namespace k27093::client
