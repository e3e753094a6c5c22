// Staging and removing the working copy of an exercise on real folders: stale copies closed
// and deleted, the model renamed, and nothing else on the disk touched.
#include <filesystem>
#include <map>

#include "module/faulty_application.h"
#include "module/module_fixture.h"
#include "questions/question_classes.h"

namespace k27093::testing {
namespace {

namespace fs = std::filesystem;

// The bytes and modification times of every file under the given folders.
std::map<std::string, std::pair<std::string, fs::file_time_type>> Snapshot(
    std::initializer_list<std::string> folders) {
  std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
  for (const std::string& folder : folders) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::u8path(folder))) {
      if (!entry.is_regular_file()) continue;
      const std::string path = entry.path().string();
      files[path] = {testsupport::ReadFileBytes(path), entry.last_write_time()};
    }
  }
  return files;
}

TEST_F(ModuleTest, AStaleReadOnlyCopyOpenUnderAnotherCaseIsClosedAndDeleted) {
  // A copy left by an earlier question, read-only, and open in the spreadsheet under
  // "VENTES.XLS" from another folder.
  testsupport::WriteVentesWorkbook(work_.File("Ventes.xls"));
  fs::permissions(fs::u8path(work_.File("Ventes.xls")), fs::perms::owner_write,
                  fs::perm_options::remove);
  testsupport::TemporaryFolder elsewhere;
  testsupport::WriteVentesWorkbook(elsewhere.File("VENTES.XLS"));
  application_ = engine::StartApplication(desktop(), &environment_.registry(),
                                          {templates_.path(), "Imprimante PDF", work_.path()});
  application_->SetVisible(true);
  window_ = application_->Hwnd();
  application_->Workbooks()->Open(elsewhere.File("VENTES.XLS"));
  StageModel(401);
  const std::string model = testsupport::ReadFileBytes(work_.File("02709301.xls"));

  Start(401);

  EXPECT_EQ(application_->Workbooks()->Count(), 1);
  EXPECT_EQ(application_->Workbooks()->Item(Variant(1))->FullName(), work_.File("Ventes.xls"));
  EXPECT_EQ(testsupport::ReadFileBytes(work_.File("Ventes.xls")), model);
  EXPECT_FALSE(work_.Contains("02709301.xls"));
  EXPECT_TRUE(elsewhere.Contains("VENTES.XLS"));  // only the working folder's copy goes
}

TEST_F(ModuleTest, AMissingModelFileFailsInitQuestionWithTheRenommeTrail) {
  const Error error = RaisedError([&] { Start(404); });
  EXPECT_EQ(error.number(), errors::kFileNotFound);
  EXPECT_EQ(error.source(), TracedSource("Module", "Renomme", "K27093"));
}

TEST_F(ModuleTest, ATakenWorkingNameFailsRenommeAndKeepsBothFiles) {
  StageModel(401);
  // The working name is taken by a folder that Nettoyage cannot delete.
  fs::create_directory(fs::u8path(work_.File("Ventes.xls")));
  testsupport::WriteFileBytes(work_.File("Ventes.xls") + "/inside", "x");
  const Error error = RaisedError([&] { Start(401); });
  EXPECT_EQ(error.number(), errors::kFileExists);
  EXPECT_EQ(error.source(), TracedSource("Module", "Renomme", "K27093"));
  EXPECT_TRUE(work_.Contains("02709301.xls"));
}

// Without a working folder the working files' names would be those of the current folder:
// nothing there is deleted or renamed, Nettoyage refuses the empty folder with 76.
TEST_F(ModuleTest, AnEmptyWorkingFolderIsRefusedBeforeAnyFileIsTouched) {
  StageModel(401);
  testsupport::WriteVentesWorkbook(work_.File("Ventes.xls"));
  const auto before = Snapshot({work_.path()});
  const fs::path current = fs::current_path();
  fs::current_path(fs::u8path(work_.path()));
  const Error error = RaisedError([&] { module_.InitQuestion(401, "", application_, window_); });
  fs::current_path(current);
  EXPECT_EQ(error.number(), errors::kPathNotFound);
  EXPECT_EQ(error.source(), TracedSource("Module", "Nettoyage", "K27093"));
  EXPECT_TRUE(Snapshot({work_.path()}) == before) << "the working folder's files changed";
}

TEST_F(ModuleTest, AnErrorInNettoyageDuringQuitterReachesTheClientWithTwoLevels) {
  auto faulty = std::make_shared<FaultyApplication>(engine::StartApplication(
      desktop(), &environment_.registry(), {templates_.path(), "Imprimante PDF", work_.path()}));
  environment_.registry().RegisterClass(
      {"Excel.application.11", "", Threading::Apartment,
       [weak = std::weak_ptr<FaultyApplication>(faulty)] { return weak.lock(); }});
  StageModel(401);
  Start(401);
  ASSERT_TRUE(application_.get() == faulty.get());
  faulty->SetFault([](std::string_view member) {
    if (member == "Workbooks") Raise(1004, "Workbooks failed", "Microsoft Office Excel");
  });

  const Error error = RaisedError([&] { module_.Quitter(application_, window_); });

  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(), "Workbooks failed");
  EXPECT_EQ(error.source(),
            TracedSource("Module", "Quitter",
                         TracedSource("Module", "Nettoyage", "Microsoft Office Excel")));
  faulty->SetFault({});
}

TEST_F(ModuleTest, AWholeExerciseTwiceLeavesNoFileAndNoSettingBehind) {
  // The learner's own files around the exercise.
  work_.Write("Mes comptes.xls", "the learner's workbook");
  work_.Write("ventes.xls.bak", "a backup");
  templates_.Write("Modèle perso.xlt", "a template");
  const std::string beside = work_.path().substr(0, work_.path().size() - 1) + "Ventes.xls";
  testsupport::WriteFileBytes(beside, "beside the folder");
  const auto before = Snapshot({work_.path(), templates_.path(), moduleFolder_.path()});

  for (int round = 0; round < 2; ++round) {
    StageModel(401);
    Start(401);
    EXPECT_EQ(Verdict(), "own:H");
    module_.Fermer();
  }
  auto application = application_;
  module_.Quitter(application_, window_);

  EXPECT_TRUE(application_.IsNothing());
  auto after = Snapshot({work_.path(), templates_.path(), moduleFolder_.path()});
  EXPECT_EQ(after, before);
  EXPECT_EQ(testsupport::ReadFileBytes(beside), "beside the folder");
  fs::remove(fs::u8path(beside));
}

}  // namespace
}  // namespace k27093::testing

namespace k27093::testing {
namespace {

TEST_F(ModuleTest, AnEntryWithoutSourceNameIsNotRenamedButItsWorkingCopyIsStillRemoved) {
  Module module(environment_.environment(), [](std::int32_t number) {
    auto question = questions::CreateQuestion(number);
    question->FichiersDeTravail()->add("", "Notes.xls", false);
    return question;
  });
  work_.Write("Notes.xls", "stale notes");
  StageModel(401);
  Start(401, module);
  EXPECT_FALSE(work_.Contains("Notes.xls"));
  EXPECT_TRUE(work_.Contains("Ventes.xls"));
}

TEST_F(ModuleTest, WithoutTheMacroWorkbookSavingTheSettingsFailsWithTheGetDirTrail) {
  std::filesystem::remove(std::filesystem::u8path(moduleFolder_.File("X27093.xls")));
  StageModel(401);
  const Error error = RaisedError([&] { Start(401); });
  EXPECT_EQ(error.number(), errors::kApplication);
  EXPECT_EQ(error.source(),
            TracedSource("Module", "SaveParamUser",
                         TracedSource("Module", "GetDir", "Microsoft Office Excel")));
}

TEST_F(ModuleTest, WithoutTheMacroWorkbookAClientSpreadsheetFailsInChangeDir) {
  std::filesystem::remove(std::filesystem::u8path(moduleFolder_.File("X27093.xls")));
  application_ = engine::StartApplication(desktop(), &environment_.registry(),
                                          {templates_.path(), "Imprimante PDF", work_.path()});
  application_->SetVisible(true);
  window_ = application_->Hwnd();
  StageModel(401);
  const Error error = RaisedError([&] { Start(401); });
  EXPECT_EQ(error.source(), TracedSource("Module", "ChangeDir", "Microsoft Office Excel"));
  // The macro workbook could not be opened, so nothing of it stays open.
  EXPECT_EQ(application_->Workbooks()->Count(), 1);
  EXPECT_EQ(application_->Workbooks()->Item(Variant(1))->Name(), "Ventes.xls");
}

}  // namespace
}  // namespace k27093::testing
