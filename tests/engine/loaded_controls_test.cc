// Forms check boxes of workbook files read the way exercise 421 reads them: the sheet
// "Réponses" selected and unprotected, each box's shape selected by name, the selection's
// Value, the sheet protected again. Boxes saved by LibreOffice Calc (the sheet's controls and
// their properties parts) and boxes that only the legacy VML drawing holds (as Excel 2007
// saves them).
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "support/workbook_fixtures.h"

namespace k27093::engine::testing {
namespace {

const std::string kTestData = std::string(K27093_TEST_DATA) + "/";

// The legacy drawing of four check boxes: ticked, unticked, mixed, and one with its default
// name, ticked.
std::string LegacyDrawing() {
  std::string shapes;
  const std::vector<std::pair<std::string, std::string>> boxes = {
      {"id=\"Case_x0020_à_x0020_cocher_x0020_1\" o:spid=\"_x0000_s2049\"", "1"},
      {"id=\"Case_x0020_à_x0020_cocher_x0020_2\" o:spid=\"_x0000_s2050\"", ""},
      {"id=\"Case_x0020_à_x0020_cocher_x0020_3\" o:spid=\"_x0000_s2051\"", "2"},
      {"id=\"_x0000_s2052\"", "1"}};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const std::string row = std::to_string(3 + i);
    shapes += "<v:shape " + boxes[i].first +
              " type=\"#_x0000_t201\" style='position:absolute'><v:textbox><div>Réponse<br>" + row +
              "</div></v:textbox><x:ClientData ObjectType=\"Checkbox\"><x:Anchor>1, 4, " + row +
              ", 2, 2, 10, " + row + ", 18</x:Anchor>" +
              (boxes[i].second.empty() ? "" : "<x:Checked>" + boxes[i].second + "</x:Checked>") +
              "<x:NoThreeD/></x:ClientData></v:shape>\n";
  }
  return "<xml xmlns:v=\"urn:schemas-microsoft-com:vml\" "
         "xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
         "xmlns:x=\"urn:schemas-microsoft-com:office:excel\">\n" +
         shapes + "</xml>";
}

class LoadedControlsTest : public EngineTest {
 protected:
  // Exercise 421's reading of the check boxes "Case à cocher 1" to "Case à cocher <count>".
  std::vector<std::int32_t> ReadAsTheExerciseDoes(int count) {
    auto book = app->ActiveWorkbook();
    book->Sheets()->Item(Variant("Réponses"))->Select();
    auto answers = AsWorksheet(book->Worksheets()->Item(Variant("Réponses")));
    answers->Unprotect("");
    std::vector<std::int32_t> values;
    for (int k = 1; k <= count; ++k) {
      answers->Shapes()->Item(Variant("Case à cocher " + std::to_string(k)))->Select();
      values.push_back(ToLong(GetProperty(app->Selection(), "Value")));
    }
    book->Sheets()->Item(Variant(1))->Select();
    answers->Protect("");
    EXPECT_TRUE(answers->ProtectContents());
    return values;
  }
  // The workbook of exercise 421 written by libxlsxwriter, its sheet "Réponses" rewritten as
  // Excel 2007 saves check boxes: protected, with a legacy drawing only.
  void OpenWithLegacyCheckBoxes() {
    const std::string path = folder.File("Présentation des résultats.xls");
    testsupport::WritePresentationWorkbook(path);
    RewritePackageEntry(
        path, "xl/worksheets/sheet2.xml",
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheetData><row r=\"4\"><c r=\"C4\" t=\"inlineStr\"><is><t>Un graphique</t></is></c>"
        "</row></sheetData><sheetProtection sheet=\"1\" objects=\"1\" scenarios=\"1\"/>"
        "<legacyDrawing r:id=\"rId1\"/></worksheet>");
    RewritePackageEntry(
        path, "xl/worksheets/_rels/sheet2.xml.rels",
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/vmlDrawing\" Target=\"../drawings/vmlDrawing1.vml\"/></Relationships>");
    RewritePackageEntry(path, "xl/drawings/vmlDrawing1.vml", LegacyDrawing());
    app->Workbooks()->Open(path);
  }
};

TEST_F(LoadedControlsTest, TheExerciseReadsTheBoxesLibreOfficeSaved) {
  // Saved with the second and third boxes ticked.
  app->Workbooks()->Open(kTestData + "libreoffice-421-check-boxes.xlsx");
  EXPECT_EQ(ReadAsTheExerciseDoes(4),
            (std::vector<std::int32_t>{xl::kOff, xl::kOn, xl::kOn, xl::kOff}));
}

TEST_F(LoadedControlsTest, TheExerciseReadsTheBoxesOfALegacyDrawing) {
  OpenWithLegacyCheckBoxes();
  EXPECT_EQ(ReadAsTheExerciseDoes(3), (std::vector<std::int32_t>{xl::kOn, xl::kOff, xl::kMixed}));
}

TEST_F(LoadedControlsTest, CheckBoxesOfALegacyDrawingAreFormControlsWithTheirNames) {
  OpenWithLegacyCheckBoxes();
  auto answers = AsWorksheet(app->ActiveWorkbook()->Sheets()->Item(Variant("Réponses")));
  auto boxes = answers->CheckBoxes();
  ASSERT_EQ(boxes->Count(), 4);
  std::vector<std::string> names;
  for (int i = 1; i <= 4; ++i) names.push_back(boxes->Item(Variant(i))->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Case à cocher 1", "Case à cocher 2",
                                             "Case à cocher 3", "Check Box 4"}));
  EXPECT_EQ(boxes->Item(Variant("Check Box 4"))->Value(), xl::kOn);
  auto shape = answers->Shapes()->Item(Variant("Case à cocher 3"));
  EXPECT_EQ(shape->Type(), xl::kMsoFormControl);
  // The anchor "1, 4, 5, 2, 2, 10, 5, 18" in pixels from B6 to C6.
  EXPECT_DOUBLE_EQ(shape->Left(), 48 + 4 * 0.75);
  EXPECT_DOUBLE_EQ(shape->Width(), 64 * 0.75 + 6 * 0.75);
  // A new box continues the drawing's numbering.
  answers->Unprotect("");
  EXPECT_EQ(boxes->Add(0, 0, 40, 12)->Name(), "Check Box 5");
}

}  // namespace
}  // namespace k27093::engine::testing
