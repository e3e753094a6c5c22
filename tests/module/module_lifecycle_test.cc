#include <filesystem>

#include "engine/application/engine.h"
#include "module/module_fixture.h"
#include "questions/question_classes.h"

namespace k27093::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(ModuleTest, InitQuestionWithoutSpreadsheetStartsOneAndHandsItBack) {
  StageModel(401);
  Start(401);

  ASSERT_FALSE(application_.IsNothing());
  EXPECT_NE(window_, 0u);
  EXPECT_EQ(window_, desktop().FindWindowA("XLMAIN", std::nullopt));
  EXPECT_TRUE(desktop().IsWindowVisible(window_));
  EXPECT_TRUE(application_->Visible());
  ASSERT_EQ(created_.size(), 1u);
  EXPECT_EQ(created_[0]->TypeName(), "Question0401");
  // The model file took its working name and is the active workbook.
  EXPECT_FALSE(work_.Contains("02709301.xls"));
  EXPECT_TRUE(work_.Contains("Ventes.xls"));
  EXPECT_EQ(application_->ActiveWorkbook()->Name(), "Ventes.xls");
  // The spreadsheet is arranged for the exercise.
  EXPECT_TRUE(application_->ShowToolTips());
  EXPECT_EQ(application_->DisplayCommentIndicator(), xl::kNoIndicator);
  EXPECT_EQ(application_->ActiveWindow()->WindowState(), xl::kMaximized);
  EXPECT_EQ(desktop().ForegroundWindow(), window_);
}

TEST_F(ModuleTest, QuitterClosesTheSpreadsheetItStartedWhenNoWorkbookRemains) {
  StageModel(401);
  Start(401);
  const Hwnd started = window_;
  auto startedApplication = application_;

  module_.Quitter(application_, window_);

  EXPECT_TRUE(application_.IsNothing());
  EXPECT_EQ(window_, 0u);
  EXPECT_FALSE(desktop().Exists(started));
  EXPECT_EQ(RaisedError([&] { startedApplication->Workbooks(); }).number(), errors::kServerGone);
  // The working copy was closed and deleted.
  EXPECT_FALSE(work_.Contains("Ventes.xls"));
}

TEST_F(ModuleTest, QuitterMinimisesTheSpreadsheetWhenAWorkbookRemainsOpen) {
  StageModel(401);
  Start(401);
  application_->Workbooks()->Add();
  const Hwnd started = window_;
  auto startedApplication = application_;

  module_.Quitter(application_, window_);

  EXPECT_TRUE(application_.IsNothing());
  ASSERT_TRUE(desktop().Exists(started));
  EXPECT_EQ(desktop().ShowState(started), win::kSwShowMinimized);
  EXPECT_EQ(startedApplication->Workbooks()->Count(), 1);
}

TEST_F(ModuleTest, TheSpreadsheetLeftMinimisedRunsOnAndTheNextClientsModuleAttachesToIt) {
  StageModel(401);
  Start(401);
  application_->Workbooks()->Add();  // the learner's own workbook
  const Hwnd started = window_;
  module_.Quitter(application_, window_);  // minimised, the client's references cleared
  ASSERT_TRUE(application_.IsNothing());

  // The client is gone; a new one starts an exercise without a spreadsheet of its own.
  Module next(environment_.environment());
  StageModel(402);
  Start(402, next);
  EXPECT_EQ(window_, started);
  EXPECT_EQ(application_->Workbooks()->Count(), 2);
  EXPECT_EQ(application_->Workbooks()->Item(Variant(1))->Name(), "Classeur1");
}

TEST_F(ModuleTest, AVisibleClientSpreadsheetIsKeptAndLeftUntouchedByQuitter) {
  auto client = engine::StartApplication(desktop(), &environment_.registry(),
                                         {templates_.path(), "Imprimante PDF", work_.path()});
  client->SetVisible(true);
  client->SetShowToolTips(false);
  application_ = client;
  window_ = client->Hwnd();
  StageModel(401);

  Start(401);
  EXPECT_TRUE(application_.Is(client));
  EXPECT_EQ(window_, client->Hwnd());

  module_.Quitter(application_, window_);
  EXPECT_TRUE(application_.Is(client));  // the client's references are not touched
  EXPECT_EQ(window_, client->Hwnd());
  EXPECT_TRUE(desktop().Exists(client->Hwnd()));
  EXPECT_TRUE(client->ShowToolTips());  // the module's setting stays: nothing was saved
}

TEST_F(ModuleTest, AHiddenClientSpreadsheetIsQuitAndReplacedByAVisibleOne) {
  auto hidden = engine::StartApplication(desktop(), &environment_.registry(),
                                         {templates_.path(), "Imprimante PDF", work_.path()});
  const Hwnd hiddenWindow = hidden->Hwnd();
  application_ = hidden;
  window_ = hiddenWindow;
  StageModel(401);

  Start(401);

  EXPECT_FALSE(application_.Is(hidden));
  EXPECT_TRUE(application_->Visible());
  EXPECT_NE(window_, hiddenWindow);
  EXPECT_FALSE(desktop().Exists(hiddenWindow));
  EXPECT_EQ(RaisedError([&] { hidden->Workbooks(); }).number(), errors::kServerGone);
  // The module saved the settings of the replacement: Quitter closes it.
  auto replacement = application_;
  module_.Quitter(application_, window_);
  EXPECT_TRUE(application_.IsNothing());
  EXPECT_EQ(RaisedError([&] { replacement->Workbooks(); }).number(), errors::kServerGone);
}

TEST_F(ModuleTest, NumbersOutsideTheChapterFailInNettoyageWithOneLevel) {
  for (std::int32_t number : {400, 422}) {
    Module module(environment_.environment());
    const Error error = RaisedError([&] { Start(number, module); });
    EXPECT_EQ(error.number(), errors::kNoObject);
    EXPECT_EQ(error.description(), "Object variable or With block variable not set");
    EXPECT_EQ(error.source(), TracedSource("Module", "Nettoyage", "K27093"));
    // No question: its members fail with 91.
    EXPECT_EQ(RaisedError([&] { module.CauseErreur(); }).number(), errors::kNoObject);
  }
}

TEST_F(ModuleTest, ASecondInitQuestionClosesTheFirstQuestion) {
  StageModel(401);
  Start(401);
  StageModel(402, {});

  Start(402);

  ASSERT_EQ(created_.size(), 2u);
  auto first = created_[0];
  EXPECT_EQ(created_[1]->TypeName(), "Question0402");
  // The first question was told to close: its lists were released.
  EXPECT_EQ(first->FichiersDeTravail()->count(), 0);
  EXPECT_EQ(application_->Workbooks()->Count(), 1);
  EXPECT_FALSE(work_.Contains("02709302.xls"));
}

TEST_F(ModuleTest, TheModelsFolderComesFromTheTemplatesFolderAndExistsBeforePrepare) {
  // No model file: Prepare cannot open the workbook, after the models folder was made.
  const Error error = RaisedError(
      [&] { module_.InitQuestion(403, work_.path(), application_, window_, "/somewhere/else/"); });
  EXPECT_TRUE(fs::is_directory(fs::u8path(templates_.path() + "Norvane Modèles/")));
  EXPECT_EQ(error.source().rfind(TracedSource("Module", "Renomme", ""), 0), 0u) << error.source();
}

TEST_F(ModuleTest, PrepareFailingToOpenTheWorkbookReachesTheClientWithOneLevel) {
  // The model file is there but is not a workbook: Renomme stages it, Prepare cannot open it.
  work_.Write("02709305.xls", "not a workbook");
  const Error error = RaisedError([&] { Start(405); });
  EXPECT_EQ(error.number(), errors::kApplication);
  EXPECT_EQ(error.source(), TracedSource("Question0405", "Prepare", "Microsoft Office Excel"));
  EXPECT_NE(error.description().find("Ventes.xls"), std::string::npos) << error.description();
  // State set before stays: the question is kept and answers.
  ASSERT_EQ(created_.size(), 1u);
  EXPECT_EQ(created_[0]->TypeName(), "Question0405");
  EXPECT_FALSE(module_.BravoNuance());
}

TEST_F(ModuleTest, AWorkingFolderWithoutItsSeparatorKeepsFilesBesideItSafe) {
  // A file beside the working folder, named like the working folder plus the working file.
  const std::string folder = work_.path().substr(0, work_.path().size() - 1);
  const std::string beside = folder + "Ventes.xls";
  testsupport::WriteFileBytes(beside, "the learner's own file");
  StageModel(401);

  module_.InitQuestion(401, folder, application_, window_);
  EXPECT_EQ(application_->ActiveWorkbook()->FullName(), work_.File("Ventes.xls"));
  module_.Fermer();

  EXPECT_EQ(testsupport::ReadFileBytes(beside), "the learner's own file");
  fs::remove(fs::u8path(beside));
}

TEST_F(ModuleTest, FermerWithoutAQuestionFailsWith91) {
  EXPECT_EQ(RaisedError([&] { module_.Fermer(); }).number(), errors::kNoObject);
}

TEST_F(ModuleTest, PropertiesWithoutAQuestionFailWith91ButErreurGeneraleAnswers) {
  EXPECT_FALSE(module_.ErreurGenerale());
  EXPECT_EQ(RaisedError([&] { module_.CauseErreur(); }).number(), errors::kNoObject);
  EXPECT_EQ(RaisedError([&] { module_.BravoNuance(); }).number(), errors::kNoObject);
  EXPECT_EQ(RaisedError([&] { module_.Complement(); }).number(), errors::kNoObject);
}

TEST_F(ModuleTest, ReleasingTheModuleClosesItsQuestionOnly) {
  StageModel(401);
  Ref<questions::Question> question;
  {
    Module module(environment_.environment(), [&](std::int32_t number) {
      return question = questions::CreateQuestion(number);
    });
    Start(401, module);
  }
  EXPECT_EQ(question->FichiersDeTravail()->count(), 0);  // told to close
  EXPECT_TRUE(desktop().Exists(window_));                // the spreadsheet stays
  EXPECT_EQ(application_->Workbooks()->Count(), 1);      // and so does the workbook
}

TEST(ModuleRegistration, TheRegistryCreatesModulesByProgIdAndClassId) {
  testsupport::TemporaryFolder templates;
  client::EmbeddedEnvironment environment({templates.path(), "", "", ""});
  const auto* registration = environment.registry().Find("k27093.module");
  ASSERT_NE(registration, nullptr);
  EXPECT_EQ(registration->threading, Threading::Apartment);
  auto created = environment.registry().CreateObject("K27093.Module");
  EXPECT_NE(dynamic_cast<AbstractModule*>(created.get()), nullptr);
  auto byClassId = environment.registry().CreateObject("{957FABBC-B071-4CBD-83B8-99FB236AE1D2}");
  EXPECT_NE(dynamic_cast<Module*>(byClassId.get()), nullptr);
}

}  // namespace
}  // namespace k27093::testing

namespace k27093::testing {
namespace {

TEST_F(ModuleTest, AModelsFolderThatCannotBeMadeFailsInitQuestionInsteadOfWaitingForEver) {
  templates_.Write("Norvane Modèles", "a file where the folder should be");
  StageModel(401);
  const Error error = RaisedError([&] { Start(401); });
  EXPECT_EQ(error.number(), errors::kPathFileAccess);
  EXPECT_NE(error.description().find(templates_.path() + "Norvane Modèles/"), std::string::npos)
      << error.description();
  EXPECT_EQ(error.source(), TracedSource("Module", "InitQuestion", "K27093"));
  EXPECT_TRUE(work_.Contains("02709301.xls"));  // nothing was staged
}

}  // namespace
}  // namespace k27093::testing
