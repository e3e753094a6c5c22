// The reader on small packages built in the test: every kind of cell value, rich text,
// comments, and workbooks whose parts are named and wired unlike Excel's.
#include <gtest/gtest.h>

#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"

namespace k27093::ooxml {
namespace {

using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::ZipBytes;

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kRelationships = std::string(kRelationshipsNamespace) + "/";

std::string Rels(const std::string& body) {
  return "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
         body + "</Relationships>";
}

std::string Rel(const std::string& id, const std::string& type, const std::string& target) {
  return "<Relationship Id=\"" + id + "\" Type=\"" + kRelationships + type + "\" Target=\"" +
         target + "\"/>";
}

PackageParts WithSharedStrings(const std::string& sheetData, const std::string& items) {
  PackageParts package = MinimalWorkbook(sheetData);
  package.parts["xl/_rels/workbook.xml.rels"] =
      Rels(Rel("rId1", "worksheet", "worksheets/sheet1.xml") +
           Rel("rId2", "sharedStrings", "sharedStrings.xml"));
  package.parts["xl/sharedStrings.xml"] =
      std::string("<sst xmlns=\"") + kMain + "\">" + items + "</sst>";
  return package;
}

const document::SheetData& OnlySheet(const document::WorkbookData& workbook) {
  EXPECT_EQ(workbook.sheets.size(), 1u);
  return workbook.sheets.at(0);
}

document::WorkbookData Read(const PackageParts& package) {
  return ReadWorkbookBytes(ZipBytes(package), "Ventes.xls");
}

TEST(CellValues, EachTypeGivesItsVariant) {
  const document::WorkbookData workbook =
      Read(MinimalWorkbook("<row r=\"4\">"
                           "<c r=\"A4\"><v>1.5E3</v></c>"
                           "<c r=\"B4\" t=\"b\"><v>1</v></c>"
                           "<c r=\"C4\" t=\"b\"><v>0</v></c>"
                           "<c r=\"D4\" t=\"e\"><v>#N/A</v></c>"
                           "<c r=\"E4\" t=\"str\"><f>A4&amp;\"x\"</f><v>1500x</v></c>"
                           "<c r=\"F4\"><f>A4*2</f><v>3000</v></c>"
                           "<c r=\"G4\" t=\"inlineStr\"><is><t>Année</t></is></c>"
                           "<c r=\"H4\" s=\"1\"/>"
                           "<c r=\"I4\" t=\"d\"><v>1900-03-01T12:00:00</v></c>"
                           "</row>"));
  const document::SheetData& sheet = OnlySheet(workbook);
  ASSERT_EQ(sheet.cells.size(), 8u);  // H4 holds no value
  EXPECT_EQ(sheet.cells[0].value.AsDouble(), 1500.0);
  EXPECT_EQ(sheet.cells[0].row, 4);
  EXPECT_EQ(sheet.cells[0].column, 1);
  EXPECT_TRUE(sheet.cells[1].value.AsBoolean());
  EXPECT_FALSE(sheet.cells[2].value.AsBoolean());
  EXPECT_EQ(sheet.cells[3].value.AsText(), "#N/A");
  EXPECT_EQ(sheet.cells[4].value.AsText(), "1500x");
  EXPECT_EQ(sheet.cells[5].value.AsDouble(), 3000.0);
  EXPECT_EQ(sheet.cells[6].value.AsText(), "Année");
  EXPECT_EQ(sheet.cells[6].column, 7);
  EXPECT_EQ(sheet.cells[7].column, 9);
  EXPECT_EQ(sheet.cells[7].value.AsDouble(), 61.5);
}

TEST(CellValues, SharedStringsJoinTheirRunsAndLeavePhoneticRunsOut) {
  const document::WorkbookData workbook = Read(WithSharedStrings(
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"B1\" t=\"s\"><v>0</v></c></row>",
      "<si><t xml:space=\"preserve\"> </t></si>"
      "<si><r><rPr><b/></rPr><t>Ann</t></r><r><t xml:space=\"preserve\">ée N</t></r>"
      "<rPh sb=\"0\" eb=\"1\"><t>x</t></rPh></si>"));
  const document::SheetData& sheet = OnlySheet(workbook);
  ASSERT_EQ(sheet.cells.size(), 2u);
  EXPECT_EQ(sheet.cells[0].value.AsText(), "Année N");
  EXPECT_EQ(sheet.cells[1].value.AsText(), " ");
}

TEST(CellValues, EscapedCharactersAreDecoded) {
  const document::WorkbookData workbook = Read(MinimalWorkbook(
      "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a_x000D__x000A_b_x005F_x0041_</t></is>"
      "</c></row>"));
  EXPECT_EQ(OnlySheet(workbook).cells.at(0).value.AsText(), "a\r\nb_x0041_");
}

TEST(CellValues, RowsAndCellsWithoutReferenceFollowThePreviousOnes) {
  const document::WorkbookData workbook = Read(MinimalWorkbook(
      "<row r=\"3\"><c r=\"C3\"><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c></row>"));
  const document::SheetData& sheet = OnlySheet(workbook);
  ASSERT_EQ(sheet.cells.size(), 3u);
  EXPECT_EQ(sheet.cells[1].row, 3);
  EXPECT_EQ(sheet.cells[1].column, 4);
  EXPECT_EQ(sheet.cells[2].row, 4);
  EXPECT_EQ(sheet.cells[2].column, 1);
}

TEST(CellValues, PrefixedElementsAreReadByTheirLocalNames) {
  PackageParts package = MinimalWorkbook();
  package.parts["xl/worksheets/sheet1.xml"] =
      std::string("<x:worksheet xmlns:x=\"") + kMain +
      "\"><x:sheetData><x:row r=\"1\"><x:c r=\"B1\"><x:v>7</x:v></x:c></x:row></x:sheetData>"
      "</x:worksheet>";
  const document::WorkbookData workbook = Read(package);
  const document::SheetData& sheet = OnlySheet(workbook);
  ASSERT_EQ(sheet.cells.size(), 1u);
  EXPECT_EQ(sheet.cells[0].value.AsDouble(), 7.0);
}

// A workbook whose parts carry names Excel never gives: sheets are found through the
// relationships, and their kind through the relationship type.
PackageParts UnusuallyNamedWorkbook() {
  PackageParts package;
  package.parts["[Content_Types].xml"] =
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Override PartName=\"/classeur/Principal.xml\" ContentType=\"application/"
      "vnd.ms-excel.sheet.macroEnabled.main+xml\"/></Types>";
  package.parts["_rels/.rels"] = Rels(Rel("r1", "officeDocument", "/classeur/Principal.xml"));
  package.parts["classeur/Principal.xml"] =
      std::string("<workbook xmlns=\"") + kMain + "\" xmlns:rel=\"" + kRelationshipsNamespace +
      "\"><bookViews><workbookView activeTab=\"1\"/></bookViews><sheets>"
      "<sheet name=\"Graphique\" sheetId=\"1\" rel:id=\"g\"/>"
      "<sheet name=\"Donn&#233;es\" sheetId=\"2\" rel:id=\"d\"/></sheets></workbook>";
  package.parts["classeur/_rels/Principal.xml.rels"] =
      Rels(Rel("d", "worksheet", "feuilles/donn%C3%A9es.xml") +
           Rel("g", "chartsheet", "../graphiques/g.xml"));
  package.parts["classeur/feuilles/données.xml"] =
      testing::WorksheetXml("<row r=\"2\"><c r=\"B2\"><v>4</v></c></row>");
  package.parts["classeur/feuilles/_rels/données.xml.rels"] =
      Rels(Rel("n", "comments", "../notes/n.xml"));
  package.parts["classeur/notes/n.xml"] =
      std::string("<comments xmlns=\"") + kMain +
      "\"><authors><author>Ana</author><author>Léa</author></authors><commentList>"
      "<comment ref=\"B2\" authorId=\"1\"><text><r><t>Léa:</t></r><r><t xml:space=\"preserve\">"
      "\nune note</t></r></text></comment>"
      "<comment ref=\"C3\" authorId=\"7\"><text><t>sans auteur</t></text></comment>"
      "</commentList></comments>";
  package.parts["graphiques/g.xml"] = std::string("<chartsheet xmlns=\"") + kMain + "\"/>";
  return package;
}

TEST(WorkbookStructure, PartsAreFoundThroughRelationshipsNotByName) {
  const document::WorkbookData workbook = Read(UnusuallyNamedWorkbook());
  ASSERT_EQ(workbook.sheets.size(), 2u);
  EXPECT_EQ(workbook.sheets[0].name, "Graphique");
  EXPECT_EQ(workbook.sheets[0].kind, document::SheetData::Kind::Chart);
  EXPECT_EQ(workbook.sheets[1].name, "Données");
  EXPECT_EQ(workbook.sheets[1].kind, document::SheetData::Kind::Worksheet);
  EXPECT_EQ(workbook.activeSheet, 1u);
  ASSERT_EQ(workbook.sheets[1].cells.size(), 1u);
  EXPECT_EQ(workbook.sheets[1].cells[0].value.AsDouble(), 4.0);
}

TEST(WorkbookStructure, CommentsJoinTheirRunsAndTakeTheirAuthorFromTheList) {
  const document::WorkbookData workbook = Read(UnusuallyNamedWorkbook());
  const std::vector<document::CommentData>& comments = workbook.sheets.at(1).comments;
  ASSERT_EQ(comments.size(), 2u);
  EXPECT_EQ(comments[0].author, "Léa");
  EXPECT_EQ(comments[0].text, "Léa:\nune note");
  EXPECT_EQ(comments[1].row, 3);
  EXPECT_EQ(comments[1].column, 3);
  EXPECT_EQ(comments[1].author, "");
  EXPECT_EQ(comments[1].text, "sans auteur");
}

TEST(WorkbookStructure, AnActiveTabBeyondTheSheetsMeansTheFirst) {
  PackageParts package = MinimalWorkbook();
  package.parts["xl/workbook.xml"] =
      std::string("<workbook xmlns=\"") + kMain + "\" xmlns:r=\"" + kRelationshipsNamespace +
      "\"><bookViews><workbookView activeTab=\"5\"/></bookViews>"
      "<sheets><sheet name=\"Feuil1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
  EXPECT_EQ(Read(package).activeSheet, 0u);
}

}  // namespace
}  // namespace k27093::ooxml
