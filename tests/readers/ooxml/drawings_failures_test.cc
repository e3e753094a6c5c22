// Charts that make a workbook damaged (error 1004 naming the file and the part), damaged sheet
// drawings that the workbook opens without, and hostile ones whose cost the reader bounds.
#include <gtest/gtest.h>

#include <string>

#include "api/error.h"
#include "document/read_fault.h"
#include "document/sheet_layout.h"
#include "readers/ooxml/drawing_part.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"

namespace k27093::ooxml {
namespace {

using testing::AddDrawing;
using testing::ChartFrame;
using testing::ChartSpaceXml;
using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::TwoCellAnchor;

const std::string kDamaged = "'Ventes.xls' is damaged and cannot be opened: ";

void ExpectDamaged(const PackageParts& package, const std::string& reason) {
  try {
    ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls");
    ADD_FAILURE() << "no error raised";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 1004);
    EXPECT_EQ(error.source(), "Microsoft Office Excel");
    EXPECT_EQ(error.description().rfind(kDamaged, 0), 0u) << error.description();
    EXPECT_NE(error.description().find(reason), std::string::npos) << error.description();
  }
}

// The workbook opens without its sheet's drawing: no drawn object, no chart. When `reason` is
// not empty, the drawing's reader states it as the drawing part's fault.
void ExpectDrawingLeftOut(const PackageParts& package, const std::string& reason = "") {
  const std::string bytes = testing::ZipBytes(package);
  const document::WorkbookData read = ReadWorkbookBytes(bytes, "Ventes.xls");
  ASSERT_EQ(read.sheets.size(), 1u);
  EXPECT_TRUE(read.sheets[0].drawing.empty());
  EXPECT_TRUE(read.sheets[0].charts.empty());
  if (reason.empty()) return;
  Package opened(bytes);
  ContentBudget budget;
  try {
    ReadWorksheetDrawing(opened, "xl/drawings/drawing1.xml", document::SheetLayout(), {}, budget);
    ADD_FAILURE() << "the drawing was read";
  } catch (const document::ReadFault& fault) {
    EXPECT_NE(fault.reason().find(reason), std::string::npos) << fault.reason();
  }
}

// A sheet drawing's object as a chart's own drawing writes it: in the chart drawing's vocabulary.
std::string InChartDrawing(std::string object) {
  for (std::size_t at = object.find("xdr:"); at != std::string::npos;
       at = object.find("xdr:", at)) {
    object.replace(at, 4, "cdr:");
  }
  return object;
}

std::string Series(const std::string& values) {
  return "<c:ser><c:val>" + values + "</c:val></c:ser>";
}

// A workbook whose sheet shows one chart part with `plot` inside <c:plotArea>.
PackageParts WithChart(const std::string& plot, const std::string& chartRest = "") {
  PackageParts package = MinimalWorkbook();
  AddDrawing(
      package, TwoCellAnchor(4, 8, 11, 22, ChartFrame("Chart 1", "rIdChart1")),
      {ChartSpaceXml("<c:chart><c:plotArea>" + plot + "</c:plotArea>" + chartRest + "</c:chart>")});
  return package;
}

TEST(DamagedDrawing, AMissingChartPartIsNamed) {
  PackageParts package = WithChart("<c:barChart/>");
  package.parts.erase("xl/charts/chart1.xml");
  ExpectDamaged(package, "the part 'xl/charts/chart1.xml' is missing");
}

TEST(DamagedDrawing, ADrawingThatCannotBeFoundIsLeftOut) {
  PackageParts sheetToNowhere = WithChart("<c:barChart/>");
  sheetToNowhere.parts["xl/worksheets/_rels/sheet1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>";
  ExpectDrawingLeftOut(sheetToNowhere);

  PackageParts missingDrawing = WithChart("<c:barChart/>");
  missingDrawing.parts.erase("xl/drawings/drawing1.xml");
  ExpectDrawingLeftOut(missingDrawing, "the part 'xl/drawings/drawing1.xml' is missing");
}

TEST(DamagedDrawing, AChartFrameThatLeadsNowhereLeavesTheDrawingOut) {
  PackageParts frameToNowhere = WithChart("<c:barChart/>");
  frameToNowhere.parts["xl/drawings/_rels/drawing1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"/>";
  ExpectDrawingLeftOut(frameToNowhere,
                       "the part 'xl/drawings/drawing1.xml' shows in 'Chart 1' the "
                       "chart 'rIdChart1', which leads to no chart part");

  PackageParts external = WithChart("<c:barChart/>");
  std::string& relationships = external.parts["xl/drawings/_rels/drawing1.xml.rels"];
  relationships.insert(relationships.find("/>"), " TargetMode=\"External\"");
  ExpectDrawingLeftOut(external, "which leads to no chart part");
}

TEST(DamagedDrawing, AChartsShapesThatLeadNowhereAreDamage) {
  PackageParts shapesToNowhere = WithChart("<c:barChart/>");
  std::string& chart = shapesToNowhere.parts["xl/charts/chart1.xml"];
  chart.insert(chart.rfind("</c:chartSpace>"), "<c:userShapes r:id=\"rId9\"/>");
  ExpectDamaged(shapesToNowhere,
                "the part 'xl/charts/chart1.xml' names its shapes drawing "
                "'rId9', which leads to no drawing part");
}

TEST(DamagedDrawing, AnchorsOutsideTheSheetOrWithoutNumbersLeaveTheDrawingOut) {
  PackageParts beyond = MinimalWorkbook();
  AddDrawing(beyond, TwoCellAnchor(16385, 0, 16386, 1, ChartFrame("Chart 1", "rIdChart1")));
  ExpectDrawingLeftOut(beyond,
                       "the part 'xl/drawings/drawing1.xml' has an anchor whose col is missing "
                       "or lies outside the sheet");

  PackageParts words = MinimalWorkbook();
  std::string anchor = TwoCellAnchor(0, 0, 2, 2, ChartFrame("Chart 1", "rIdChart1"));
  anchor.replace(anchor.find("<xdr:colOff>0"), 13, "<xdr:colOff>un");
  AddDrawing(words, anchor);
  ExpectDrawingLeftOut(words, "has <xdr:colOff>un</xdr:colOff>, which is not a number");
}

TEST(DamagedDrawing, ChartSettingsOutsideTheFormatAreRefused) {
  ExpectDamaged(WithChart("<c:barChart/><c:valAx><c:axId val=\"2\"/><c:majorTickMark "
                          "val=\"sideways\"/></c:valAx>"),
                "the part 'xl/charts/chart1.xml' has the axis setting <majorTickMark "
                "val=\"sideways\">");
  ExpectDamaged(WithChart("<c:barChart/>", "<c:legend><c:legendPos val=\"middle\"/></c:legend>"),
                "the legend position 'middle'");
  ExpectDamaged(WithChart("<c:barChart/><c:valAx><c:majorUnit val=\"deux\"/></c:valAx>"),
                "<c:majorUnit val=\"deux\">, which is not a number");
  ExpectDamaged(WithChart("<c:barChart>" +
                          Series("<c:numLit><c:pt idx=\"0\"><c:v>x</c:v></c:pt></c:numLit>") +
                          "</c:barChart>"),
                "has the series point 'x', not a number");
  ExpectDamaged(WithChart("<c:barChart><c:ser><c:spPr><a:solidFill><a:srgbClr val=\"red\"/>"
                          "</a:solidFill></c:spPr></c:ser></c:barChart>"),
                "has the colour 'red', which is not RRGGBB");
}

TEST(HostileChart, AHugePointCountIsRefusedBeforeAnythingIsAllocated) {
  ExpectDamaged(WithChart("<c:barChart>" +
                          Series("<c:numRef><c:f>A1</c:f><c:numCache><c:ptCount "
                                 "val=\"4000000000\"/></c:numCache></c:numRef>") +
                          "</c:barChart>"),
                "has a series of more than 32000 points");
  ExpectDamaged(WithChart("<c:barChart>" +
                          Series("<c:numLit><c:pt idx=\"2000000000\"><c:v>1</c:v></c:pt>"
                                 "</c:numLit>") +
                          "</c:barChart>"),
                "has a series point whose index is missing or beyond 32000");
  const document::WorkbookData read = ReadWorkbookBytes(
      testing::ZipBytes(WithChart(
          "<c:barChart>" +
          Series("<c:numLit><c:ptCount val=\"32000\"/><c:pt idx=\"31999\"><c:v>7</c:v></c:pt>"
                 "</c:numLit>") +
          "</c:barChart>")),
      "Ventes.xls");
  EXPECT_EQ(read.sheets[0].charts.at(0).series.at(0).values.points.size(), 32000u);
}

TEST(HostileChart, MoreSeriesThanAChartMayHoldAreRefused) {
  std::string series;
  for (int i = 0; i < 255; ++i) series += "<c:ser/>";
  const document::WorkbookData read = ReadWorkbookBytes(
      testing::ZipBytes(WithChart("<c:barChart>" + series + "</c:barChart>")), "Ventes.xls");
  EXPECT_EQ(read.sheets[0].charts.at(0).series.size(), 255u);
  ExpectDamaged(WithChart("<c:barChart>" + series +
                          "</c:barChart><c:lineChart><c:ser/>"
                          "</c:lineChart>"),
                "the part 'xl/charts/chart1.xml' holds more than 255 series");
}

TEST(HostileDrawing, MoreObjectsThanADrawingMayHoldLeaveItOut) {
  std::string anchors;
  const std::string box = TwoCellAnchor(0, 0, 1, 1,
                                        "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"2\" name=\"B\"/>"
                                        "<xdr:cNvSpPr/></xdr:nvSpPr></xdr:sp>");
  for (int i = 0; i < 10000; ++i) anchors += box;
  // Stored: the same anchor repeated would inflate past the ratio the package allows.
  PackageParts package = MinimalWorkbook();
  AddDrawing(package, anchors);
  package.stored["xl/drawings/drawing1.xml"] = true;
  EXPECT_EQ(ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls").sheets[0].drawing.size(),
            10000u);
  PackageParts tooMany = MinimalWorkbook();
  AddDrawing(tooMany, anchors + box);
  tooMany.stored["xl/drawings/drawing1.xml"] = true;
  ExpectDrawingLeftOut(tooMany,
                       "the part 'xl/drawings/drawing1.xml' holds more than 10000 drawn objects");
}

TEST(HostileDrawing, DeeplyNestedGroupsAreReadAsOneObject) {
  std::string group;
  const int depth = 100000;
  for (int i = 0; i < depth; ++i) {
    group += "<xdr:grpSp><xdr:nvGrpSpPr><xdr:cNvPr id=\"" + std::to_string(i + 2) +
             "\" name=\"G\"/></xdr:nvGrpSpPr>";
  }
  for (int i = 0; i < depth; ++i) group += "</xdr:grpSp>";
  PackageParts package = MinimalWorkbook();
  AddDrawing(package, TwoCellAnchor(0, 0, 1, 1, group));
  const document::WorkbookData read = ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls");
  ASSERT_EQ(read.sheets[0].drawing.size(), 1u);
  EXPECT_EQ(read.sheets[0].drawing[0].kind, document::DrawingObjectData::Kind::Group);
  EXPECT_EQ(read.sheets[0].drawing[0].id, 2);
}

TEST(HostileChart, AChartFrameInAChartsOwnDrawingIsNotFollowed) {
  // A chart whose own drawing shows the chart itself: read once, without looping.
  PackageParts package = WithChart("<c:barChart/>");
  std::string& chart = package.parts["xl/charts/chart1.xml"];
  chart.insert(chart.rfind("</c:chartSpace>"), "<c:userShapes r:id=\"rIdShapes\"/>");
  package.parts["xl/charts/_rels/chart1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rIdShapes\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
      "2006/relationships/chartUserShapes\" Target=\"../drawings/drawing2.xml\"/>"
      "<Relationship Id=\"rIdChart1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
      "2006/relationships/chart\" Target=\"chart1.xml\"/></Relationships>";
  package.parts["xl/drawings/drawing2.xml"] =
      std::string("<c:userShapes") + testing::kDrawingNamespaces +
      "><cdr:relSizeAnchor><cdr:from><cdr:x>0</cdr:x><cdr:y>0</cdr:y></cdr:from><cdr:to>"
      "<cdr:x>1</cdr:x><cdr:y>1</cdr:y></cdr:to>" +
      InChartDrawing(ChartFrame("Chart 1", "rIdChart1")) + "</cdr:relSizeAnchor></c:userShapes>";
  const document::WorkbookData read = ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls");
  const document::ChartData& only = read.sheets[0].charts.at(0);
  ASSERT_EQ(only.shapes.size(), 1u);
  EXPECT_EQ(only.shapes[0].kind, document::DrawingObjectData::Kind::Chart);
  EXPECT_FALSE(only.shapes[0].chart.has_value());
}

}  // namespace
}  // namespace k27093::ooxml
