// The order of InitQuestion's steps, as the calls it makes on the desktop, the registry, the
// file system, the spreadsheet and the question show it, and its branches that only the
// calls show: the application Prepare hands back, a spreadsheet left without a workbook.
#include <filesystem>

#include "module/recorded_module_fixture.h"

namespace k27093::testing {
namespace {

namespace fs = std::filesystem;

class InitQuestionSteps : public RecordedModuleTest {
 protected:
  std::string Models() const { return templates_.path() + "Norvane Modèles/"; }
  // Gives every question the recorded module creates this Prepare.
  void PrepareWith(RecordingQuestion::PrepareBody body) {
    setUpQuestion_ = [body](RecordingQuestion& question) { question.SetPrepare(body); };
  }
};

TEST_F(InitQuestionSteps, ANewSpreadsheetIsSetUpThenTheQuestionPreparedThenTheWindowArranged) {
  StageModel(401);
  StartRecorded(401);
  const std::string w = HandleText(window_);
  const std::string work = work_.path();
  EXPECT_TRUE(testsupport::AppearInOrder(
      log_.entries(),
      {// 1. No spreadsheet handed in: one is started, shown, its window locked, settings saved.
       "registry CreateObject(Excel.application.11)", "excel Visible = True",
       "desktop LockWindowUpdate(" + w + ")", "excel Run(X27093.xls!module1.GetRep)",
       "excel CommandBars.Count", "excel ShowStartupDialog",
       // 2. A dialog left open; 4. the question.
       "desktop GetWindow(" + w + ", 3)", "question 401 created",
       // 6-7. The models folder, made and waited for.
       "excel TemplatesPath", "files MakeSureDirectoryPathExists(" + Models() + ")",
       "desktop ProcessMessages", "files Exists(" + Models() + ")",
       // 8. Stale copy removed, the model renamed.
       "files Delete(" + work + "Ventes.xls)",
       "files Rename(" + work + "02709301.xls, " + work + "Ventes.xls)",
       // 9-10. Prepare, then its default folder made current.
       "question 401 Prepare(" + work + ", " + Models() + ")", "question 401 PathDossierParDefaut",
       "excel Run(X27093.xls!module1.ChangeRep, " + work + ")",
       // 11-12. Toolbars, tool tips, comment indicators, the window maximised.
       "excel CommandBars(standard).Enabled = True", "excel CommandBars(Task Pane).Visible = False",
       "excel ShowToolTips = True", "excel DisplayCommentIndicator = 0",
       "excel ActiveWindow.WindowState = -4137",
       // 13-15. Workbooks counted, the window shown in front, the exercise workbook activated.
       "excel Workbooks.Count", "desktop IsWindowVisible(" + w + ")",
       "desktop SetForegroundWindow(" + w + ")", "question 401 FichiersDeTravail",
       "excel Workbooks(Ventes.xls).Activate"}));
  EXPECT_EQ(log_.entries().back(), "excel Workbooks(Ventes.xls).Activate");
  EXPECT_EQ(log_.Count("excel Workbooks.Add"), 0);  // a workbook was open at step 13
}

TEST_F(InitQuestionSteps, AHiddenClientSpreadsheetIsAskedThenUnlockedThenQuitBeforeANewOneStarts) {
  auto hidden = engine::StartApplication(desktop(), &environment_.registry(),
                                         {templates_.path(), "Imprimante PDF", work_.path()});
  application_ = recordingRegistry_.Recording(hidden);
  window_ = hidden->Hwnd();
  const std::string h = HandleText(window_);
  StageModel(401);
  StartRecorded(401);
  EXPECT_TRUE(testsupport::AppearInOrder(
      log_.entries(), {"desktop IsWindowVisible(" + h + ")", "desktop FindWindowA(XLMAIN, *)",
                       "excel Windows.Count", "desktop LockWindowUpdate(0x00000000)", "excel Quit",
                       "registry CreateObject(Excel.application.11)", "excel Visible = True",
                       "excel Run(X27093.xls!module1.GetRep)", "question 401 created"}));
  EXPECT_EQ(log_.Count("desktop SendEscapeKey"), 0);  // its window was there: no Escape
}

TEST_F(InitQuestionSteps, PrepareIsGivenTheTemplatesModelsFolderMadeBeforehand) {
  StageModel(403);
  bool madeBeforehand = false;
  PrepareWith([&](Ref<xl::Application>&, std::string_view, std::string_view models,
                  const std::function<void()>& framework) {
    madeBeforehand = fs::is_directory(fs::u8path(std::string(models)));
    framework();
  });
  recorded_.InitQuestion(403, work_.path(), application_, window_, "/somewhere/else/");
  EXPECT_EQ(log_.Count("question 403 Prepare(" + work_.path() + ", " + Models() + ")"), 1);
  EXPECT_TRUE(madeBeforehand);
}

TEST_F(InitQuestionSteps, TheApplicationPrepareHandsBackIsTheOneTheLaterStepsWorkOn) {
  StageModel(401);
  // Prepare opens the workbook in another spreadsheet and hands that one back.
  auto other = engine::StartApplication(desktop(), nullptr,
                                        {templates_.path(), "Imprimante PDF", work_.path()});
  other->SetShowToolTips(false);
  PrepareWith([&](Ref<xl::Application>& application, std::string_view, std::string_view,
                  const std::function<void()>& framework) {
    application = other;
    framework();
  });

  StartRecorded(401);

  EXPECT_TRUE(other->ShowToolTips());
  EXPECT_EQ(other->DisplayCommentIndicator(), xl::kNoIndicator);
  EXPECT_EQ(other->ActiveWindow()->WindowState(), xl::kMaximized);
  EXPECT_EQ(other->ActiveWorkbook()->Name(), "Ventes.xls");
  // The spreadsheet the module started, the client's, got none of it.
  auto started = Engine(application_);
  EXPECT_EQ(started->Workbooks()->Count(), 0);
  EXPECT_EQ(started->DisplayCommentIndicator(), xl::kCommentIndicatorOnly);
}

// With no workbook open, ActiveWindow is Nothing: maximising it fails before step 13 can
// open one, and the error reaches the client untraced, as every error of steps 8 to 12.
TEST_F(InitQuestionSteps, APrepareThatLeavesNoWorkbookOpenStopsInitQuestionAtTheWindowStep) {
  StageModel(401);
  PrepareWith([](Ref<xl::Application>& application, std::string_view, std::string_view,
                 const std::function<void()>& framework) {
    framework();
    application->ActiveWorkbook()->Close(false);
  });
  const Error error = RaisedError([&] { StartRecorded(401); });
  EXPECT_EQ(error.number(), errors::kNoObject);
  EXPECT_EQ(error.source(), "K27093");
  EXPECT_EQ(Entries("excel").back(), "excel DisplayCommentIndicator = 0");
  EXPECT_EQ(Engine(application_)->Workbooks()->Count(), 0);
}

TEST_F(InitQuestionSteps, NoWorkbookLeftAtStep13OpensANewOneAndShowsTheTaskPaneOnTheRight) {
  StageModel(401);
  // The learner closes the exercise workbook right after the window was maximised.
  log_.After("excel ActiveWindow.WindowState = -4137",
             [&] { Engine(application_)->Workbooks()->Item(Variant("Ventes.xls"))->Close(false); });
  const Error error = RaisedError([&] { StartRecorded(401); });

  EXPECT_TRUE(testsupport::AppearInOrder(
      log_.entries(),
      {"excel ActiveWindow.WindowState = -4137", "excel Workbooks.Count", "excel Workbooks.Add",
       "excel ShowStartupDialog = True", "excel CommandBars(Task Pane).Enabled = True",
       "excel CommandBars(Task Pane).Enabled", "excel CommandBars(Task Pane).Position = 2",
       "excel CommandBars(Task pane).Visible = True",
       "desktop IsWindowVisible(" + HandleText(window_) + ")", "question 401 FichiersDeTravail"}));
  auto started = Engine(application_);
  EXPECT_EQ(started->Workbooks()->Count(), 1);
  EXPECT_TRUE(started->ShowStartupDialog());
  auto taskPane = started->CommandBars()->Item(Variant("Task Pane"));
  EXPECT_TRUE(taskPane->Visible());
  EXPECT_EQ(taskPane->Position(), xl::kBarRight);
  // The exercise workbook is not there to activate: step 15 fails, traced.
  EXPECT_EQ(error.number(), errors::kSubscript);
  EXPECT_EQ(error.source().rfind(TracedSource("Module", "InitQuestion", ""), 0), 0u)
      << error.source();
}

}  // namespace
}  // namespace k27093::testing
