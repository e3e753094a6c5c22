// Sheets of a workbook: look-up, names, order, deletion, protection; ranges and comments.
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

using SheetsTest = EngineTest;

TEST_F(SheetsTest, FindsSheetsByNameIgnoringAccentedCase) {
  auto sheets = OpenSales()->Sheets();
  EXPECT_EQ(sheets->Item(Variant("ANNÉE N"))->Name(), "Année N");
  EXPECT_EQ(sheets->Item(Variant("année n-1"))->Name(), "Année N-1");
  EXPECT_EQ(sheets->Item(Variant(2.0))->Index(), 2);
  EXPECT_EQ(CaughtError([&] { sheets->Item(Variant("Année")); }).number(), 9);
  EXPECT_EQ(CaughtError([&] { sheets->Item(Variant(3)); }).number(), 9);
  EXPECT_EQ(CaughtError([&] { sheets->Item(Variant::Null()); }).number(), 94);
}

TEST_F(SheetsTest, AddInsertsFeuilNBeforeTheActiveSheet) {
  auto workbook = OpenSales();
  auto added = workbook->Sheets()->Add();
  EXPECT_EQ(added->Name(), "Feuil3");
  EXPECT_EQ(added->Index(), 1);
  EXPECT_EQ(workbook->Sheets()->Count(), 3);
  EXPECT_TRUE(app->ActiveSheet().Is(added));
  EXPECT_EQ(workbook->Worksheets()->Add()->Name(), "Feuil4");
}

TEST_F(SheetsTest, RenamingChecksTheName) {
  auto workbook = OpenSales();
  auto sheet = workbook->Sheets()->Item(Variant(1));
  sheet->SetName("Résultats 2006");
  EXPECT_EQ(workbook->Sheets()->Item(Variant("résultats 2006"))->Index(), 1);
  for (const char* bad : {"", "a/b", "a[1]", "Question?", "Un nom beaucoup trop long pour 31c"}) {
    EXPECT_EQ(CaughtError([&] { sheet->SetName(bad); }).number(), 1004) << bad;
  }
  EXPECT_EQ(CaughtError([&] { sheet->SetName("ANNÉE N-1"); }).number(), 1004);
  sheet->SetName("RÉSULTATS 2006");
  EXPECT_EQ(sheet->Name(), "RÉSULTATS 2006");
}

TEST_F(SheetsTest, MovingAndDeletingKeepTheTabOrder) {
  auto workbook = OpenSales();
  auto first = workbook->Sheets()->Item(Variant(1));
  first->Move(3);
  EXPECT_EQ(workbook->Sheets()->Item(Variant(1))->Name(), "Année N-1");
  EXPECT_EQ(first->Index(), 2);
  first->Move(1);
  EXPECT_EQ(first->Index(), 1);
  first->Delete();
  EXPECT_EQ(workbook->Sheets()->Count(), 1);
  EXPECT_EQ(CaughtError([&] { first->Name(); }).number(), kObjectDisconnected);
  EXPECT_EQ(app->ActiveSheet()->Name(), "Année N-1");
  auto last = workbook->Sheets()->Item(Variant(1));
  EXPECT_EQ(CaughtError([&] { last->Delete(); }).number(), 1004);
}

TEST_F(SheetsTest, ActivateMakesTheSheetAndItsWorkbookActive) {
  auto sales = OpenSales();
  app->Workbooks()->Add();
  auto second = sales->Sheets()->Item(Variant(2));
  second->Activate();
  EXPECT_TRUE(app->ActiveWorkbook().Is(sales));
  EXPECT_TRUE(app->ActiveSheet().Is(second));
  EXPECT_TRUE(sales->ActiveSheet().Is(second));
  sales->Sheets()->Item(Variant(1))->Select();
  EXPECT_EQ(app->ActiveSheet()->Name(), "Année N");
}

TEST_F(SheetsTest, RangeValuesAreSetAndReadBack) {
  auto sheet = NewSheet();
  sheet->Range("B2")->SetValue(Variant(12));
  sheet->Range("B3")->SetValue(Variant("12.5"));
  sheet->Range("B4")->SetValue(Variant("Nord"));
  EXPECT_EQ(sheet->Range("B2")->Value().type(), Variant::Type::Double);
  EXPECT_EQ(ToDouble(sheet->Range("B3")->Value()), 12.5);
  EXPECT_EQ(ToText(sheet->Range("b4")->Value()), "Nord");
  sheet->Range("B4")->SetValue(Variant(""));
  EXPECT_TRUE(sheet->Range("B4")->Value().IsEmpty());
  EXPECT_EQ(CaughtError([&] { sheet->Range("B"); }).number(), 1004);
}

TEST_F(SheetsTest, MultiCellRangeValueIsAnArrayByRows) {
  auto sheet = AsWorksheet(OpenSales()->Sheets()->Item(Variant(1)));
  Variant values = sheet->Range("F4:G5")->Value();
  ASSERT_TRUE(values.IsArray());
  const VariantArray& array = values.AsArray();
  EXPECT_EQ(array.lower, 1);
  ASSERT_EQ(array.upper(), 4);
  EXPECT_EQ(ToDouble(array.at(1)), 100);
  EXPECT_EQ(ToDouble(array.at(2)), 200);
  EXPECT_EQ(ToDouble(array.at(3)), 300);
  EXPECT_EQ(sheet->Range("G5:F4")->Address(), "$F$4:$G$5");
}

TEST_F(SheetsTest, CommentsAreWrittenReplacedAndCleared) {
  auto sheet = NewSheet();
  auto cell = sheet->Range("G9");
  cell->SetNoteText("");
  EXPECT_EQ(cell->NoteText(), "");
  cell->SetNoteText("Repère : l'été");
  EXPECT_EQ(sheet->Range("G9")->NoteText(), "Repère : l'été");
  cell->SetNoteText("Autre");
  EXPECT_EQ(cell->NoteText(), "Autre");
  sheet->Range("F8:H10")->ClearComments();
  EXPECT_EQ(cell->NoteText(), "");
}

TEST_F(SheetsTest, ProtectedSheetRefusesChangesUntilUnprotected) {
  auto sheet = NewSheet();
  sheet->Protect("secret");
  EXPECT_TRUE(sheet->ProtectContents());
  EXPECT_EQ(CaughtError([&] { sheet->Range("A1")->SetValue(Variant(1)); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { sheet->Range("A1")->SetNoteText("x"); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { sheet->Shapes()->AddShape(1, 0, 0, 10, 10); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { sheet->ChartObjects()->Add(0, 0, 10, 10); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { sheet->Unprotect("wrong"); }).number(), 1004);
  EXPECT_TRUE(sheet->ProtectContents());
  sheet->Unprotect("secret");
  EXPECT_FALSE(sheet->ProtectContents());
  sheet->Range("A1")->SetValue(Variant(1));
  EXPECT_EQ(ToDouble(sheet->Range("A1")->Value()), 1);
}

TEST_F(SheetsTest, RangeSelectNeedsTheActiveSheet) {
  auto workbook = OpenSales();
  auto first = AsWorksheet(workbook->Sheets()->Item(Variant(1)));
  auto second = AsWorksheet(workbook->Sheets()->Item(Variant(2)));
  first->Range("E3:G7")->Select();
  EXPECT_EQ(ToObject<xl::Range>(app->Selection())->Address(), "$E$3:$G$7");
  EXPECT_EQ(CaughtError([&] { second->Range("A1")->Select(); }).number(), 1004);
  second->Activate();
  EXPECT_EQ(ToObject<xl::Range>(app->Selection())->Address(), "$A$1");
  first->Activate();
  EXPECT_EQ(ToObject<xl::Range>(app->Selection())->Address(), "$E$3:$G$7");
}

}  // namespace
}  // namespace k27093::engine::testing
