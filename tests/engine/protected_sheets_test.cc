// Sheet protection of workbook files through the object model: a protected sheet refuses
// changes; Unprotect lifts a protection without password whatever it is given, and one with a
// password (the legacy hash or the salted SHA-512 hash of the file) only with that password.
#include <xlsxwriter.h>

#include <string>

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

const std::string kTestData = std::string(K27093_TEST_DATA) + "/";
const std::string kWrongPassword =
    "The password you supplied is not correct. Verify that the CAPS LOCK key is off and be sure "
    "to use the correct capitalization.";

class ProtectedSheetsTest : public EngineTest {
 protected:
  Ref<xl::Worksheet> Answers(const std::string& file) {
    auto book = app->Workbooks()->Open(kTestData + file);
    return AsWorksheet(book->Sheets()->Item(Variant("Réponses")));
  }
  // A workbook written by libxlsxwriter: the worksheet "Feuil1" and the chart sheet
  // "Graphique", both protected with `password`.
  Ref<xl::Workbook> WrittenProtected(const char* password) {
    const std::string path = folder.File("Protégé.xlsx");
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Feuil1");
    lxw_chartsheet* chartSheet = workbook_add_chartsheet(book, "Graphique");
    worksheet_write_number(sheet, 0, 0, 10, nullptr);
    worksheet_write_number(sheet, 1, 0, 20, nullptr);
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_COLUMN);
    chart_add_series(chart, nullptr, "=Feuil1!$A$1:$A$2");
    EXPECT_EQ(chartsheet_set_chart(chartSheet, chart), LXW_NO_ERROR);
    worksheet_protect(sheet, password, nullptr);
    chartsheet_protect(chartSheet, password, nullptr);
    EXPECT_EQ(workbook_close(book), LXW_NO_ERROR);
    return app->Workbooks()->Open(path);
  }
  // The sales workbook whose first sheet stores `protection`.
  Ref<xl::Worksheet> SalesProtectedBy(const std::string& protection) {
    const std::string path = folder.File("Ventes.xls");
    WriteSalesWorkbook(path);
    RewritePackageEntry(path, "xl/worksheets/sheet1.xml",
                        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/"
                        "2006/main\"><sheetData><row r=\"1\"><c r=\"A1\"><v>5</v></c></row>"
                        "</sheetData>" +
                            protection + "</worksheet>");
    return AsWorksheet(app->Workbooks()->Open(path)->Sheets()->Item(Variant(1)));
  }
  static void ExpectRefusedWith(const Ref<xl::Sheet>& sheet, const std::string& password) {
    SCOPED_TRACE(password);
    const Error error = CaughtError([&] { sheet->Unprotect(password); });
    EXPECT_EQ(error.number(), 1004);
    EXPECT_EQ(error.description(), kWrongPassword);
    EXPECT_EQ(error.source(), "Microsoft Office Excel");
    EXPECT_TRUE(sheet->ProtectContents());
  }
};

TEST_F(ProtectedSheetsTest, AProtectedSheetOfAFileRefusesChangesUntilUnprotected) {
  auto answers = Answers("libreoffice-421-check-boxes.xlsx");
  EXPECT_TRUE(answers->ProtectContents());
  auto cell = answers->Range("C4");
  EXPECT_EQ(CaughtError([&] { cell->SetValue(Variant("Autre")); }).number(), 1004);
  auto box = answers->CheckBoxes()->Item(Variant(1));
  EXPECT_EQ(CaughtError([&] { box->SetValue(xl::kOn); }).number(), 1004);
  EXPECT_EQ(box->Value(), xl::kOff);
  answers->Unprotect("");
  EXPECT_FALSE(answers->ProtectContents());
  cell->SetValue(Variant("Autre"));
  EXPECT_EQ(ToText(cell->Value()), "Autre");
  box->SetValue(xl::kOn);
  EXPECT_EQ(box->Value(), xl::kOn);
  // The sheet that the file leaves unprotected is.
  EXPECT_FALSE(app->ActiveWorkbook()->Sheets()->Item(Variant(1))->ProtectContents());
}

TEST_F(ProtectedSheetsTest, AProtectionWithoutPasswordIgnoresThePasswordGiven) {
  auto answers = Answers("libreoffice-421-check-boxes.xlsx");
  answers->Unprotect("n'importe quoi");
  EXPECT_FALSE(answers->ProtectContents());
  // Protect without a password protects without one.
  answers->Protect("");
  EXPECT_TRUE(answers->ProtectContents());
  answers->Unprotect("autre chose");
  EXPECT_FALSE(answers->ProtectContents());
}

TEST_F(ProtectedSheetsTest, ASheetLibreOfficeProtectedWithAPasswordTakesOnlyThatPassword) {
  auto answers = Answers("libreoffice-421-password.xlsx");  // the password "secret"
  EXPECT_TRUE(answers->ProtectContents());
  ExpectRefusedWith(answers, "");
  ExpectRefusedWith(answers, "Secret");
  answers->Unprotect("secret");
  EXPECT_FALSE(answers->ProtectContents());
}

TEST_F(ProtectedSheetsTest, SheetsLibxlsxwriterProtectedWithAPasswordTakeOnlyThatPassword) {
  auto book = WrittenProtected("password");
  for (const Variant& name : {Variant("Feuil1"), Variant("Graphique")}) {
    auto sheet = book->Sheets()->Item(name);
    SCOPED_TRACE(sheet->Name());
    EXPECT_TRUE(sheet->ProtectContents());
    ExpectRefusedWith(sheet, "");
    ExpectRefusedWith(sheet, "Password");
    sheet->Unprotect("password");
    EXPECT_FALSE(sheet->ProtectContents());
  }
}

TEST_F(ProtectedSheetsTest, ASaltedSha512HashTakesOnlyItsPassword) {
  // A published pair: the password "123".
  auto sheet = SalesProtectedBy(
      "<sheetProtection algorithmName=\"SHA-512\" hashValue=\"RHtx1KpAYT7nBzGCTInkHrbf2wTZxP3BT4Eo"
      "8PBHPTM4KfKArJTluFvizDvo6GnBCOO6JJu7qwKvMqnKHs7dcw==\" saltValue=\"6tC6yotbNa8JaMaDvbUgxw"
      "==\" spinCount=\"100000\" sheet=\"1\" objects=\"1\" scenarios=\"1\"/>");
  EXPECT_TRUE(sheet->ProtectContents());
  EXPECT_EQ(CaughtError([&] { sheet->Range("A1")->SetValue(Variant(6.0)); }).number(), 1004);
  ExpectRefusedWith(sheet, "");
  ExpectRefusedWith(sheet, "1234");
  sheet->Unprotect("123");
  EXPECT_FALSE(sheet->ProtectContents());
  sheet->Range("A1")->SetValue(Variant(6.0));
}

TEST_F(ProtectedSheetsTest, AProtectedSheetKeepsItsCheckBoxesFromBeingSelected) {
  auto answers = Answers("libreoffice-421-check-boxes.xlsx");
  answers->Select();
  auto shape = answers->Shapes()->Item(Variant("Case à cocher 2"));
  EXPECT_EQ(CaughtError([&] { shape->Select(); }).number(), 1004);
  answers->Unprotect("");
  shape->Select();
  EXPECT_EQ(ToLong(GetProperty(app->Selection(), "Value")), xl::kOn);
}

}  // namespace
}  // namespace k27093::engine::testing
