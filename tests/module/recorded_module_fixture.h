// A Module on the embedded environment seen through recording doubles: the calls it makes on
// the desktop, the object registry and the file system, on every spreadsheet it starts or
// attaches to, and on its questions (RecordingQuestion) all go to one CallLog, in order.
#pragma once

#include <functional>
#include <vector>

#include "module/module_fixture.h"
#include "support/call_log.h"
#include "support/recording_application.h"
#include "support/recording_desktop.h"
#include "support/recording_platform.h"
#include "support/recording_question.h"

namespace k27093::testing {

using testsupport::CallLog;
using testsupport::HandleText;
using testsupport::RecordingApplication;
using testsupport::RecordingQuestion;

class RecordedModuleTest : public ModuleTest {
 protected:
  // InitQuestion on the recorded module, with the fixture's application and window.
  void StartRecorded(std::int32_t number) {
    recorded_.InitQuestion(number, work_.path(), application_, window_);
  }
  // TestePoint on the recorded module; the verdict as "general:code" or "own:code".
  std::string RecordedVerdict() {
    recorded_.TestePoint();
    return std::string(recorded_.ErreurGenerale() ? "general:" : "own:") + recorded_.CauseErreur();
  }
  // The engine's application behind a recording one (what engine::Control takes).
  static Ref<xl::Application> Engine(const Ref<xl::Application>& application) {
    auto recording = std::dynamic_pointer_cast<RecordingApplication>(application.shared());
    return recording ? recording->inner() : application;
  }
  // A spreadsheet the learner started: visible and running, so the module attaches to it;
  // its recording face, the one the module is handed.
  Ref<RecordingApplication> LearnersSpreadsheet() {
    auto application = engine::StartApplication(
        desktop(), &environment_.registry(), {templates_.path(), "Imprimante PDF", work_.path()});
    application->SetVisible(true);
    return recordingRegistry_.Recording(application);
  }
  // The log's entries made by `who` ("excel", "desktop" ...) since the log was last cleared.
  std::vector<std::string> Entries(std::string_view who) const {
    return log_.Starting(std::string(who) + " ");
  }

  CallLog log_;
  testsupport::RecordingDesktop recordingDesktop_{environment_.desktop(), log_};
  testsupport::RecordingRegistry recordingRegistry_{environment_.registry(), log_};
  testsupport::RecordingFileSystem recordingFiles_{environment_.files(), log_};
  Environment recordedEnvironment_{recordingDesktop_, recordingRegistry_, recordingFiles_};
  // Given to every question the recorded module creates, before the module uses it.
  std::function<void(RecordingQuestion&)> setUpQuestion_;
  // The questions the recorded module created, in order; each creation is recorded as
  // "question <number> created".
  std::vector<Ref<RecordingQuestion>> questions_;
  Module recorded_{recordedEnvironment_, [this](std::int32_t number) -> Ref<questions::Question> {
                     if (!questions::FindQuestion(number)) return nullptr;
                     log_.Recorded("question " + std::to_string(number) + " created", [] {});
                     auto question = MakeRef<RecordingQuestion>(number, log_);
                     if (setUpQuestion_) setUpQuestion_(*question);
                     questions_.push_back(question);
                     return question;
                   }};
};

}  // namespace k27093::testing
