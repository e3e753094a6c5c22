// GradingWorker: grades many workbooks of one exercise one after the other on one embedded
// spreadsheet and one Module, set up once (the Module created through the object registry)
// and reused: per workbook a fresh private working folder gets the copy, then InitQuestion,
// TestePoint, the verdict, Fermer, and the folder is removed. Each workbook gets the verdict
// GradeWorkbook gives it alone: nothing of one workbook reaches the next (the question object
// is new for each, Fermer closes and deletes the working copy, and a spreadsheet that still
// holds a workbook afterwards, or that met an error, is quit and started afresh for the next
// one). A worker is used by one thread at a time; workers share nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cli/embedded_environment.h"
#include "cli/grading.h"
#include "cli/private_folder.h"
#include "module/abstract_module.h"

namespace k27093::client {

class GradingWorker {
 public:
  // `printer` empty for a machine without one; `moduleFolder` empty for the executable's
  // folder (GradeRequest). Raises 75 when its private folder cannot be made; the spreadsheet
  // and the module start with the first workbook.
  GradingWorker(std::int32_t exercise, std::string printer, std::string moduleFolder);
  // Tells the module to Quitter (errors dropped) and removes the private folder.
  ~GradingWorker();
  GradingWorker(const GradingWorker&) = delete;
  GradingWorker& operator=(const GradingWorker&) = delete;

  // Grades one workbook; never throws. The errors are those of GradeWorkbook, except that a
  // description or source naming the working copy names `workbook` instead (the copy is gone
  // when the error is read, and its folder's name differs from run to run).
  Grading Grade(const std::string& workbook);

  // How many times the spreadsheet and the module were started so far.
  int starts() const { return starts_; }

 private:
  void Start();
  // Quitter, errors dropped, and everything released: the next workbook starts afresh.
  void Stop();
  Verdict RunExercise(const std::string& workFolder);

  std::int32_t exercise_;
  std::string printer_;
  std::string moduleFolder_;
  PrivateFolder scratch_;
  std::string templates_;
  std::unique_ptr<EmbeddedEnvironment> embedded_;
  Ref<AbstractModule> module_;
  Ref<xl::Application> application_;
  Hwnd window_ = 0;
  std::uint64_t graded_ = 0;
  int starts_ = 0;
};

}  // namespace k27093::client
