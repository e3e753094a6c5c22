// The application's modal dialogs: what they look like on the desktop, the calls they make
// the application refuse, and what closes them (WM_CLOSE, the Escape key in the foreground).
#include "engine/application/application_control.h"
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

class DialogsTest : public EngineTest {
 protected:
  // The error of a late-bound Application.Windows.Count, the module's liveness probe.
  Error ProbeError() {
    return CaughtError(
        [&] { CallById(GetProperty(Variant(app), "Windows"), xl::dispid::kCount, CallKind::Get); });
  }
  bool Answers() {
    try {
      ToLong(CallById(GetProperty(Variant(app), "Windows"), xl::dispid::kCount, CallKind::Get));
      return true;
    } catch (const Error&) {
      return false;
    }
  }
  Hwnd Main() { return Control(app).MainWindow(); }
};

TEST_F(DialogsTest, OpensAVisibleModalFrameDialogOwnedByTheMainWindow) {
  const Hwnd dialog = Control(app).OpenDialog("Format de cellule");
  EXPECT_TRUE(desktop.IsWindowVisible(dialog));
  EXPECT_EQ(desktop.GetParent(dialog), Main());
  EXPECT_EQ(desktop.GetWindowLongA(dialog, win::kGwlExStyle) & win::kWsExDlgModalFrame,
            win::kWsExDlgModalFrame);
  std::string title;
  EXPECT_EQ(desktop.GetWindowTextA(dialog, title, 255), 17);
  EXPECT_EQ(title, "Format de cellule");
  EXPECT_EQ(desktop.FindWindowA("bosa_sdm_XL9", std::nullopt), dialog);
  EXPECT_EQ(desktop.GetWindow(Main(), win::kGwHwndPrev), dialog);
}

TEST_F(DialogsTest, CallsAreRejectedWhileADialogIsOpenAndAnsweredOnceItCloses) {
  auto workbook = app->Workbooks()->Add();
  const Hwnd dialog = Control(app).OpenDialog("Enregistrer sous");
  EXPECT_TRUE(Control(app).HasOpenDialog());
  const Error probe = ProbeError();
  EXPECT_EQ(probe.number(), -2147418111);
  EXPECT_EQ(probe.description(), "Call was rejected by callee.");
  EXPECT_EQ(CaughtError([&] { workbook->Name(); }).number(), -2147418111);
  EXPECT_EQ(CaughtError([&] { app->CommandBars(); }).number(), -2147418111);

  desktop.SendMessageA(dialog, win::kWmClose, 0, 0);
  EXPECT_FALSE(desktop.Exists(dialog));
  EXPECT_FALSE(Control(app).HasOpenDialog());
  EXPECT_TRUE(Answers());
  EXPECT_EQ(workbook->Name(), "Classeur1");
}

TEST_F(DialogsTest, AHiddenDialogDoesNotBlockCalls) {
  const Hwnd dialog = Control(app).OpenDialog("Options");
  desktop.SetVisible(dialog, false);
  EXPECT_TRUE(Answers());
  desktop.SetVisible(dialog, true);
  EXPECT_FALSE(Answers());
}

TEST_F(DialogsTest, BusyStateStillRejectsCallsWithoutADialog) {
  Control(app).SetBusy(true);
  EXPECT_FALSE(Control(app).HasOpenDialog());
  EXPECT_EQ(ProbeError().number(), -2147418111);
  Control(app).SetBusy(false);
  EXPECT_TRUE(Answers());
}

TEST_F(DialogsTest, EscapeClosesTheDialogOnlyWhenItIsInTheForeground) {
  const Hwnd dialog = Control(app).OpenDialog("Rechercher");
  ASSERT_NE(desktop.ForegroundWindow(), dialog);
  desktop.SendEscapeKey();
  EXPECT_TRUE(desktop.Exists(dialog));
  desktop.SetForegroundWindow(Main());
  desktop.SendEscapeKey();
  EXPECT_TRUE(desktop.Exists(dialog));
  EXPECT_FALSE(Answers());

  desktop.SetForegroundWindow(dialog);
  desktop.SendEscapeKey();
  EXPECT_FALSE(desktop.Exists(dialog));
  EXPECT_TRUE(desktop.Exists(Main()));
  EXPECT_TRUE(Answers());
}

TEST_F(DialogsTest, ADialogTakesTheForegroundWhenTheApplicationHadIt) {
  desktop.SetForegroundWindow(Main());
  const Hwnd dialog = Control(app).OpenDialog("Imprimer");
  EXPECT_EQ(desktop.ForegroundWindow(), dialog);
  desktop.SendEscapeKey();
  EXPECT_FALSE(desktop.Exists(dialog));
}

TEST_F(DialogsTest, RefusingDialogsStayOpen) {
  const Hwnd closeRefused = Control(app).OpenDialog("Collage spécial", {.refusesClose = true});
  desktop.SendMessageA(closeRefused, win::kWmClose, 0, 0);
  EXPECT_TRUE(desktop.Exists(closeRefused));
  desktop.SetForegroundWindow(closeRefused);
  desktop.SendEscapeKey();
  EXPECT_FALSE(desktop.Exists(closeRefused));

  const Hwnd escapeRefused = Control(app).OpenDialog("Atteindre", {.refusesEscape = true});
  desktop.SetForegroundWindow(escapeRefused);
  desktop.SendEscapeKey();
  EXPECT_TRUE(desktop.Exists(escapeRefused));
  EXPECT_FALSE(Answers());
  desktop.SendMessageA(escapeRefused, win::kWmClose, 0, 0);
  EXPECT_FALSE(desktop.Exists(escapeRefused));
  EXPECT_TRUE(Answers());
}

TEST_F(DialogsTest, AnOwnedDialogStaysAboveItsOwnerAndClosesWithIt) {
  const Hwnd outer = Control(app).OpenDialog("Options");
  const Hwnd inner = Control(app).OpenOwnedDialog(outer, "Couleur");
  EXPECT_EQ(desktop.GetParent(inner), outer);
  EXPECT_EQ(desktop.GetWindow(outer, win::kGwHwndPrev), inner);
  desktop.SetForegroundWindow(Main());
  EXPECT_EQ(desktop.GetWindow(outer, win::kGwHwndPrev), inner);

  desktop.SendMessageA(inner, win::kWmClose, 0, 0);
  EXPECT_TRUE(desktop.Exists(outer));
  EXPECT_FALSE(Answers());  // the owner is still open

  const Hwnd again = Control(app).OpenOwnedDialog(outer, "Couleur");
  desktop.SendMessageA(outer, win::kWmClose, 0, 0);
  EXPECT_FALSE(desktop.Exists(outer));
  EXPECT_FALSE(desktop.Exists(again));
  EXPECT_TRUE(Answers());
}

TEST_F(DialogsTest, OnlyOpenDialogsOwnDialogs) {
  EXPECT_EQ(CaughtError([&] { Control(app).OpenOwnedDialog(Main(), "Couleur"); }).number(), 5);
  const Hwnd closed = Control(app).OpenDialog("Options");
  desktop.SendMessageA(closed, win::kWmClose, 0, 0);
  EXPECT_EQ(CaughtError([&] { Control(app).OpenOwnedDialog(closed, "Couleur"); }).number(), 5);
}

TEST_F(DialogsTest, DialogsGoWithTheApplication) {
  const Hwnd dialog = Control(app).OpenDialog("Options");
  Control(app).SimulateUserClose();
  EXPECT_FALSE(desktop.Exists(dialog));
  EXPECT_EQ(ProbeError().number(), 462);
  EXPECT_EQ(CaughtError([&] { Control(app).OpenDialog("Options"); }).number(), 462);
}

TEST_F(DialogsTest, CloseMessageToTheMainWindowEndsTheApplicationAndItsDialogs) {
  const Hwnd dialog = Control(app).OpenDialog("Options");
  desktop.SendMessageA(Main(), win::kWmClose, 0, 0);
  EXPECT_FALSE(desktop.Exists(dialog));
  EXPECT_EQ(desktop.FindWindowA("XLMAIN", std::nullopt), 0u);
  EXPECT_EQ(ProbeError().number(), 462);
}

}  // namespace
}  // namespace k27093::engine::testing
