// Colours as files state them: every DrawingML colour element with its transforms in order,
// the colour of gradient and pattern fills, shape style references, the theme's format
// scheme, a chart area's picture, and damaged colour values.
#include <gtest/gtest.h>

#include <string>

#include "api/error.h"
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

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

document::WorkbookData Read(const PackageParts& package) {
  return ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls");
}

// A rectangle whose shape properties hold `properties` after its geometry, followed by
// `after` (a style).
std::string Rectangle(const std::string& properties, const std::string& after = "") {
  return "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"3\" name=\"Rectangle 2\"/><xdr:cNvSpPr/>"
         "</xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"rect\"/>" +
         properties + "</xdr:spPr>" + after + "</xdr:sp>";
}

// The objects of a sheet drawing holding one rectangle per entry of `shapes`.
std::vector<document::DrawingObjectData> DrawnShapes(const std::vector<std::string>& shapes) {
  std::string anchors;
  for (const std::string& shape : shapes) anchors += TwoCellAnchor(0, 0, 1, 1, shape);
  PackageParts package = MinimalWorkbook();
  AddDrawing(package, anchors);
  return Read(package).sheets.at(0).drawing;
}

// The colour of the solid fill around the colour element `element`.
document::ColorData SolidColor(const std::string& element) {
  auto objects = DrawnShapes({Rectangle("<a:solidFill>" + element + "</a:solidFill>")});
  return objects.at(0).fill.value().color.value();
}

std::int32_t Rgb(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

TEST(FileColors, EveryColourElementGivesItsBase) {
  EXPECT_EQ(SolidColor("<a:srgbClr val=\"CCFFFF\"/>").rgb, Rgb(0xCC, 0xFF, 0xFF));
  EXPECT_EQ(SolidColor("<a:sysClr val=\"windowText\" lastClr=\"102030\"/>").rgb,
            Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(SolidColor("<a:sysClr val=\"window\"/>").rgb, Rgb(255, 255, 255));
  EXPECT_FALSE(SolidColor("<a:sysClr val=\"menuBar\"/>").rgb.has_value());
  EXPECT_EQ(SolidColor("<a:prstClr val=\"red\"/>").rgb, Rgb(255, 0, 0));
  EXPECT_FALSE(SolidColor("<a:prstClr val=\"noSuchColour\"/>").rgb.has_value());
  EXPECT_EQ(SolidColor("<a:scrgbClr r=\"100000\" g=\"21586\" b=\"0\"/>").rgb,
            Rgb(255, 128, 0));  // linear 0.216 is sRGB 128/255
  EXPECT_EQ(SolidColor("<a:hslClr hue=\"7200000\" sat=\"100%\" lum=\"50%\"/>").rgb,
            Rgb(0, 255, 0));  // 120 degrees
  const document::ColorData scheme = SolidColor("<a:schemeClr val=\"accent1\"/>");
  EXPECT_EQ(scheme.scheme, "accent1");
  EXPECT_FALSE(scheme.rgb.has_value());
}

TEST(FileColors, TransformsAreKeptInOrderAsFractionsAndDegrees) {
  const document::ColorData color = SolidColor(
      "<a:schemeClr val=\"tx2\"><a:lumMod val=\"75000\"/><a:lumOff val=\"25%\"/>"
      "<a:hueOff val=\"5400000\"/><a:alpha val=\"50000\"/><a:comp/></a:schemeClr>");
  ASSERT_EQ(color.transforms.size(), 5u);
  EXPECT_EQ(color.transforms[0].name, "lumMod");
  EXPECT_DOUBLE_EQ(color.transforms[0].value, 0.75);
  EXPECT_EQ(color.transforms[1].name, "lumOff");
  EXPECT_DOUBLE_EQ(color.transforms[1].value, 0.25);
  EXPECT_EQ(color.transforms[2].name, "hueOff");
  EXPECT_DOUBLE_EQ(color.transforms[2].value, 90);
  EXPECT_EQ(color.transforms[3].name, "alpha");
  EXPECT_EQ(color.transforms[4].name, "comp");
  EXPECT_FALSE(color.PlainRgb().has_value());
}

TEST(FileColors, AGradientGivesItsLowestStopAndAPatternItsForeground) {
  auto objects = DrawnShapes(
      {Rectangle("<a:gradFill><a:gsLst><a:gs pos=\"50000\"><a:srgbClr val=\"00FF00\"/></a:gs>"
                 "<a:gs pos=\"0\"><a:srgbClr val=\"FF0000\"/></a:gs>"
                 "<a:gs pos=\"100000\"><a:srgbClr val=\"0000FF\"/></a:gs></a:gsLst></a:gradFill>"),
       Rectangle("<a:pattFill prst=\"pct5\"><a:fgClr><a:srgbClr val=\"0000FF\"/></a:fgClr>"
                 "<a:bgClr><a:srgbClr val=\"FFFFFF\"/></a:bgClr></a:pattFill>")});
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0].fill.value().kind, document::FillData::Kind::Gradient);
  EXPECT_EQ(objects[0].fill->color.value().rgb, Rgb(255, 0, 0));
  EXPECT_EQ(objects[1].fill.value().kind, document::FillData::Kind::Pattern);
  EXPECT_EQ(objects[1].fill->color.value().rgb, Rgb(0, 0, 255));
}

TEST(FileColors, AShapeStyleGivesItsFillAndLineReferences) {
  auto objects =
      DrawnShapes({Rectangle("",
                             "<xdr:style><a:lnRef idx=\"2\"><a:schemeClr val=\"accent1\">"
                             "<a:shade val=\"50000\"/></a:schemeClr></a:lnRef><a:fillRef idx=\"1\">"
                             "<a:schemeClr val=\"accent2\"/></a:fillRef><a:effectRef idx=\"0\">"
                             "<a:schemeClr val=\"accent1\"/></a:effectRef></xdr:style>"),
                   Rectangle("<a:noFill/>")});
  const document::DrawingObjectData& styled = objects.at(0);
  EXPECT_FALSE(styled.fill.has_value());
  ASSERT_TRUE(styled.fillReference && styled.lineReference);
  EXPECT_EQ(styled.fillReference->index, 1);
  EXPECT_EQ(styled.fillReference->color.value().scheme, "accent2");
  EXPECT_EQ(styled.lineReference->index, 2);
  EXPECT_EQ(styled.lineReference->color.value().scheme, "accent1");
  ASSERT_EQ(styled.lineReference->color->transforms.size(), 1u);
  EXPECT_DOUBLE_EQ(styled.lineReference->color->transforms[0].value, 0.5);
  EXPECT_FALSE(objects.at(1).fillReference.has_value());
}

TEST(FileColors, TheThemesFormatSchemeGivesItsStylesInOrder) {
  const document::WorkbookData data = ReadWorkbookFile(kExcelFolder + "textbox01.xlsx");
  ASSERT_TRUE(data.theme.has_value());
  const document::ThemeData& theme = *data.theme;
  ASSERT_EQ(theme.fillStyles.size(), 3u);
  EXPECT_EQ(theme.fillStyles[0].kind, document::FillData::Kind::Solid);
  EXPECT_EQ(theme.fillStyles[0].color.value().scheme, "phClr");
  EXPECT_EQ(theme.fillStyles[1].kind, document::FillData::Kind::Gradient);
  const document::ColorData& firstStop = theme.fillStyles[1].color.value();
  ASSERT_EQ(firstStop.transforms.size(), 2u);
  EXPECT_EQ(firstStop.transforms[0].name, "tint");
  EXPECT_DOUBLE_EQ(firstStop.transforms[0].value, 0.5);
  EXPECT_DOUBLE_EQ(firstStop.transforms[1].value, 3.0);  // satMod 300000
  ASSERT_EQ(theme.lineStyles.size(), 3u);
  const document::ColorData& subtleLine = theme.lineStyles[0].color.value();
  EXPECT_EQ(subtleLine.scheme, "phClr");
  ASSERT_EQ(subtleLine.transforms.size(), 2u);
  EXPECT_EQ(subtleLine.transforms[0].name, "shade");
  EXPECT_DOUBLE_EQ(subtleLine.transforms[0].value, 0.95);
  EXPECT_TRUE(theme.lineStyles[1].color.value().transforms.empty());
  EXPECT_EQ(theme.backgroundFillStyles.size(), 3u);
}

// A workbook whose chart area is filled with the picture "../media/texture7.jpeg", `tile`
// (a:tile or a:stretch) saying how.
PackageParts ChartAreaPicture(const std::string& tile) {
  PackageParts package = MinimalWorkbook();
  AddDrawing(package, TwoCellAnchor(4, 8, 11, 22, ChartFrame("Chart 1", "rIdChart1")),
             {ChartSpaceXml("<c:chart><c:plotArea/></c:chart><c:spPr><a:blipFill>"
                            "<a:blip r:embed=\"rIdPicture\"/>" +
                            tile + "</a:blipFill></c:spPr>")});
  package.parts["xl/charts/_rels/chart1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rIdPicture\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
      "2006/relationships/image\" Target=\"../media/texture7.jpeg\"/></Relationships>";
  package.parts["xl/media/texture7.jpeg"] = "not really a picture";
  return package;
}

TEST(FileColors, AChartAreaPictureIsNamedByItsPartAndSaysWhetherItTiles) {
  const auto tiled =
      Read(ChartAreaPicture("<a:tile tx=\"0\" ty=\"0\" sx=\"100000\" sy=\"100000\"/>"))
          .sheets.at(0)
          .charts.at(0)
          .areaFill.value();
  EXPECT_EQ(tiled.kind, document::FillData::Kind::Picture);
  EXPECT_TRUE(tiled.tiled);
  EXPECT_EQ(tiled.pictureName, "texture7.jpeg");
  const auto stretched = Read(ChartAreaPicture("<a:stretch><a:fillRect/></a:stretch>"))
                             .sheets.at(0)
                             .charts.at(0)
                             .areaFill.value();
  EXPECT_FALSE(stretched.tiled);
  EXPECT_EQ(stretched.pictureName, "texture7.jpeg");
}

// A colour of the wrong form damages its part: a chart's is the workbook's damage, a sheet
// drawing's leaves the drawing out.
TEST(FileColors, AColourValueOfTheWrongFormIsDamage) {
  for (const std::string element : {"<a:srgbClr val=\"CCFFF\"/>",
                                    "<a:schemeClr val=\"accent1\"><a:lumMod val=\"much\"/>"
                                    "</a:schemeClr>"}) {
    SCOPED_TRACE(element);
    const std::string fill = "<a:solidFill>" + element + "</a:solidFill>";
    PackageParts inChart = MinimalWorkbook();
    AddDrawing(inChart, TwoCellAnchor(4, 8, 11, 22, ChartFrame("Chart 1", "rIdChart1")),
               {ChartSpaceXml("<c:chart><c:plotArea/></c:chart><c:spPr>" + fill + "</c:spPr>")});
    try {
      Read(inChart);
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), 1004);
      EXPECT_NE(error.description().find("xl/charts/chart1.xml"), std::string::npos)
          << error.description();
    }
    PackageParts inDrawing = MinimalWorkbook();
    AddDrawing(inDrawing, TwoCellAnchor(0, 0, 1, 1, Rectangle(fill)));
    EXPECT_TRUE(Read(inDrawing).sheets.at(0).drawing.empty());
  }
}

}  // namespace
}  // namespace k27093::ooxml
