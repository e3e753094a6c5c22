// What only the order of the module's calls shows about the spreadsheet's windows, its
// toolbars and the learner's settings: windows closed children first, no Escape typed during
// a check, the task pane's branch of InitCommandBar, and which command bars are restored.
#include "module/recorded_module_fixture.h"

namespace k27093::testing {
namespace {

using platform::WindowSpec;

class ClosingSteps : public RecordedModuleTest {
 protected:
  // The restoring calls on command bars reached by position, in order.
  std::vector<std::string> BarsByPosition() const {
    std::vector<std::string> byPosition;
    for (const std::string& entry : Entries("excel")) {
      constexpr std::string_view kPrefix = "excel CommandBars(";
      if (entry.starts_with(kPrefix) &&
          std::isdigit(static_cast<unsigned char>(entry[kPrefix.size()]))) {
        byPosition.push_back(entry);
      }
    }
    return byPosition;
  }
  // What RestaureParamUser writes to bars 1 to `last`: visibility, then position, bar by bar,
  // with the state `application` had before the exercise.
  static std::vector<std::string> RestoredBars(
      const std::vector<std::pair<bool, std::int32_t>>& saved) {
    std::vector<std::string> restored;
    for (std::size_t i = 0; i < saved.size(); ++i) {
      const std::string bar = "excel CommandBars(" + std::to_string(i + 1) + ")";
      restored.push_back(bar + ".Visible = " + (saved[i].first ? "True" : "False"));
      restored.push_back(bar + ".Position = " + std::to_string(saved[i].second));
    }
    return restored;
  }
  // Visibility and position of bars 1 to `count` of `application`.
  static std::vector<std::pair<bool, std::int32_t>> BarStates(
      const Ref<xl::Application>& application, std::int32_t count) {
    std::vector<std::pair<bool, std::int32_t>> states;
    for (std::int32_t i = 1; i <= count; ++i) {
      auto bar = application->CommandBars()->Item(Variant(i));
      states.emplace_back(bar->Visible(), bar->Position());
    }
    return states;
  }
};

TEST_F(ClosingSteps, FermeFenetreClosesEveryChildBeforeItsParent) {
  StageModel(401);
  StartRecorded(401);
  const Hwnd balloon = desktop().CreateWindow(WindowSpec{"MSOBALLOON", "", window_, 0, true, 0});
  const Hwnd panel = desktop().CreateWindow(WindowSpec{"Panel", "", 0, balloon, true, 0});
  const Hwnd button = desktop().CreateWindow(WindowSpec{"Button", "OK", 0, panel, true, 0});
  const Hwnd close = desktop().CreateWindow(WindowSpec{"Button", "Fermer", 0, balloon, true, 0});
  log_.Clear();

  recorded_.Fermer();

  const auto closing = [](Hwnd window) {
    return "desktop SendMessageA(" + HandleText(window) + ", WM_CLOSE)";
  };
  EXPECT_TRUE(testsupport::AppearInOrder(
      log_.entries(), {closing(button), closing(panel), closing(close), closing(balloon)}));
  EXPECT_EQ(log_.Count(closing(balloon)), 1);
  EXPECT_FALSE(desktop().Exists(balloon));
}

TEST_F(ClosingSteps, ACheckTypesNoEscapeWhenTheMainWindowIsGoneByTheTimeItAsks) {
  StageModel(401);
  StartRecorded(401);
  // The main window goes right after the module brought it to the front: the check then
  // finds no "XLMAIN" window when it asks whether the spreadsheet answers.
  log_.After("desktop SetForegroundWindow(" + HandleText(window_) + ")",
             [&] { desktop().DestroyWindow(window_); });
  log_.Clear();

  EXPECT_EQ(RecordedVerdict(), "own:");

  EXPECT_TRUE(testsupport::AppearInOrder(
      log_.entries(), {"desktop SetForegroundWindow(" + HandleText(window_) + ")",
                       "desktop FindWindowA(XLMAIN, *)", "excel Windows.Count"}));
  EXPECT_EQ(log_.Count("desktop SendEscapeKey"), 0);
  EXPECT_EQ(desktop().EscapeKeysSent(), 0);
}

TEST_F(ClosingSteps, AnEnabledTaskPaneIsDockedOnTheRightThenGetsTheLastQuestionsVisibility) {
  StageModel(401);
  StartRecorded(401);
  EXPECT_EQ(log_.Starting("excel CommandBars(Task Pane)"),
            (std::vector<std::string>{"excel CommandBars(Task Pane).Enabled",
                                      "excel CommandBars(Task Pane).Position = 2",
                                      "excel CommandBars(Task Pane).Visible = False"}));
  EXPECT_EQ(application_->CommandBars()->Item(Variant("Task Pane"))->Position(), xl::kBarRight);
}

TEST_F(ClosingSteps, ADisabledTaskPaneIsNeitherMovedNorShownOrHidden) {
  auto learners = LearnersSpreadsheet();
  Engine(learners)->CommandBars()->Item(Variant("Task Pane"))->SetEnabled(false);
  StageModel(401);
  StartRecorded(401);
  EXPECT_EQ(log_.Starting("excel CommandBars(Task Pane)"),
            (std::vector<std::string>{"excel CommandBars(Task Pane).Enabled"}));
}

TEST_F(ClosingSteps, QuitterRestoresVisibilityThenPositionOfTheFirstEighteenBarsOnly) {
  auto learners = LearnersSpreadsheet();
  auto engine = Engine(learners);
  // The learner's own arrangement of some of the first bars.
  engine->CommandBars()->Item(Variant("Standard"))->SetPosition(xl::kBarLeft);
  engine->CommandBars()->Item(Variant("Formatting"))->SetVisible(false);
  engine->CommandBars()->Item(Variant(7))->SetPosition(xl::kBarBottom);
  engine->CommandBars()->Item(Variant(7))->SetVisible(true);
  const auto saved = BarStates(engine, 18);
  StageModel(401);
  StartRecorded(401);
  engine->Workbooks()->Add();  // keeps the spreadsheet open after Quitter
  log_.Clear();

  recorded_.Quitter(application_, window_);

  EXPECT_EQ(BarsByPosition(), RestoredBars(saved));
  EXPECT_EQ(BarStates(engine, 18), saved);
}

TEST_F(ClosingSteps, WithFewerThanEighteenBarsSavedTheRestoreStopsAfterTheLastOne) {
  auto learners = LearnersSpreadsheet();
  learners->LimitCommandBars(5);
  auto engine = Engine(learners);
  engine->CommandBars()->Item(Variant("Standard"))->SetPosition(xl::kBarLeft);
  const auto saved = BarStates(engine, 5);
  StageModel(401);
  StartRecorded(401);
  engine->Workbooks()->Add();
  log_.Clear();

  recorded_.Quitter(application_, window_);

  EXPECT_EQ(BarsByPosition(), RestoredBars(saved));
  EXPECT_EQ(BarStates(engine, 5), saved);
}

}  // namespace
}  // namespace k27093::testing
