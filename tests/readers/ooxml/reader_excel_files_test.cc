// The reader on workbooks saved by Excel itself (the shared reference files and their
// manifest) and on one written by LibreOffice Calc.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"

namespace k27093::ooxml {
namespace {

using Kind = document::SheetData::Kind;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";
const std::string kMarker =
    "Cette annotation est utilisée comme repère pour vérifier que la structure du tableau "
    "n'a pas été modifiée : MERCI de ne pas la supprimer !";

struct ExpectedSheet {
  std::string name;
  Kind kind = Kind::Worksheet;
};

// Every reference workbook with its sheets in tab order, as the manifest lists them.
std::map<std::string, std::vector<ExpectedSheet>> ExpectedSheets() {
  const std::vector<ExpectedSheet> sheet1 = {{"Sheet1"}};
  std::map<std::string, std::vector<ExpectedSheet>> expected;
  for (const char* file :
       {"chart_column01",   "chart_column02",   "chart_column03",    "chart_column09",
        "chart_bar01",      "chart_bar03",      "chart_bar09",       "chart_bar10",
        "chart_bar20",      "chart_line01",     "chart_line05",      "chart_points05",
        "chart_pie01",      "chart_combined02", "chart_combined03",  "chart_combined04",
        "chart_combined05", "chart_combined06", "chart_title01",     "chart_title02",
        "chart_title03",    "chart_bar06",      "chart_bar19",       "chart_axis02",
        "utf8_10",          "chart_font01",     "chart_font05",      "chart_font06",
        "chart_font07",     "chart_legend01",   "chart_legend03",    "chart_pie03",
        "chart_layout01",   "chart_layout02",   "chart_gridlines01", "chart_gridlines05",
        "chart_axis41",     "chart_axis15",     "chart_axis19",      "chart_axis20",
        "chart_axis49",     "chart_axis50",     "chart_table01",     "chart_table02",
        "chart_size01",     "chart_size04",     "object_position04", "chart_format03",
        "chart_format17",   "comment01",        "utf8_07",           "textbox01",
        "textbox04",        "textbox06",        "textbox22"}) {
    expected[std::string(file) + ".xlsx"] = sheet1;
  }
  expected["chart_column06.xlsx"] = {{"Sheet1"}, {"Sheet2"}};
  expected["chart_bar02.xlsx"] = {{"Sheet1"}, {"Sheet2"}};
  expected["chart_bar16.xlsx"] = {{"Sheet1"}, {"Chart1", Kind::Chart}};
  expected["chartsheet01.xlsx"] = {{"Sheet1"}, {"Chart1", Kind::Chart}};
  expected["chartsheet02.xlsx"] = {{"Sheet1"}, {"Chart1", Kind::Chart}, {"Sheet2"}};
  expected["chartsheet07.xlsx"] = {{"Sheet1"}, {"Chart1", Kind::Chart}};
  expected["comment04.xlsx"] = {{"Sheet1"}, {"Sheet2"}, {"Sheet3"}};
  expected["quote_name01.xlsx"] = {{"Sheet 1"}, {"Sheet 2"}, {"Sheet!3"}, {"Sheet\"4"},
                                   {"Sheet#5"}, {"Sheet$6"}, {"Sheet%7"}, {"Sheet&8"}};
  expected["quote_name04.xlsx"] = {{"Sheet 1"}};
  expected["quote_name11.xlsx"] = {{"Sheeté"}};
  expected["utf8_04.xlsx"] = {{"Café & Café"}};
  return expected;
}

const document::CellData* FindCell(const document::SheetData& sheet, std::int32_t row,
                                   std::int32_t column) {
  for (const document::CellData& cell : sheet.cells) {
    if (cell.row == row && cell.column == column) return &cell;
  }
  return nullptr;
}

double NumberAt(const document::SheetData& sheet, std::int32_t row, std::int32_t column) {
  const document::CellData* cell = FindCell(sheet, row, column);
  if (cell == nullptr || cell->value.type() != Variant::Type::Double) {
    ADD_FAILURE() << sheet.name << " has no number at row " << row << " column " << column;
    return -1;
  }
  return cell->value.AsDouble();
}

std::string TextAt(const document::SheetData& sheet, std::int32_t row, std::int32_t column) {
  const document::CellData* cell = FindCell(sheet, row, column);
  if (cell == nullptr || !cell->value.IsText()) {
    ADD_FAILURE() << sheet.name << " has no text at row " << row << " column " << column;
    return std::string();
  }
  return cell->value.AsText();
}

TEST(ExcelFiles, EveryWorkbookGivesItsSheetsInTabOrderWithTheirKind) {
  const auto expected = ExpectedSheets();
  std::size_t filesRead = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kExcelFolder)) {
    if (entry.path().extension() != ".xlsx") continue;
    const std::string file = entry.path().filename().string();
    SCOPED_TRACE(file);
    const auto found = expected.find(file);
    ASSERT_NE(found, expected.end()) << "a reference workbook without expectations";
    const document::WorkbookData workbook = ReadWorkbookFile(entry.path().string());
    ASSERT_EQ(workbook.sheets.size(), found->second.size());
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
      EXPECT_EQ(workbook.sheets[i].name, found->second[i].name);
      EXPECT_EQ(workbook.sheets[i].kind, found->second[i].kind);
    }
    EXPECT_LT(workbook.activeSheet, workbook.sheets.size());
    ++filesRead;
  }
  EXPECT_EQ(filesRead, expected.size());
}

TEST(ExcelFiles, ChartSheetsHoldNoCellsAndTheActiveTabIsKept) {
  const document::WorkbookData workbook = ReadWorkbookFile(kExcelFolder + "chartsheet02.xlsx");
  ASSERT_EQ(workbook.sheets.size(), 3u);
  EXPECT_TRUE(workbook.sheets[1].cells.empty());
  EXPECT_EQ(workbook.activeSheet, 1u);
  EXPECT_EQ(ReadWorkbookFile(kExcelFolder + "chartsheet07.xlsx").activeSheet, 0u);
}

TEST(ExcelFiles, CommentsComeWithTheirCellAuthorAndText) {
  const document::WorkbookData one = ReadWorkbookFile(kExcelFolder + "comment01.xlsx");
  ASSERT_EQ(one.sheets[0].comments.size(), 1u);
  const document::CommentData& b2 = one.sheets[0].comments[0];
  EXPECT_EQ(b2.row, 2);
  EXPECT_EQ(b2.column, 2);
  EXPECT_EQ(b2.author, "John");
  EXPECT_EQ(b2.text, "Some text");
}

TEST(ExcelFiles, CommentsStayOnTheirOwnSheet) {
  const document::WorkbookData workbook = ReadWorkbookFile(kExcelFolder + "comment04.xlsx");
  ASSERT_EQ(workbook.sheets.size(), 3u);
  ASSERT_EQ(workbook.sheets[0].comments.size(), 1u);
  EXPECT_EQ(workbook.sheets[0].comments[0].text, "Some text");
  EXPECT_TRUE(workbook.sheets[1].comments.empty());
  ASSERT_EQ(workbook.sheets[2].comments.size(), 1u);
  const document::CommentData& c7 = workbook.sheets[2].comments[0];
  EXPECT_EQ(c7.row, 7);
  EXPECT_EQ(c7.column, 3);
  EXPECT_EQ(c7.author, "John");
  EXPECT_EQ(c7.text, "More text");
}

TEST(ExcelFiles, AccentedTextsKeepTheirAccents) {
  const document::WorkbookData comment = ReadWorkbookFile(kExcelFolder + "utf8_07.xlsx");
  ASSERT_EQ(comment.sheets[0].comments.size(), 1u);
  EXPECT_EQ(comment.sheets[0].comments[0].text, "Café");
  EXPECT_EQ(comment.sheets[0].comments[0].row, 1);
  EXPECT_EQ(comment.sheets[0].comments[0].column, 1);

  const document::WorkbookData named = ReadWorkbookFile(kExcelFolder + "utf8_04.xlsx");
  EXPECT_EQ(named.sheets[0].name, "Café & Café");
  EXPECT_EQ(TextAt(named.sheets[0], 1, 1), "Café & Café");
  EXPECT_EQ(ReadWorkbookFile(kExcelFolder + "quote_name11.xlsx").sheets[0].name, "Sheeté");
}

TEST(ExcelFiles, NumbersAndSharedStringsAreReadAtTheirCells) {
  const document::WorkbookData column = ReadWorkbookFile(kExcelFolder + "chart_column01.xlsx");
  const document::SheetData& sheet = column.sheets[0];
  EXPECT_EQ(sheet.cells.size(), 15u);
  for (std::int32_t row = 1; row <= 5; ++row) {
    for (std::int32_t col = 1; col <= 3; ++col) EXPECT_EQ(NumberAt(sheet, row, col), row * col);
  }
  const document::WorkbookData bar = ReadWorkbookFile(kExcelFolder + "chart_bar02.xlsx");
  EXPECT_EQ(TextAt(bar.sheets[0], 1, 1), "Foo");
  EXPECT_EQ(NumberAt(bar.sheets[1], 5, 3), 15);
  const document::WorkbookData pie = ReadWorkbookFile(kExcelFolder + "chart_pie01.xlsx");
  EXPECT_EQ(NumberAt(pie.sheets[0], 1, 2), 60);
}

TEST(ExcelFiles, ReadingLeavesTheFileUntouched) {
  const std::string folder = testing::FreshFolder("untouched");
  const std::string path = folder + "Ventes.xls";
  std::filesystem::copy_file(kExcelFolder + "comment04.xlsx", path);
  const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
  std::filesystem::last_write_time(path, past);
  const std::string before = testing::ReadFile(path);

  const document::WorkbookData workbook = ReadWorkbookFile(path);
  EXPECT_EQ(workbook.sheets.size(), 3u);

  EXPECT_EQ(testing::ReadFile(path), before);
  EXPECT_EQ(std::filesystem::last_write_time(path), past);
  std::filesystem::remove_all(folder);
}

TEST(LibreOfficeFile, SheetsCellsAndCommentsKeepTheirAccents) {
  const document::WorkbookData workbook =
      ReadWorkbookFile(std::string(K27093_TEST_DATA) + "/libreoffice-ventes.xlsx");
  ASSERT_EQ(workbook.sheets.size(), 2u);
  EXPECT_EQ(workbook.sheets[0].name, "Année N");
  EXPECT_EQ(workbook.sheets[1].name, "Année N-1");
  EXPECT_EQ(workbook.activeSheet, 0u);

  const document::SheetData& current = workbook.sheets[0];
  EXPECT_EQ(current.cells.size(), 15u);
  EXPECT_EQ(TextAt(current, 3, 5), "Région");
  EXPECT_EQ(TextAt(current, 3, 7), "Évolution");
  EXPECT_EQ(TextAt(current, 4, 5), "Île-de-France");
  EXPECT_EQ(NumberAt(current, 4, 6), 1250.5);
  EXPECT_EQ(NumberAt(current, 5, 7), -0.05);
  EXPECT_EQ(TextAt(current, 7, 7), "élevée");
  EXPECT_EQ(TextAt(workbook.sheets[1], 4, 7), "à revoir");

  for (const document::SheetData& sheet : workbook.sheets) {
    SCOPED_TRACE(sheet.name);
    ASSERT_EQ(sheet.comments.size(), 1u);
    EXPECT_EQ(sheet.comments[0].row, 9);
    EXPECT_EQ(sheet.comments[0].column, 7);
    EXPECT_EQ(sheet.comments[0].author, "Formateur");
    EXPECT_EQ(sheet.comments[0].text, kMarker);
  }
}

}  // namespace
}  // namespace k27093::ooxml
