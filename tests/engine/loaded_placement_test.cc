// Where the drawn objects of workbook files lie, read through the object model: chart objects
// written by libxlsxwriter from pixels (offsets and scales), an anchor in hundredths of a
// millimetre, a chart placed and sized in LibreOffice Calc, and text boxes drawn in a chart
// (Chart.TextBoxes in whole pixels, Chart.Shapes in the points stored).
#include <string>

#include "engine_fixture.h"
#include "readers/ooxml/package_builder.h"
#include "support/workbook_fixtures.h"

namespace k27093::engine::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::VentesOptions;

constexpr double kEmuPerPoint = 12700;

struct Place {
  double left, top, width, height;
};

void ExpectPlace(const Ref<xl::ChartObject>& object, const Place& place) {
  EXPECT_EQ(object->Left(), place.left);
  EXPECT_EQ(object->Top(), place.top);
  EXPECT_EQ(object->Width(), place.width);
  EXPECT_EQ(object->Height(), place.height);
}

class LoadedPlacementTest : public EngineTest {
 protected:
  // Writes the sales workbook with `chart` on its first sheet.
  std::string WriteWith(const FixtureChart& chart) {
    VentesOptions options;
    options.sheets[0].charts = {chart};
    std::string path = folder.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    return path;
  }
  Ref<xl::Worksheet> FirstSheetOf(const Ref<xl::Workbook>& book) {
    return AsWorksheet(book->Sheets()->Item(Variant(1)));
  }
  Ref<xl::Worksheet> OpenWith(const FixtureChart& chart) {
    return FirstSheetOf(app->Workbooks()->Open(WriteWith(chart)));
  }
};

// A chart of 330 x 195 pixels (the writer's 480 x 288 scaled), `offset` pixels from A1.
FixtureChart ExerciseSizedChart(int offset) {
  FixtureChart chart;
  chart.row = 0;
  chart.column = 0;
  chart.xOffset = offset;
  chart.yOffset = offset;
  chart.widthPixels = 330;
  chart.heightPixels = 195;
  return chart;
}

TEST_F(LoadedPlacementTest, AChartOf330By195PixelsReadsItsPointsExactly) {
  auto sheet = OpenWith(ExerciseSizedChart(13));
  ExpectPlace(sheet->ChartObjects()->Item(Variant(1)), {9.75, 9.75, 247.5, 146.25});
  auto shape = sheet->Shapes()->Item(Variant(1));
  EXPECT_EQ(shape->Width(), 247.5);
  EXPECT_EQ(shape->Left(), 9.75);
}

TEST_F(LoadedPlacementTest, AChartFourteenPixelsInReadsTenAndAHalf) {
  auto sheet = OpenWith(ExerciseSizedChart(14));
  ExpectPlace(sheet->ChartObjects()->Item(Variant(1)), {10.5, 10.5, 247.5, 146.25});
}

TEST_F(LoadedPlacementTest, AnAnchorInHundredthsOfAMillimetreReadsTheWholePixel) {
  std::string path = WriteWith(ExerciseSizedChart(13));
  // The anchor a writer keeping hundredths of a millimetre (360 EMU) gives the same chart.
  RewritePackageEntry(
      path, "xl/drawings/drawing1.xml",
      std::string("<xdr:wsDr") + ooxml::testing::kDrawingNamespaces +
          "><xdr:twoCellAnchor><xdr:from><xdr:col>0</xdr:col><xdr:colOff>127080</xdr:colOff>"
          "<xdr:row>0</xdr:row><xdr:rowOff>127080</xdr:rowOff></xdr:from><xdr:to><xdr:col>5"
          "</xdr:col><xdr:colOff>222120</xdr:colOff><xdr:row>10</xdr:row><xdr:rowOff>79200"
          "</xdr:rowOff></xdr:to>" +
          ooxml::testing::ChartFrame("Chart 1", "rId1") +
          "<xdr:clientData/></xdr:twoCellAnchor>"
          "</xdr:wsDr>");
  auto sheet = FirstSheetOf(app->Workbooks()->Open(path));
  ExpectPlace(sheet->ChartObjects()->Item(Variant(1)), {9.75, 9.75, 247.5, 146.25});
  auto shape = sheet->Shapes()->Item(Variant(1));
  EXPECT_DOUBLE_EQ(shape->Left(), 127080 / kEmuPerPoint);
  EXPECT_DOUBLE_EQ(shape->Width(), (3048000 + 222120 - 127080) / kEmuPerPoint);
  EXPECT_DOUBLE_EQ(shape->Height(), (1905000 + 79200 - 127080) / kEmuPerPoint);
}

TEST_F(LoadedPlacementTest, AChartPlacedInCalcReadsTheSizeItWasGiven) {
  // Placed at 10 x 10 pt and sized 247.5 x 146.25 pt in LibreOffice Calc 7.4, which keeps
  // 353 x 353 and 8731 x 5159 hundredths of a millimetre.
  auto book = app->Workbooks()->Open(std::string(K27093_TEST_DATA) + "/libreoffice-placing.xlsx");
  EXPECT_EQ(app->ActiveSheet()->Name(), "Année N-1");
  EXPECT_EQ(ToObject<xl::Range>(app->Selection())->Address(), "$A$1");
  EXPECT_EQ(CaughtError([&] { GetProperty(app->Selection(), "Name"); }).number(), 1004);
  auto sheet = FirstSheetOf(book);
  ASSERT_EQ(sheet->ChartObjects()->Count(), 1);
  auto object = sheet->ChartObjects()->Item(Variant(1));
  ExpectPlace(object, {9.75, 9.75, 247.5, 146.25});
  auto shape = sheet->Shapes()->Item(Variant(1));
  EXPECT_DOUBLE_EQ(shape->Left(), 127080 / kEmuPerPoint);
  EXPECT_DOUBLE_EQ(shape->Width(), 3143160 / kEmuPerPoint);
  EXPECT_DOUBLE_EQ(shape->Height(), 1857240 / kEmuPerPoint);

  auto chart = object->Chart();
  EXPECT_EQ(chart->ChartTitle()->Text(), "Ventes par région");
  ASSERT_EQ(chart->TextBoxes()->Count(), 1);
  auto box = chart->TextBoxes()->Item(Variant(1));
  EXPECT_EQ(box->Text(), "x1000");
  EXPECT_EQ(box->Left(), 5.25);
  EXPECT_EQ(box->Top(), 109.5);
  EXPECT_EQ(box->Width(), 36.75);
  EXPECT_EQ(box->Height(), 14.25);
  auto boxShape = chart->Shapes()->Item(Variant(1));
  EXPECT_EQ(boxShape->Type(), xl::kMsoTextBox);
  EXPECT_NEAR(boxShape->Left(), 0.0199267063673843 * 3143160 / kEmuPerPoint, 1e-9);
  EXPECT_NEAR(boxShape->Height(), (0.849612403100775 - 0.749806201550388) * 1857240 / kEmuPerPoint,
              1e-9);
}

// A workbook whose sheet holds a 512 x 280 pixel (384 x 210 pt) chart object whose own
// drawing has `anchors`, as Excel 2007 writes a chart's drawing.
std::string ChartDrawingWorkbook(const std::string& anchors) {
  ooxml::testing::PackageParts package = ooxml::testing::MinimalWorkbook();
  ooxml::testing::AddDrawing(package,
                             ooxml::testing::TwoCellAnchor(
                                 4, 8, 12, 22, ooxml::testing::ChartFrame("Chart 1", "rIdChart1")),
                             {ooxml::testing::ChartSpaceXml(
                                 "<c:chart><c:plotArea/></c:chart><c:userShapes r:id=\"rId1\"/>")});
  package.parts["xl/charts/_rels/chart1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
      "relationships/chartUserShapes\" Target=\"../drawings/drawing2.xml\"/></Relationships>";
  package.parts["xl/drawings/drawing2.xml"] = std::string("<c:userShapes") +
                                              ooxml::testing::kDrawingNamespaces + ">" + anchors +
                                              "</c:userShapes>";
  return ooxml::testing::ZipBytes(package);
}

// An Excel 2007 text box of a chart's drawing: a rectangle marked as a text box.
std::string ExcelChartTextBox(int id, const std::string& anchor, const std::string& place,
                              const std::string& text) {
  const std::string name = "TextBox " + std::to_string(id);
  return "<cdr:" + anchor + ">" + place +
         "<cdr:sp macro=\"\" textlink=\"\"><cdr:nvSpPr><cdr:cNvPr id=\"" + std::to_string(id) +
         "\" name=\"" + name +
         "\"/><cdr:cNvSpPr txBox=\"1\"/></cdr:nvSpPr><cdr:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/>"
         "<a:ext cx=\"0\" cy=\"0\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom>"
         "</cdr:spPr><cdr:txBody><a:bodyPr vertOverflow=\"clip\" wrap=\"none\" rtlCol=\"0\"/><a:p>"
         "<a:r><a:rPr lang=\"fr-FR\" sz=\"1100\"/><a:t>" +
         text + "</a:t></a:r></a:p></cdr:txBody></cdr:sp></cdr:" + anchor + ">";
}

TEST_F(LoadedPlacementTest, TextBoxesDrawnInAChartAreItsTextBoxes) {
  const std::string relative = ExcelChartTextBox(
      2, "relSizeAnchor",
      "<cdr:from><cdr:x>0.1</cdr:x><cdr:y>0.5</cdr:y></cdr:from><cdr:to><cdr:x>0.2</cdr:x>"
      "<cdr:y>0.6</cdr:y></cdr:to>",
      "x1000");
  const std::string absolute = ExcelChartTextBox(
      3, "absSizeAnchor",
      "<cdr:from><cdr:x>0</cdr:x><cdr:y>0.5321</cdr:y></cdr:from><cdr:ext cx=\"467037\" "
      "cy=\"162106\"/>",
      "Unités");
  std::string path = folder.File("Unites.xls");
  ooxml::testing::WriteFile(path, ChartDrawingWorkbook(relative + absolute));
  auto chart =
      FirstSheetOf(app->Workbooks()->Open(path))->ChartObjects()->Item(Variant(1))->Chart();
  ASSERT_EQ(chart->TextBoxes()->Count(), 2);
  auto first = chart->TextBoxes()->Item(Variant(1));
  EXPECT_EQ(first->Name(), "TextBox 2");
  EXPECT_EQ(first->Text(), "x1000");
  EXPECT_EQ(first->Left(), 38.25);  // 38.4 pt, 51.2 pixels
  EXPECT_EQ(first->Top(), 105);
  EXPECT_EQ(first->Width(), 38.25);
  EXPECT_EQ(first->Height(), 21);
  auto second = chart->TextBoxes()->Item(Variant("TextBox 3"));
  EXPECT_EQ(second->Text(), "Unités");
  EXPECT_EQ(second->Top(), 111.75);  // 111.741 pt
  EXPECT_EQ(second->Width(), 36.75);
  EXPECT_EQ(second->Height(), 12.75);
  auto shapes = chart->Shapes();
  ASSERT_EQ(shapes->Count(), 2);
  EXPECT_DOUBLE_EQ(shapes->Item(Variant(1))->Left(), 38.4);
  EXPECT_DOUBLE_EQ(shapes->Item(Variant(2))->Top(), 0.5321 * 210);
  EXPECT_DOUBLE_EQ(shapes->Item(Variant(2))->Width(), 467037 / kEmuPerPoint);
  EXPECT_EQ(CaughtError([&] { chart->TextBoxes()->Item(Variant(3)); }).number(), 1004);
}

}  // namespace
}  // namespace k27093::engine::testing
