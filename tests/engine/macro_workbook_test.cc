// The macro workbook: the generated "X27093.xls" declares its folder macros in its custom
// properties, and Application.Run finds them only while that workbook is open.
#include <xlsxwriter.h>

#include <filesystem>

#include "engine/application/application_control.h"
#include "engine_fixture.h"

#ifndef K27093_MACRO_WORKBOOK
#error "the tests need the path of the built macro workbook in K27093_MACRO_WORKBOOK"
#endif

namespace k27093::engine::testing {
namespace {

class MacroWorkbookTest : public EngineTest {
 protected:
  // Copies the built macro workbook into the scratch folder (as "X27093.xls") and opens it.
  Ref<xl::Workbook> OpenMacroWorkbook() {
    std::filesystem::copy_file(K27093_MACRO_WORKBOOK, MacroPath(),
                               std::filesystem::copy_options::overwrite_existing);
    return app->Workbooks()->Open(MacroPath());
  }
  std::string MacroPath() const { return folder.File("X27093.xls"); }

  Variant Run(std::string_view macro, std::vector<Variant> arguments = {}) {
    return app->Run(macro, arguments);
  }
  Error RunError(std::string_view macro, std::vector<Variant> arguments = {}) {
    return CaughtError([&] { app->Run(macro, arguments); });
  }

  // Writes a one-sheet workbook at `path` whose custom properties are `properties`.
  static void WriteWorkbookDeclaring(
      const std::string& path, const std::vector<std::pair<std::string, std::string>>& properties) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    ASSERT_NE(workbook, nullptr);
    workbook_add_worksheet(workbook, "Feuil1");
    for (const auto& [name, value] : properties) {
      workbook_set_custom_property_string(workbook, name.c_str(), value.c_str());
    }
    ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);
  }

  static constexpr std::string_view kGetRep = "X27093.xls!module1.GetRep";
  static constexpr std::string_view kChangeRep = "X27093.xls!module1.ChangeRep";
};

TEST_F(MacroWorkbookTest, GetRepReturnsTheCurrentFolderWhileTheWorkbookIsOpen) {
  OpenMacroWorkbook();
  EXPECT_EQ(ToText(Run(kGetRep)), "/travail/");
  Control(app).SetCurrentFolder(folder.path());
  EXPECT_EQ(ToText(Run(kGetRep)), folder.path());
}

TEST_F(MacroWorkbookTest, ChangeRepMakesAFolderCurrentAndTakesGetRepsTextBack) {
  std::filesystem::create_directory(folder.File("sous dossier"));
  OpenMacroWorkbook();
  Run(kChangeRep, {Variant(folder.File("sous dossier/"))});
  EXPECT_EQ(Control(app).CurrentFolder(), folder.File("sous dossier/"));
  Run(kChangeRep, {Variant(folder.path())});
  EXPECT_EQ(Control(app).CurrentFolder(), folder.path());
  const Variant current = Run(kGetRep);
  Run(kChangeRep, {current});
  EXPECT_EQ(ToText(Run(kGetRep)), folder.path());
}

TEST_F(MacroWorkbookTest, ChangeRepEndsTheFolderWithTheSeparator) {
  std::filesystem::create_directory(folder.File("modeles"));
  OpenMacroWorkbook();
  Run(kChangeRep, {Variant(folder.File("modeles"))});
  EXPECT_EQ(ToText(Run(kGetRep)), folder.File("modeles/"));
}

TEST_F(MacroWorkbookTest, ChangeRepToAMissingFolderRaisesPathNotFound) {
  OpenMacroWorkbook();
  const Error error = RunError(kChangeRep, {Variant(folder.File("absent/"))});
  EXPECT_EQ(error.number(), 76);
  EXPECT_EQ(error.description(), "Path not found");
  EXPECT_EQ(RunError(kChangeRep, {Variant("")}).number(), 76);
  EXPECT_EQ(Control(app).CurrentFolder(), "/travail/");
}

TEST_F(MacroWorkbookTest, MacrosCheckTheirArgumentCount) {
  OpenMacroWorkbook();
  EXPECT_EQ(RunError(kChangeRep).number(), 450);
  EXPECT_EQ(RunError(kGetRep, {Variant("/")}).number(), 450);
}

TEST_F(MacroWorkbookTest, MacrosAreUnavailableOnceTheWorkbookIsClosed) {
  OpenMacroWorkbook()->Close(false);
  const Error error = RunError(kGetRep);
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(), "The macro 'X27093.xls!module1.GetRep' cannot be found.");
  EXPECT_EQ(RunError(kChangeRep, {Variant(folder.path())}).number(), 1004);
}

TEST_F(MacroWorkbookTest, APlainWorkbookNamedLikeTheMacroWorkbookDeclaresNothing) {
  WriteSalesWorkbook(MacroPath());
  app->Workbooks()->Open(MacroPath());
  const Error error = RunError(kGetRep);
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(), "The macro 'X27093.xls!module1.GetRep' cannot be found.");
}

TEST_F(MacroWorkbookTest, MacrosDoNotOutliveTheWorkbookThatDeclaredThem) {
  OpenMacroWorkbook()->Close(false);
  WriteSalesWorkbook(MacroPath());
  app->Workbooks()->Open(MacroPath());
  EXPECT_EQ(RunError(kGetRep).number(), 1004);
}

TEST_F(MacroWorkbookTest, OnlyTheDeclaringWorkbookProvidesTheMacros) {
  OpenSales();
  OpenMacroWorkbook();
  EXPECT_EQ(RunError("Ventes.xls!module1.GetRep").number(), 1004);
  EXPECT_EQ(ToText(Run("module1.GetRep")), "/travail/");
}

TEST_F(MacroWorkbookTest, OpeningTheMacroWorkbookLeavesTheFileUnchanged) {
  std::filesystem::copy_file(K27093_MACRO_WORKBOOK, MacroPath());
  const std::string before = FileBytes(MacroPath());
  const auto written = std::filesystem::last_write_time(MacroPath());
  auto workbook = app->Workbooks()->Open(MacroPath());
  Run(kChangeRep, {Variant(folder.path())});
  workbook->Close(false);
  EXPECT_FALSE(before.empty());
  EXPECT_EQ(FileBytes(MacroPath()), before);
  EXPECT_EQ(std::filesystem::last_write_time(MacroPath()), written);
}

TEST_F(MacroWorkbookTest, OnlyNumberedMacroPropertiesDeclareKnownMacros) {
  const std::string path = folder.File("Outils.xls");
  WriteWorkbookDeclaring(path, {{"Macro1", "module1.Inconnue"},
                                {"macro7", " module1.GetRep "},
                                {"Auteur", "module1.ChangeRep"},
                                {"MacroX", "module1.ChangeRep"}});
  app->Workbooks()->Open(path);
  EXPECT_EQ(ToText(Run("Outils.xls!module1.GetRep")), "/travail/");
  EXPECT_EQ(RunError("Outils.xls!module1.Inconnue").number(), 1004);
  EXPECT_EQ(RunError("Outils.xls!module1.ChangeRep", {Variant(folder.path())}).number(), 1004);
}

TEST_F(MacroWorkbookTest, AWorkbookWhosePropertiesAreDamagedDoesNotOpen) {
  std::filesystem::copy_file(K27093_MACRO_WORKBOOK, MacroPath());
  RewritePackageEntry(MacroPath(), "docProps/custom.xml", "<Properties>");
  const Error error = CaughtError([&] { app->Workbooks()->Open(MacroPath()); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find("X27093.xls"), std::string::npos);
  EXPECT_EQ(app->Workbooks()->Count(), 0);
  EXPECT_EQ(RunError(kGetRep).number(), 1004);
}

TEST_F(MacroWorkbookTest, AnyWorkbookNameCanDeclareTheFolderMacros) {
  const std::string path = folder.File("Dossiers.xls");
  WriteWorkbookDeclaring(path, {{"Macro1", "module1.ChangeRep"}});
  app->Workbooks()->Open(path);
  Run("Dossiers.xls!module1.ChangeRep", {Variant(folder.path())});
  EXPECT_EQ(Control(app).CurrentFolder(), folder.path());
  EXPECT_EQ(RunError(kChangeRep, {Variant(folder.path())}).number(), 1004);
}

}  // namespace
}  // namespace k27093::engine::testing
