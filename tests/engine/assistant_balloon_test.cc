// The Office Assistant's balloon: a top-level window owned by the main window, with child
// windows, closed by WM_CLOSE with its children.
#include "engine/application/application_control.h"
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

using AssistantBalloonTest = EngineTest;

TEST_F(AssistantBalloonTest, IsAVisibleTopLevelWindowWithChildren) {
  const Hwnd balloon = Control(app).ShowAssistantBalloon();
  EXPECT_EQ(desktop.FindWindowA("MSOBALLOON", std::nullopt), balloon);
  EXPECT_TRUE(desktop.IsWindowVisible(balloon));
  EXPECT_EQ(desktop.GetParent(balloon), Control(app).MainWindow());
  const auto children = desktop.Children(balloon);
  ASSERT_EQ(children.size(), 4u);
  EXPECT_EQ(desktop.FindWindowExA(balloon, 0, std::nullopt, std::nullopt), children[0]);
  EXPECT_EQ(desktop.FindWindowExA(balloon, 0, "Button", std::nullopt), children[2]);
  for (Hwnd child : children) EXPECT_EQ(desktop.GetParent(child), balloon);
}

TEST_F(AssistantBalloonTest, DoesNotBlockCalls) {
  Control(app).ShowAssistantBalloon();
  EXPECT_FALSE(Control(app).HasOpenDialog());
  EXPECT_EQ(app->Windows()->Count(), 0);
}

TEST_F(AssistantBalloonTest, CloseMessageClosesTheBalloonWithItsChildren) {
  const Hwnd balloon = Control(app).ShowAssistantBalloon();
  const auto children = desktop.Children(balloon);
  desktop.SendMessageA(balloon, win::kWmClose, 0, 0);
  EXPECT_FALSE(desktop.Exists(balloon));
  for (Hwnd child : children) EXPECT_FALSE(desktop.Exists(child));
  EXPECT_EQ(desktop.FindWindowA("MSOBALLOON", std::nullopt), 0u);
  EXPECT_TRUE(desktop.Exists(Control(app).MainWindow()));
}

TEST_F(AssistantBalloonTest, ARefusingChildStaysUntilTheBalloonCloses) {
  const Hwnd balloon = Control(app).ShowAssistantBalloon({.childRefusesClose = true});
  const auto children = desktop.Children(balloon);
  for (Hwnd child : children) desktop.SendMessageA(child, win::kWmClose, 0, 0);
  const auto left = desktop.Children(balloon);
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0], children[2]);
  desktop.SendMessageA(balloon, win::kWmClose, 0, 0);
  EXPECT_FALSE(desktop.Exists(balloon));
  EXPECT_FALSE(desktop.Exists(left[0]));
}

TEST_F(AssistantBalloonTest, GoesWithTheApplication) {
  const Hwnd balloon = Control(app).ShowAssistantBalloon();
  app->Quit();
  EXPECT_FALSE(desktop.Exists(balloon));
  EXPECT_EQ(CaughtError([&] { Control(app).ShowAssistantBalloon(); }).number(), 462);
}

}  // namespace
}  // namespace k27093::engine::testing
