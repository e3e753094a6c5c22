// RecordingQuestion: a question of exercise `number` that stands in for the exercise's own:
// every member the module calls is recorded in a CallLog ("question 401 Prepare(<folder>,
// <models>)", "question 401 FichiersDeTravail", "question 401 Fermer" ...) and then does what
// the question framework does, except that the test may give Prepare another body (one that
// opens no workbook, or hands back another application) and the check is a script (by
// default every test passes).
#pragma once

#include <functional>

#include "support/call_log.h"
#include "support/scripted_question.h"

namespace k27093::testsupport {

class RecordingQuestion final : public ScriptedQuestion {
 public:
  // Replaces Prepare's body; `framework` runs the question framework's own Prepare.
  using PrepareBody =
      std::function<void(Ref<xl::Application>& application, std::string_view folder,
                         std::string_view models, const std::function<void()>& framework)>;

  // `log` must outlive the question.
  RecordingQuestion(
      std::int32_t number, CallLog& log, Script script = [](questions::Check&) {})
      : ScriptedQuestion(std::move(script), number), log_(log) {}

  void SetPrepare(PrepareBody body) { prepare_ = std::move(body); }

  Ref<files::ComplementInfo> ComplementInfo() const override;
  Ref<files::FichiersDeTravail> FichiersDeTravail() override;
  std::string PathDossierParDefaut() const override;
  bool BravoNuance() const override;
  std::string CauseErreur() const override;
  void Prepare(Ref<xl::Application>& iApplication, std::string_view isPathDossier,
               std::string_view isPathModele = {}) override;
  void TestePoint() override;
  void Fermer() override;

 private:
  std::string Entry(std::string_view member,
                    std::initializer_list<std::string> arguments = {}) const;

  CallLog& log_;
  PrepareBody prepare_;
};

}  // namespace k27093::testsupport
