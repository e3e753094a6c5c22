// A Module on the embedded environment, with a working folder, a templates folder and the
// exercise workbooks written by an independent writer.
#pragma once

#include <gtest/gtest.h>

#ifndef K27093_MACRO_WORKBOOK
#error "the tests need the path of the built macro workbook in K27093_MACRO_WORKBOOK"
#endif

#include "cli/embedded_environment.h"
#include "engine/application/application_control.h"
#include "module/module.h"
#include "questions/question_catalog.h"
#include "questions/question_classes.h"
#include "spreadsheet/object_model.h"
#include "support/raised_error.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093::testing {

class ModuleTest : public ::testing::Test {
 protected:
  explicit ModuleTest(std::string printer = "Imprimante PDF")
      : environment_(client::EmbeddedOptions{templates_.path(), std::move(printer),
                                             moduleFolder_.path(), work_.path()}) {
    // The module's folder holds the macro workbook that sets and reads the current folder.
    testsupport::WriteFileBytes(moduleFolder_.File("X27093.xls"),
                                testsupport::ReadFileBytes(K27093_MACRO_WORKBOOK));
  }

  // Writes the model file of exercise `number` into the working folder.
  void StageModel(std::int32_t number, const testsupport::VentesOptions& options = {}) {
    const auto* info = questions::FindQuestion(number);
    const std::string path = work_.File(info ? info->nomSource : "02709300.xls");
    if (number == 421) {
      testsupport::WritePresentationWorkbook(path);
    } else {
      testsupport::WriteVentesWorkbook(path, options);
    }
  }

  // InitQuestion with the module's own spreadsheet.
  void Start(std::int32_t number, Module& module) {
    module.InitQuestion(number, work_.path(), application_, window_);
  }
  void Start(std::int32_t number) { Start(number, module_); }

  // The exercise workbook as the object model sees it.
  Ref<xl::Workbook> Workbook(std::string_view name = "Ventes.xls") {
    return application_->Workbooks()->Item(Variant(name));
  }
  Ref<xl::Worksheet> Sheet(std::int32_t position, std::string_view name = "Ventes.xls") {
    return ToObject<xl::Worksheet>(Variant(Workbook(name)->Sheets()->Item(Variant(position))));
  }

  // Checks and returns the verdict as "general:code".
  std::string Verdict() {
    module_.TestePoint();
    return std::string(module_.ErreurGenerale() ? "general:" : "own:") + module_.CauseErreur();
  }

  platform::SimulatedDesktop& desktop() { return environment_.desktop(); }

  testsupport::TemporaryFolder templates_;
  testsupport::TemporaryFolder work_;
  testsupport::TemporaryFolder moduleFolder_;
  client::EmbeddedEnvironment environment_;
  // The questions module_ created, in order (the exercises' own classes).
  std::vector<Ref<questions::Question>> created_;
  Module module_{environment_.environment(), [this](std::int32_t number) {
                   auto question = questions::CreateQuestion(number);
                   if (question) created_.push_back(question);
                   return question;
                 }};
  Ref<xl::Application> application_;
  Hwnd window_ = 0;
};

using testsupport::RaisedError;

}  // namespace k27093::testing
