// Form controls of worksheets: check boxes that the sheet lists among its controls (as
// LibreOffice writes them, without the compatibility mark), and those that only the legacy
// VML drawing holds (as Excel 2007 writes them): names, values, places, what is no control,
// the repair of VML that is not well-formed XML, and what makes the workbook damaged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/error.h"
#include "document/read_fault.h"
#include "document/sheet_layout.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/package.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "readers/ooxml/vml_drawing.h"
#include "support/raised_error.h"

namespace k27093::ooxml {
namespace {

using testing::AddDrawing;
using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::TwoCellAnchor;
using Kind = document::DrawingObjectData::Kind;

const std::string kTestData = std::string(K27093_TEST_DATA) + "/";

const std::string kVmlStart =
    "<xml xmlns:v=\"urn:schemas-microsoft-com:vml\" "
    "xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\">\n"
    " <o:shapelayout v:ext=\"edit\"><o:idmap v:ext=\"edit\" data=\"1\"/></o:shapelayout>"
    "<v:shapetype id=\"_x0000_t201\" coordsize=\"21600,21600\" o:spt=\"201\" "
    "path=\"m,l,21600r21600,l21600,xe\"><v:stroke joinstyle=\"miter\"/></v:shapetype>\n";

// A VML shape as Excel 2007 writes a form control: `id` (with `spid` when not empty),
// its label, and the content of its x:ClientData after the anchor.
std::string VmlControl(const std::string& id, const std::string& spid,
                       const std::string& objectType, const std::string& anchor,
                       const std::string& clientData = "") {
  return " <v:shape id=\"" + id + "\"" + (spid.empty() ? "" : " o:spid=\"" + spid + "\"") +
         " type=\"#_x0000_t201\" style='position:absolute;margin-left:48pt;margin-top:45pt;"
         "width:100pt;height:15pt;z-index:1' filled=\"f\" stroked=\"f\" o:insetmode=\"auto\">\n"
         "  <v:textbox style='mso-direction-alt:auto' o:singleclick=\"f\"><div "
         "style='text-align:left'><font face=\"Tahoma\" size=\"160\" color=\"auto\">Réponse"
         "</font></div></v:textbox>\n  <x:ClientData ObjectType=\"" +
         objectType + "\">\n   <x:Anchor>\n    " + anchor +
         "</x:Anchor>\n   <x:AutoFill>False</x:AutoFill>" + clientData +
         "\n  </x:ClientData>\n </v:shape>\n";
}

// The worksheet of a minimal workbook with a legacy drawing holding `shapes`.
PackageParts WithVml(const std::string& shapes) {
  PackageParts package = MinimalWorkbook();
  testing::AppendToWorksheet(package, "<legacyDrawing r:id=\"rIdVml\"/>");
  testing::AddSheetRelationship(package, "rIdVml", "vmlDrawing", "../drawings/vmlDrawing1.vml");
  package.parts["xl/drawings/vmlDrawing1.vml"] = kVmlStart + shapes + "</xml>";
  return package;
}

document::SheetData OnlySheet(const PackageParts& package) {
  return ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls").sheets.at(0);
}

const std::string kFourBoxes =
    VmlControl("Case_x0020_à_x0020_cocher_x0020_1", "_x0000_s1025", "Checkbox",
               "1, 15, 3, 2, 3, 20, 4, 2", "<x:Checked>1</x:Checked><x:NoThreeD/>") +
    VmlControl("Case_x0020_à_x0020_cocher_x0020_2", "_x0000_s1026", "Checkbox",
               "1, 15, 4, 2, 3, 20, 5, 2", "<x:NoThreeD/>") +
    VmlControl("Case_x0020_à_x0020_cocher_x0020_3", "_x0000_s1027", "Checkbox",
               "1, 15, 5, 2, 3, 20, 6, 2", "<x:Checked>2</x:Checked>") +
    VmlControl("_x0000_s1028", "", "Checkbox", "1, 15, 6, 2, 3, 20, 7, 2",
               "<x:Checked>0</x:Checked>");

TEST(VmlControls, CheckBoxesOfTheLegacyDrawingOnlyHaveTheirNamesAndValues) {
  const document::SheetData sheet = OnlySheet(WithVml(kFourBoxes));
  ASSERT_EQ(sheet.drawing.size(), 4u);
  std::vector<std::string> names;
  std::vector<std::int32_t> values;
  for (const document::DrawingObjectData& box : sheet.drawing) {
    EXPECT_EQ(box.kind, Kind::FormControl);
    EXPECT_EQ(box.controlType, "CheckBox");
    names.push_back(box.name);
    values.push_back(box.checkValue.value_or(0));
  }
  // A name the user gave is the shape's id, escaped; a default one follows the shape's number.
  EXPECT_EQ(names, (std::vector<std::string>{"Case à cocher 1", "Case à cocher 2",
                                             "Case à cocher 3", "Check Box 4"}));
  EXPECT_EQ(values, (std::vector<std::int32_t>{1, -4146, 2, -4146}));
  EXPECT_EQ(sheet.drawing[0].id, 1025);
  EXPECT_EQ(sheet.drawing[3].id, 1028);
}

TEST(VmlControls, AControlLiesWhereItsAnchorSaysInPixelsFromItsCells) {
  const document::SheetData sheet = OnlySheet(WithVml(kFourBoxes));
  // Columns of 64 pixels and rows of 15 points: from B4 + (15, 2) px to D5 + (20, 2) px.
  const document::GeometryData& geometry = sheet.drawing.at(0).geometry;
  EXPECT_DOUBLE_EQ(geometry.left, 48 + 15 * 0.75);
  EXPECT_DOUBLE_EQ(geometry.top, 45 + 2 * 0.75);
  EXPECT_DOUBLE_EQ(geometry.width, 144 + 20 * 0.75 - geometry.left);
  EXPECT_DOUBLE_EQ(geometry.height, 60 + 2 * 0.75 - geometry.top);
}

TEST(VmlControls, OtherControlsTakeTheirKindsDefaultNameAndNotesAreNoControls) {
  const document::SheetData sheet =
      OnlySheet(WithVml(VmlControl("_x0000_s1025", "", "Radio", "1, 0, 1, 0, 2, 0, 2, 0") +
                        VmlControl("_x0000_s2049", "", "Drop", "1, 0, 1, 0, 2, 0, 2, 0") +
                        VmlControl("_x0000_s1027", "", "Note", "1, 0, 1, 0, 2, 0, 2, 0",
                                   "<x:Row>0</x:Row><x:Column>1</x:Column>") +
                        VmlControl("_x0000_s1028", "", "Pict", "1, 0, 1, 0, 2, 0, 2, 0")));
  ASSERT_EQ(sheet.drawing.size(), 2u);
  EXPECT_EQ(sheet.drawing[0].name, "Option Button 1");
  EXPECT_EQ(sheet.drawing[0].controlType, "Radio");
  EXPECT_FALSE(sheet.drawing[0].checkValue.has_value());
  // Each drawing numbers its shapes in blocks of 1024.
  EXPECT_EQ(sheet.drawing[1].name, "Drop Down 1");
}

TEST(VmlControls, TheLegacyDrawingOfCommentsHoldsNoDrawnObject) {
  const document::WorkbookData workbook =
      ReadWorkbookFile(std::string(K27093_EXCEL_FILES) + "/comment01.xlsx");
  EXPECT_TRUE(workbook.sheets.at(0).drawing.empty());
  EXPECT_EQ(workbook.sheets.at(0).comments.size(), 1u);
}

TEST(VmlControls, TheLegacyDrawingIsNotReadWhenTheDrawingHoldsTheControls) {
  PackageParts package = WithVml(kFourBoxes);
  AddDrawing(package,
             TwoCellAnchor(1, 3, 3, 4,
                           "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"1025\" name=\"Case à cocher 1\" "
                           "hidden=\"1\"><a:extLst><a:ext uri=\"{63B3BB69-23CF-44E3-9099-"
                           "C40C66FF867C}\"><a14:compatExt spid=\"_x0000_s1025\"/></a:ext>"
                           "</a:extLst></xdr:cNvPr><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr/>"
                           "</xdr:sp>"));
  // AddDrawing wrote the sheet's relationships afresh: the legacy drawing's comes back.
  testing::AddSheetRelationship(package, "rIdVml", "vmlDrawing", "../drawings/vmlDrawing1.vml");
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.drawing.size(), 1u);
  EXPECT_EQ(sheet.drawing[0].kind, Kind::FormControl);
  EXPECT_EQ(sheet.drawing[0].name, "Case à cocher 1");
}

TEST(VmlControls, ConditionalMarkersAndOpenLineBreaksAreRepaired) {
  EXPECT_EQ(RepairedVml("<div>a<br>b<BR >c<br/>d</div><![if excel]><x:A/><![endif]>"),
            "<div>a<br/>b<br/>c<br/>d</div><x:A/>");
  EXPECT_EQ(RepairedVml("<![CDATA[<br>]]><bridge/>"), "<![CDATA[<br>]]><bridge/>");
  const std::string repaired =
      "<![if excel]>" +
      VmlControl("_x0000_s1025", "", "Checkbox", "1, 0, 1, 0, 2, 0, 2, 0",
                 "<x:Checked>1</x:Checked>") +
      "<![endif]> <v:shape id=\"_x0000_s1026\"><v:textbox><div>Ligne 1<br>Ligne 2</div>"
      "</v:textbox><x:ClientData ObjectType=\"Checkbox\"/></v:shape>";
  const document::SheetData sheet = OnlySheet(WithVml(repaired));
  ASSERT_EQ(sheet.drawing.size(), 2u);
  EXPECT_EQ(sheet.drawing[0].checkValue, 1);
  EXPECT_EQ(sheet.drawing[1].name, "Check Box 2");
}

// A legacy drawing that is missing or not of its form leaves the sheet without its controls;
// the legacy drawing's reader states why.
TEST(VmlControls, ALegacyDrawingNotOfItsFormIsLeftOut) {
  struct Case {
    PackageParts package;
    std::string reason;  // "": the sheet itself leads to no legacy drawing
  };
  PackageParts missing = WithVml("");
  missing.parts.erase("xl/drawings/vmlDrawing1.vml");
  PackageParts unrelated =
      WithVml(VmlControl("_x0000_s1025", "", "Checkbox", "1, 0, 1, 0, 2, 0, 2, 0"));
  unrelated.parts["xl/worksheets/_rels/sheet1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>";
  const std::string damaged = "'xl/drawings/vmlDrawing1.vml' ";
  for (const Case& broken : std::vector<Case>{
           {WithVml("<v:shape id=\"_x0000_s1025\"><x:ClientData ObjectType=\"Checkbox\">"),
            damaged + "is not well-formed XML"},
           {WithVml(VmlControl("_x0000_s1025", "", "Checkbox", "1, 0, 1, 0, 2, 0, 2")),
            damaged + "has the control anchor '1, 0, 1, 0, 2, 0, 2', which is not eight"},
           {WithVml(VmlControl("_x0000_s1025", "", "Checkbox", "1, 0, -1, 0, 2, 0, 2, 0")),
            "which is not eight cell positions and offsets"},
           {WithVml(VmlControl("_x0000_s1025", "", "Checkbox", "1, 0, 1, 0, 2, 0, 2, 0",
                               "<x:Checked>oui</x:Checked>")),
            damaged + "has a check box whose state 'oui' is neither 0, 1 nor 2"},
           {missing, "vmlDrawing1.vml"},
           {unrelated, ""},
       }) {
    SCOPED_TRACE(broken.reason);
    EXPECT_TRUE(OnlySheet(broken.package).drawing.empty());
    if (broken.reason.empty()) continue;
    const std::string bytes = testing::ZipBytes(broken.package);
    Package opened(bytes);
    ContentBudget budget;
    try {
      ReadVmlControls(opened, "xl/drawings/vmlDrawing1.vml", document::SheetLayout(), budget);
      ADD_FAILURE() << "the legacy drawing was read";
    } catch (const document::ReadFault& fault) {
      EXPECT_NE(fault.reason().find(broken.reason), std::string::npos) << fault.reason();
    }
  }
}

TEST(ListedControls, AShapeTheSheetListsAmongItsControlsIsAFormControl) {
  PackageParts package = MinimalWorkbook();
  testing::AppendToWorksheet(package,
                             "<controls><control shapeId=\"1001\" r:id=\"rIdControl\" "
                             "name=\"Réponse 1\"/></controls>");
  AddDrawing(package,
             TwoCellAnchor(0, 0, 0, 0,
                           "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"1001\" name=\"Case à cocher 1\" "
                           "descr=\"Réponse 1\"/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr>"
                           "<a:prstGeom prst=\"rect\"/></xdr:spPr></xdr:sp>") +
                 TwoCellAnchor(0, 0, 1, 1,
                               "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"1002\" name=\"Rectangle 2\"/>"
                               "<xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"rect\"/>"
                               "</xdr:spPr></xdr:sp>"));
  testing::AddSheetRelationship(package, "rIdControl", "ctrlProp", "../ctrlProps/ctrlProps2.xml");
  package.parts["xl/ctrlProps/ctrlProps2.xml"] =
      "<formControlPr xmlns=\"http://schemas.microsoft.com/office/spreadsheetml/2009/9/main\" "
      "objectType=\"CheckBox\" checked=\"Checked\" autoLine=\"false\" lockText=\"1\"/>";
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.drawing.size(), 2u);
  // The drawing's name, not the control's (LibreOffice writes the label there).
  EXPECT_EQ(sheet.drawing[0].name, "Case à cocher 1");
  EXPECT_EQ(sheet.drawing[0].kind, Kind::FormControl);
  EXPECT_EQ(sheet.drawing[0].controlType, "CheckBox");
  EXPECT_EQ(sheet.drawing[0].checkValue, 1);
  EXPECT_EQ(sheet.drawing[1].kind, Kind::AutoShape);
}

TEST(ListedControls, LibreOfficeCheckBoxesHaveTheirNamesAndStates) {
  // Saved by LibreOffice Calc with the second and third boxes ticked.
  const document::WorkbookData workbook =
      ReadWorkbookFile(kTestData + "libreoffice-421-check-boxes.xlsx");
  ASSERT_EQ(workbook.sheets.size(), 2u);
  const document::SheetData& answers = workbook.sheets[1];
  EXPECT_EQ(answers.name, "Réponses");
  // The instruction's text box first, then the four boxes.
  ASSERT_EQ(answers.drawing.size(), 5u);
  EXPECT_EQ(answers.drawing[0].kind, Kind::TextBox);
  EXPECT_EQ(answers.drawing[0].name, "Consigne");
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const document::DrawingObjectData& box = answers.drawing[i + 1];
    EXPECT_EQ(box.kind, Kind::FormControl);
    EXPECT_EQ(box.controlType, "CheckBox");
    EXPECT_EQ(box.name, "Case à cocher " + std::to_string(i + 1));
    EXPECT_EQ(box.checkValue, i == 1 || i == 2 ? 1 : -4146);
  }
}

}  // namespace
}  // namespace k27093::ooxml
