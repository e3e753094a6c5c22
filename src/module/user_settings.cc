// Module's procedures that save and restore the learner's spreadsheet settings, arrange the
// toolbars and the task pane, and close a question.
#include <chrono>

#include "module/module.h"
#include "module/module_names.h"
#include "spreadsheet/object_model.h"

namespace k27093 {

using module_names::kClass;

namespace {

// The pause after closing the assistant's balloon, taken only when there was one.
constexpr auto kBalloonPause = std::chrono::milliseconds(50);

// Number of command bars whose state RestaureParamUser puts back.
constexpr std::int32_t kRestoredBars = 18;

template <class T>
T SavedAt(const std::vector<T>& saved, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= saved.size()) Raise(errors::kSubscript);
  return saved[static_cast<std::size_t>(index)];
}

// Hides the bar, docks it at `position` and shows it again.
void Reposition(xl::CommandBar& bar, std::int32_t position) {
  bar.SetVisible(false);
  bar.SetPosition(position);
  bar.SetVisible(true);
}

}  // namespace

void Module::SaveParamUser() {
  try {
    sRepUser_ = GetDir();
    const auto bars = oApplication_->CommandBars();
    const std::int32_t count = bars->Count();
    tBarreVisible_.assign(static_cast<std::size_t>(count) + 1, false);
    tBarrePosition_.assign(static_cast<std::size_t>(count) + 1, 0);
    for (std::int32_t i = 1; i <= count; ++i) {
      tBarreVisible_[static_cast<std::size_t>(i)] = bars->Item(Variant(i))->Visible();
      tBarrePosition_[static_cast<std::size_t>(i)] = bars->Item(Variant(i))->Position();
    }
    bShowToolTips_ = oApplication_->ShowToolTips();
    lDisplayCommentIndicator_ = oApplication_->ApplicationObject()->DisplayCommentIndicator();
    bShowStartupDialog_ = oApplication_->ShowStartupDialog();
  } catch (const Error& error) {
    RemonteErreur(kClass, "SaveParamUser", error);
  }
}

void Module::RestaureParamUser() {
  try {
    ChangeDir(sRepUser_);
    const auto bars = oApplication_->CommandBars();
    const auto upperBound = static_cast<std::int32_t>(tBarreVisible_.size()) - 1;
    for (std::int32_t i = 1; i <= kRestoredBars; ++i) {
      bars->Item(Variant(i))->SetVisible(SavedAt(tBarreVisible_, i));
      bars->Item(Variant(i))->SetPosition(SavedAt(tBarrePosition_, i));
      if (i == upperBound) break;
    }
    oApplication_->SetShowToolTips(bShowToolTips_);
    oApplication_->SetShowStartupDialog(bShowStartupDialog_);
  } catch (const Error& error) {
    RemonteErreur(kClass, "RestaureParamUser", error);
  }
}

void Module::InitCommandBar() {
  try {
    const auto bars = oApplication_->CommandBars();
    for (const char* name : {"standard", "formatting"}) {
      const auto bar = bars->Item(Variant(name));
      bar->SetEnabled(true);
      Reposition(*bar, xl::kBarTop);
    }
    const auto drawing = bars->Item(Variant("drawing"));
    drawing->SetEnabled(true);
    if (drawing->Visible()) Reposition(*drawing, xl::kBarBottom);
    const auto taskPane = bars->Item(Variant("Task Pane"));
    if (taskPane->Enabled()) {
      taskPane->SetPosition(xl::kBarRight);
      taskPane->SetVisible(bTaskPaneVisible_);
    }
  } catch (const Error& error) {
    RemonteErreur(kClass, "InitCommandBar", error);
  }
}

void Module::FermeQuestion() {
  Desktop& desktop = environment_.desktop;
  const Hwnd balloon = desktop.FindWindowA(module_names::kBalloonClass, std::nullopt);
  if (balloon != 0) {
    FermeFenetre(balloon);
    desktop.Pause(kBalloonPause);
  }
  FermeDialogues(lHandleLogiciel_);
  if (ExcelRepond(false)) {
    Nettoyage();
    oApplication_->ApplicationObject()->SetDisplayCommentIndicator(lDisplayCommentIndicator_);
  }
  bTaskPaneVisible_ = oApplication_->CommandBars()->Item(Variant("Task Pane"))->Visible();
  oQuestion_->Fermer();
  oQuestion_ = nullptr;
}

}  // namespace k27093
