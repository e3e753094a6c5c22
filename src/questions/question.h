// Question: the shape shared by the 21 exercise classes Question0401 .. Question0421. A
// question knows its one working file, opens and activates its workbook in Prepare, checks
// the learner's workbook in TestePoint and keeps the verdict letter in CauseErreur. The
// module reaches every member by name as well (Invoke).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "api/dispatch.h"
#include "files/complement_info.h"
#include "files/fichiers_de_travail.h"
#include "questions/check.h"
#include "questions/question_catalog.h"
#include "spreadsheet/application.h"

namespace k27093::questions {

class Question : public Dispatch {
 public:
  // Class initialisation: the question's list holds its working file (NomSource, NomDest,
  // Modele False). `number` must be one of 401..421.
  explicit Question(std::int32_t number);

  std::string_view TypeName() const override { return info_.className; }
  const QuestionInfo& info() const { return info_; }

  // Public members, in the order of the class's dispatch interface. They are what the module
  // calls on its question, and they are virtual so that another object can stand in for an
  // exercise's question (a test's question that records the calls it receives).
  // Nothing before the first check.
  virtual Ref<files::ComplementInfo> ComplementInfo() const { return oComplementInfo_; }
  // The working files; a new empty list is created when there is none (after Fermer).
  virtual Ref<files::FichiersDeTravail> FichiersDeTravail();
  virtual std::string PathDossierParDefaut() const { return sPathDossierParDefaut_; }
  virtual bool BravoNuance() const { return bBravoNuance_; }
  virtual std::string CauseErreur() const { return sCauseErreur_; }
  // Keeps the folders and the application, opens the workbook sPathDossier + NomDest and
  // activates it. Errors come back traced with the class name and "Prepare".
  virtual void Prepare(Ref<xl::Application>& iApplication, std::string_view isPathDossier,
                       std::string_view isPathModele = {});
  // Checks the learner's workbook: a new empty ComplementInfo, CauseErreur cleared, then the
  // question's tests in order; the first failed test stores its letter. Errors 13, 5 and 6
  // store "AA"; other errors come back traced with the class name and "TestePoint".
  virtual void TestePoint();
  // Releases the application and the lists; the texts are kept.
  virtual void Fermer();
  // The observer told every letter the following checks offer (LetterObserver); nullptr for
  // none. Shared so that it stays as long as the question may check.
  void ObserveLetters(std::shared_ptr<LetterObserver> observer) {
    letterObserver_ = std::move(observer);
  }

  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;

 protected:
  // The question's own tests, in the order of its table. A test that fails calls
  // check.Expect(...) with a definitely false condition, which ends the check.
  virtual void RunTests(Check& check) = 0;
  // The handler variant of the question; the standard handler when empty.
  virtual HandlerVariant Handler() const { return {}; }

  const Ref<xl::Application>& application() const { return oApplication_; }

 private:
  void InitPathDossierParDefaut();

  QuestionInfo info_;
  Ref<xl::Application> oApplication_;
  Ref<files::FichiersDeTravail> oFichiersDeTravail_;
  std::string sCauseErreur_;
  bool bBravoNuance_ = false;
  std::string sPathDossier_;
  std::string sPathModele_;
  std::string sPathDossierParDefaut_;
  Ref<files::ComplementInfo> oComplementInfo_;
  std::shared_ptr<LetterObserver> letterObserver_;
};

}  // namespace k27093::questions
