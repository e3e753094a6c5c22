#include "module/module.h"

#include "api/file_system.h"
#include "module/module_names.h"
#include "questions/question_classes.h"
#include "spreadsheet/object_model.h"

namespace k27093 {

using module_names::kClass;

namespace {

// Folders are joined to file names by plain concatenation: a folder handed over without its
// trailing separator gets one, so that no file beside the folder is ever touched.
std::string AsFolder(std::string_view path) {
  std::string folder(path);
  if (!folder.empty() && folder.back() != kPathSeparator) folder += kPathSeparator;
  return folder;
}

}  // namespace

Module::Module(Environment& environment, QuestionFactory factory)
    : environment_(environment), factory_(std::move(factory)) {
  if (!factory_) factory_ = questions::CreateQuestion;
}

Module::~Module() {
  if (oQuestion_.IsNothing()) return;
  try {
    oQuestion_->Fermer();
  } catch (const Error&) {
    // A destructor cannot report; the question is released all the same.
  }
  oQuestion_ = nullptr;
}

void Module::InitQuestion(std::int32_t ilQuestion, std::string_view isPathDossier,
                          Ref<xl::Application>& ioApplication, Hwnd& ioHandleLogiciel,
                          std::optional<std::string_view> /*isPathModele: not used*/) {
  Desktop& desktop = environment_.desktop;
  // 1. Attach to the spreadsheet (errors pass on as the failing procedure traced them).
  if (ioApplication.IsNothing()) {
    GetApplication();
    bParamSauves_ = true;
    SaveParamUser();
    ioApplication = oApplication_;
    ioHandleLogiciel = lHandleLogiciel_;
  } else {
    if (!oApplication_.Is(ioApplication)) bParamSauves_ = false;
    oApplication_ = ioApplication;
    lHandleLogiciel_ = ioHandleLogiciel;
    if (!desktop.IsWindowVisible(lHandleLogiciel_)) {
      const Hwnd mainWindow = desktop.FindWindowA(module_names::kMainWindowClass, std::nullopt);
      const bool answers = ExcelRepond(false);
      if (mainWindow != 0 && answers) {
        desktop.LockWindowUpdate(0);
        oApplication_->Quit();
      }
      ioApplication = nullptr;
      oApplication_ = nullptr;
      GetApplication();
      bParamSauves_ = true;
      SaveParamUser();
      ioApplication = oApplication_;
      ioHandleLogiciel = lHandleLogiciel_;
    }
  }
  // 2-3. A dialog left open, a question still open.
  FermeDialogues(lHandleLogiciel_);
  if (!oQuestion_.IsNothing()) FermeQuestion();

  const std::string pathDossier = AsFolder(isPathDossier);
  try {
    // 4-7. The question, the folders, the models folder.
    lQuestion_ = ilQuestion;
    oQuestion_ = factory_(ilQuestion);
    sPathDossier_ = pathDossier;
    sPathModele_ = oApplication_->TemplatesPath() + std::string(module_names::kModelsFolderName) +
                   kPathSeparator;
    MakeModelsFolder();
  } catch (const Error& error) {
    RemonteErreur(kClass, "InitQuestion", error);
  }

  // 8-12. Untrapped: errors reach the client as the inner procedure traced them.
  Nettoyage();
  Renomme();
  Ref<xl::Application> application = oApplication_;
  oQuestion_->Prepare(application, pathDossier, sPathModele_);
  oApplication_ = application;
  ChangeDir(oQuestion_->PathDossierParDefaut());
  InitCommandBar();
  oApplication_->SetShowToolTips(true);
  oApplication_->SetDisplayCommentIndicator(xl::kNoIndicator);
  SetProperty(Variant(oApplication_->ActiveWindow()), "WindowState", Variant(xl::kMaximized));

  try {
    // 13-15. A workbook to show, the window in front, the exercise workbook active.
    if (oApplication_->Workbooks()->Count() == 0) {
      oApplication_->Workbooks()->Add();
      oApplication_->SetShowStartupDialog(true);
      oApplication_->CommandBars()->Item(Variant("Task Pane"))->SetEnabled(true);
      if (oApplication_->CommandBars()->Item(Variant("Task Pane"))->Enabled()) {
        oApplication_->CommandBars()->Item(Variant("Task Pane"))->SetPosition(xl::kBarRight);
        oApplication_->CommandBars()->Item(Variant("Task pane"))->SetVisible(true);
      }
    }
    AfficheExcel();
    const std::string name = oQuestion_->FichiersDeTravail()->Item(1).NomDest;
    oApplication_->Workbooks()->Item(Variant(name))->Activate();
  } catch (const Error& error) {
    RemonteErreur(kClass, "InitQuestion", error);
  }
}

void Module::MakeModelsFolder() {
  constexpr int kAttempts = 20;
  FileSystem& files = environment_.files;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    files.MakeSureDirectoryPathExists(sPathModele_);
    environment_.desktop.ProcessMessages();
    if (files.Exists(sPathModele_)) return;
  }
  Raise(errors::kPathFileAccess, "The models folder '" + sPathModele_ + "' cannot be created",
        std::string(kComponentSource));
}

void Module::TestePoint() {
  if (!AfficheExcel()) {
    bErreurGenerale_ = true;
    sCauseErreur_ = "AM";
    return;
  }
  if (!ExcelRepond(true)) {
    bErreurGenerale_ = true;
    sCauseErreur_ = "%AL";
    return;
  }
  try {
    bErreurGenerale_ = false;
    if (!VerifieClasseur()) {
      bErreurGenerale_ = true;
      return;
    }
  } catch (const Error&) {
    bErreurGenerale_ = true;
    sCauseErreur_ = "AN";
    return;
  }
  oQuestion_->TestePoint();
  if (oQuestion_->CauseErreur() == "AA") {
    bErreurGenerale_ = true;
    sCauseErreur_ = "AA";
  } else {
    bErreurGenerale_ = false;
  }
}

std::string Module::CauseErreur() {
  if (bErreurGenerale_) return sCauseErreur_;
  return oQuestion_->CauseErreur();
}

bool Module::BravoNuance() { return oQuestion_->BravoNuance(); }

Ref<files::ComplementInfo> Module::Complement() { return oQuestion_->ComplementInfo(); }

void Module::Fermer() { FermeQuestion(); }

void Module::Quitter(Ref<xl::Application>& ioApplication, Hwnd& ioHandleLogiciel) {
  try {
    if (!oQuestion_.IsNothing()) FermeQuestion();
    if (ioApplication.Is(oApplication_) && bParamSauves_) {
      RestaureParamUser();
      if (oApplication_->Workbooks()->Count() == 0) {
        oApplication_->Quit();
      } else {
        environment_.desktop.ShowWindow(lHandleLogiciel_, win::kSwShowMinimized);
      }
      ioHandleLogiciel = 0;
      ioApplication = nullptr;
    }
    oApplication_ = nullptr;
  } catch (const Error& error) {
    RemonteErreur(kClass, "Quitter", error);
  }
}

}  // namespace k27093
