// Elements and attributes are taken by namespace: what another vocabulary holds under a name
// the reader knows is ignored, the reader's own vocabulary is found under any prefix, and a
// part whose root is in a foreign namespace is damaged.
#include <gtest/gtest.h>

#include <string>

#include "api/error.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "support/raised_error.h"

namespace k27093::ooxml {
namespace {

using testing::MinimalWorkbook;
using testing::PackageParts;

document::WorkbookData Read(const PackageParts& package) {
  return ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls");
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

TEST(XmlNamespaces, CellsOfAForeignVocabularyAreNotTakenForCells) {
  const document::WorkbookData workbook = Read(MinimalWorkbook(
      "<row r=\"1\"><c r=\"A1\"><v>1</v></c>"
      "<o:c xmlns:o=\"urn:autre-vocabulaire\" r=\"B1\"><v>2</v></o:c></row>"
      "<row r=\"2\" xmlns=\"urn:autre-vocabulaire\"><c r=\"A2\"><v>3</v></c></row>"));
  const std::vector<document::CellData>& cells = workbook.sheets.at(0).cells;
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(cells[0].column, 1);
  EXPECT_EQ(cells[0].value.AsDouble(), 1);
}

TEST(XmlNamespaces, TheReadersVocabularyIsFoundUnderAnyPrefix) {
  const document::WorkbookData workbook = Read(MinimalWorkbook(
      "<x:row xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" r=\"1\">"
      "<x:c r=\"C1\"><x:v>7</x:v></x:c></x:row>"));
  ASSERT_EQ(workbook.sheets.at(0).cells.size(), 1u);
  EXPECT_EQ(workbook.sheets.at(0).cells[0].column, 3);
  EXPECT_EQ(workbook.sheets.at(0).cells[0].value.AsDouble(), 7);
}

TEST(XmlNamespaces, AForeignAttributeIsNotTakenForTheRelationshipId) {
  PackageParts package = MinimalWorkbook("<row r=\"1\"><c r=\"A1\"><v>5</v></c></row>");
  std::string& workbookPart = package.parts["xl/workbook.xml"];
  // The foreign "id" comes first, where a look-up by local name alone would take it.
  Replace(workbookPart, "r:id=", "o:id=\"rId404\" xmlns:o=\"urn:autre\" r:id=");
  const document::WorkbookData workbook = Read(package);
  ASSERT_EQ(workbook.sheets.at(0).cells.size(), 1u);
  EXPECT_EQ(workbook.sheets.at(0).cells[0].value.AsDouble(), 5);
}

TEST(XmlNamespaces, ARootInAForeignNamespaceOrUnboundPrefixDamagesThePart) {
  PackageParts foreign = MinimalWorkbook();
  Replace(foreign.parts["xl/workbook.xml"],
          "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"",
          "xmlns=\"urn:autre-vocabulaire\"");
  const Error error = testsupport::RaisedError([&] { Read(foreign); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find("the root element <workbook> of the part "
                                     "'xl/workbook.xml' is in the namespace "
                                     "\"urn:autre-vocabulaire\""),
            std::string::npos)
      << error.description();

  PackageParts unbound = MinimalWorkbook();
  Replace(unbound.parts["xl/worksheets/sheet1.xml"], "<worksheet ", "<s:worksheet ");
  Replace(unbound.parts["xl/worksheets/sheet1.xml"], "</worksheet>", "</s:worksheet>");
  const Error unboundError = testsupport::RaisedError([&] { Read(unbound); });
  EXPECT_EQ(unboundError.number(), 1004);
  EXPECT_NE(unboundError.description().find("uses a prefix that no declaration binds"),
            std::string::npos)
      << unboundError.description();
}

}  // namespace
}  // namespace k27093::ooxml
