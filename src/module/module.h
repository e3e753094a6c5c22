// Module: the component's one creatable class. It runs one exercise at a time on a
// spreadsheet it attaches to or starts: stages the working file, lets the question prepare
// its workbook, arranges the spreadsheet, checks the learner's work (the common structure
// check, then the question's own) and keeps the verdict. Every trapped failure reaches the
// client with the procedures it passed through in its source text.
#pragma once

#include <functional>
#include <vector>

#include "api/environment.h"
#include "module/abstract_module.h"
#include "questions/question.h"

namespace k27093 {

// Creates the question object of an exercise number; Nothing for a number without one.
using QuestionFactory = std::function<Ref<questions::Question>(std::int32_t number)>;

class Module final : public AbstractModule {
 public:
  explicit Module(Environment& environment, QuestionFactory factory = {});
  // Class termination: an open question is told to close and released; nothing else.
  ~Module() override;
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  std::string_view TypeName() const override { return "Module"; }

  void InitQuestion(std::int32_t ilQuestion, std::string_view isPathDossier,
                    Ref<xl::Application>& ioApplication, Hwnd& ioHandleLogiciel,
                    std::optional<std::string_view> isPathModele = std::nullopt) override;
  void TestePoint() override;
  bool ErreurGenerale() override { return bErreurGenerale_; }
  // sCauseErreur after a general fault, else the question's CauseErreur (91 without one).
  std::string CauseErreur() override;
  bool BravoNuance() override;
  Ref<files::ComplementInfo> Complement() override;
  void Fermer() override;
  void Quitter(Ref<xl::Application>& ioApplication, Hwnd& ioHandleLogiciel) override;

 private:
  // Attach, windows and keyboard.
  void GetApplication();
  bool AfficheExcel();
  bool ExcelRepond(bool bSansEchap);
  void EnvoieEchap(Hwnd hWnd);
  void FermeDialogues(Hwnd hWndProprietaire);
  void FermeFenetre(Hwnd hWnd);
  // User settings, toolbars, task pane, closing a question.
  void SaveParamUser();
  void RestaureParamUser();
  void InitCommandBar();
  void FermeQuestion();
  // Working files and the current folder.
  void Nettoyage();
  void Renomme();
  // The folder of a working file; raises 76 for an empty working folder.
  const std::string& FolderOf(const files::Fichier& entry) const;
  void ChangeDir(const std::string& sRep);
  std::string GetDir();
  // The common structure check; false with sCauseErreur set when the frame is broken.
  bool VerifieClasseur();
  // Makes the models folder exist, waiting a bounded time; raises 75 when it cannot be made.
  void MakeModelsFolder();

  Environment& environment_;
  QuestionFactory factory_;

  Ref<xl::Application> oApplication_;
  Ref<questions::Question> oQuestion_;
  std::string sCauseErreur_;
  bool bErreurGenerale_ = false;
  Hwnd lHandleLogiciel_ = 0;
  std::string sPathDossier_;
  std::string sPathModele_;
  std::int32_t lQuestion_ = 0;
  bool bParamSauves_ = false;

  // The learner's settings saved by SaveParamUser.
  std::string sRepUser_;
  std::vector<bool> tBarreVisible_;             // index 0 never written; empty: never saved
  std::vector<std::int32_t> tBarrePosition_;    // likewise
  bool bShowToolTips_ = false;
  std::int32_t lDisplayCommentIndicator_ = 0;
  bool bShowStartupDialog_ = false;
  bool bTaskPaneVisible_ = false;
};

}  // namespace k27093
