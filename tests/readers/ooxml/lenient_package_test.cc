// Packages that are not written to the letter but that the spreadsheet opens: zip local headers
// that disagree with the central directory, part names in another case or with backslashes, a
// sheet that names no part, a shared-string cell without an index, and optional parts (comment
// lists, control properties) that are missing or damaged. And what stays damage: two parts
// whose names differ only in case.
#include <gtest/gtest.h>

#include <string>

#include "api/error.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "support/raised_error.h"

namespace k27093::ooxml {
namespace {

using testing::AddDrawing;
using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::TwoCellAnchor;
using testing::ZipBytes;

const std::string kOneCell = "<row r=\"1\"><c r=\"A1\"><v>42</v></c></row>";

document::WorkbookData Read(const std::string& bytes) {
  return ReadWorkbookBytes(bytes, "Ventes.xls");
}

// The value of A1 of the workbook's only sheet.
double FirstValue(const document::WorkbookData& workbook) {
  return workbook.sheets.at(0).cells.at(0).value.AsDouble();
}

// The offset of the local header of the entry `name`.
std::size_t LocalHeaderOf(const std::string& bytes, const std::string& name) {
  const std::string signature("PK\x03\x04", 4);
  for (std::size_t header = bytes.find(signature); header != std::string::npos;
       header = bytes.find(signature, header + 4)) {
    if (bytes.compare(header + 30, name.size(), name) == 0) return header;
  }
  ADD_FAILURE() << "no local header for " << name;
  return 0;
}

TEST(LenientPackage, LocalHeadersThatDisagreeWithTheCentralDirectoryAreRead) {
  const std::string intact = ZipBytes(MinimalWorkbook(kOneCell));
  const std::size_t header = LocalHeaderOf(intact, "xl/worksheets/sheet1.xml");
  // version needed, modification time and date, checksum, both sizes
  for (const std::size_t field : {4u, 10u, 12u, 14u, 18u, 22u}) {
    SCOPED_TRACE(field);
    std::string bytes = intact;
    bytes[header + field] = static_cast<char>(bytes[header + field] ^ 0x01);
    EXPECT_EQ(FirstValue(Read(bytes)), 42);
  }
}

TEST(LenientPackage, PartNamesInAnotherCaseOrWithBackslashesAreFound) {
  PackageParts package = MinimalWorkbook(kOneCell);
  PackageParts renamed;
  for (const auto& [name, content] : package.parts) {
    std::string written = name;
    if (name == "[Content_Types].xml") written = "[content_types].xml";
    if (name == "xl/workbook.xml") written = "XL/Workbook.XML";
    if (name == "xl/worksheets/sheet1.xml") written = "xl\\worksheets\\sheet1.xml";
    if (name == "xl/_rels/workbook.xml.rels") written = "xl\\_rels\\workbook.xml.rels";
    renamed.parts[written] = content;
  }
  ASSERT_EQ(renamed.parts.count("xl\\worksheets\\sheet1.xml"), 1u);
  EXPECT_EQ(FirstValue(Read(ZipBytes(renamed))), 42);
}

TEST(LenientPackage, TwoPartsWhoseNamesDifferOnlyInCaseAreDamage) {
  PackageParts package = MinimalWorkbook(kOneCell);
  package.parts["XL/worksheets/Sheet1.xml"] = package.parts["xl/worksheets/sheet1.xml"];
  const Error error = testsupport::RaisedError([&] { Read(ZipBytes(package)); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find("twice"), std::string::npos) << error.description();
  EXPECT_NE(error.description().find("Sheet1.xml"), std::string::npos) << error.description();

  PackageParts separators = MinimalWorkbook(kOneCell);
  separators.parts["xl\\worksheets\\sheet1.xml"] = separators.parts["xl/worksheets/sheet1.xml"];
  EXPECT_EQ(testsupport::RaisedError([&] { Read(ZipBytes(separators)); }).number(), 1004);
}

TEST(LenientPackage, ASheetThatNamesNoPartIsAnEmptyWorksheet) {
  PackageParts package = MinimalWorkbook(kOneCell);
  std::string& workbook = package.parts["xl/workbook.xml"];
  workbook.insert(workbook.find("</sheets>"), "<sheet name=\"Vide\" sheetId=\"2\" r:id=\"\"/>");
  const document::WorkbookData read = Read(ZipBytes(package));
  ASSERT_EQ(read.sheets.size(), 2u);
  EXPECT_EQ(FirstValue(read), 42);
  EXPECT_EQ(read.sheets[1].name, "Vide");
  EXPECT_EQ(read.sheets[1].kind, document::SheetData::Kind::Worksheet);
  EXPECT_TRUE(read.sheets[1].cells.empty());

  // An id that the workbook's relationships lack is still damage.
  workbook.replace(workbook.find("r:id=\"\""), 7, "r:id=\"rId9\"");
  EXPECT_EQ(testsupport::RaisedError([&] { Read(ZipBytes(package)); }).number(), 1004);
}

TEST(LenientPackage, ASharedStringCellWithoutIndexIsEmpty) {
  const document::WorkbookData read = Read(ZipBytes(MinimalWorkbook(
      "<row r=\"1\"><c r=\"A1\" t=\"s\"><v></v></c><c r=\"B1\" t=\"s\"/><c r=\"C1\"><v>7</v></c>"
      "</row>")));
  const auto& cells = read.sheets.at(0).cells;
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(cells[0].column, 3);
}

TEST(LenientPackage, AMissingOrDamagedCommentListIsLeftOut) {
  PackageParts missing = MinimalWorkbook(kOneCell);
  testing::AddSheetRelationship(missing, "rIdComments", "comments", "../comments1.xml");
  PackageParts damaged = missing;
  damaged.parts["xl/comments1.xml"] = "<comments><commentList>";
  for (const PackageParts& package : {missing, damaged}) {
    const document::WorkbookData read = Read(ZipBytes(package));
    EXPECT_EQ(FirstValue(read), 42);
    EXPECT_TRUE(read.sheets[0].comments.empty());
  }
}

// A sheet listing a control "rIdControl" for the shape 1001, drawn as a rectangle.
PackageParts WithListedControl() {
  PackageParts package = MinimalWorkbook();
  testing::AppendToWorksheet(package,
                             "<controls><control shapeId=\"1001\" r:id=\"rIdControl\" "
                             "name=\"Réponse 1\"/></controls>");
  AddDrawing(package,
             TwoCellAnchor(0, 0, 1, 1,
                           "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"1001\" name=\"Case à cocher 1\"/>"
                           "<xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"rect\"/>"
                           "</xdr:spPr></xdr:sp>"));
  return package;
}

TEST(LenientPackage, AControlWhoseRelationshipLeadsToNoPartIsReadAsDrawn) {
  PackageParts noRelationship = WithListedControl();
  PackageParts noPart = WithListedControl();
  testing::AddSheetRelationship(noPart, "rIdControl", "ctrlProp", "../ctrlProps/ctrlProp1.xml");
  for (const PackageParts& package : {noRelationship, noPart}) {
    const document::SheetData sheet = Read(ZipBytes(package)).sheets.at(0);
    ASSERT_EQ(sheet.drawing.size(), 1u);
    EXPECT_EQ(sheet.drawing[0].kind, document::DrawingObjectData::Kind::AutoShape);
  }
}

TEST(LenientPackage, ADamagedControlPropertiesPartLeavesTheControlWithoutState) {
  PackageParts package = WithListedControl();
  testing::AddSheetRelationship(package, "rIdControl", "ctrlProp", "../ctrlProps/ctrlProp1.xml");
  package.parts["xl/ctrlProps/ctrlProp1.xml"] = "<formControlPr objectType=\"CheckBox\"";
  const document::SheetData sheet = Read(ZipBytes(package)).sheets.at(0);
  ASSERT_EQ(sheet.drawing.size(), 1u);
  EXPECT_EQ(sheet.drawing[0].kind, document::DrawingObjectData::Kind::FormControl);
  EXPECT_EQ(sheet.drawing[0].controlType, "");
  EXPECT_FALSE(sheet.drawing[0].checkValue.has_value());
}

}  // namespace
}  // namespace k27093::ooxml
