#include "questions/question.h"

#include "api/dispatch_table.h"

namespace k27093::questions {

namespace {

const QuestionInfo& InfoOf(std::int32_t number) {
  const QuestionInfo* info = FindQuestion(number);
  if (info == nullptr) Raise(errors::kInvalidCall);
  return *info;
}

}  // namespace

Question::Question(std::int32_t number) : info_(InfoOf(number)) {
  Question::FichiersDeTravail()->add(info_.nomSource, info_.nomDest, false);
}

Ref<files::FichiersDeTravail> Question::FichiersDeTravail() {
  if (oFichiersDeTravail_.IsNothing()) oFichiersDeTravail_ = MakeRef<files::FichiersDeTravail>();
  return oFichiersDeTravail_;
}

void Question::InitPathDossierParDefaut() { sPathDossierParDefaut_ = sPathDossier_; }

void Question::Prepare(Ref<xl::Application>& iApplication, std::string_view isPathDossier,
                       std::string_view isPathModele) {
  try {
    sPathDossier_ = isPathDossier;
    sPathModele_ = isPathModele;
    InitPathDossierParDefaut();
    oApplication_ = iApplication;
    oApplication_->Workbooks()->Open(sPathDossier_ + std::string(info_.nomDest));
    oApplication_->Workbooks()->Item(Variant(info_.nomDest))->Activate();
  } catch (const Error& error) {
    RemonteErreur(info_.className, "Prepare", error);
  }
}

void Question::TestePoint() {
  const HandlerVariant variant = Handler();
  try {
    sCauseErreur_.clear();
    oComplementInfo_ = MakeRef<files::ComplementInfo>();
    Check check(oComplementInfo_, sCauseErreur_, letterObserver_.get());
    for (const auto& mapping : variant.lettersByError) check.Offer(mapping.second);
    RunTests(check);
  } catch (const TestFailed& failed) {
    sCauseErreur_ = failed.letter;
  } catch (const Error& error) {
    auto letter = LetterForError(error.number(), variant);
    if (!letter) RemonteErreur(info_.className, "TestePoint", error);
    if (!letter->empty()) sCauseErreur_ = *letter;
  }
}

void Question::Fermer() {
  oApplication_ = nullptr;
  oFichiersDeTravail_ = nullptr;
  oComplementInfo_ = nullptr;
}

Variant Question::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  static const DispatchTable<Question> table = [] {
    DispatchTable<Question> t;
    t.Add("ComplementInfo",
          [](Question& q, CallKind, Arguments) { return Variant(q.ComplementInfo()); });
    t.Add("FichiersDeTravail",
          [](Question& q, CallKind, Arguments) { return Variant(q.FichiersDeTravail()); });
    t.Add("PathDossierParDefaut",
          [](Question& q, CallKind, Arguments) { return Variant(q.PathDossierParDefaut()); });
    t.Add("BravoNuance", [](Question& q, CallKind, Arguments) { return Variant(q.BravoNuance()); });
    t.Add("CauseErreur", [](Question& q, CallKind, Arguments) { return Variant(q.CauseErreur()); });
    t.Add("Prepare", [](Question& q, CallKind, Arguments a) {
      auto application = ToObject<xl::Application>(ArgumentOrMissing(a, 0));
      const Variant& modele = ArgumentOrMissing(a, 2);
      q.Prepare(application, ToText(ArgumentOrMissing(a, 1)),
                modele.IsEmpty() ? std::string() : ToText(modele));
      return Variant();
    });
    t.Add("TestePoint", [](Question& q, CallKind, Arguments) {
      q.TestePoint();
      return Variant();
    });
    t.Add("Fermer", [](Question& q, CallKind, Arguments) {
      q.Fermer();
      return Variant();
    });
    return t;
  }();
  return table.Invoke(*this, member, kind, arguments);
}

}  // namespace k27093::questions
