// The `k27093 check` command, run as a program on fixture workbooks: verdicts and exit
// statuses, errors, bad usage, JSON shape, and that a run changes nothing outside itself.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/run_program.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::ProgramResult;
using testsupport::RunProgram;
using testsupport::TemporaryFolder;
using testsupport::VentesOptions;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

// The traced source of error 91 met in Nettoyage, as text output shows it: LF and CR escaped.
constexpr std::string_view kNettoyageSourceText =
    "Source: DLL K27093 - CLASSE Module\\n\\r - SERVICE Nettoyage - OBJET K27093\n";

// The printed verdicts without the explanation that follows each fault code (" — ...").
std::string WithoutExplanation(const std::string& out) {
  std::string kept;
  std::size_t start = 0;
  while (start < out.size()) {
    std::size_t end = out.find('\n', start);
    if (end == std::string::npos) end = out.size();
    const std::string line = out.substr(start, end - start);
    kept += line.substr(0, line.find(" — ")) + (end < out.size() ? "\n" : "");
    start = end + 1;
  }
  return kept;
}

VentesOptions WithChart(const testsupport::FixtureChart& chart = {}) {
  VentesOptions options;
  options.sheets.front().charts.push_back(chart);
  return options;
}

struct FileState {
  std::string bytes;
  timespec modified{};
  mode_t mode = 0;
};

FileState StateOf(const std::string& path) {
  struct stat status {};
  EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
  return {testsupport::ReadFileBytes(path), status.st_mtim, status.st_mode};
}

void ExpectSameState(const FileState& before, const FileState& after) {
  EXPECT_EQ(after.bytes, before.bytes);
  EXPECT_EQ(after.modified.tv_sec, before.modified.tv_sec);
  EXPECT_EQ(after.modified.tv_nsec, before.modified.tv_nsec);
  EXPECT_EQ(after.mode, before.mode);
}

class CheckCommand : public ::testing::Test {
 protected:
  std::string WriteVentes(const VentesOptions& options = {}, std::string name = "Ventes.xls") {
    std::string path = folder_.File(name);
    testsupport::WriteVentesWorkbook(path, options);
    return path;
  }

  // Runs the command with its temporary folder set to `temporary_`.
  ProgramResult Check(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {kCommand, "check"});
    return RunProgram(arguments, {{"TMPDIR", temporary_.path()}});
  }

  json CheckJson(const std::string& exercise, const std::string& path, int expectedStatus) {
    ProgramResult result = Check({exercise, path, "--json"});
    EXPECT_EQ(result.status, expectedStatus) << result.out << result.err;
    return json::parse(result.out);
  }

  void TearDown() override { EXPECT_EQ(temporary_.EntryCount(), 0) << "a working folder was left"; }

  TemporaryFolder folder_;
  TemporaryFolder temporary_;
};

// Needs the chart loader: until charts are read from files, these workbooks show no chart.
TEST_F(CheckCommand, TheRightChartPassesWithExit0) {
  ProgramResult result = Check({"401", WriteVentes(WithChart())});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "401: pass\n");
  EXPECT_TRUE(result.err.empty()) << result.err;
}

TEST_F(CheckCommand, TheRightChartPassesWithAnEmptyCauseInJson) {
  json verdict = CheckJson("401", WriteVentes(WithChart()), 0);
  EXPECT_EQ(verdict["ErreurGenerale"], false);
  EXPECT_EQ(verdict["CauseErreur"], json(""));
  EXPECT_EQ(verdict["Complement"], json::array());
}

TEST_F(CheckCommand, StackedColumnsGiveTheOwnFaultA) {
  testsupport::FixtureChart chart;
  chart.type = testsupport::FixtureChartType::kColumnStacked;
  ProgramResult result = Check({"401", WriteVentes(WithChart(chart))});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(WithoutExplanation(result.out), "401: fault A\n");
}

TEST_F(CheckCommand, SeriesInColumnsGiveTheOwnFaultB) {
  testsupport::FixtureChart chart;
  chart.seriesInRows = false;
  ProgramResult result = Check({"401", WriteVentes(WithChart(chart))});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(WithoutExplanation(result.out), "401: fault B\n");
}
// (end of the tests that need the chart loader)

TEST_F(CheckCommand, AnEmptyFirstSheetGivesTheOwnFaultHWithExit1) {
  ProgramResult result = Check({"401", WriteVentes()});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(WithoutExplanation(result.out), "401: fault H\n");
  EXPECT_TRUE(result.err.empty()) << result.err;
}

TEST_F(CheckCommand, TheFaultIsExplainedInFrenchOrInEnglish) {
  const std::string workbook = WriteVentes();
  EXPECT_EQ(Check({"401", workbook}).out,
            "401: fault H — Aucun graphique n'a été créé sur la feuille « Année N ».\n");
  EXPECT_EQ(Check({"401", workbook, "--lang", "en"}).out,
            "401: fault H — No chart was made on the sheet \"Année N\".\n");
  EXPECT_EQ(CheckJson("401", workbook, 1)["explanation"],
            "Aucun graphique n'a été créé sur la feuille « Année N ».");
}

TEST_F(CheckCommand, AThirdSheetGivesTheGeneralFaultGWithExit2) {
  VentesOptions options;
  options.sheets.push_back({.name = "Brouillon", .withTable = false, .marker = std::nullopt});
  ProgramResult result = Check({"401", WriteVentes(options)});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(WithoutExplanation(result.out), "401: general fault G\n");
}

TEST_F(CheckCommand, SwappedSheetsGiveTheGeneralFaultH) {
  VentesOptions options;
  std::swap(options.sheets[0], options.sheets[1]);
  ProgramResult result = Check({"401", WriteVentes(options)});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(WithoutExplanation(result.out), "401: general fault H\n");
}

TEST_F(CheckCommand, WithoutPrinterOptionTheMachineHasNoPrinter) {
  // Exercise 420's structure check answers #BA for a spreadsheet without a printer.
  ProgramResult result = Check({"420", WriteVentes()});
  EXPECT_EQ(result.status, 2) << result.out << result.err;
  EXPECT_EQ(WithoutExplanation(result.out), "420: general fault #BA\n");
}

TEST_F(CheckCommand, ThePrinterOptionGivesTheSpreadsheetThatPrinter) {
  // With a printer the check goes on: the sheet of exercise 420 has no chart (J).
  ProgramResult result = Check({"420", WriteVentes(), "--printer", "Imprimante du bureau"});
  EXPECT_EQ(result.status, 2) << result.out << result.err;
  EXPECT_EQ(WithoutExplanation(result.out), "420: general fault J\n");
}

TEST_F(CheckCommand, AnotherExerciseIsStagedUnderItsOwnModelName) {
  // 402 needs one chart on the first sheet: the structure check answers J, which it can only
  // do once the copy named 02709302.xls became the working workbook.
  ProgramResult result = Check({"402", WriteVentes()});
  EXPECT_EQ(result.status, 2) << result.err;
  EXPECT_EQ(WithoutExplanation(result.out), "402: general fault J\n");
}

TEST_F(CheckCommand, JsonOfAFaultIsOneLineWithExactlyTheVerdictKeysInOrder) {
  ProgramResult result = Check({"401", WriteVentes(), "--json"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << result.out;
  auto verdict = nlohmann::ordered_json::parse(result.out);
  std::vector<std::string> keys;
  for (const auto& [key, value] : verdict.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"exercise", "ErreurGenerale", "CauseErreur",
                                            "explanation", "BravoNuance", "Complement", "error"}));
  EXPECT_EQ(verdict["exercise"], 401);
  EXPECT_TRUE(verdict["exercise"].is_number_integer());
  EXPECT_EQ(verdict["ErreurGenerale"], false);
  EXPECT_EQ(verdict["CauseErreur"], "H");
  EXPECT_EQ(verdict["BravoNuance"], false);
  EXPECT_EQ(verdict["Complement"], nlohmann::ordered_json::array());
  EXPECT_TRUE(verdict["error"].is_null());
}

TEST_F(CheckCommand, JsonOfAGeneralFaultSaysSo) {
  VentesOptions options;
  options.sheets[1].marker = "Repère modifié";
  json verdict = CheckJson("401", WriteVentes(options), 2);
  EXPECT_EQ(verdict["ErreurGenerale"], true);
  EXPECT_EQ(verdict["CauseErreur"], "D");
  EXPECT_TRUE(verdict["error"].is_null());
}

TEST_F(CheckCommand, AMissingWorkbookExitsWith3AndNamesIt) {
  ProgramResult result = Check({"401", folder_.File("Absent.xls")});
  EXPECT_EQ(result.status, 3);
  EXPECT_TRUE(result.out.empty()) << result.out;
  EXPECT_EQ(result.err,
            "Error 53: File not found: " + folder_.File("Absent.xls") + "\nSource: K27093\n");
}

TEST_F(CheckCommand, AGarbageWorkbookExitsWith3WithTheTracedSpreadsheetError) {
  std::string path = folder_.Write("Ventes.xls", "This is not a workbook at all.\n");
  ProgramResult result = Check({"401", path});
  EXPECT_EQ(result.status, 3);
  EXPECT_TRUE(result.out.empty()) << result.out;
  EXPECT_EQ(result.err.rfind("Error 1004: ", 0), 0u) << result.err;
  EXPECT_NE(result.err.find("\nSource: DLL K27093 - CLASSE Question0401\\n\\r - SERVICE Prepare "
                            "- OBJET Microsoft Office Excel\n"),
            std::string::npos)
      << result.err;
  EXPECT_EQ(folder_.Read("Ventes.xls"), "This is not a workbook at all.\n");
}

TEST_F(CheckCommand, DamagedWorkbooksExitWith3AndADamagedDrawingIsLeftOut) {
  const std::string whole = testsupport::ReadFileBytes(WriteVentes(WithChart()));
  for (std::size_t length : {whole.size() / 2, whole.size() - 1, std::size_t{30}}) {
    std::string path = folder_.Write("Tronqué.xls", whole.substr(0, length));
    ProgramResult result = Check({"401", path});
    EXPECT_EQ(result.status, 3) << length << result.err;
    EXPECT_EQ(result.err.rfind("Error 1004: ", 0), 0u) << result.err;
  }
  // Bytes flipped inside the compressed data of a part, found by its name in its local header.
  const auto corrupted = [&](const std::string& part) {
    std::string bytes = whole;
    const std::size_t data = bytes.find(part) + part.size() + 40;
    for (std::size_t i = data; i < data + 64; ++i) bytes[i] ^= 0x5A;
    return bytes;
  };
  // The sheet the check reads: the workbook cannot be opened.
  ProgramResult result =
      Check({"401", folder_.Write("Abîmé.xls", corrupted("xl/worksheets/sheet1.xml"))});
  EXPECT_EQ(result.status, 3) << result.err;
  EXPECT_NE(result.err.find("damaged"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("sheet1.xml"), std::string::npos) << result.err;
  // The sheet's drawing: the workbook opens without it, and the check grades what is left.
  result = Check({"401", folder_.Write("Sans dessin.xls", corrupted("xl/drawings/drawing1.xml"))});
  EXPECT_EQ(result.status, 1) << result.err;
}

// The learner reads of the file they gave, not of the private copy that is already gone.
TEST_F(CheckCommand, AnErrorNamesTheLearnersFileNotItsPrivateCopy) {
  const std::string path = folder_.Write("Abîmé.xls", "garbage");
  const ProgramResult result = Check({"401", path});
  EXPECT_EQ(result.status, 3);
  EXPECT_NE(result.err.find("'" + path + "' is not a workbook"), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find("02709301.xls"), std::string::npos) << result.err;
}

TEST_F(CheckCommand, JsonOfAnErrorHasNullVerdictAndTheRawSource) {
  std::string path = folder_.Write("Ventes.xls", "garbage");
  json answer = CheckJson("401", path, 3);
  EXPECT_EQ(answer["exercise"], 401);
  for (const char* key : {"ErreurGenerale", "CauseErreur", "BravoNuance", "Complement"}) {
    EXPECT_TRUE(answer[key].is_null()) << key;
  }
  ASSERT_TRUE(answer["error"].is_object());
  EXPECT_EQ(answer["error"]["number"], 1004);
  EXPECT_TRUE(answer["error"]["description"].is_string());
  EXPECT_EQ(
      answer["error"]["source"],
      "DLL K27093 - CLASSE Question0401\n\r - SERVICE Prepare - OBJET Microsoft Office Excel");
  EXPECT_EQ(answer["error"].size(), 3u);
}

class UnknownExercise : public CheckCommand, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnknownExercise, IsRunAndAnsweredByTheModuleWithError91FromNettoyage) {
  ProgramResult result = Check({GetParam(), WriteVentes()});
  EXPECT_EQ(result.status, 3);
  EXPECT_TRUE(result.out.empty()) << result.out;
  EXPECT_EQ(result.err, "Error 91: Object variable or With block variable not set\n" +
                            std::string(kNettoyageSourceText));
  EXPECT_EQ(result.err.find('\r'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(OutsideTheChapter, UnknownExercise, ::testing::Values("400", "422", "0"));

TEST_F(CheckCommand, UnknownExerciseInJsonCarriesTheTracedSource) {
  json answer = CheckJson("422", WriteVentes(), 3);
  EXPECT_EQ(answer["exercise"], 422);
  EXPECT_EQ(answer["error"]["number"], 91);
  EXPECT_EQ(answer["error"]["source"],
            "DLL K27093 - CLASSE Module\n\r - SERVICE Nettoyage - OBJET K27093");
}

class NonNumericExercise : public CheckCommand,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(NonNumericExercise, IsBadUsage) {
  ProgramResult result = Check({GetParam(), WriteVentes()});
  EXPECT_EQ(result.status, 64);
  EXPECT_TRUE(result.out.empty()) << result.out;
  EXPECT_FALSE(result.err.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, NonNumericExercise,
                         ::testing::Values("quatre-cent-un", "401x", "4.01", " 401", "",
                                           "99999999999"));

TEST_F(CheckCommand, MissingArgumentsAreBadUsage) {
  EXPECT_EQ(Check({}).status, 64);
  EXPECT_EQ(Check({"401"}).status, 64);
  EXPECT_EQ(Check({"401", WriteVentes(), "--yaml"}).status, 64);
}

TEST_F(CheckCommand, HelpNamesTheArgumentsAndTheOption) {
  ProgramResult result = RunProgram({kCommand, "check", "--help"});
  EXPECT_EQ(result.status, 0);
  for (const char* word : {"EXERCISE", "WORKBOOK", "--json"}) {
    EXPECT_NE(result.out.find(word), std::string::npos) << word << "\n" << result.out;
  }
}

TEST_F(CheckCommand, NeverChangesTheLearnersFileNorItsFolder) {
  std::string path = WriteVentes(WithChart());
  FileState before = StateOf(path);
  ASSERT_LE(Check({"401", path}).status, 1);
  ExpectSameState(before, StateOf(path));
  EXPECT_EQ(folder_.EntryCount(), 1);
}

TEST_F(CheckCommand, GradesAReadOnlyFileAndLeavesItReadOnly) {
  std::string path = WriteVentes();
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  FileState before = StateOf(path);
  ProgramResult result = Check({"401", path});
  EXPECT_EQ(result.status, 1) << result.err;
  ExpectSameState(before, StateOf(path));
}

TEST_F(CheckCommand, CreatesNothingInTheUsersFoldersEvenOnError) {
  std::string path = WriteVentes();
  TemporaryFolder home;
  TemporaryFolder current;
  for (const std::string exercise : {"401", "422"}) {
    ProgramResult result =
        RunProgram({kCommand, "check", exercise, path},
                   {{"TMPDIR", temporary_.path()}, {"HOME", home.path()}}, current.path());
    EXPECT_NE(result.status, 64) << result.err;
    EXPECT_EQ(home.EntryCount(), 0) << exercise;
    EXPECT_EQ(current.EntryCount(), 0) << exercise;
    EXPECT_EQ(temporary_.EntryCount(), 0) << exercise;
  }
  EXPECT_EQ(folder_.EntryCount(), 1);
}

TEST_F(CheckCommand, RelativePathIsTakenFromTheCurrentFolder) {
  WriteVentes({}, "Mon classeur.xls");
  ProgramResult result = RunProgram({kCommand, "check", "401", "Mon classeur.xls"},
                                    {{"TMPDIR", temporary_.path()}}, folder_.path());
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(WithoutExplanation(result.out), "401: fault H\n");
}

TEST(CheckCommandLayout, TheBuildPutsTheMacroWorkbookBesideTheCommand) {
  EXPECT_TRUE(std::filesystem::is_regular_file(K27093_BINARY_DIR "/X27093.xls"));
}

// An installed command finds the macro workbook beside itself, wherever it is.
TEST_F(CheckCommand, ACopiedCommandUsesTheMacroWorkbookBesideItself) {
  namespace fs = std::filesystem;
  TemporaryFolder installed;
  fs::copy_file(kCommand, installed.File("k27093"));
  std::string path = WriteVentes();

  ProgramResult alone =
      RunProgram({installed.File("k27093"), "check", "401", path}, {{"TMPDIR", temporary_.path()}});
  EXPECT_EQ(alone.status, 3);
  EXPECT_NE(alone.err.find(installed.File("X27093.xls")), std::string::npos) << alone.err;

  fs::copy_file(K27093_BINARY_DIR "/X27093.xls", installed.File("X27093.xls"));
  ProgramResult beside =
      RunProgram({installed.File("k27093"), "check", "401", path}, {{"TMPDIR", temporary_.path()}});
  EXPECT_EQ(beside.status, 1) << beside.err;
  EXPECT_EQ(WithoutExplanation(beside.out), "401: fault H\n");
}

}  // namespace
}  // namespace k27093

namespace k27093 {
namespace {

// A verdict as the command gives it: exit status, general fault, cause.
struct Verdict {
  int status;
  bool general;
  const char* cause;
};

struct SavedByAnotherProgram {
  const char* file;
  const char* exercise;
  int status;
  bool general;
  const char* cause;
  const char* printer = nullptr;  // the machine's printer; none when null
  // The verdict of the workbook's .xls copy where LibreOffice's "MS Excel 97" filter changed
  // what decides it; none: the workbook's own verdict.
  std::optional<Verdict> xls = std::nullopt;
};

void PrintTo(const SavedByAnotherProgram& saved, std::ostream* out) {
  *out << saved.file << " as " << saved.exercise;
}

// What the filter changes, by the records of the copies:
// a chart's text box is written as a rectangle with text (OBJ type 2, shape type 1 with a TXO
// record; Excel writes OBJ type 6): the chart has no text box, so 414 and 415 give A.
constexpr Verdict kTextBoxWrittenAsRectangle{1, false, "A"};
// a chart's shapes are anchored in 1/4000 of the chart area (the text box's top 3055/4000 of
// 146.19 pt, 111.65 pt), on a chart object narrowed by the columns' widths (COLINFO 2186, 60
// pixels by Excel's rule): 416's exact places are lost and it gives B.
constexpr Verdict kPlacesInChartUnits{1, false, "B"};

class CheckOfCommittedFiles : public CheckCommand,
                              public ::testing::WithParamInterface<SavedByAnotherProgram> {
 protected:
  // Grades the committed workbook `file` as the test's parameter says and expects `expected`.
  void ExpectVerdict(const std::string& file, const Verdict& expected) {
    const SavedByAnotherProgram& saved = GetParam();
    const std::string path = std::string(K27093_TEST_DATA "/") + file;
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    const std::string before = testsupport::ReadFileBytes(path);
    std::vector<std::string> arguments = {saved.exercise, path, "--json"};
    if (saved.printer != nullptr) arguments.insert(arguments.end(), {"--printer", saved.printer});
    ProgramResult result = Check(arguments);
    EXPECT_EQ(result.status, expected.status) << result.out << result.err;
    json answer = json::parse(result.out);
    EXPECT_EQ(answer["ErreurGenerale"], expected.general);
    EXPECT_EQ(answer["CauseErreur"], expected.cause);
    EXPECT_EQ(testsupport::ReadFileBytes(path), before);
  }
};

TEST_P(CheckOfCommittedFiles, GivesTheVerdictOfTheWorkbookAsSaved) {
  const SavedByAnotherProgram& saved = GetParam();
  ExpectVerdict(saved.file, {saved.status, saved.general, saved.cause});
}

// The same workbook saved again by LibreOffice Calc in the binary 97-2003 format: the same
// verdict, or the copy's own where the filter changed what decides it.
TEST_P(CheckOfCommittedFiles, GivesTheSameVerdictToTheWorkbookSavedAsXls) {
  const SavedByAnotherProgram& saved = GetParam();
  const std::string copy =
      "xls/" + std::filesystem::path(saved.file).replace_extension(".xls").string();
  ExpectVerdict(copy, saved.xls.value_or(Verdict{saved.status, saved.general, saved.cause}));
}

INSTANTIATE_TEST_SUITE_P(
    Exercise401, CheckOfCommittedFiles,
    ::testing::Values(SavedByAnotherProgram{"libreoffice-401-right.xlsx", "401", 0, false, ""},
                      SavedByAnotherProgram{"libreoffice-401-stacked.xlsx", "401", 1, false, "A"},
                      SavedByAnotherProgram{"libreoffice-401-columns.xlsx", "401", 1, false, "B"},
                      SavedByAnotherProgram{"libreoffice-401-third-sheet.xlsx", "401", 2, true,
                                            "G"}));

// The sample workbooks of 402 to 410 opened and saved again by LibreOffice Calc.
INSTANTIATE_TEST_SUITE_P(
    Exercises402To410, CheckOfCommittedFiles,
    ::testing::Values(
        SavedByAnotherProgram{"libreoffice-403-cell-selected.xlsx", "403", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-403-other-sheet-active.xlsx", "403", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-404-right.xlsx", "404", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-404-title-with-year.xlsx", "404", 1, false, "C"},
        SavedByAnotherProgram{"libreoffice-404-untitled.xlsx", "404", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-405-right.xlsx", "405", 0, false, ""},
        // Without a title, and its text in the theme's Calibri, which LibreOffice wrote out.
        SavedByAnotherProgram{"libreoffice-405-untitled.xlsx", "405", 1, false, "D"},
        SavedByAnotherProgram{"libreoffice-402-original-size.xlsx", "402", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-406-right.xlsx", "406", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-406-legend-right.xlsx", "406", 1, false, "C"},
        SavedByAnotherProgram{"libreoffice-407-no-legend.xlsx", "407", 1, false, "D"},
        SavedByAnotherProgram{"libreoffice-407-resized.xlsx", "407", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-408-right.xlsx", "408", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-408-category-minor.xlsx", "408", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-408-unchanged.xlsx", "408", 1, false, "C"},
        SavedByAnotherProgram{"libreoffice-409-right.xlsx", "409", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-409-unit-500.xlsx", "409", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-409-automatic-unit.xlsx", "409", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-410-right.xlsx", "410", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-410-minor-tick-marks.xlsx", "410", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-410-unchanged.xlsx", "410", 1, false, "A"}));

// The sample workbooks of 411, 412, 419 and 420 opened and saved again by LibreOffice Calc.
INSTANTIATE_TEST_SUITE_P(
    Exercises411To420, CheckOfCommittedFiles,
    ::testing::Values(
        SavedByAnotherProgram{"libreoffice-411-right.xlsx", "411", 0, false, ""},
        // LibreOffice states a colour of its own for every series: the fourth is 8064A2.
        SavedByAnotherProgram{"libreoffice-411-automatic-colour.xlsx", "411", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-411-fourth-ccffff.xlsx", "411", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-411-five-series.xlsx", "411", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-411-bars.xlsx", "411", 1, false, "C"},
        SavedByAnotherProgram{"libreoffice-412-right.xlsx", "412", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-412-no-categories.xlsx", "412", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-412-four-series.xlsx", "412", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-412-row-9.xlsx", "412", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-412-categories-f4.xlsx", "412", 1, false, "C"},
        // The copy's chart has no DAT record: the filter leaves the data table out.
        SavedByAnotherProgram{"libreoffice-419-right.xlsx", "419", 0, false, "", nullptr,
                              Verdict{1, false, "A"}},
        SavedByAnotherProgram{"libreoffice-419-no-data-table.xlsx", "419", 1, false, "A"},
        // The copy's PRINTSIZE is 3 (the CHART record's size, xlScreenSize), which a package
        // cannot state: the copy passes.
        SavedByAnotherProgram{"libreoffice-420-default-size.xlsx", "420", 1, false, "A", "PDF",
                              Verdict{0, false, ""}},
        SavedByAnotherProgram{"libreoffice-420-default-size.xlsx", "420", 2, true, "#BA"}));

// The chart's own drawing of 414 to 417 (a text box and a drawn shape) written as Excel 2007
// writes it, with the exact places of the exercises. Their .xls copies lose the text box
// (kTextBoxWrittenAsRectangle) and 416's places (kPlacesInChartUnits).
INSTANTIATE_TEST_SUITE_P(
    Exercises414To417AsExcelWrites, CheckOfCommittedFiles,
    ::testing::Values(SavedByAnotherProgram{"excel2007-414-right.xlsx", "414", 0, false, "",
                                            nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-414-upper-case.xlsx", "414", 0, false, "",
                                            nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-414-no-text-box.xlsx", "414", 1, false, "A"},
                      SavedByAnotherProgram{"excel2007-414-other-text.xlsx", "414", 1, false, "B",
                                            nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-415-right.xlsx", "415", 0, false, "",
                                            nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-415-no-text-box.xlsx", "415", 1, false, "A"},
                      SavedByAnotherProgram{"excel2007-415-moved.xlsx", "415", 1, false, "E",
                                            nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-415-no-shape.xlsx", "415", 1, false, "B",
                                            nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-415-two-shapes.xlsx", "415", 1, false, "C",
                                            nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-415-vertical-scroll.xlsx", "415", 1, false,
                                            "D", nullptr, kTextBoxWrittenAsRectangle},
                      SavedByAnotherProgram{"excel2007-416-right.xlsx", "416", 0, false, "",
                                            nullptr, kPlacesInChartUnits},
                      SavedByAnotherProgram{"excel2007-416-excel-names.xlsx", "416", 1, false, "A"},
                      SavedByAnotherProgram{"excel2007-416-moved.xlsx", "416", 1, false, "B"},
                      SavedByAnotherProgram{"excel2007-416-shape-in-front.xlsx", "416", 1, false,
                                            "C", nullptr, kPlacesInChartUnits},
                      SavedByAnotherProgram{"excel2007-417-right.xlsx", "417", 0, false, ""},
                      SavedByAnotherProgram{"excel2007-417-no-shape.xlsx", "417", 1, false, "A"},
                      SavedByAnotherProgram{"excel2007-417-white-fill.xlsx", "417", 1, false, "B"},
                      SavedByAnotherProgram{"excel2007-417-black-line.xlsx", "417", 1, false, "C"},
                      SavedByAnotherProgram{"excel2007-417-untextured.xlsx", "417", 1, false,
                                            "D"}));

// The same workbooks saved again by LibreOffice Calc: it keeps names, kinds, texts, colours
// and the texture, and its places in hundredths of a millimetre miss 416's exact decimals, so
// 416 gives B on every one whose names are right.
INSTANTIATE_TEST_SUITE_P(
    Exercises414To417AsLibreOfficeSaves, CheckOfCommittedFiles,
    ::testing::Values(
        SavedByAnotherProgram{"libreoffice-414-right.xlsx", "414", 0, false, "", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-414-upper-case.xlsx", "414", 0, false, "", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-414-no-text-box.xlsx", "414", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-414-other-text.xlsx", "414", 1, false, "B", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-415-right.xlsx", "415", 0, false, "", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-415-no-text-box.xlsx", "415", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-415-moved.xlsx", "415", 1, false, "E", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-415-no-shape.xlsx", "415", 1, false, "B", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-415-two-shapes.xlsx", "415", 1, false, "C", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-415-vertical-scroll.xlsx", "415", 1, false, "D", nullptr,
                              kTextBoxWrittenAsRectangle},
        SavedByAnotherProgram{"libreoffice-416-right.xlsx", "416", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-416-excel-names.xlsx", "416", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-416-moved.xlsx", "416", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-416-shape-in-front.xlsx", "416", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-417-right.xlsx", "417", 0, false, ""},
        SavedByAnotherProgram{"libreoffice-417-no-shape.xlsx", "417", 1, false, "A"},
        SavedByAnotherProgram{"libreoffice-417-white-fill.xlsx", "417", 1, false, "B"},
        SavedByAnotherProgram{"libreoffice-417-black-line.xlsx", "417", 1, false, "C"},
        SavedByAnotherProgram{"libreoffice-417-untextured.xlsx", "417", 1, false, "D"}));

}  // namespace
}  // namespace k27093
