// Drawings and charts of small packages built in the test: where objects lie on sheets with
// their own column widths and row heights, the kinds of drawn objects and their order, a
// chart's own shapes, form controls, literals, and what a chart that states little gives.
#include <gtest/gtest.h>

#include <string>

#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"
#include "readers/ooxml/series_formula_text.h"

namespace k27093::ooxml {
namespace {

using testing::AddDrawing;
using testing::ChartFrame;
using testing::ChartSpaceXml;
using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::TwoCellAnchor;
using Kind = document::DrawingObjectData::Kind;

const std::string kRelationshipTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

document::WorkbookData Read(const PackageParts& package) {
  return ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls");
}

document::SheetData OnlySheet(const PackageParts& package) { return Read(package).sheets.at(0); }

std::string Shape(const std::string& name, const std::string& inside, bool textBox = false,
                  int id = 3) {
  return "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"" + std::to_string(id) + "\" name=\"" + name +
         "\"/><xdr:cNvSpPr" + (textBox ? " txBox=\"1\"" : "") + "/></xdr:nvSpPr>" + inside +
         "</xdr:sp>";
}

std::string Marker(const char* name, int column, long columnOffset, int row, long rowOffset) {
  return std::string("<xdr:") + name + "><xdr:col>" + std::to_string(column) +
         "</xdr:col><xdr:colOff>" + std::to_string(columnOffset) + "</xdr:colOff><xdr:row>" +
         std::to_string(row) + "</xdr:row><xdr:rowOff>" + std::to_string(rowOffset) +
         "</xdr:rowOff></xdr:" + name + ">";
}

// A chart part around a clustered column group with the given series and two axes.
std::string ColumnChart(const std::string& series, const std::string& axes = "",
                        const std::string& rest = "") {
  return ChartSpaceXml("<c:chart><c:plotArea><c:barChart><c:barDir val=\"col\"/>" + series +
                       "<c:axId val=\"1\"/><c:axId val=\"2\"/></c:barChart>" + axes +
                       "</c:plotArea>" + rest + "</c:chart>");
}

// Gives the package's first chart part its own drawing, whose anchors are `anchors`.
void AddChartShapes(PackageParts& package, const std::string& anchors) {
  std::string& chart = package.parts["xl/charts/chart1.xml"];
  chart.insert(chart.rfind("</c:chartSpace>"), "<c:userShapes r:id=\"rIdShapes\"/>");
  package.parts["xl/charts/_rels/chart1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rIdShapes\" Type=\"" +
      kRelationshipTypes +
      "chartUserShapes\" Target=\"../drawings/drawing2.xml\"/></Relationships>";
  package.parts["xl/drawings/drawing2.xml"] = std::string("<c:userShapes") +
                                              testing::kDrawingNamespaces + ">" + anchors +
                                              "</c:userShapes>";
}

// A text box of a chart's own drawing between two points given as fractions of the chart.
std::string ChartTextBox(const std::string& name, const std::string& from, const std::string& to,
                         const std::string& geometry, const std::string& text) {
  return "<cdr:relSizeAnchor><cdr:from>" + from + "</cdr:from><cdr:to>" + to +
         "</cdr:to><cdr:sp><cdr:nvSpPr><cdr:cNvPr id=\"2\" name=\"" + name +
         "\"/><cdr:cNvSpPr/></cdr:nvSpPr><cdr:spPr>" + geometry +
         "</cdr:spPr><cdr:txBody><a:bodyPr/><a:p><a:r><a:t>" + text +
         "</a:t></a:r></a:p></cdr:txBody></cdr:sp></cdr:relSizeAnchor>";
}

TEST(SheetDrawing, ObjectsArePlacedThroughTheSheetsOwnWidthsHeightsAndOffsets) {
  PackageParts package = MinimalWorkbook();
  package.parts["xl/worksheets/sheet1.xml"] =
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<sheetFormatPr defaultRowHeight=\"12.75\"/>"
      "<cols><col min=\"1\" max=\"2\" width=\"13.7109375\" customWidth=\"1\"/>"
      "<col min=\"3\" max=\"3\" width=\"5\" hidden=\"1\"/></cols>"
      "<sheetData><row r=\"2\" ht=\"30\" customHeight=\"1\"/><row r=\"3\" hidden=\"1\"/>"
      "</sheetData></worksheet>";
  const std::string twoCell = "<xdr:twoCellAnchor editAs=\"oneCell\">" +
                              Marker("from", 1, 9525, 1, 12700) + Marker("to", 4, 0, 4, 0) +
                              Shape("Rectangle 1", "") + "<xdr:clientData/></xdr:twoCellAnchor>";
  const std::string oneCell = "<xdr:oneCellAnchor>" + Marker("from", 3, 0, 3, 0) +
                              "<xdr:ext cx=\"1270000\" cy=\"635000\"/>" + Shape("Oval 2", "") +
                              "<xdr:clientData/></xdr:oneCellAnchor>";
  const std::string absolute =
      "<xdr:absoluteAnchor><xdr:pos x=\"127000\" y=\"254000\"/>"
      "<xdr:ext cx=\"381000\" cy=\"508000\"/>" +
      Shape("Line 3", "") + "<xdr:clientData/></xdr:absoluteAnchor>";
  AddDrawing(package, twoCell + oneCell + absolute);
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.drawing.size(), 3u);

  // Columns A:B are 96 px (72 pt), C is hidden, then 64 px (48 pt); rows are 12.75 pt, row 2
  // is 30 pt and row 3 hidden.
  const document::GeometryData& rectangle = sheet.drawing[0].geometry;
  EXPECT_DOUBLE_EQ(rectangle.left, 72 + 0.75);
  EXPECT_DOUBLE_EQ(rectangle.top, 12.75 + 1);
  EXPECT_DOUBLE_EQ(rectangle.width, 72 + 0 + 48 - 0.75);
  EXPECT_DOUBLE_EQ(rectangle.height, 30 + 0 + 12.75 - 1);
  const document::GeometryData& oval = sheet.drawing[1].geometry;
  EXPECT_DOUBLE_EQ(oval.left, 144);
  EXPECT_DOUBLE_EQ(oval.top, 12.75 + 30);
  EXPECT_DOUBLE_EQ(oval.width, 100);
  EXPECT_DOUBLE_EQ(oval.height, 50);
  const document::GeometryData& line = sheet.drawing[2].geometry;
  EXPECT_DOUBLE_EQ(line.left, 10);
  EXPECT_DOUBLE_EQ(line.top, 20);
  EXPECT_DOUBLE_EQ(line.width, 30);
  EXPECT_DOUBLE_EQ(line.height, 40);
}

TEST(SheetDrawing, AnObjectsOwnFrameWinsOverItsAnchor) {
  PackageParts package = MinimalWorkbook();
  // As LibreOffice writes a chart object it placed at 10 x 10 pt and sized 247.5 x 146.25 pt
  // (kept in hundredths of a millimetre, 360 EMU each): its anchor's cells are laid out on
  // its own column widths, its frame keeps the place.
  const std::string chartFrame =
      "<xdr:twoCellAnchor editAs=\"oneCell\">" + Marker("from", 0, 127080, 0, 127080) +
      Marker("to", 4, 235080, 10, 79200) +
      "<xdr:graphicFrame><xdr:nvGraphicFramePr><xdr:cNvPr id=\"0\" name=\"Chart 1\"/>"
      "<xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr><xdr:xfrm><a:off x=\"127080\" "
      "y=\"127080\"/><a:ext cx=\"3143160\" cy=\"1857240\"/></xdr:xfrm><a:graphic>"
      "<a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/chart\">"
      "<c:chart r:id=\"rIdChart1\"/></a:graphicData></a:graphic></xdr:graphicFrame>"
      "<xdr:clientData/></xdr:twoCellAnchor>";
  const std::string framed =
      Shape("Rectangle 2",
            "<xdr:spPr><a:xfrm><a:off x=\"254000\" y=\"381000\"/><a:ext cx=\"635000\" "
            "cy=\"0\"/></a:xfrm><a:prstGeom prst=\"rect\"/></xdr:spPr>");
  const std::string unframed =
      Shape("Rectangle 3",
            "<xdr:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/>"
            "</a:xfrm><a:prstGeom prst=\"rect\"/></xdr:spPr>");
  AddDrawing(package,
             chartFrame + TwoCellAnchor(1, 1, 2, 2, framed) + TwoCellAnchor(1, 1, 2, 2, unframed),
             {ColumnChart("")});
  AddChartShapes(package, ChartTextBox("Text Box 1", "<cdr:x>0.5</cdr:x><cdr:y>0.5</cdr:y>",
                                       "<cdr:x>1</cdr:x><cdr:y>1</cdr:y>", "", "x1000"));
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.drawing.size(), 3u);
  const document::GeometryData& chart = sheet.drawing[0].geometry;
  EXPECT_DOUBLE_EQ(chart.left, 127080 / 12700.0);
  EXPECT_DOUBLE_EQ(chart.top, 127080 / 12700.0);
  EXPECT_DOUBLE_EQ(chart.width, 3143160 / 12700.0);
  EXPECT_DOUBLE_EQ(chart.height, 1857240 / 12700.0);
  // The chart's own shapes lie in the frame.
  ASSERT_EQ(sheet.charts.at(0).shapes.size(), 1u);
  EXPECT_DOUBLE_EQ(sheet.charts[0].shapes[0].geometry.width, chart.width / 2);
  // A flat frame is a frame; an empty one leaves the anchor.
  const document::GeometryData& line = sheet.drawing[1].geometry;
  EXPECT_DOUBLE_EQ(line.left, 20);
  EXPECT_DOUBLE_EQ(line.top, 30);
  EXPECT_DOUBLE_EQ(line.width, 50);
  EXPECT_DOUBLE_EQ(line.height, 0);
  const document::GeometryData& anchored = sheet.drawing[2].geometry;
  EXPECT_DOUBLE_EQ(anchored.left, 48);
  EXPECT_DOUBLE_EQ(anchored.width, 48);
  EXPECT_DOUBLE_EQ(anchored.height, 15);
}

TEST(SheetDrawing, TextWithoutAShapeOfItsOwnIsATextBox) {
  PackageParts package = MinimalWorkbook();
  const std::string text =
      "<xdr:txBody><a:bodyPr/><a:p><a:r><a:t>Note</a:t></a:r></a:p></xdr:txBody>";
  AddDrawing(
      package,
      TwoCellAnchor(0, 0, 1, 1, Shape("Forme 1", "<xdr:spPr><a:noFill/></xdr:spPr>" + text)) +
          TwoCellAnchor(0, 0, 1, 1, Shape("Forme 2", "<xdr:spPr><a:custGeom/></xdr:spPr>" + text)) +
          TwoCellAnchor(0, 0, 1, 1, Shape("Forme 3", "<xdr:spPr/>")) +
          TwoCellAnchor(
              0, 0, 1, 1,
              Shape("Forme 4", "<xdr:spPr><a:prstGeom prst=\"rect\"/></xdr:spPr>" + text)));
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.drawing.size(), 4u);
  EXPECT_EQ(sheet.drawing[0].kind, Kind::TextBox);
  EXPECT_EQ(sheet.drawing[0].text->text, "Note");
  EXPECT_EQ(sheet.drawing[1].kind, Kind::AutoShape);
  EXPECT_EQ(sheet.drawing[2].kind, Kind::AutoShape);
  EXPECT_EQ(sheet.drawing[3].kind, Kind::AutoShape);
}

TEST(SheetDrawing, EveryKindOfObjectKeepsItsPlaceInTheZOrder) {
  PackageParts package = MinimalWorkbook();
  const std::string picture =
      "<xdr:pic><xdr:nvPicPr><xdr:cNvPr id=\"4\" name=\"Picture 4\" descr=\"logo\"/>"
      "<xdr:cNvPicPr/></xdr:nvPicPr><xdr:blipFill><a:blip r:embed=\"rIdImage\"/></xdr:blipFill>"
      "<xdr:spPr><a:prstGeom prst=\"rect\"/></xdr:spPr></xdr:pic>";
  const std::string group =
      "<xdr:grpSp><xdr:nvGrpSpPr><xdr:cNvPr id=\"5\" name=\"Group 5\"/><xdr:cNvGrpSpPr/>"
      "</xdr:nvGrpSpPr><xdr:grpSpPr/>" +
      Shape("Inner 6", "", false, 6) + Shape("Inner 7", "", true, 7) + "</xdr:grpSp>";
  const std::string connector =
      "<xdr:cxnSp macro=\"\"><xdr:nvCxnSpPr><xdr:cNvPr id=\"8\" name=\"Straight Connector 8\"/>"
      "<xdr:cNvCxnSpPr/></xdr:nvCxnSpPr><xdr:spPr><a:prstGeom prst=\"line\"/></xdr:spPr>"
      "</xdr:cxnSp>";
  const std::string table =
      "<xdr:graphicFrame><xdr:nvGraphicFramePr><xdr:cNvPr id=\"9\" name=\"Diagram 9\" "
      "hidden=\"1\"/><xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr><a:graphic><a:graphicData "
      "uri=\"http://schemas.openxmlformats.org/drawingml/2006/diagram\"/></a:graphic>"
      "</xdr:graphicFrame>";
  const std::string shape = Shape(
      "Oval 3",
      "<xdr:spPr><a:prstGeom prst=\"ellipse\"><a:avLst/></a:prstGeom><a:solidFill>"
      "<a:srgbClr val=\"CCFFFF\"/></a:solidFill><a:ln w=\"9525\"><a:solidFill><a:sysClr "
      "val=\"windowText\" lastClr=\"000000\"/></a:solidFill></a:ln></xdr:spPr>"
      "<xdr:txBody><a:bodyPr/><a:p><a:r><a:t>Nord</a:t></a:r><a:br/><a:r><a:t>Sud</a:t></a:r>"
      "</a:p><a:p><a:fld id=\"{1}\" type=\"slidenum\"><a:t>2</a:t></a:fld></a:p></xdr:txBody>");
  AddDrawing(package, TwoCellAnchor(0, 0, 1, 1, picture) + TwoCellAnchor(0, 0, 1, 1, shape) +
                          TwoCellAnchor(0, 0, 1, 1, group) + TwoCellAnchor(0, 0, 1, 1, connector) +
                          TwoCellAnchor(0, 0, 1, 1, table) +
                          "<xdr:twoCellAnchor><xdr:from><xdr:col>0</xdr:col><xdr:row>0</xdr:row>"
                          "</xdr:from><xdr:to><xdr:col>1</xdr:col><xdr:row>1</xdr:row></xdr:to>"
                          "<xdr:clientData/></xdr:twoCellAnchor>");
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.drawing.size(), 5u);  // the empty anchor draws nothing
  EXPECT_EQ(sheet.drawing[0].kind, Kind::Picture);
  EXPECT_EQ(sheet.drawing[0].name, "Picture 4");
  EXPECT_EQ(sheet.drawing[0].id, 4);

  const document::DrawingObjectData& oval = sheet.drawing[1];
  EXPECT_EQ(oval.kind, Kind::AutoShape);
  EXPECT_EQ(oval.preset, "ellipse");
  ASSERT_TRUE(oval.fill && oval.line);
  EXPECT_EQ(oval.fill->color.value().PlainRgb(), 16777164);  // CCFFFF
  EXPECT_EQ(oval.line->color.value().PlainRgb(), 0);
  ASSERT_TRUE(oval.text.has_value());
  EXPECT_EQ(oval.text->text, "Nord\nSud\n2");

  EXPECT_EQ(sheet.drawing[2].kind, Kind::Group);
  EXPECT_EQ(sheet.drawing[2].name, "Group 5");
  EXPECT_EQ(sheet.drawing[3].kind, Kind::Connector);
  EXPECT_EQ(sheet.drawing[3].preset, "line");
  EXPECT_EQ(sheet.drawing[4].kind, Kind::Other);
  EXPECT_TRUE(sheet.drawing[4].hidden);
  EXPECT_FALSE(sheet.drawing[1].hidden);
  EXPECT_TRUE(sheet.charts.empty());
}

TEST(SheetDrawing, ChartFramesLeadToTheirChartsInDrawingOrder) {
  PackageParts package = MinimalWorkbook();
  const std::string series =
      "<c:ser><c:idx val=\"0\"/><c:order val=\"0\"/><c:val><c:numRef><c:f>Feuil1!$A$1:$A$2"
      "</c:f></c:numRef></c:val></c:ser>";
  AddDrawing(package,
             TwoCellAnchor(0, 0, 4, 10, ChartFrame("Graphique 2", "rIdChart2", 2)) +
                 TwoCellAnchor(5, 0, 9, 10, Shape("Text Box 3", "", true)) +
                 TwoCellAnchor(0, 12, 4, 20, ChartFrame("Graphique 1", "rIdChart1", 4)),
             {ColumnChart(series), ChartSpaceXml("<c:chart><c:plotArea><c:lineChart>" + series +
                                                 "</c:lineChart></c:plotArea></c:chart>")});
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.drawing.size(), 3u);
  ASSERT_EQ(sheet.charts.size(), 2u);
  EXPECT_EQ(sheet.drawing[0].chart, 0u);
  EXPECT_EQ(sheet.charts[0].part, "xl/charts/chart2.xml");
  EXPECT_EQ(sheet.charts[0].chartType, 65);
  EXPECT_FALSE(sheet.drawing[1].chart.has_value());
  EXPECT_EQ(sheet.drawing[2].chart, 1u);
  EXPECT_EQ(sheet.charts[1].part, "xl/charts/chart1.xml");
  EXPECT_EQ(sheet.charts[1].chartType, 51);
}

TEST(ChartShapes, AChartsOwnShapesArePlacedInItsChartArea) {
  PackageParts package = MinimalWorkbook();
  // A 480 x 288 px (360 x 216 pt) chart object.
  AddDrawing(package, "", {ColumnChart("")});
  package.parts["xl/drawings/drawing1.xml"] =
      std::string("<xdr:wsDr") + testing::kDrawingNamespaces + ">" +
      "<xdr:absoluteAnchor><xdr:pos x=\"0\" y=\"0\"/><xdr:ext cx=\"4572000\" cy=\"2743200\"/>" +
      ChartFrame("Chart 1", "rIdChart1") + "<xdr:clientData/></xdr:absoluteAnchor></xdr:wsDr>";
  AddChartShapes(
      package,
      "<cdr:relSizeAnchor><cdr:from><cdr:x>0</cdr:x><cdr:y>0.5</cdr:y></cdr:from><cdr:to>"
      "<cdr:x>0.25</cdr:x><cdr:y>0.75</cdr:y></cdr:to><cdr:sp><cdr:nvSpPr><cdr:cNvPr id=\"2\" "
      "name=\"Text Box 2\"/><cdr:cNvSpPr txBox=\"1\"/></cdr:nvSpPr><cdr:spPr/><cdr:txBody>"
      "<a:bodyPr/><a:p><a:r><a:t>x1000</a:t></a:r></a:p></cdr:txBody></cdr:sp>"
      "</cdr:relSizeAnchor>"
      "<cdr:absSizeAnchor><cdr:from><cdr:x>0.5</cdr:x><cdr:y>0.1</cdr:y></cdr:from>"
      "<cdr:ext cx=\"127000\" cy=\"254000\"/><cdr:sp><cdr:nvSpPr><cdr:cNvPr id=\"3\" "
      "name=\"AutoShape 3\"/><cdr:cNvSpPr/></cdr:nvSpPr><cdr:spPr><a:prstGeom "
      "prst=\"wedgeRectCallout\"/><a:solidFill><a:srgbClr val=\"FF0000\"/></a:solidFill>"
      "</cdr:spPr></cdr:sp></cdr:absSizeAnchor>");
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_EQ(sheet.charts.size(), 1u);
  const std::vector<document::DrawingObjectData>& shapes = sheet.charts[0].shapes;
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[0].kind, Kind::TextBox);
  EXPECT_EQ(shapes[0].name, "Text Box 2");
  EXPECT_EQ(shapes[0].text->text, "x1000");
  EXPECT_DOUBLE_EQ(shapes[0].geometry.left, 0);
  EXPECT_DOUBLE_EQ(shapes[0].geometry.top, 108);
  EXPECT_DOUBLE_EQ(shapes[0].geometry.width, 90);
  EXPECT_DOUBLE_EQ(shapes[0].geometry.height, 54);
  EXPECT_EQ(shapes[1].kind, Kind::AutoShape);
  EXPECT_EQ(shapes[1].preset, "wedgeRectCallout");
  EXPECT_EQ(shapes[1].fill->color.value().PlainRgb(), 255);
  EXPECT_DOUBLE_EQ(shapes[1].geometry.left, 180);
  EXPECT_DOUBLE_EQ(shapes[1].geometry.top, 21.6);
  EXPECT_DOUBLE_EQ(shapes[1].geometry.width, 10);
  EXPECT_DOUBLE_EQ(shapes[1].geometry.height, 20);
}

TEST(FormControls, ACheckBoxGivesItsStateFromItsPropertiesPart) {
  PackageParts package = MinimalWorkbook();
  std::string& sheet = package.parts["xl/worksheets/sheet1.xml"];
  sheet.insert(sheet.rfind("</worksheet>"),
               "<mc:AlternateContent xmlns:mc=\"http://schemas.openxmlformats.org/"
               "markup-compatibility/2006\"><mc:Choice Requires=\"x14\"><controls>"
               "<mc:AlternateContent><mc:Choice Requires=\"x14\"><control shapeId=\"1025\" "
               "r:id=\"rIdControl\" name=\"Case à cocher 1\"/></mc:Choice></mc:AlternateContent>"
               "</controls></mc:Choice></mc:AlternateContent>");
  const std::string box =
      "<mc:AlternateContent><mc:Choice Requires=\"a14\">" +
      TwoCellAnchor(1, 1, 3, 2,
                    "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"1025\" name=\"Case à cocher 1\" "
                    "hidden=\"1\"><a:extLst><a:ext uri=\"{63B3BB69-23CF-44E3-9099-C40C66FF867C}\">"
                    "<a14:compatExt spid=\"_x0000_s1025\"/></a:ext></a:extLst></xdr:cNvPr>"
                    "<xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr/><xdr:txBody><a:bodyPr/><a:p><a:r>"
                    "<a:t>Réponse 1</a:t></a:r></a:p></xdr:txBody></xdr:sp>") +
      "</mc:Choice></mc:AlternateContent>";
  AddDrawing(package, box);
  std::string& relationships = package.parts["xl/worksheets/_rels/sheet1.xml.rels"];
  relationships.insert(relationships.rfind("</Relationships>"),
                       "<Relationship Id=\"rIdControl\" Type=\"" + kRelationshipTypes +
                           "ctrlProp\" Target=\"../ctrlProps/ctrlProp1.xml\"/>");
  package.parts["xl/ctrlProps/ctrlProp1.xml"] =
      "<formControlPr xmlns=\"http://schemas.microsoft.com/office/spreadsheetml/2009/9/main\" "
      "objectType=\"CheckBox\" checked=\"Checked\" lockText=\"1\"/>";
  document::SheetData read = OnlySheet(package);
  ASSERT_EQ(read.drawing.size(), 1u);
  EXPECT_EQ(read.drawing[0].kind, Kind::FormControl);
  EXPECT_EQ(read.drawing[0].name, "Case à cocher 1");
  EXPECT_EQ(read.drawing[0].controlType, "CheckBox");
  EXPECT_EQ(read.drawing[0].checkValue, 1);
  EXPECT_EQ(read.drawing[0].text->text, "Réponse 1");

  package.parts["xl/ctrlProps/ctrlProp1.xml"] =
      "<formControlPr xmlns=\"http://schemas.microsoft.com/office/spreadsheetml/2009/9/main\" "
      "objectType=\"CheckBox\"/>";
  EXPECT_EQ(OnlySheet(package).drawing[0].checkValue, -4146);
}

TEST(ChartDefaults, AChartThatStatesLittleGivesExcelsImplicitValuesAndNothingElse) {
  PackageParts package = MinimalWorkbook();
  const std::string series =
      "<c:ser><c:val><c:numLit><c:ptCount val=\"3\"/><c:pt idx=\"0\"><c:v>1.5</c:v></c:pt>"
      "<c:pt idx=\"2\"><c:v>-2</c:v></c:pt></c:numLit></c:val></c:ser>";
  const std::string axes =
      "<c:catAx><c:axId val=\"1\"/><c:delete/></c:catAx><c:valAx><c:axId val=\"2\"/></c:valAx>"
      "<c:dateAx><c:axId val=\"3\"/><c:majorTickMark/><c:minorTickMark/></c:dateAx>";
  AddDrawing(package, TwoCellAnchor(0, 0, 4, 10, ChartFrame("Chart 1", "rIdChart1")),
             {ColumnChart(series, axes, "<c:legend/><c:autoTitleDeleted/>")});
  std::string& chart = package.parts["xl/charts/chart1.xml"];
  chart.insert(chart.find("<c:plotArea>"), "<c:title/>");
  document::ChartData read = OnlySheet(package).charts.at(0);
  EXPECT_EQ(read.chartType, 51);
  ASSERT_TRUE(read.title.has_value());
  EXPECT_TRUE(read.title->automatic);
  EXPECT_EQ(read.title->text.text, "");
  EXPECT_EQ(read.autoTitleDeleted, true);
  ASSERT_TRUE(read.legend.has_value());
  EXPECT_EQ(read.legend->position, -4152);
  EXPECT_FALSE(read.dataTable.has_value());
  EXPECT_FALSE(read.plotAreaLayout.has_value());
  EXPECT_FALSE(read.areaFill.has_value());
  EXPECT_FALSE(read.pageSetup.has_value());

  ASSERT_EQ(read.series.size(), 1u);
  const document::SeriesData& only = read.series[0];
  EXPECT_FALSE(only.index.has_value());
  EXPECT_FALSE(only.order.has_value());
  EXPECT_FALSE(only.name.has_value());
  EXPECT_FALSE(only.fill.has_value());
  EXPECT_EQ(only.values.reference, "");
  EXPECT_EQ(only.values.literal, "{1.5,,-2}");
  ASSERT_EQ(only.values.points.size(), 3u);
  EXPECT_EQ(only.values.points[0].AsDouble(), 1.5);
  EXPECT_TRUE(only.values.points[1].IsEmpty());
  EXPECT_EQ(SeriesFormulaText(only, 1), "=SERIES(,,{1.5,,-2},1)");

  ASSERT_EQ(read.axes.size(), 3u);
  EXPECT_TRUE(read.axes[0].deleted);  // <c:delete/> without a value is true
  EXPECT_FALSE(read.axes[1].deleted);
  // A tick-mark element without its value has the format's default, crossing marks; no
  // element at all means Excel's own, outside and none.
  EXPECT_EQ(read.axes[2].majorTickMark, 4);
  EXPECT_EQ(read.axes[2].minorTickMark, 4);
  EXPECT_EQ(read.axes[2].type, 1);  // named by no group: a category axis by its element
  read.axes.pop_back();
  for (const document::AxisData& axis : read.axes) {
    EXPECT_EQ(axis.majorTickMark, 3);
    EXPECT_EQ(axis.minorTickMark, -4142);
    EXPECT_EQ(axis.tickLabelPosition, 4);
    EXPECT_FALSE(axis.majorGridlines);
    EXPECT_FALSE(axis.majorUnit.has_value());
    EXPECT_EQ(axis.position, "");
  }
}

TEST(ChartFonts, TheChartAndItsDataTableGiveTheirTextProperties) {
  PackageParts package = MinimalWorkbook();
  auto textProperties = [](const std::string& runProperties) {
    return "<c:txPr><a:bodyPr/><a:p><a:pPr><a:defRPr " + runProperties + "</a:pPr></a:p></c:txPr>";
  };
  const std::string table = "<c:dTable><c:showKeys val=\"1\"/>" +
                            textProperties("sz=\"800\"><a:latin typeface=\"+mn-lt\"/></a:defRPr>") +
                            "</c:dTable>";
  AddDrawing(package, TwoCellAnchor(0, 0, 4, 10, ChartFrame("Chart 1", "rIdChart1")),
             {ColumnChart("", table, "")});
  std::string& chart = package.parts["xl/charts/chart1.xml"];
  chart.insert(chart.find("</c:chartSpace>"), textProperties("sz=\"1150\" b=\"1\"/>"));
  const document::ChartData read = OnlySheet(package).charts.at(0);
  ASSERT_TRUE(read.dataTable.has_value());
  EXPECT_EQ(read.dataTable->showKeys, true);
  EXPECT_EQ(read.dataTable->font.size, 8.0);
  EXPECT_EQ(read.dataTable->font.name, "+mn-lt");
  EXPECT_EQ(read.areaFont.size, 11.5);
  EXPECT_EQ(read.areaFont.bold, true);
  EXPECT_FALSE(read.areaFont.name.has_value());
}

TEST(ChartDefaults, LiteralNamesAndCategoriesAreWrittenAsFormulaLiterals) {
  PackageParts package = MinimalWorkbook();
  const std::string series =
      "<c:ser><c:idx val=\"0\"/><c:order val=\"4\"/><c:tx><c:v>il dit \"oui\"</c:v></c:tx>"
      "<c:cat><c:strLit><c:ptCount val=\"2\"/><c:pt idx=\"0\"><c:v>Trim 1</c:v></c:pt>"
      "<c:pt idx=\"1\"><c:v>Trim \"2\"</c:v></c:pt></c:strLit></c:cat><c:val><c:numRef>"
      "<c:f>'Année N'!$F$8:$G$8</c:f><c:numCache><c:ptCount val=\"2\"/></c:numCache></c:numRef>"
      "</c:val></c:ser>";
  AddDrawing(package, TwoCellAnchor(0, 0, 4, 10, ChartFrame("Chart 1", "rIdChart1")),
             {ColumnChart(series)});
  const document::SeriesData series0 = OnlySheet(package).charts.at(0).series.at(0);
  EXPECT_EQ(series0.order, 4);
  EXPECT_EQ(SeriesFormulaText(series0, 5),
            "=SERIES(\"il dit \"\"oui\"\"\",{\"Trim 1\",\"Trim \"\"2\"\"\"},"
            "'Année N'!$F$8:$G$8,5)");
  EXPECT_EQ(series0.categories.points.at(1).AsText(), "Trim \"2\"");
  EXPECT_EQ(series0.values.points.size(), 2u);
}

TEST(ChartSheet, AChartSheetWithoutDrawingHasNoChart) {
  const PackageParts package = testing::ChartSheetWorkbook(
      "<chartsheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
      "<pageSetup paperSize=\"9\" orientation=\"landscape\" firstPageNumber=\"3\"/></chartsheet>");
  const document::SheetData sheet = OnlySheet(package);
  ASSERT_TRUE(sheet.chartSheet.has_value());
  EXPECT_FALSE(sheet.chartSheet->chart.has_value());
  EXPECT_FALSE(sheet.chartSheet->frame.has_value());
  EXPECT_EQ(sheet.chartSheet->pageSetup->orientation, "landscape");
  EXPECT_EQ(sheet.chartSheet->pageSetup->firstPageNumber, 3);
}

}  // namespace
}  // namespace k27093::ooxml
