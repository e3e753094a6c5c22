// Workbooks: opening workbook files, new workbooks, look-up, activation and closing.
#include <xlsxwriter.h>

#include <filesystem>

#include "engine/application/application_control.h"
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

using WorkbooksTest = EngineTest;

TEST_F(WorkbooksTest, OpensAWorkbookFileAndActivatesIt) {
  auto workbook = OpenSales();
  EXPECT_EQ(workbook->Name(), "Ventes.xls");
  EXPECT_EQ(workbook->Path() + "/", folder.path());
  EXPECT_EQ(workbook->FullName(), folder.File("Ventes.xls"));
  EXPECT_EQ(app->Workbooks()->Count(), 1);
  EXPECT_TRUE(app->ActiveWorkbook().Is(workbook));
  EXPECT_EQ(app->ActiveSheet()->Name(), "Année N");
}

TEST_F(WorkbooksTest, ReadsSheetsCellsAndCommentsThroughTheObjectModel) {
  auto sheets = OpenSales()->Sheets();
  ASSERT_EQ(sheets->Count(), 2);
  auto first = AsWorksheet(sheets->Item(Variant(1)));
  auto second = AsWorksheet(sheets->Item(Variant(2)));
  EXPECT_EQ(first->Name(), "Année N");
  EXPECT_EQ(second->Name(), "Année N-1");
  EXPECT_EQ(first->Range("G9")->NoteText(), kMarker);
  EXPECT_EQ(second->Range("$G$9")->NoteText(), kMarker);
  EXPECT_EQ(first->Range("G8")->NoteText(), "");
  EXPECT_EQ(ToText(first->Range("F3")->Value()), "Trim 1");
  EXPECT_EQ(ToDouble(first->Range("G7")->Value()), 800);
  EXPECT_EQ(ToDouble(second->Range("G7")->Value()), 400);
  EXPECT_TRUE(first->Range("A1")->Value().IsEmpty());
}

TEST_F(WorkbooksTest, OpeningAndClosingLeavesTheFileUnchanged) {
  std::string path = folder.File("Ventes.xls");
  WriteSalesWorkbook(path);
  std::string before = FileBytes(path);
  auto modified = std::filesystem::last_write_time(path);
  auto workbook = app->Workbooks()->Open(path);
  AsWorksheet(workbook->Sheets()->Item(Variant(1)))->Range("F4")->SetValue(Variant(1.5));
  workbook->Close(true);
  EXPECT_EQ(FileBytes(path), before);
  EXPECT_EQ(std::filesystem::last_write_time(path), modified);
}

TEST_F(WorkbooksTest, MissingFileRaises1004NamingIt) {
  std::string path = folder.File("Absent.xls");
  Error error = CaughtError([&] { app->Workbooks()->Open(path); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.description(),
            "'" + path +
                "' could not be found. Check the spelling of the file name, and verify that "
                "the file location is correct.");
  EXPECT_EQ(error.source(), "Microsoft Office Excel");
  EXPECT_EQ(app->Workbooks()->Count(), 0);
}

TEST_F(WorkbooksTest, FileThatIsNoWorkbookRaises1004NamingIt) {
  std::string path = folder.File("Notes.xls");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("just some text", file);
  std::fclose(file);
  Error error = CaughtError([&] { app->Workbooks()->Open(path); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find("Notes.xls"), std::string::npos);
  EXPECT_EQ(app->Workbooks()->Count(), 0);
}

TEST_F(WorkbooksTest, WorkbookOfTheSameNameCannotBeOpenedTwice) {
  OpenSales();
  std::string other = folder.File("VENTES.XLS");
  WriteSalesWorkbook(other);
  EXPECT_EQ(CaughtError([&] { app->Workbooks()->Open(other); }).number(), 1004);
  EXPECT_EQ(app->Workbooks()->Count(), 1);
}

TEST_F(WorkbooksTest, FindsWorkbooksByPositionOrNameIgnoringCase) {
  auto sales = OpenSales();
  auto added = app->Workbooks()->Add();
  auto workbooks = app->Workbooks();
  EXPECT_TRUE(workbooks->Item(Variant(1)).Is(sales));
  EXPECT_TRUE(workbooks->Item(Variant(2)).Is(added));
  EXPECT_TRUE(workbooks->Item(Variant("VENTES.xls")).Is(sales));
  EXPECT_TRUE(workbooks->Item(Variant("classeur1")).Is(added));
  Error error = CaughtError([&] { workbooks->Item(Variant("Absent.xls")); });
  EXPECT_EQ(error.number(), 9);
  EXPECT_EQ(CaughtError([&] { workbooks->Item(Variant(3)); }).number(), 9);
}

TEST_F(WorkbooksTest, AddNamesNewWorkbooksWithOneSheet) {
  auto first = app->Workbooks()->Add();
  auto second = app->Workbooks()->Add();
  EXPECT_EQ(first->Name(), "Classeur1");
  EXPECT_EQ(second->Name(), "Classeur2");
  EXPECT_EQ(second->Path(), "");
  EXPECT_EQ(second->FullName(), "Classeur2");
  ASSERT_EQ(second->Sheets()->Count(), 1);
  EXPECT_EQ(second->Sheets()->Item(Variant(1))->Name(), "Feuil1");
  EXPECT_TRUE(app->ActiveWorkbook().Is(second));
}

TEST_F(WorkbooksTest, ActivateAndCloseMoveTheActiveWorkbook) {
  auto sales = OpenSales();
  auto first = app->Workbooks()->Add();
  auto second = app->Workbooks()->Add();
  sales->Activate();
  EXPECT_TRUE(app->ActiveWorkbook().Is(sales));
  EXPECT_EQ(app->ActiveSheet()->Name(), "Année N");
  sales->Close(false);
  EXPECT_TRUE(app->ActiveWorkbook().Is(second));
  EXPECT_EQ(app->Workbooks()->Count(), 2);
  second->Close(false);
  first->Close(false);
  EXPECT_TRUE(app->ActiveWorkbook().IsNothing());
  EXPECT_TRUE(app->Selection().IsObject() && !app->Selection().AsObject());
}

TEST_F(WorkbooksTest, ClosedWorkbookAndItsSheetsAreDisconnected) {
  auto sales = OpenSales();
  auto sheet = sales->Sheets()->Item(Variant(1));
  sales->Close(false);
  EXPECT_EQ(CaughtError([&] { sales->Name(); }).number(), kObjectDisconnected);
  EXPECT_EQ(CaughtError([&] { sheet->Name(); }).number(), kObjectDisconnected);
}

TEST_F(WorkbooksTest, RelativeNameIsOpenedFromTheCurrentFolder) {
  WriteSalesWorkbook(folder.File("Ventes.xls"));
  Control(app).SetCurrentFolder(folder.path());
  auto workbook = app->Workbooks()->Open("Ventes.xls");
  EXPECT_EQ(workbook->FullName(), folder.File("Ventes.xls"));
}

TEST_F(WorkbooksTest, ChartSheetOfAFileBecomesAChartSheet) {
  std::string path = folder.File("Graphique.xls");
  lxw_workbook* book = workbook_new(path.c_str());
  lxw_worksheet* data = workbook_add_worksheet(book, "Données");
  worksheet_write_number(data, 0, 0, 5, nullptr);
  lxw_chartsheet* chartSheet = workbook_add_chartsheet(book, "Graphique 1");
  lxw_chart* chart = workbook_add_chart(book, LXW_CHART_COLUMN);
  chart_add_series(chart, nullptr, "=Données!$A$1:$A$1");
  chartsheet_set_chart(chartSheet, chart);
  chartsheet_activate(chartSheet);
  ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

  auto workbook = app->Workbooks()->Open(path);
  ASSERT_EQ(workbook->Sheets()->Count(), 2);
  EXPECT_EQ(workbook->Worksheets()->Count(), 1);
  auto sheet = workbook->Sheets()->Item(Variant("graphique 1"));
  EXPECT_EQ(sheet->TypeName(), "Chart");
  EXPECT_EQ(sheet->Index(), 2);
  EXPECT_TRUE(app->ActiveSheet().Is(sheet));
  EXPECT_TRUE(app->ActiveChart().Is(sheet));
  EXPECT_EQ(CaughtError([&] { workbook->Worksheets()->Item(Variant("Graphique 1")); }).number(), 9);
  workbook->Sheets()->Item(Variant(1))->Activate();
  EXPECT_TRUE(app->ActiveChart().IsNothing());
}

TEST_F(WorkbooksTest, SelectionIsTheActiveCellOfTheActivatedSheet) {
  OpenSales();
  auto range = ToObject<xl::Range>(app->Selection());
  EXPECT_EQ(range->Address(), "$A$1");
}

}  // namespace
}  // namespace k27093::engine::testing
