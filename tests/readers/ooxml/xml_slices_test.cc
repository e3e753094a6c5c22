// Parts read a slice at a time: the children come as the whole part's tree gives them,
// whatever the slices, in the part's own namespaces and encoding; a part that does not parse
// fails as the whole part does; the reader reads sheets and shared strings larger than one tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/variant.h"
#include "document/read_fault.h"
#include "readers/ooxml/markup_bounds.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "readers/ooxml/xml_part.h"
#include "readers/ooxml/xml_slices.h"

namespace k27093::ooxml {
namespace {

using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::ZipBytes;

// Each child of the container as its name, or its text, in order.
std::vector<std::string> ChildrenOf(const SlicedXmlPart& part) {
  std::vector<std::string> children;
  part.ForEachChild([&](pugi::xml_node child) {
    children.push_back(child.type() == pugi::node_element
                           ? std::string(child.name()) + "=" + child.attribute("v").value() +
                                 child.child_value()
                           : std::string("#") + child.value());
  });
  return children;
}

std::vector<std::string> WholeChildrenOf(std::string_view bytes, std::string_view container) {
  const pugi::xml_document document = ParseXmlBytes(bytes, "xl/part.xml", "worksheet");
  pugi::xml_node node = document.document_element();
  if (!container.empty()) node = ChildNamed(node, container);
  std::vector<std::string> children;
  for (pugi::xml_node child : node.children()) {
    children.push_back(child.type() == pugi::node_element
                           ? std::string(child.name()) + "=" + child.attribute("v").value() +
                                 child.child_value()
                           : std::string("#") + child.value());
  }
  return children;
}

const std::string kSheet =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<x:cols><x:col min=\"1\" max=\"2\"/></x:cols>"
    "<x:sheetData><x:row v=\"1\">un</x:row><!-- </x:row></x:sheetData> --><x:row v=\"2\"/>"
    "<x:row v=\"3\"><![CDATA[</x:row>]]></x:row>texte<x:row v='4'>&lt;&#233;</x:row>"
    "<x:row v=\"5\"><x:c><x:v>5</x:v></x:c></x:row></x:sheetData>"
    "<x:drawing/></x:worksheet>";

TEST(SlicedXmlPart, TheChildrenAreThoseOfTheWholeTreeWhateverTheSlices) {
  const std::vector<std::string> whole = WholeChildrenOf(kSheet, "sheetData");
  ASSERT_EQ(whole.size(), 6u);
  for (std::size_t sliceNodes : {1u, 2u, 3u, 5u, 1000u}) {
    const SlicedXmlPart part(kSheet, "xl/part.xml", "worksheet", "sheetData", sliceNodes);
    EXPECT_EQ(ChildrenOf(part), whole) << sliceNodes;
    EXPECT_GE(part.slices(), 1u);
  }
  EXPECT_EQ(SlicedXmlPart(kSheet, "xl/part.xml", "worksheet", "sheetData", 1).slices(), 6u);
}

TEST(SlicedXmlPart, TheOutlineHoldsTheRestOfThePartWithoutTheChildren) {
  const SlicedXmlPart part(kSheet, "xl/part.xml", "worksheet", "sheetData", 2);
  EXPECT_TRUE(ChildNamed(part.root(), "cols").child("x:col"));
  EXPECT_TRUE(ChildNamed(part.root(), "drawing"));
  EXPECT_FALSE(ChildNamed(part.root(), "sheetData").first_child());
}

TEST(SlicedXmlPart, TheRootItselfCanHoldTheChildren) {
  const std::string table =
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" a=\"1\"><si "
      "v=\"1\"/><si v=\"2\">deux</si><si/></worksheet>";
  const SlicedXmlPart part(table, "xl/part.xml", "worksheet", "", 1);
  EXPECT_EQ(part.slices(), 3u);
  EXPECT_EQ(ChildrenOf(part), WholeChildrenOf(table, ""));
}

TEST(SlicedXmlPart, APartWithoutItsContainerIsReadWhole) {
  for (const std::string bytes :
       {"<worksheet "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><cols/></worksheet>",
        "<worksheet "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData/></"
        "worksheet>",
        "<worksheet "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><a><sheetData><row/></"
        "sheetData></a></worksheet>"}) {
    const SlicedXmlPart part(bytes, "xl/part.xml", "worksheet", "sheetData", 1);
    EXPECT_EQ(part.slices(), 0u) << bytes;
    EXPECT_TRUE(ChildrenOf(part).empty()) << bytes;
  }
}

std::string ReasonOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const document::ReadFault& fault) {
    return fault.reason();
  }
  return "";
}

TEST(SlicedXmlPart, ABrokenSliceFailsAsTheWholePartDoes) {
  const std::string broken =
      "<worksheet><sheetData><row/><row/><row><c></row><row/></sheetData></worksheet>";
  const std::string whole = ReasonOf([&] { ParseXmlBytes(broken, "xl/part.xml", "worksheet"); });
  ASSERT_NE(whole.find("is not well-formed XML"), std::string::npos) << whole;
  EXPECT_EQ(ReasonOf([&] {
              const SlicedXmlPart part(broken, "xl/part.xml", "worksheet", "sheetData", 1);
              ChildrenOf(part);
            }),
            whole);
  // A broken outline too.
  const std::string tail = "<worksheet><sheetData><row/></sheetData><cols></worksheet>";
  EXPECT_EQ(ReasonOf([&] { SlicedXmlPart(tail, "xl/part.xml", "worksheet", "sheetData", 1); }),
            ReasonOf([&] { ParseXmlBytes(tail, "xl/part.xml", "worksheet"); }));
}

TEST(SlicedXmlPart, WhatTheVisitRaisesGoesThrough) {
  const SlicedXmlPart part(kSheet, "xl/part.xml", "worksheet", "sheetData", 1);
  int visits = 0;
  EXPECT_EQ(ReasonOf([&] {
              part.ForEachChild([&](pugi::xml_node) {
                if (++visits == 3) document::FailDamaged("third");
              });
            }),
            "third");
  EXPECT_EQ(visits, 3);
}

// A sheet of `rows` rows of `cells` cells each, the rows and cells without their references.
std::string RowsWithoutReferences(int rows, int cells, const std::string& cell) {
  std::string row = "<row>";
  for (int i = 0; i < cells; ++i) row += cell;
  row += "</row>";
  std::string data;
  data.reserve(row.size() * rows);
  for (int i = 0; i < rows; ++i) data += row;
  return data;
}

TEST(SlicedSheet, RowsWithoutReferencesAreNumberedAcrossSlices) {
  // 4 nodes a row: some 5 slices.
  PackageParts package = MinimalWorkbook(RowsWithoutReferences(80000, 1, "<c><v>7</v></c>"));
  package.stored["xl/worksheets/sheet1.xml"] = true;
  const document::WorkbookData data = ReadWorkbookBytes(ZipBytes(package), "Ventes.xls");
  const std::vector<document::CellData>& cells = data.sheets.at(0).cells;
  ASSERT_EQ(cells.size(), 80000u);
  EXPECT_EQ(cells.back().row, 80000);
  EXPECT_EQ(cells.back().column, 1);
  EXPECT_EQ(ToDouble(cells.back().value), 7);
}

TEST(SlicedSheet, ASheetLargerThanOneTreeIsRead) {
  const int rows = static_cast<int>(kMaxTreeNodes / 1000) + 10;
  std::string sheetData = RowsWithoutReferences(rows, 1000, "<c/>");
  sheetData += "<row><c t=\"s\"><v>1</v></c></row>";
  PackageParts package = MinimalWorkbook(sheetData);
  package.stored["xl/worksheets/sheet1.xml"] = true;
  // The shared strings, more than one tree holds too.
  std::string table = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
  for (std::size_t i = 0; i < kMaxTreeNodes; ++i) table += i == 1 ? "<si><t>un</t></si>" : "<si/>";
  package.parts["xl/sharedStrings.xml"] = table + "</sst>";
  package.stored["xl/sharedStrings.xml"] = true;
  std::string& rels = package.parts["xl/_rels/workbook.xml.rels"];
  rels.insert(rels.find("</Relationships>"),
              "<Relationship Id=\"rIdS\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
              "2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>");
  const document::WorkbookData data = ReadWorkbookBytes(ZipBytes(package), "Ventes.xls");
  const std::vector<document::CellData>& cells = data.sheets.at(0).cells;
  ASSERT_EQ(cells.size(), 1u);
  EXPECT_EQ(cells[0].row, rows + 1);
  EXPECT_EQ(cells[0].value.AsText(), "un");
}

}  // namespace
}  // namespace k27093::ooxml
