// What the reader refuses, and how: error 1004 from the spreadsheet naming the file and the
// reason, for missing files, files that are no workbook, damaged packages and hostile ones.
#include <gtest/gtest.h>

#include "support/raised_error.h"

#include <pugixml.hpp>

#include <filesystem>
#include <functional>

#include "api/error.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"

namespace k27093::ooxml {
namespace {

using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::ZipBytes;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

using testsupport::RaisedError;

Error ErrorOfBytes(const std::string& bytes) {
  return RaisedError([&] { ReadWorkbookBytes(bytes, "Ventes.xls"); });
}

void ExpectOpenError(const Error& error, const std::string& start, const std::string& part) {
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.source(), "Microsoft Office Excel");
  EXPECT_EQ(error.description().rfind(start, 0), 0u) << error.description();
  EXPECT_NE(error.description().find(part), std::string::npos) << error.description();
}

const std::string kNotWorkbook = "'Ventes.xls' is not a workbook: ";
const std::string kDamaged = "'Ventes.xls' is damaged and cannot be opened: ";

TEST(MissingFile, RaisesExcelsOwnTextNamingTheFile) {
  const std::string folder = testing::FreshFolder("missing");
  const std::string path = folder + "Ventes.xls";
  const Error error = RaisedError([&] { ReadWorkbookFile(path); });
  std::filesystem::remove_all(folder);
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.source(), "Microsoft Office Excel");
  EXPECT_EQ(error.description(),
            "'" + path +
                "' could not be found. Check the spelling of the file name, and verify that the "
                "file location is correct.");
}

TEST(NotAWorkbook, ATextFileNamedXlsIsRefusedWithItsName) {
  const std::string folder = testing::FreshFolder("text");
  const std::string path = folder + "Ventes.xls";
  testing::WriteFile(path, "Région;Ventes\nBretagne;830\n");
  const Error error = RaisedError([&] { ReadWorkbookFile(path); });
  ExpectOpenError(error, "'" + path + "' is not a workbook: ", "not a zip package");
  std::filesystem::remove_all(folder);
}

TEST(NotAWorkbook, EmptyAndBinaryFilesSayWhatTheyAre) {
  ExpectOpenError(ErrorOfBytes(""), kNotWorkbook, "empty");
  ExpectOpenError(
      ErrorOfBytes(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(504, '\0')),
      kNotWorkbook, "compound document");
}

TEST(NotAWorkbook, AZipWithoutWorkbookPartIsRefused) {
  PackageParts other;
  other.parts["lisez-moi.txt"] = "rien";
  ExpectOpenError(ErrorOfBytes(ZipBytes(other)), kNotWorkbook, "not an Office Open XML");

  PackageParts withoutWorkbook = MinimalWorkbook();
  withoutWorkbook.parts.erase("xl/workbook.xml");
  ExpectOpenError(ErrorOfBytes(ZipBytes(withoutWorkbook)), kNotWorkbook, "'xl/workbook.xml'");
}

TEST(NotAWorkbook, AnotherKindOfDocumentIsRefused) {
  PackageParts document = MinimalWorkbook();
  std::string& types = document.parts["[Content_Types].xml"];
  const std::string sheet = "spreadsheetml.sheet.main+xml";
  types.replace(types.find(sheet), sheet.size(), "wordprocessingml.document.main+xml");
  ExpectOpenError(ErrorOfBytes(ZipBytes(document)), kNotWorkbook, "wordprocessingml");
}

TEST(DamagedPackage, ATruncatedPackageIsDamaged) {
  const std::string bytes = testing::ReadFile(kExcelFolder + "comment01.xlsx");
  ExpectOpenError(ErrorOfBytes(bytes.substr(0, bytes.size() / 2)), kDamaged,
                  "the zip archive has no central directory");
}

TEST(DamagedPackage, ACorruptedEntryIsDamaged) {
  std::string bytes = ZipBytes(MinimalWorkbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"));
  // Flip bytes inside the first entry's compressed data (after its 30-byte header and its
  // 19-byte name "[Content_Types].xml").
  ASSERT_EQ(bytes.compare(30, 19, "[Content_Types].xml"), 0);
  for (std::size_t i = 60; i < 70; ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
  ExpectOpenError(ErrorOfBytes(bytes), kDamaged,
                  "the part '[Content_Types].xml' cannot be inflated");
}

TEST(DamagedPackage, AMissingSheetPartIsNamed) {
  PackageParts package = MinimalWorkbook();
  package.parts.erase("xl/worksheets/sheet1.xml");
  ExpectOpenError(ErrorOfBytes(ZipBytes(package)), kDamaged,
                  "the part 'xl/worksheets/sheet1.xml' is missing");
}

TEST(DamagedPackage, MalformedXmlNamesThePartAndPugixmlsOffset) {
  const std::string sheet = testing::WorksheetXml("<row r=\"1\"><c r=\"A1\"><v>1</v></row>");
  PackageParts package = MinimalWorkbook();
  package.parts["xl/worksheets/sheet1.xml"] = sheet;
  pugi::xml_document document;
  const pugi::xml_parse_result expected = document.load_string(sheet.c_str());
  ASSERT_FALSE(expected);
  ExpectOpenError(ErrorOfBytes(ZipBytes(package)), kDamaged,
                  "the part 'xl/worksheets/sheet1.xml' is not well-formed XML (" +
                      std::string(expected.description()) + " at offset " +
                      std::to_string(expected.offset) + ")");
}

TEST(DamagedPackage, CellsOutsideTheSheetAndUnknownStringsAreRefused) {
  ExpectOpenError(
      ErrorOfBytes(ZipBytes(MinimalWorkbook("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>"))),
      kDamaged, "'XFE1'");
  ExpectOpenError(
      ErrorOfBytes(ZipBytes(MinimalWorkbook("<row r=\"1048577\"><c><v>1</v></c></row>"))), kDamaged,
      "'1048577'");
  ExpectOpenError(ErrorOfBytes(ZipBytes(
                      MinimalWorkbook("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"))),
                  kDamaged, "the cell A1 of the part 'xl/worksheets/sheet1.xml' refers to");
  ExpectOpenError(
      ErrorOfBytes(ZipBytes(MinimalWorkbook("<row r=\"1\"><c r=\"B1\"><v>douze</v></c></row>"))),
      kDamaged, "the cell B1");
}

TEST(HostilePackage, ADoctypeIsRefusedAndNoEntityExpanded) {
  PackageParts package = MinimalWorkbook();
  package.parts["xl/workbook.xml"] =
      "<?xml version=\"1.0\"?><!DOCTYPE workbook [<!ENTITY a \"aaaaaaaaaa\">"
      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<sheets><sheet name=\"&c;\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
  ExpectOpenError(ErrorOfBytes(ZipBytes(package)), kDamaged,
                  "the part 'xl/workbook.xml' declares a document type (DOCTYPE)");
}

TEST(HostilePackage, AnEntryThatInflatesTooMuchIsRefusedWhileInflating) {
  // 20 MiB of the same cell: deflates about a thousand times.
  std::string rows;
  const std::string row = "<row><c t=\"inlineStr\"><is><t>x</t></is></c></row>";
  while (rows.size() < 20 * 1024 * 1024) rows += row;
  const std::string bytes = ZipBytes(MinimalWorkbook(rows));
  ASSERT_LT(bytes.size(), 200u * 1024);
  ExpectOpenError(ErrorOfBytes(bytes), kDamaged,
                  "the part 'xl/worksheets/sheet1.xml' inflates to more than 100 times its "
                  "compressed size");
}

TEST(HostilePackage, AHighlyCompressibleSmallPartIsRead) {
  // Under 100 KiB a part may inflate as much as it likes.
  const std::string blanks(90 * 1024, ' ');
  const document::WorkbookData workbook = ReadWorkbookBytes(
      ZipBytes(MinimalWorkbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>" + blanks)),
      "Ventes.xls");
  EXPECT_EQ(workbook.sheets.at(0).cells.size(), 1u);
}

TEST(HostilePackage, ADeclaredSizeIsNotTrusted) {
  std::string rows;
  while (rows.size() < 4 * 1024 * 1024) rows += "<row><c><v>1</v></c></row>";
  std::string bytes = ZipBytes(MinimalWorkbook(rows));
  // Make every header of the sheet's entry claim 1000 inflated bytes.
  const std::string name = "xl/worksheets/sheet1.xml";
  for (std::size_t at = bytes.find(name); at != std::string::npos; at = bytes.find(name, at + 1)) {
    const bool central = bytes.compare(at - 46, 4, "PK\x01\x02") == 0;
    const bool local = bytes.compare(at - 30, 4, "PK\x03\x04") == 0;
    ASSERT_TRUE(central || local);
    const std::size_t sizeField = central ? at - 46 + 24 : at - 30 + 22;
    bytes[sizeField] = static_cast<char>(0xE8);
    bytes[sizeField + 1] = 0x03;
    bytes[sizeField + 2] = 0;
    bytes[sizeField + 3] = 0;
  }
  ExpectOpenError(ErrorOfBytes(bytes), kDamaged,
                  "the part 'xl/worksheets/sheet1.xml' inflates to more than 100 times");
}

TEST(HostilePackage, TooManyEntriesAreRefused) {
  PackageParts package = MinimalWorkbook();
  for (int i = 0; i < 1000; ++i) package.parts["x/" + std::to_string(i)] = "";
  ExpectOpenError(ErrorOfBytes(ZipBytes(package)), kDamaged, "more than 1000 entries");
}

TEST(HostilePackage, ATextOverTenMebiCharactersIsRefused) {
  PackageParts package =
      MinimalWorkbook("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" +
                      std::string(10 * 1024 * 1024 + 1, 'a') + "</t></is></c></row>");
  package.stored["xl/worksheets/sheet1.xml"] = true;
  ExpectOpenError(ErrorOfBytes(ZipBytes(package)), kDamaged,
                  "a text of the part 'xl/worksheets/sheet1.xml' is longer than 10485760 "
                  "characters");
}

}  // namespace
}  // namespace k27093::ooxml
