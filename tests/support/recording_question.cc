#include "support/recording_question.h"

namespace k27093::testsupport {

using questions::Question;

std::string RecordingQuestion::Entry(std::string_view member,
                                     std::initializer_list<std::string> arguments) const {
  return CallText("question", std::to_string(info().number) + " " + std::string(member), arguments);
}

Ref<files::ComplementInfo> RecordingQuestion::ComplementInfo() const {
  return log_.Recorded(Entry("ComplementInfo"), [&] { return Question::ComplementInfo(); });
}

Ref<files::FichiersDeTravail> RecordingQuestion::FichiersDeTravail() {
  return log_.Recorded(Entry("FichiersDeTravail"), [&] { return Question::FichiersDeTravail(); });
}

std::string RecordingQuestion::PathDossierParDefaut() const {
  return log_.Recorded(Entry("PathDossierParDefaut"),
                       [&] { return Question::PathDossierParDefaut(); });
}

bool RecordingQuestion::BravoNuance() const {
  return log_.Recorded(Entry("BravoNuance"), [&] { return Question::BravoNuance(); });
}

std::string RecordingQuestion::CauseErreur() const {
  return log_.Recorded(Entry("CauseErreur"), [&] { return Question::CauseErreur(); });
}

void RecordingQuestion::Prepare(Ref<xl::Application>& iApplication, std::string_view isPathDossier,
                                std::string_view isPathModele) {
  log_.Recorded(Entry("Prepare", {std::string(isPathDossier), std::string(isPathModele)}), [&] {
    const std::function<void()> framework = [&] {
      Question::Prepare(iApplication, isPathDossier, isPathModele);
    };
    if (prepare_) {
      prepare_(iApplication, isPathDossier, isPathModele, framework);
    } else {
      framework();
    }
  });
}

void RecordingQuestion::TestePoint() {
  log_.Recorded(Entry("TestePoint"), [&] { Question::TestePoint(); });
}

void RecordingQuestion::Fermer() {
  log_.Recorded(Entry("Fermer"), [&] { Question::Fermer(); });
}

}  // namespace k27093::testsupport
