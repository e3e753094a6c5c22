// The `k27093 inspect` command, run as a program on fixture workbooks.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "support/run_program.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::RunProgram;
using testsupport::TemporaryFolder;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

// The entry of `list` whose "address" is `address`; a null json when there is none.
json EntryAt(const json& list, const std::string& address) {
  for (const json& entry : list) {
    if (entry.at("address") == address) return entry;
  }
  return nullptr;
}

class InspectCommand : public ::testing::Test {
 protected:
  std::string WriteVentes(const testsupport::VentesOptions& options = {}) {
    std::string path = folder_.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    return path;
  }

  json InspectJson(const std::string& path) {
    auto result = RunProgram({kCommand, "inspect", path, "--json"});
    EXPECT_EQ(result.status, 0) << result.err;
    return json::parse(result.out);
  }

  TemporaryFolder folder_;
};

TEST_F(InspectCommand, JsonListsBothSheetsAsWorksheetsInTabOrder) {
  json book = InspectJson(WriteVentes());
  ASSERT_EQ(book.at("sheets").size(), 2u);
  EXPECT_EQ(book["sheets"][0]["name"], "Année N");
  EXPECT_EQ(book["sheets"][0]["kind"], "worksheet");
  EXPECT_EQ(book["sheets"][1]["name"], "Année N-1");
  EXPECT_EQ(book["sheets"][1]["kind"], "worksheet");
}

TEST_F(InspectCommand, JsonKeepsAccentedTextsAndNumbersAsNumbers) {
  json cells = InspectJson(WriteVentes())["sheets"][0]["cells"];
  EXPECT_EQ(EntryAt(cells, "E4")["value"], std::string(testsupport::kProductNames[0]));
  EXPECT_EQ(EntryAt(cells, "E5")["value"], std::string(testsupport::kProductNames[1]));
  EXPECT_EQ(EntryAt(cells, "F3")["value"], "Trim 1");
  json figure = EntryAt(cells, "G7")["value"];
  ASSERT_TRUE(figure.is_number()) << figure;
  EXPECT_EQ(figure.get<double>(), testsupport::SalesFigure(false, 3, 1));
  // E3 is empty in the default table, and empty cells are not listed.
  EXPECT_TRUE(EntryAt(cells, "E3").is_null());
  EXPECT_EQ(cells.size(), 2u + 4u * 3u);
}

TEST_F(InspectCommand, JsonReadsAWorkbookSavedByLibreOfficeWithAccentsIntact) {
  json book = InspectJson(K27093_TEST_DATA "/libreoffice-ventes.xlsx");
  ASSERT_EQ(book.at("sheets").size(), 2u);
  EXPECT_EQ(book["sheets"][0]["name"], "Année N");
  EXPECT_EQ(book["sheets"][1]["name"], "Année N-1");
  json cells = book["sheets"][0]["cells"];
  EXPECT_EQ(EntryAt(cells, "E4")["value"], "Île-de-France");
  EXPECT_EQ(EntryAt(cells, "G3")["value"], "Évolution");
  EXPECT_EQ(EntryAt(cells, "F4")["value"].get<double>(), 1250.5);
  EXPECT_EQ(EntryAt(book["sheets"][1]["comments"], "G9")["text"],
            std::string(testsupport::kMarkerText));
}

TEST_F(InspectCommand, JsonShowsEachSheetsOwnFigures) {
  json book = InspectJson(WriteVentes());
  EXPECT_EQ(EntryAt(book["sheets"][1]["cells"], "F4")["value"].get<double>(),
            testsupport::SalesFigure(true, 0, 0));
}

TEST_F(InspectCommand, JsonShowsTheMarkerCommentOfBothSheets) {
  json book = InspectJson(WriteVentes());
  for (const json& sheet : book["sheets"]) {
    ASSERT_EQ(sheet["comments"].size(), 1u) << sheet["name"];
    EXPECT_EQ(sheet["comments"][0]["address"], "G9");
    EXPECT_EQ(sheet["comments"][0]["text"], std::string(testsupport::kMarkerText));
  }
}

TEST_F(InspectCommand, JsonShowsAChangedMarkerAsWritten) {
  testsupport::VentesOptions options;
  options.sheets[1].marker = "Repère modifié";
  json book = InspectJson(WriteVentes(options));
  EXPECT_EQ(book["sheets"][1]["comments"][0]["text"], "Repère modifié");
}

TEST_F(InspectCommand, JsonListsAnEmbeddedChartWithItsSeriesFormulas) {
  testsupport::VentesOptions options;
  options.sheets[0].charts.push_back({});
  json charts = InspectJson(WriteVentes(options))["sheets"][0]["charts"];
  ASSERT_EQ(charts.size(), 1u);
  ASSERT_EQ(charts[0]["series"].size(), 4u);
  EXPECT_EQ(charts[0]["series"][0]["formula"],
            "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,1)");
  EXPECT_EQ(charts[0]["chartType"], 51);
}

TEST_F(InspectCommand, JsonNamesAChartSheetAChart) {
  testsupport::VentesOptions options;
  testsupport::VentesSheet chartSheet;
  chartSheet.name = "Graphique";
  chartSheet.kind = testsupport::VentesSheet::Kind::kChartSheet;
  testsupport::FixtureChart chart;
  chart.dataSheet = "Année N";
  chartSheet.charts.push_back(chart);
  options.sheets.push_back(chartSheet);
  json sheets = InspectJson(WriteVentes(options))["sheets"];
  ASSERT_EQ(sheets.size(), 3u);
  EXPECT_EQ(sheets[2]["name"], "Graphique");
  EXPECT_EQ(sheets[2]["kind"], "chart");
}

// The sheet of `book` named `name`; an empty object when there is none.
json SheetNamed(const json& book, const std::string& name) {
  for (const json& sheet : book.at("sheets")) {
    if (sheet.at("name") == name) return sheet;
  }
  ADD_FAILURE() << "no sheet " << name;
  return json::object();
}

// The drawn object of `shapes` named `name`; an empty object when there is none.
json ShapeNamed(const json& shapes, const std::string& name) {
  for (const json& shape : shapes) {
    if (shape.at("name") == name) return shape;
  }
  ADD_FAILURE() << "no shape " << name;
  return json::object();
}

TEST_F(InspectCommand, JsonShowsTheChartsOwnDrawnObjectsAsStoredAndInWholePixels) {
  json chart = InspectJson(K27093_TEST_DATA "/excel2007-416-right.xlsx")["sheets"][0]["charts"][0];
  const json box = ShapeNamed(chart.at("shapes"), "Text Box 2");
  EXPECT_EQ(box["type"], 17);
  EXPECT_EQ(box["text"], "x1000");
  EXPECT_NEAR(box["top"].get<double>(), 111.7395, 1e-4);
  EXPECT_NEAR(box["width"].get<double>(), 36.77457, 1e-5);
  const json scroll = ShapeNamed(chart.at("shapes"), "AutoShape 3");
  EXPECT_EQ(scroll["type"], 1);
  EXPECT_NEAR(scroll["top"].get<double>(), 105.7759, 1e-4);
  EXPECT_EQ(scroll["fillColor"], 16777164);
  EXPECT_EQ(scroll["lineColor"], 255);
  EXPECT_TRUE(scroll["text"].is_null());
  EXPECT_LT(scroll["zOrderPosition"].get<int>(), box["zOrderPosition"].get<int>());
  ASSERT_EQ(chart["textBoxes"].size(), 1u);
  EXPECT_EQ(chart["textBoxes"][0]["text"], "x1000");
  EXPECT_EQ(chart["textBoxes"][0]["top"].get<double>(), 111.75);
}

TEST_F(InspectCommand, JsonShowsATextureByNameAndAPlainFillAsTheErrorItRaises) {
  json textured =
      InspectJson(K27093_TEST_DATA "/excel2007-417-right.xlsx")["sheets"][0]["charts"][0];
  EXPECT_TRUE(textured["chartArea"]["textureName"].is_string()) << textured["chartArea"];
  json plain =
      InspectJson(K27093_TEST_DATA "/excel2007-417-untextured.xlsx")["sheets"][0]["charts"][0];
  EXPECT_EQ(plain["chartArea"]["textureName"], json({{"error", 1004}}));
  EXPECT_EQ(plain["chartArea"]["textureType"], json({{"error", 1004}}));
  EXPECT_EQ(plain["series"].size(), 4u);
  EXPECT_EQ(ShapeNamed(plain["shapes"], "AutoShape 3")["fillColor"], 16777164);
}

TEST_F(InspectCommand, JsonShowsCheckBoxValuesTextBoxAndProtectionOfTheAnswers) {
  json book = InspectJson(K27093_TEST_DATA "/libreoffice-421-right.xlsx");
  const json answers = SheetNamed(book, "Réponses");
  EXPECT_EQ(answers["protectContents"], true);
  EXPECT_EQ(SheetNamed(book, "Analyse des résultats")["protectContents"], false);
  const json boxes = answers["checkBoxes"];
  ASSERT_EQ(boxes.size(), 4u);
  const int expected[] = {-4146, 1, -4146, 1};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i]["name"], "Case à cocher " + std::to_string(i + 1));
    EXPECT_EQ(boxes[i]["value"], expected[i]) << i;
  }
  ASSERT_EQ(answers["textBoxes"].size(), 1u);
  EXPECT_EQ(answers["textBoxes"][0]["text"], "Cochez les bonnes réponses");
  EXPECT_EQ(ShapeNamed(answers["shapes"], "Case à cocher 2")["type"], 8);
}

TEST_F(InspectCommand, JsonShowsTheSelectionOfTheActiveSheet) {
  testsupport::VentesOptions options;
  options.sheets[0].selection = "D4";
  json selection = InspectJson(WriteVentes(options))["selection"];
  EXPECT_EQ(selection["typeName"], "Range");
  EXPECT_EQ(selection["address"], "$D$4");
}

TEST_F(InspectCommand, TextShowsCheckBoxesAndTheChartsParts) {
  auto result = RunProgram({kCommand, "inspect", K27093_TEST_DATA "/libreoffice-421-right.xlsx"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("  check boxes (4):\n    \"Case à cocher 1\" value -4146: left "),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("\"Case à cocher 2\" value 1: "), std::string::npos);
  EXPECT_NE(result.out.find("  protected: True\n"), std::string::npos);
  EXPECT_NE(result.out.find("Selection: Range $"), std::string::npos);
  auto chart = RunProgram({kCommand, "inspect", K27093_TEST_DATA "/excel2007-417-right.xlsx"});
  ASSERT_EQ(chart.status, 0) << chart.err;
  EXPECT_NE(chart.out.find("      chart area: font Calibri 10, texture name \"image1.png\""),
            std::string::npos)
      << chart.out;
  EXPECT_NE(chart.out.find("        \"Text Box 2\" \"x1000\": left 0, top 111.75, width 36.75"),
            std::string::npos);
  EXPECT_NE(chart.out.find("major unit error 1004"), std::string::npos);
}

TEST_F(InspectCommand, TextShowsSheetsCellsAndTheMarker) {
  auto result = RunProgram({kCommand, "inspect", WriteVentes()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Sheet 1 \"Année N\" (worksheet)"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Sheet 2 \"Année N-1\" (worksheet)"), std::string::npos);
  EXPECT_NE(result.out.find("E6\tLave-linge"), std::string::npos);
  EXPECT_NE(result.out.find("G9\t" + std::string(testsupport::kMarkerText)), std::string::npos);
}

TEST_F(InspectCommand, RelativePathIsTakenFromTheCurrentFolder) {
  WriteVentes();
  auto result = RunProgram({kCommand, "inspect", "Ventes.xls", "--json"}, {}, folder_.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(json::parse(result.out)["workbook"], "Ventes.xls");
}

TEST_F(InspectCommand, NeverChangesTheWorkbookFile) {
  std::string path = WriteVentes();
  std::string before = testsupport::ReadFileBytes(path);
  struct stat statusBefore {};
  ASSERT_EQ(stat(path.c_str(), &statusBefore), 0);
  ASSERT_EQ(RunProgram({kCommand, "inspect", path}).status, 0);
  struct stat statusAfter {};
  ASSERT_EQ(stat(path.c_str(), &statusAfter), 0);
  EXPECT_EQ(testsupport::ReadFileBytes(path), before);
  EXPECT_EQ(statusAfter.st_mtim.tv_sec, statusBefore.st_mtim.tv_sec);
  EXPECT_EQ(statusAfter.st_mtim.tv_nsec, statusBefore.st_mtim.tv_nsec);
  EXPECT_EQ(folder_.EntryCount(), 1);
}

TEST_F(InspectCommand, LeavesNothingInTheTemporaryFolder) {
  std::string path = WriteVentes();
  TemporaryFolder temporary;
  auto result = RunProgram({kCommand, "inspect", path}, {{"TMPDIR", temporary.path()}});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(temporary.EntryCount(), 0);
}

TEST_F(InspectCommand, MissingFileExitsWith3AndReportsTheSpreadsheetError) {
  TemporaryFolder temporary;
  auto result =
      RunProgram({kCommand, "inspect", folder_.File("Absent.xls")}, {{"TMPDIR", temporary.path()}});
  EXPECT_EQ(result.status, 3);
  EXPECT_NE(result.err.find("Error 1004: "), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("Absent.xls"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("Source: Microsoft Office Excel"), std::string::npos) << result.err;
  EXPECT_TRUE(result.out.empty()) << result.out;
  EXPECT_EQ(temporary.EntryCount(), 0);
}

TEST_F(InspectCommand, GarbageFileExitsWith3) {
  std::string path = folder_.Write("Ventes.xls", "This is not a workbook at all.\n");
  auto result = RunProgram({kCommand, "inspect", path});
  EXPECT_EQ(result.status, 3);
  EXPECT_NE(result.err.find("Error 1004: "), std::string::npos) << result.err;
  EXPECT_EQ(folder_.Read("Ventes.xls"), "This is not a workbook at all.\n");
}

TEST_F(InspectCommand, JsonFailureAlsoPrintsTheErrorObject) {
  auto result = RunProgram({kCommand, "inspect", folder_.File("Absent.xls"), "--json"});
  EXPECT_EQ(result.status, 3);
  json error = json::parse(result.out).at("error");
  EXPECT_EQ(error["number"], 1004);
  EXPECT_EQ(error["source"], "Microsoft Office Excel");
  EXPECT_NE(error["description"].get<std::string>().find("Absent.xls"), std::string::npos);
}

}  // namespace
}  // namespace k27093
