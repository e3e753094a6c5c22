// Attaching to or starting the spreadsheet, and closing the windows that would block the
// work: dialogs left open and the assistant's balloon.
#include <vector>

#include "module/module_fixture.h"

namespace k27093::testing {
namespace {

using platform::WindowSpec;

class Windows : public ModuleTest {
 protected:
  // A visible modal dialog owned by `owner`, which records its closing in `closed_`.
  Hwnd Dialog(Hwnd owner, std::string title, std::int32_t exStyle = win::kWsExDlgModalFrame) {
    const Hwnd dialog = desktop().CreateWindow(
        WindowSpec{"bosa_sdm_XL9", std::move(title), owner, 0, true, exStyle});
    desktop().SetMessageHandler(dialog, [this](Hwnd window, unsigned message) -> std::intptr_t {
      if (message == win::kWmClose) {
        closed_.push_back(window);
        desktop().DestroyWindow(window);
      }
      return 0;
    });
    return dialog;
  }
  std::vector<Hwnd> closed_;
};

TEST_F(Windows, AttachingFailsSoANewSpreadsheetIsStartedWithoutError) {
  // A visible spreadsheet that is not in the running table: attaching to it fails.
  auto stranger = engine::StartApplication(desktop(), nullptr,
                                           {templates_.path(), "Imprimante PDF", work_.path()});
  stranger->SetVisible(true);
  StageModel(401);
  Start(401);
  EXPECT_FALSE(application_.Is(stranger));
  EXPECT_TRUE(application_->Visible());
  EXPECT_EQ(desktop().LockedWindow(), window_);
}

TEST_F(Windows, AFailedStartLeavesNoSpreadsheetBehindForTheNextClientsOne) {
  StageModel(401);
  Start(401);  // the module starts a spreadsheet, and saves its settings
  module_.Fermer();
  auto running = application_;
  // The spreadsheet is running and visible but busy: attaching works, making it visible fails.
  engine::Control(running).SetBusy(true);
  Ref<xl::Application> none;
  Hwnd noWindow = 0;
  const Error error = RaisedError([&] { module_.InitQuestion(401, work_.path(), none, noWindow); });
  EXPECT_EQ(error.number(), errors::kCallRejected);
  EXPECT_EQ(error.source().rfind(TracedSource("Module", "GetApplication", ""), 0), 0u)
      << error.source();
  engine::Control(running).SetBusy(false);

  // The client now hands in that same spreadsheet as its own: the module no longer holds it,
  // so it has saved no settings for it and Quitter leaves it to the client.
  StageModel(401);
  Start(401);
  module_.Quitter(application_, window_);
  EXPECT_TRUE(application_.Is(running));
  EXPECT_NE(window_, 0u);
  EXPECT_TRUE(engine::Control(running).IsRunning());
}

TEST_F(Windows, AHiddenRunningSpreadsheetIsNotAttachedTo) {
  auto hidden = engine::StartApplication(desktop(), &environment_.registry(),
                                         {templates_.path(), "Imprimante PDF", work_.path()});
  StageModel(401);
  Start(401);
  EXPECT_FALSE(application_.Is(hidden));
  EXPECT_TRUE(desktop().Exists(hidden->Hwnd()));  // left running
}

TEST_F(Windows, OneDialogIsClosedPerCallItsOwnedDialogFirst) {
  StageModel(401);
  Start(401);
  const Hwnd lower = Dialog(window_, "Format de cellule");
  const Hwnd owned = Dialog(lower, "Couleurs");
  const Hwnd upper = Dialog(window_, "Options");
  module_.Fermer();  // closes one dialog (FermeQuestion)

  ASSERT_EQ(closed_.size(), 2u);
  EXPECT_EQ(closed_[0], owned);
  EXPECT_EQ(closed_[1], lower);
  EXPECT_TRUE(desktop().Exists(upper));
}

TEST_F(Windows, UntitledHiddenOrNonModalWindowsAreLeftAlone) {
  StageModel(401);
  Start(401);
  const Hwnd untitled = Dialog(window_, "");
  const Hwnd plain = Dialog(window_, "Palette", 0);
  const Hwnd hidden = Dialog(window_, "Caché");
  desktop().SetVisible(hidden, false);
  module_.Fermer();
  EXPECT_TRUE(closed_.empty());
  EXPECT_TRUE(desktop().Exists(untitled) && desktop().Exists(plain) && desktop().Exists(hidden));
}

TEST_F(Windows, TheBalloonIsClosedWithItsChildrenThenThePauseIsTaken) {
  StageModel(401);
  Start(401);
  const Hwnd balloon = desktop().CreateWindow(WindowSpec{"MSOBALLOON", "", window_, 0, true, 0});
  const Hwnd button = desktop().CreateWindow(WindowSpec{"Button", "OK", 0, balloon, true, 0});
  // A child that refuses to close must not keep the module looping.
  const Hwnd stubborn = desktop().CreateWindow(WindowSpec{"Static", "?", 0, balloon, true, 0});
  desktop().SetMessageHandler(stubborn, [](Hwnd, unsigned) -> std::intptr_t { return 0; });

  module_.Fermer();

  EXPECT_FALSE(desktop().Exists(button));
  EXPECT_FALSE(desktop().Exists(balloon));
  EXPECT_EQ(desktop().Pauses(), 1);
}

TEST_F(Windows, NoBalloonNoPause) {
  StageModel(401);
  Start(401);
  module_.Fermer();
  EXPECT_EQ(desktop().Pauses(), 0);
}

TEST_F(Windows, AfficheExcelShowsTheWindowMaximisedInFrontAndNotFullScreen) {
  StageModel(401);
  Start(401);
  application_->SetDisplayFullScreen(true);
  desktop().ShowWindow(window_, win::kSwShowMinimized);
  module_.TestePoint();
  EXPECT_FALSE(application_->DisplayFullScreen());
  EXPECT_EQ(desktop().ShowState(window_), win::kSwShowMaximized);
  EXPECT_EQ(desktop().ForegroundWindow(), window_);
}

}  // namespace
}  // namespace k27093::testing

namespace k27093::testing {
namespace {

TEST_F(Windows, AnOpenDialogMakesTheCheckReportPercentALWithoutTypingEscape) {
  StageModel(401);
  Start(401);
  engine::Control(application_).OpenDialog("Format de cellule");
  EXPECT_EQ(Verdict(), "general:%AL");
  EXPECT_EQ(desktop().EscapeKeysSent(), 0);
}

TEST_F(Windows, ADialogLeftOpenIsClosedByTheNextInitQuestion) {
  StageModel(401);
  Start(401);
  const Hwnd dialog = engine::Control(application_).OpenDialog("Enregistrer sous");
  module_.Fermer();  // closes it (one dialog per call)
  EXPECT_FALSE(desktop().Exists(dialog));

  const Hwnd outer = engine::Control(application_).OpenDialog("Options");
  const Hwnd inner = engine::Control(application_).OpenOwnedDialog(outer, "Couleurs");
  StageModel(401);
  Start(401);
  EXPECT_FALSE(desktop().Exists(inner));
  EXPECT_FALSE(desktop().Exists(outer));
  EXPECT_EQ(Verdict(), "own:H");
}

TEST_F(Windows, ClosingAQuestionAfterTheSpreadsheetWentTypesEscapeIntoItsWindow) {
  StageModel(401);
  Start(401);
  engine::Control(application_).SimulateUserClose();
  EXPECT_EQ(Verdict(), "general:AM");
  EXPECT_EQ(desktop().EscapeKeysSent(), 0);
  EXPECT_THROW(module_.Fermer(), Error);  // the task pane step meets the vanished spreadsheet
  EXPECT_EQ(desktop().EscapeKeysSent(), 1);
}

TEST_F(Windows, TheAssistantsBalloonIsClosedEvenWithAChildThatRefuses) {
  StageModel(401);
  Start(401);
  engine::BalloonOptions options;
  options.childRefusesClose = true;
  const Hwnd balloon = engine::Control(application_).ShowAssistantBalloon(options);
  module_.Fermer();
  EXPECT_FALSE(desktop().Exists(balloon));
  EXPECT_EQ(desktop().Pauses(), 1);
}

}  // namespace
}  // namespace k27093::testing
