#include "platform/simulated_desktop.h"

#include <gtest/gtest.h>

#include <set>

#include "api/error.h"

namespace k27093::platform {
namespace {

constexpr int kSwHide = 0;
constexpr int kSwShow = 5;
constexpr unsigned kGwChild = 5;

class DesktopTest : public ::testing::Test {
 protected:
  Hwnd TopLevel(std::string className, std::string title = {}, bool visible = true,
                Hwnd owner = 0, std::int32_t exStyle = 0) {
    return desktop.CreateWindow({std::move(className), std::move(title), owner, 0, visible,
                                 exStyle});
  }
  Hwnd Child(Hwnd parent, std::string className = "Child", bool visible = true) {
    return desktop.CreateWindow({std::move(className), {}, 0, parent, visible, 0});
  }
  // The top-level windows met walking GW_HWNDPREV up from `start` (excluded).
  std::vector<Hwnd> WalkUp(Hwnd start) {
    std::vector<Hwnd> seen;
    for (Hwnd w = desktop.GetWindow(start, win::kGwHwndPrev); w != 0;
         w = desktop.GetWindow(w, win::kGwHwndPrev)) {
      seen.push_back(w);
    }
    return seen;
  }

  SimulatedDesktop desktop;
};

TEST_F(DesktopTest, HandlesAreNonTrivialUniqueAndNeverReused) {
  std::set<Hwnd> handles;
  for (int i = 0; i < 50; ++i) {
    const Hwnd window = TopLevel("W");
    EXPECT_GT(window, 0xFFFFu);
    EXPECT_TRUE(handles.insert(window).second);
    if (i % 2 == 0) desktop.DestroyWindow(window);
  }
  const Hwnd later = TopLevel("W");
  EXPECT_EQ(handles.count(later), 0u);
  static_assert(sizeof(Hwnd) == 4);
}

TEST_F(DesktopTest, NewWindowsGoOnTopAndPreviousWalksUpTheZOrder) {
  const Hwnd bottom = TopLevel("A");
  const Hwnd middle = TopLevel("B");
  const Hwnd top = TopLevel("C");
  EXPECT_EQ(desktop.ZOrder(), (std::vector<Hwnd>{top, middle, bottom}));
  EXPECT_EQ(WalkUp(bottom), (std::vector<Hwnd>{middle, top}));
  EXPECT_EQ(desktop.GetWindow(top, win::kGwHwndPrev), 0u);
}

TEST_F(DesktopTest, PreviousOfAChildIsItsPreviousSibling) {
  const Hwnd parent = TopLevel("P");
  const Hwnd first = Child(parent);
  const Hwnd second = Child(parent);
  EXPECT_EQ(desktop.GetWindow(second, win::kGwHwndPrev), first);
  EXPECT_EQ(desktop.GetWindow(first, win::kGwHwndPrev), 0u);
  EXPECT_EQ(desktop.GetWindow(parent, kGwChild), first);
}

TEST_F(DesktopTest, GetParentGivesParentOfChildAndOwnerOfOwnedWindow) {
  const Hwnd main = TopLevel("XLMAIN");
  const Hwnd child = Child(main);
  const Hwnd dialog = TopLevel("bosa_sdm_XL9", "Format", true, main);
  const Hwnd ownedByChild = TopLevel("Popup", "", true, child);
  EXPECT_EQ(desktop.GetParent(child), main);
  EXPECT_EQ(desktop.GetParent(dialog), main);
  EXPECT_EQ(desktop.GetParent(ownedByChild), main);  // the owner is always top-level
  EXPECT_EQ(desktop.GetParent(main), 0u);
}

TEST_F(DesktopTest, CreatingWithAMissingParentOrOwnerRaises5) {
  try {
    TopLevel("W", "", true, 0x7777);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), errors::kInvalidCall);
  }
  EXPECT_THROW(Child(0x7777), Error);
  EXPECT_TRUE(desktop.ZOrder().empty());
}

TEST_F(DesktopTest, VisibilityNeedsTheWindowAndAllItsParents) {
  const Hwnd main = TopLevel("Main", "", false);
  const Hwnd child = Child(main);
  const Hwnd grandChild = Child(child);
  const Hwnd owned = TopLevel("Dialog", "", true, main);
  EXPECT_FALSE(desktop.IsWindowVisible(grandChild));
  EXPECT_TRUE(desktop.IsWindowVisible(owned));  // a hidden owner does not hide it
  desktop.SetVisible(main, true);
  EXPECT_TRUE(desktop.IsWindowVisible(grandChild));
  desktop.SetVisible(child, false);
  EXPECT_FALSE(desktop.IsWindowVisible(grandChild));
  EXPECT_TRUE(desktop.IsWindowVisible(main));
}

TEST_F(DesktopTest, WindowTextIsCutToMaxCountMinusOneCharacters) {
  const Hwnd window = TopLevel("W", "Mise en forme");
  std::string text = "stale";
  EXPECT_EQ(desktop.GetWindowTextA(window, text, 255), 13);
  EXPECT_EQ(text, "Mise en forme");
  EXPECT_EQ(desktop.GetWindowTextA(window, text, 5), 4);
  EXPECT_EQ(text, "Mise");
  EXPECT_EQ(desktop.GetWindowTextA(window, text, 1), 0);
  EXPECT_EQ(text, "");
}

TEST_F(DesktopTest, WindowTextCountsAccentedLettersAsOneCharacter) {
  const Hwnd window = TopLevel("W", "Année été");
  std::string text;
  EXPECT_EQ(desktop.GetWindowTextA(window, text, 255), 9);
  EXPECT_EQ(desktop.GetWindowTextA(window, text, 4), 3);
  EXPECT_EQ(text, "Ann");
  EXPECT_EQ(desktop.GetWindowTextA(window, text, 7), 6);
  EXPECT_EQ(text, "Année ");
}

TEST_F(DesktopTest, UntitledOrMissingWindowHasNoText) {
  std::string text = "stale";
  EXPECT_EQ(desktop.GetWindowTextA(TopLevel("W"), text, 255), 0);
  EXPECT_EQ(text, "");
  text = "stale";
  EXPECT_EQ(desktop.GetWindowTextA(0x4242, text, 255), 0);
  EXPECT_EQ(text, "");
}

TEST_F(DesktopTest, ExtendedStyleIsReadWithGwlExStyleOnly) {
  const Hwnd dialog = TopLevel("D", "Dlg", true, 0, win::kWsExDlgModalFrame | 0x100);
  EXPECT_EQ(desktop.GetWindowLongA(dialog, win::kGwlExStyle), win::kWsExDlgModalFrame | 0x100);
  EXPECT_EQ(desktop.GetWindowLongA(dialog, -16), 0);
  EXPECT_EQ(desktop.GetWindowLongA(0x4242, win::kGwlExStyle), 0);
}

TEST_F(DesktopTest, CloseByDefaultDestroysChildrenAndOwnedWindows) {
  const Hwnd other = TopLevel("Other");
  const Hwnd main = TopLevel("XLMAIN");
  const Hwnd child = Child(main);
  const Hwnd dialog = TopLevel("Dialog", "Dlg", true, main);
  const Hwnd nested = TopLevel("Dialog", "Nested", true, dialog);
  const Hwnd dialogChild = Child(dialog);
  EXPECT_EQ(desktop.SendMessageA(main, win::kWmClose, 0, 0), 0);
  for (Hwnd gone : {main, child, dialog, nested, dialogChild}) {
    EXPECT_FALSE(desktop.Exists(gone)) << gone;
  }
  EXPECT_EQ(desktop.ZOrder(), std::vector<Hwnd>{other});
}

TEST_F(DesktopTest, ClosingAChildLeavesItsSiblingsAndParent) {
  const Hwnd parent = TopLevel("P");
  const Hwnd first = Child(parent);
  const Hwnd second = Child(parent);
  desktop.SendMessageA(first, win::kWmClose, 0, 0);
  EXPECT_TRUE(desktop.Exists(parent));
  EXPECT_EQ(desktop.Children(parent), std::vector<Hwnd>{second});
  EXPECT_EQ(desktop.GetWindow(second, win::kGwHwndPrev), 0u);
}

TEST_F(DesktopTest, AWindowMayRefuseToClose) {
  const Hwnd stubborn = TopLevel("Stubborn");
  int calls = 0;
  desktop.SetMessageHandler(stubborn, [&](Hwnd, unsigned message) -> std::intptr_t {
    if (message == win::kWmClose) ++calls;
    return 7;
  });
  EXPECT_EQ(desktop.SendMessageA(stubborn, win::kWmClose, 0, 0), 7);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(desktop.Exists(stubborn));
}

TEST_F(DesktopTest, HandlersMayDestroyTheirOwnAndOtherWindows) {
  const Hwnd main = TopLevel("Main");
  const Hwnd dialog = TopLevel("Dialog", "Dlg", true, main);
  desktop.SetMessageHandler(dialog, [&](Hwnd self, unsigned) -> std::intptr_t {
    desktop.DestroyWindow(main);  // takes `self` along, handler included
    desktop.DestroyWindow(self);
    return 1;
  });
  EXPECT_EQ(desktop.SendMessageA(dialog, win::kWmClose, 0, 0), 1);
  EXPECT_FALSE(desktop.Exists(main));
  EXPECT_FALSE(desktop.Exists(dialog));
  EXPECT_TRUE(desktop.ZOrder().empty());
}

TEST_F(DesktopTest, EscapeGoesToTheForegroundWindowOnly) {
  const Hwnd main = TopLevel("XLMAIN");
  const Hwnd other = TopLevel("Other");
  std::vector<std::pair<Hwnd, unsigned>> received;
  auto record = [&](Hwnd window, unsigned message) -> std::intptr_t {
    received.emplace_back(window, message);
    return 0;
  };
  desktop.SetMessageHandler(main, record);
  desktop.SetMessageHandler(other, record);
  ASSERT_TRUE(desktop.SetForegroundWindow(main));
  desktop.SendEscapeKey();
  EXPECT_EQ(received, (std::vector<std::pair<Hwnd, unsigned>>{
                          {main, SimulatedDesktop::kEscapeKeyMessage}}));
  EXPECT_EQ(desktop.EscapeKeysSent(), 1);
}

TEST_F(DesktopTest, EscapeWithoutHandlerOrForegroundDoesNothingButIsCounted) {
  const Hwnd main = TopLevel("XLMAIN");
  desktop.SendEscapeKey();
  ASSERT_TRUE(desktop.SetForegroundWindow(main));
  desktop.SendEscapeKey();
  EXPECT_TRUE(desktop.Exists(main));
  EXPECT_EQ(desktop.EscapeKeysSent(), 2);
}

TEST_F(DesktopTest, EscapeHandlerMayCloseItsDialog) {
  const Hwnd dialog = TopLevel("Dialog", "Dlg");
  desktop.SetMessageHandler(dialog, [&](Hwnd self, unsigned message) -> std::intptr_t {
    if (message == SimulatedDesktop::kEscapeKeyMessage) desktop.DestroyWindow(self);
    return 0;
  });
  desktop.SetForegroundWindow(dialog);
  desktop.SendEscapeKey();
  EXPECT_FALSE(desktop.Exists(dialog));
  EXPECT_EQ(desktop.ForegroundWindow(), 0u);
}

TEST_F(DesktopTest, FindWindowTakesTheTopmostTopLevelMatchIgnoringCase) {
  const Hwnd lower = TopLevel("XLMAIN", "Classeur1", false);
  const Hwnd upper = TopLevel("XLMAIN", "Classeur2");
  const Hwnd parent = TopLevel("Host");
  Child(parent, "Inner");
  EXPECT_EQ(desktop.FindWindowA("XLMAIN", std::nullopt), upper);
  EXPECT_EQ(desktop.FindWindowA("xlmain", std::nullopt), upper);
  EXPECT_EQ(desktop.FindWindowA("XLMAIN", "Classeur1"), lower);  // hidden windows too
  EXPECT_EQ(desktop.FindWindowA(std::nullopt, std::nullopt), parent);
  EXPECT_EQ(desktop.FindWindowA("Inner", std::nullopt), 0u);
  EXPECT_EQ(desktop.FindWindowA("XLMAI", std::nullopt), 0u);
  desktop.DestroyWindow(upper);
  EXPECT_EQ(desktop.FindWindowA("XLMAIN", std::nullopt), lower);
}

TEST_F(DesktopTest, FindWindowExWalksChildrenAfterTheGivenOne) {
  const Hwnd parent = TopLevel("Host");
  const Hwnd first = Child(parent, "Edit");
  const Hwnd second = Child(parent, "Button");
  const Hwnd third = Child(parent, "Edit");
  const Hwnd stranger = Child(TopLevel("Other"), "Edit");
  EXPECT_EQ(desktop.FindWindowExA(parent, 0, std::nullopt, std::nullopt), first);
  EXPECT_EQ(desktop.FindWindowExA(parent, first, std::nullopt, std::nullopt), second);
  EXPECT_EQ(desktop.FindWindowExA(parent, first, "EDIT", std::nullopt), third);
  EXPECT_EQ(desktop.FindWindowExA(parent, third, std::nullopt, std::nullopt), 0u);
  EXPECT_EQ(desktop.FindWindowExA(parent, stranger, std::nullopt, std::nullopt), 0u);
  EXPECT_EQ(desktop.FindWindowExA(first, 0, std::nullopt, std::nullopt), 0u);
  EXPECT_EQ(desktop.FindWindowExA(0, 0, "Host", std::nullopt), parent);
}

TEST_F(DesktopTest, ShowWindowRecordsTheCommandAndReturnsThePreviousVisibility) {
  const Hwnd window = TopLevel("W", "", false);
  EXPECT_FALSE(desktop.ShowWindow(window, win::kSwShowMaximized));
  EXPECT_EQ(desktop.ShowState(window), win::kSwShowMaximized);
  EXPECT_TRUE(desktop.IsWindowVisible(window));
  EXPECT_TRUE(desktop.ShowWindow(window, win::kSwShowMinimized));
  EXPECT_TRUE(desktop.IsWindowVisible(window));
  EXPECT_TRUE(desktop.ShowWindow(window, kSwHide));
  EXPECT_FALSE(desktop.IsWindowVisible(window));
  EXPECT_FALSE(desktop.ShowWindow(window, kSwShow));
  EXPECT_EQ(desktop.ShowState(window), kSwShow);
  EXPECT_FALSE(desktop.ShowWindow(window, 99));
  EXPECT_EQ(desktop.ShowState(window), kSwShow);
}

TEST_F(DesktopTest, ForegroundRaisesTheWindowBelowTheWindowsItOwns) {
  const Hwnd main = TopLevel("XLMAIN");
  const Hwnd dialog = TopLevel("Dialog", "Dlg", true, main);
  const Hwnd other = TopLevel("Other");
  EXPECT_TRUE(desktop.SetForegroundWindow(main));
  EXPECT_EQ(desktop.ForegroundWindow(), main);
  EXPECT_EQ(desktop.ZOrder(), (std::vector<Hwnd>{dialog, main, other}));
  EXPECT_EQ(desktop.GetWindow(main, win::kGwHwndPrev), dialog);
  EXPECT_FALSE(desktop.SetForegroundWindow(0x4242));
  EXPECT_EQ(desktop.ForegroundWindow(), main);
}

TEST_F(DesktopTest, OneWindowUpdateLockAtATime) {
  const Hwnd first = TopLevel("A");
  const Hwnd second = TopLevel("B");
  EXPECT_TRUE(desktop.LockWindowUpdate(first));
  EXPECT_FALSE(desktop.LockWindowUpdate(second));
  EXPECT_EQ(desktop.LockedWindow(), first);
  EXPECT_TRUE(desktop.LockWindowUpdate(0));
  EXPECT_EQ(desktop.LockedWindow(), 0u);
  EXPECT_FALSE(desktop.LockWindowUpdate(0x4242));
  EXPECT_TRUE(desktop.LockWindowUpdate(second));
  desktop.DestroyWindow(second);
  EXPECT_EQ(desktop.LockedWindow(), 0u);
  EXPECT_TRUE(desktop.LockWindowUpdate(first));
}

TEST_F(DesktopTest, MessagePumpsAreCounted) {
  desktop.ProcessMessages();
  desktop.ProcessMessages();
  EXPECT_EQ(desktop.MessagePumps(), 2);
}

TEST_F(DesktopTest, MissingWindowsAnswerNothingAndNeverCrash) {
  const Hwnd gone = TopLevel("Gone");
  desktop.DestroyWindow(gone);
  desktop.DestroyWindow(gone);
  EXPECT_FALSE(desktop.IsWindowVisible(gone));
  EXPECT_FALSE(desktop.IsWindowVisible(0));
  EXPECT_FALSE(desktop.ShowWindow(gone, win::kSwShowMaximized));
  EXPECT_EQ(desktop.GetWindow(gone, win::kGwHwndPrev), 0u);
  EXPECT_EQ(desktop.GetParent(gone), 0u);
  EXPECT_EQ(desktop.SendMessageA(gone, win::kWmClose, 0, 0), 0);
  EXPECT_EQ(desktop.FindWindowExA(gone, 0, std::nullopt, std::nullopt), 0u);
  EXPECT_EQ(desktop.ShowState(gone), 0);
  EXPECT_TRUE(desktop.Children(gone).empty());
  desktop.SetTitle(gone, "x");
  desktop.BringToTop(gone);
  EXPECT_TRUE(desktop.ZOrder().empty());
}

}  // namespace
}  // namespace k27093::platform
