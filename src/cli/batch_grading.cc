#include "cli/batch_grading.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "cli/error_report.h"
#include "cli/grading_worker.h"

namespace k27093::client {

namespace {

// The gradings as the workers finish them, taken in order by the calling thread.
class Results {
 public:
  explicit Results(std::size_t count) : gradings_(count) {}

  void Put(std::size_t index, Grading grading) {
    {
      const std::lock_guard lock(mutex_);
      gradings_[index] = std::move(grading);
    }
    ready_.notify_all();
  }

  // Waits for the grading of `index` and takes it out.
  Grading Take(std::size_t index) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [&] { return gradings_[index].has_value(); });
    Grading grading = std::move(*gradings_[index]);
    gradings_[index].reset();
    return grading;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::optional<Grading>> gradings_;
};

// One worker's loop: takes the next workbook of the list until none is left or `stop` is set.
void Work(const BatchRequest& request, std::atomic<std::size_t>& next,
          const std::atomic<bool>& stop, Results& results) {
  std::unique_ptr<GradingWorker> worker;
  std::optional<Error> startFailure;
  try {
    worker =
        std::make_unique<GradingWorker>(request.exercise, request.printer, request.moduleFolder);
  } catch (...) {
    startFailure = CurrentError();
  }
  for (std::size_t index = next++; index < request.workbooks.size() && !stop; index = next++) {
    Grading grading;
    if (worker) {
      grading = worker->Grade(request.workbooks[index]);
    } else {
      grading.exercise = request.exercise;
      grading.error = startFailure;
    }
    results.Put(index, std::move(grading));
  }
}

}  // namespace

void GradeBatch(const BatchRequest& request, const GradedHandler& graded) {
  const std::size_t count = request.workbooks.size();
  if (count == 0) return;
  Results results(count);
  std::atomic<std::size_t> next = 0;
  std::atomic<bool> stop = false;
  const std::size_t jobs =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max(request.jobs, 1)), 1, count);
  std::vector<std::jthread> workers;
  for (std::size_t job = 0; job < jobs; ++job) {
    workers.emplace_back([&] { Work(request, next, stop, results); });
  }
  try {
    for (std::size_t index = 0; index < count; ++index) graded(index, results.Take(index));
  } catch (...) {
    stop = true;
    workers.clear();  // joins them
    throw;
  }
}

}  // namespace k27093::client
