// The learner's spreadsheet settings: saved when the module provides the spreadsheet, changed
// for each exercise, put back when the client leaves; the toolbars and the task pane.
#include "module/module_fixture.h"

namespace k27093::testing {
namespace {

class UserSettings : public ModuleTest {
 protected:
  // A spreadsheet the learner set up: visible and running, so the module attaches to it.
  Ref<xl::Application> LearnersSpreadsheet() {
    auto application = engine::StartApplication(
        desktop(), &environment_.registry(), {templates_.path(), "Imprimante PDF", work_.path()});
    application->SetVisible(true);
    return application;
  }
  Ref<xl::CommandBar> Bar(const Ref<xl::Application>& application, const Variant& index) {
    return application->CommandBars()->Item(index);
  }
};

TEST_F(UserSettings, QuitterPutsBackTheLearnersSettings) {
  auto learners = LearnersSpreadsheet();
  learners->SetShowToolTips(false);
  learners->SetShowStartupDialog(false);
  learners->SetDisplayCommentIndicator(xl::kCommentAndIndicator);
  testsupport::TemporaryFolder learnersFolder;
  engine::Control(learners).SetCurrentFolder(learnersFolder.path());
  StageModel(401);

  Start(401);  // attaches to the visible spreadsheet and saves its settings
  ASSERT_TRUE(application_.Is(learners));
  EXPECT_TRUE(learners->ShowToolTips());
  EXPECT_EQ(learners->DisplayCommentIndicator(), xl::kNoIndicator);
  EXPECT_EQ(engine::Control(learners).CurrentFolder(), work_.path());

  learners->Workbooks()->Add();  // keeps the spreadsheet open after Quitter
  module_.Quitter(application_, window_);

  EXPECT_FALSE(learners->ShowToolTips());
  EXPECT_FALSE(learners->ShowStartupDialog());
  EXPECT_EQ(learners->DisplayCommentIndicator(), xl::kCommentAndIndicator);
  EXPECT_EQ(engine::Control(learners).CurrentFolder(), learnersFolder.path());
}

TEST_F(UserSettings, OnlyTheFirstEighteenCommandBarsAreRestored) {
  auto learners = LearnersSpreadsheet();
  const std::int32_t count = learners->CommandBars()->Count();
  ASSERT_GT(count, 18);
  StageModel(401);
  Start(401);
  // The exercise changes bars on both sides of the eighteenth.
  for (std::int32_t i : {1, 18, 19, count}) {
    Bar(learners, Variant(i))->SetEnabled(true);
    Bar(learners, Variant(i))->SetVisible(!Bar(learners, Variant(i))->Visible());
  }
  const bool bar19 = Bar(learners, Variant(19))->Visible();
  const bool lastBar = Bar(learners, Variant(count))->Visible();
  // Bars 1 and 18 come back to their saved state: the opposite of what the exercise left.
  const bool bar1 = !Bar(learners, Variant(1))->Visible();
  const bool bar18 = !Bar(learners, Variant(18))->Visible();

  learners->Workbooks()->Add();
  module_.Quitter(application_, window_);

  EXPECT_EQ(Bar(learners, Variant(1))->Visible(), bar1);
  EXPECT_EQ(Bar(learners, Variant(18))->Visible(), bar18);
  EXPECT_EQ(Bar(learners, Variant(19))->Visible(), bar19);
  EXPECT_EQ(Bar(learners, Variant(count))->Visible(), lastBar);
}

TEST_F(UserSettings, InitCommandBarDocksTheMainToolbarsAndLeavesAHiddenDrawingBarAlone) {
  auto learners = LearnersSpreadsheet();
  Bar(learners, Variant("Standard"))->SetPosition(xl::kBarLeft);
  Bar(learners, Variant("Drawing"))->SetVisible(false);
  Bar(learners, Variant("Drawing"))->SetPosition(xl::kBarTop);
  StageModel(401);
  Start(401);
  EXPECT_EQ(Bar(learners, Variant("Standard"))->Position(), xl::kBarTop);
  EXPECT_TRUE(Bar(learners, Variant("Standard"))->Visible());
  EXPECT_EQ(Bar(learners, Variant("Formatting"))->Position(), xl::kBarTop);
  EXPECT_FALSE(Bar(learners, Variant("Drawing"))->Visible());
  EXPECT_EQ(Bar(learners, Variant("Drawing"))->Position(), xl::kBarTop);
  EXPECT_TRUE(Bar(learners, Variant("Drawing"))->Enabled());

  module_.Fermer();
  Bar(learners, Variant("Drawing"))->SetVisible(true);
  StageModel(401);
  Start(401);  // the same exercise again, with the drawing bar now shown
  EXPECT_TRUE(Bar(learners, Variant("Drawing"))->Visible());
  EXPECT_EQ(Bar(learners, Variant("Drawing"))->Position(), xl::kBarBottom);
}

TEST_F(UserSettings, ADisabledTaskPaneIsLeftAloneAndAnEnabledOneFollowsTheLastQuestion) {
  auto learners = LearnersSpreadsheet();
  Bar(learners, Variant("Task Pane"))->SetEnabled(false);
  StageModel(401);
  Start(401);
  EXPECT_FALSE(Bar(learners, Variant("Task Pane"))->Enabled());

  // Enabled and shown while the question was open: the next question shows it too.
  Bar(learners, Variant("Task Pane"))->SetEnabled(true);
  Bar(learners, Variant("Task Pane"))->SetVisible(true);
  module_.Fermer();
  StageModel(401);
  Start(401);
  EXPECT_TRUE(Bar(learners, Variant("Task Pane"))->Visible());
  EXPECT_EQ(Bar(learners, Variant("Task Pane"))->Position(), xl::kBarRight);
}

TEST_F(UserSettings, FermerRestoresCommentIndicatorsAndRemovesTheWorkingCopy) {
  auto learners = LearnersSpreadsheet();
  learners->SetDisplayCommentIndicator(xl::kCommentIndicatorOnly);
  StageModel(401);
  Start(401);
  module_.Fermer();
  EXPECT_EQ(learners->DisplayCommentIndicator(), xl::kCommentIndicatorOnly);
  EXPECT_FALSE(work_.Contains("Ventes.xls"));
  EXPECT_EQ(learners->Workbooks()->Count(), 0);
  EXPECT_EQ(RaisedError([&] { module_.BravoNuance(); }).number(), errors::kNoObject);
}

TEST_F(UserSettings, FermerAfterTheLearnerClosedTheSpreadsheetFailsAtTheTaskPaneStep) {
  StageModel(401);
  Start(401);
  engine::Control(application_).SimulateUserClose();
  const Error error = RaisedError([&] { module_.Fermer(); });
  EXPECT_EQ(error.number(), errors::kServerGone);
  // The question was neither told to close (it keeps its list) nor released (it answers).
  EXPECT_EQ(created_.back()->FichiersDeTravail()->count(), 1);
  EXPECT_FALSE(module_.BravoNuance());
  EXPECT_TRUE(work_.Contains("Ventes.xls"));  // no clean-up without an answer
}

}  // namespace
}  // namespace k27093::testing
