// The bounds of the tree a part may build, counted on its bytes before the parser runs: each
// bound refuses just past it and accepts just within, directly with small bounds and through
// the reader at the real ones.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "document/read_fault.h"
#include "readers/ooxml/markup_bounds.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "support/raised_error.h"

namespace k27093::ooxml {
namespace {

using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::ZipBytes;

std::string FaultOf(std::string_view bytes, const TreeBounds& bounds) {
  try {
    CheckTreeBounds(bytes, "xl/part.xml", bounds);
  } catch (const document::ReadFault& fault) {
    EXPECT_EQ(fault.kind(), document::ReadFault::Kind::Damaged);
    return fault.reason();
  }
  return "";
}

TEST(TreeBounds, CountsElementsAttributesAndTextsButNotCommentsOrInstructions) {
  const TreeCensus census = CheckTreeBounds(
      "<?xml version=\"1.0\"?><a x=\"1\" y='2'><!-- <b/><c/> --><?pi <d/> ?>text"
      "<![CDATA[<e/>]]><f/>\n  <g> </g></a>",
      "xl/part.xml");
  // a, x, y, "text", the CDATA section, f, g and the blank that is g's only content.
  EXPECT_EQ(census.nodes, 8u);
  EXPECT_EQ(census.depth, 2u);
}

TEST(TreeBounds, NodesRefusedJustPastTheBoundAndAcceptedWithin) {
  const std::string bytes = "<a k=\"v\"><b/>x</a>";  // 4 nodes
  EXPECT_EQ(FaultOf(bytes, {4, 10}), "");
  EXPECT_EQ(FaultOf(bytes, {3, 10}),
            "the part 'xl/part.xml' holds more than 3 elements, attributes and texts");
}

TEST(TreeBounds, DepthRefusedJustPastTheBoundAndAcceptedWithin) {
  const std::string bytes = "<a><b><c/></b><d/></a>";  // depth 3
  EXPECT_EQ(FaultOf(bytes, {100, 3}), "");
  EXPECT_EQ(FaultOf(bytes, {100, 2}), "the part 'xl/part.xml' nests its elements more than 2 deep");
}

TEST(TreeBounds, ADocumentTypeIsRefusedBeforeAnythingIsBuilt) {
  EXPECT_EQ(FaultOf("<!DOCTYPE a [<!ENTITY x \"y\">]><a>&x;</a>", {}),
            "the part 'xl/part.xml' declares a document type (DOCTYPE), which a workbook part "
            "never has");
}

TEST(TreeBounds, MarkupTheScannerCannotFollowIsLeftToTheParser) {
  // Counting stops where the tag is broken; the parser then says what is wrong.
  EXPECT_EQ(CheckTreeBounds("<a><b x=1/><c/><c/></a>", "xl/part.xml").nodes, 1u);
  EXPECT_EQ(FaultOf("<a><!-- never closed <b/><b/>", {1, 10}), "");
}

// A workbook part of exactly `nodes` elements, attributes and texts, `depth` elements deep.
std::string WorkbookXml(std::size_t nodes, std::size_t depth) {
  const std::string sheets =
      "<sheets><sheet name=\"Feuil1\" sheetId=\"1\" r:id=\"rId1\"/></sheets>";
  std::string nested;
  for (std::size_t level = 3; level <= depth; ++level) nested += "<n>";
  for (std::size_t level = 3; level <= depth; ++level) nested += "</n>";
  const std::string open =
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">" +
      sheets + "<x>" + nested;
  const std::size_t used =
      CheckTreeBounds(open + "</x></workbook>", "xl/workbook.xml", {SIZE_MAX, SIZE_MAX}).nodes;
  std::string xml = open;
  for (std::size_t count = used; count < nodes; ++count) xml += "<e/>";
  return xml + "</x></workbook>";
}

std::string ReadFaultOfWorkbook(const std::string& workbookXml) {
  PackageParts package = MinimalWorkbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
  package.parts["xl/workbook.xml"] = workbookXml;
  package.stored["xl/workbook.xml"] = true;
  try {
    ReadWorkbookBytes(ZipBytes(package), "Ventes.xls");
  } catch (const Error& error) {
    return error.description();
  }
  return "";
}

TEST(TreeBounds, TheReaderAcceptsAPartOfTheMostNodesAndRefusesOneMore) {
  EXPECT_EQ(ReadFaultOfWorkbook(WorkbookXml(kMaxTreeNodes, 3)), "");
  EXPECT_EQ(ReadFaultOfWorkbook(WorkbookXml(kMaxTreeNodes + 1, 3)),
            "'Ventes.xls' is damaged and cannot be opened: the part 'xl/workbook.xml' holds more "
            "than 2000000 elements, attributes and texts.");
}

TEST(TreeBounds, TheReaderAcceptsTheDeepestNestingAndRefusesOneLevelMore) {
  EXPECT_EQ(ReadFaultOfWorkbook(WorkbookXml(0, kMaxElementDepth)), "");
  EXPECT_EQ(ReadFaultOfWorkbook(WorkbookXml(0, kMaxElementDepth + 1)),
            "'Ventes.xls' is damaged and cannot be opened: the part 'xl/workbook.xml' nests its "
            "elements more than 1000000 deep.");
}

}  // namespace
}  // namespace k27093::ooxml
