// Colours of workbook files read through the object model: series colours (stated, from the
// theme, a gradient's, and the automatic colour of the series' index), shape colours from
// their own properties and from their style's references (text boxes saved by Excel, shapes
// of packages built in the test, a chart's own shapes), and the chart area's texture.
#include <xlsxwriter.h>

#include <string>
#include <vector>

#include "engine/application/application.h"
#include "engine/loading/document_loader.h"
#include "engine/workbooks/workbook.h"
#include "engine_fixture.h"
#include "readers/ooxml/package_builder.h"

namespace k27093::engine::testing {
namespace {

using document::ColorData;
using document::FillData;
using ooxml::testing::AddDrawing;
using ooxml::testing::AddTheme;
using ooxml::testing::ChartFrame;
using ooxml::testing::ChartSpaceXml;
using ooxml::testing::MinimalWorkbook;
using ooxml::testing::PackageParts;
using ooxml::testing::ThemeXml;
using ooxml::testing::TwoCellAnchor;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

std::int32_t Hex(std::uint32_t rgb) {
  return static_cast<std::int32_t>((rgb >> 16) + 256 * ((rgb >> 8) & 0xFF) + 65536 * (rgb & 0xFF));
}

const std::int32_t kWhiteNumber = Hex(0xFFFFFF);
const std::int32_t kAccent1 = Hex(0x4F81BD);        // the Office theme's accent 1
const std::int32_t kAccent1Shaded = Hex(0x385D8A);  // its 50% shade

FillData SolidFill(ColorData color) {
  FillData fill;
  fill.color = std::move(color);
  return fill;
}

document::SeriesData StoredSeries(std::optional<std::int32_t> index, std::int32_t order) {
  document::SeriesData series;
  series.index = index;
  series.order = order;
  series.values.literal = "{1,2}";
  return series;
}

class LoadedColoursTest : public EngineTest {
 protected:
  // The chart of a workbook built from `chart` as a file's would be, `theme` its theme.
  Ref<xl::Chart> ChartOf(document::ChartData chart, std::optional<document::ThemeData> theme = {}) {
    document::WorkbookData data;
    data.theme = std::move(theme);
    document::SheetData sheet;
    sheet.name = "Feuil1";
    document::DrawingObjectData frame;
    frame.kind = document::DrawingObjectData::Kind::Chart;
    frame.name = "Chart 1";
    frame.geometry = {0, 0, 360, 216};
    frame.chart = 0;
    sheet.drawing = {frame};
    document::ChartGroupData columns;
    columns.element = "barChart";
    columns.chartType = 51;
    chart.groups = {columns};
    sheet.charts = {std::move(chart)};
    data.sheets.push_back(std::move(sheet));
    auto session = std::dynamic_pointer_cast<ApplicationImpl>(app.shared())->session();
    auto workbook = BuildWorkbook(session, data, "Couleurs.xlsx", "/travail");
    session->AddWorkbook(workbook);
    return AsWorksheet(workbook->Sheets()->Item(Variant(1)))
        ->ChartObjects()
        ->Item(Variant(1))
        ->Chart();
  }
  std::int32_t SeriesColor(const Ref<xl::Chart>& chart, int plotOrder) {
    return chart->SeriesCollection()->Item(Variant(plotOrder))->Interior()->Color();
  }
  // The first worksheet of the package `package`, written into the scratch folder and opened.
  Ref<xl::Worksheet> OpenPackage(const PackageParts& package) {
    const std::string path = folder.File("Formes.xlsx");
    ooxml::testing::WriteFile(path, ooxml::testing::ZipBytes(package));
    return AsWorksheet(app->Workbooks()->Open(path)->Sheets()->Item(Variant(1)));
  }
};

TEST_F(LoadedColoursTest, AnAutomaticColourFollowsTheSeriesIndexNotItsPlotOrder) {
  document::ChartData data;
  data.series = {StoredSeries(0, 1), StoredSeries(3, 0), StoredSeries(9, 2)};
  auto chart = ChartOf(data);
  EXPECT_EQ(SeriesColor(chart, 1), Hex(0xCCFFFF));  // index 3, plotted first
  EXPECT_EQ(SeriesColor(chart, 2), Hex(0x9999FF));  // index 0
  EXPECT_EQ(SeriesColor(chart, 3), Hex(0x993366));  // index 9: the palette again from the first
}

TEST_F(LoadedColoursTest, ASeriesWithoutIndexTakesTheColourOfItsPlotPosition) {
  document::ChartData data;
  data.series = {StoredSeries(std::nullopt, 1), StoredSeries(std::nullopt, 0),
                 StoredSeries(std::nullopt, 3), StoredSeries(std::nullopt, 2)};
  auto chart = ChartOf(data);
  EXPECT_EQ(SeriesColor(chart, 1), Hex(0x9999FF));
  EXPECT_EQ(SeriesColor(chart, 4), Hex(0xCCFFFF));
}

TEST_F(LoadedColoursTest, AStatedFillWinsOverTheAutomaticColour) {
  document::ChartData data;
  data.series = {StoredSeries(0, 0), StoredSeries(1, 1), StoredSeries(2, 2), StoredSeries(3, 3)};
  data.series[0].fill = SolidFill(ColorData{.scheme = "accent1"});
  FillData gradient = SolidFill(ColorData{.rgb = Hex(0x00FF00)});
  gradient.kind = FillData::Kind::Gradient;
  data.series[1].fill = gradient;
  data.series[2].fill = FillData{.kind = FillData::Kind::Picture};
  data.series[3].fill = SolidFill(ColorData{.scheme = "accent2", .transforms = {{"lumMod", 0.75}}});
  document::ThemeData theme;
  theme.colors = {{"accent1", Hex(0x112233)}, {"accent2", Hex(0xC0504D)}};
  auto chart = ChartOf(data, theme);
  EXPECT_EQ(SeriesColor(chart, 1), Hex(0x112233));
  EXPECT_EQ(SeriesColor(chart, 2), Hex(0x00FF00));  // the gradient's first stop
  EXPECT_EQ(SeriesColor(chart, 3), Hex(0xFFFFCC));  // a picture: the automatic colour
  EXPECT_EQ(SeriesColor(chart, 4), Hex(0x953735));  // accent 2, 25% darker
}

TEST_F(LoadedColoursTest, TextAndBackgroundNamesReadTheThemesDarkAndLightColours) {
  document::ChartData data;
  for (const std::string name : {"tx1", "bg1", "tx2", "bg2"}) {
    data.series.push_back(StoredSeries(static_cast<std::int32_t>(data.series.size()),
                                       static_cast<std::int32_t>(data.series.size())));
    data.series.back().fill = SolidFill(ColorData{.scheme = name});
  }
  auto chart = ChartOf(data);  // no theme: the Office theme's
  EXPECT_EQ(SeriesColor(chart, 1), 0);
  EXPECT_EQ(SeriesColor(chart, 2), kWhiteNumber);
  EXPECT_EQ(SeriesColor(chart, 3), Hex(0x1F497D));
  EXPECT_EQ(SeriesColor(chart, 4), Hex(0xEEECE1));
}

TEST_F(LoadedColoursTest, RgbFillsWrittenByLibxlsxwriterAreReported) {
  const std::string path = folder.File("Remplis.xlsx");
  lxw_workbook* book = workbook_new(path.c_str());
  lxw_worksheet* sheet = workbook_add_worksheet(book, "Feuil1");
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      worksheet_write_number(sheet, row, column, row + column + 1, nullptr);
    }
  }
  lxw_chart* chart = workbook_add_chart(book, LXW_CHART_COLUMN);
  std::vector<lxw_chart_fill> fills(2);
  fills[0].color = 0xFF0000;
  fills[1].color = 0x00CCFF;
  for (int column = 0; column < 4; ++column) {
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_values(series, "Feuil1", 0, column, 2, column);
    if (column < 2) chart_series_set_fill(series, &fills[column]);
  }
  worksheet_insert_chart(sheet, 5, 1, chart);
  ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

  auto loaded = AsWorksheet(app->Workbooks()->Open(path)->Sheets()->Item(Variant(1)))
                    ->ChartObjects()
                    ->Item(Variant(1))
                    ->Chart();
  EXPECT_EQ(SeriesColor(loaded, 1), 255);  // FF0000
  EXPECT_EQ(SeriesColor(loaded, 2), Hex(0x00CCFF));
  EXPECT_EQ(SeriesColor(loaded, 4), 16777164);  // automatic: CCFFFF
}

TEST_F(LoadedColoursTest, ExcelTextBoxesTakeTheirOwnThemeColoursOverTheirStyle) {
  for (const std::string file : {"textbox01.xlsx", "textbox04.xlsx", "textbox06.xlsx"}) {
    SCOPED_TRACE(file);
    auto book = app->Workbooks()->Open(kExcelFolder + file);
    auto shapes = AsWorksheet(book->Sheets()->Item(Variant(1)))->Shapes();
    auto box = shapes->Item(Variant(shapes->Count()));
    EXPECT_EQ(box->Fill()->ForeColor()->RGB(), kWhiteNumber);   // lt1
    EXPECT_EQ(box->Line()->ForeColor()->RGB(), Hex(0xBCBCBC));  // lt1, 50% shade
    book->Close(false);
  }
}

// A rectangle whose shape properties state `properties` and whose style references the fill
// style `fillIndex` with accent 2 and the line style `lineIndex` with accent 1 shaded 50%.
std::string StyledRectangle(const std::string& prefix, const std::string& name, int fillIndex,
                            int lineIndex, const std::string& properties = "") {
  const std::string p = prefix + ":";
  return "<" + p + "sp><" + p + "nvSpPr><" + p + "cNvPr id=\"4\" name=\"" + name + "\"/><" + p +
         "cNvSpPr/></" + p + "nvSpPr><" + p + "spPr><a:prstGeom prst=\"rect\"/>" + properties +
         "</" + p + "spPr><" + p + "style><a:lnRef idx=\"" + std::to_string(lineIndex) +
         "\"><a:schemeClr val=\"accent1\"><a:shade val=\"50000\"/></a:schemeClr></a:lnRef>"
         "<a:fillRef idx=\"" +
         std::to_string(fillIndex) +
         "\"><a:schemeClr val=\"accent2\"/></a:fillRef><a:effectRef idx=\"0\">"
         "<a:schemeClr val=\"accent1\"/></a:effectRef><a:fontRef idx=\"minor\">"
         "<a:schemeClr val=\"lt1\"/></a:fontRef></" +
         p + "style></" + p + "sp>";
}

TEST_F(LoadedColoursTest, AShapeWithOnlyAStyleTakesItsReferencedStylesColours) {
  PackageParts package = MinimalWorkbook();
  AddDrawing(package, TwoCellAnchor(0, 0, 2, 2, StyledRectangle("xdr", "Rectangle 1", 1, 2)) +
                          TwoCellAnchor(0, 3, 2, 5, StyledRectangle("xdr", "Rectangle 2", 0, 0)) +
                          TwoCellAnchor(0, 6, 2, 8,
                                        StyledRectangle("xdr", "Rectangle 3", 1, 2,
                                                        "<a:solidFill><a:srgbClr val=\"FFFF00\"/>"
                                                        "</a:solidFill>")));
  auto shapes = OpenPackage(package)->Shapes();
  // Without a theme: the Office theme; fill style 1 is the placeholder itself, line style 2 too.
  EXPECT_EQ(shapes->Item(Variant("Rectangle 1"))->Fill()->ForeColor()->RGB(), Hex(0xC0504D));
  EXPECT_EQ(shapes->Item(Variant("Rectangle 1"))->Line()->ForeColor()->RGB(), kAccent1Shaded);
  // Index 0: no fill, no line; a new shape's colours stay.
  EXPECT_EQ(shapes->Item(Variant("Rectangle 2"))->Fill()->ForeColor()->RGB(), kWhiteNumber);
  EXPECT_EQ(shapes->Item(Variant("Rectangle 2"))->Line()->ForeColor()->RGB(), 0);
  // Its own fill wins; its line still comes from the style.
  EXPECT_EQ(shapes->Item(Variant("Rectangle 3"))->Fill()->ForeColor()->RGB(), Hex(0xFFFF00));
  EXPECT_EQ(shapes->Item(Variant("Rectangle 3"))->Line()->ForeColor()->RGB(), kAccent1Shaded);
}

TEST_F(LoadedColoursTest, AStyleTakesTheThemesOwnStylesWithTheReferenceAsPlaceholder) {
  PackageParts package = MinimalWorkbook();
  AddTheme(package,
           ThemeXml("<a:clrScheme name=\"T\"><a:accent1><a:srgbClr val=\"FF0000\"/></a:accent1>"
                    "<a:accent2><a:srgbClr val=\"0000FF\"/></a:accent2></a:clrScheme>"
                    "<a:fmtScheme name=\"T\"><a:fillStyleLst><a:solidFill>"
                    "<a:schemeClr val=\"phClr\"/></a:solidFill><a:gradFill><a:gsLst>"
                    "<a:gs pos=\"0\"><a:schemeClr val=\"phClr\"><a:lumMod val=\"50000\"/>"
                    "</a:schemeClr></a:gs><a:gs pos=\"100000\"><a:srgbClr val=\"00FF00\"/>"
                    "</a:gs></a:gsLst></a:gradFill></a:fillStyleLst><a:lnStyleLst>"
                    "<a:ln><a:solidFill><a:srgbClr val=\"123456\"/></a:solidFill></a:ln>"
                    "<a:ln><a:noFill/></a:ln></a:lnStyleLst></a:fmtScheme>"));
  AddDrawing(package, TwoCellAnchor(0, 0, 2, 2, StyledRectangle("xdr", "Rectangle 1", 2, 1)) +
                          TwoCellAnchor(0, 3, 2, 5, StyledRectangle("xdr", "Rectangle 2", 1, 2)));
  auto shapes = OpenPackage(package)->Shapes();
  // The gradient's first stop: accent 2 (0000FF) at half its luminance; a fixed line colour.
  EXPECT_EQ(shapes->Item(Variant("Rectangle 1"))->Fill()->ForeColor()->RGB(), Hex(0x000080));
  EXPECT_EQ(shapes->Item(Variant("Rectangle 1"))->Line()->ForeColor()->RGB(), Hex(0x123456));
  EXPECT_EQ(shapes->Item(Variant("Rectangle 2"))->Fill()->ForeColor()->RGB(), Hex(0x0000FF));
  EXPECT_EQ(shapes->Item(Variant("Rectangle 2"))->Line()->ForeColor()->RGB(), 0);  // no line
}

TEST_F(LoadedColoursTest, AChartsOwnShapeTakesItsStylesColours) {
  PackageParts package = MinimalWorkbook();
  AddDrawing(package, TwoCellAnchor(1, 1, 8, 16, ChartFrame("Chart 1", "rIdChart1")),
             {ChartSpaceXml("<c:chart><c:plotArea/></c:chart><c:userShapes r:id=\"rIdShapes\"/>")});
  package.parts["xl/charts/_rels/chart1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rIdShapes\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
      "2006/relationships/chartUserShapes\" Target=\"../drawings/drawing2.xml\"/>"
      "</Relationships>";
  package.parts["xl/drawings/drawing2.xml"] =
      std::string("<c:userShapes") + ooxml::testing::kDrawingNamespaces +
      "><cdr:relSizeAnchor><cdr:from><cdr:x>0.1</cdr:x><cdr:y>0.1</cdr:y></cdr:from><cdr:to>"
      "<cdr:x>0.3</cdr:x><cdr:y>0.3</cdr:y></cdr:to>" +
      StyledRectangle("cdr", "Rectangle 1", 1, 2) + "</cdr:relSizeAnchor></c:userShapes>";
  auto chart = OpenPackage(package)->ChartObjects()->Item(Variant(1))->Chart();
  auto shape = chart->Shapes()->Item(Variant("Rectangle 1"));
  EXPECT_EQ(shape->Fill()->ForeColor()->RGB(), Hex(0xC0504D));
  EXPECT_EQ(shape->Line()->ForeColor()->RGB(), kAccent1Shaded);
}

TEST_F(LoadedColoursTest, ATiledPictureMakesTheChartAreaATextureOfItsOwn) {
  document::ChartData data;
  data.areaFill =
      FillData{.kind = FillData::Kind::Picture, .tiled = true, .pictureName = "image1.jpeg"};
  auto fill = ChartOf(data)->ChartArea()->Fill();
  EXPECT_EQ(fill->TextureType(), 2);  // msoTextureUserDefined
  EXPECT_EQ(fill->TextureName(), "image1.jpeg");
  fill->PresetTextured(1);
  EXPECT_EQ(fill->TextureType(), 1);
  EXPECT_EQ(fill->TextureName(), "Papyrus");
}

TEST_F(LoadedColoursTest, AChartAreaWithoutTiledPictureHasNoTexture) {
  std::vector<std::optional<FillData>> fills = {
      FillData{.kind = FillData::Kind::Picture, .tiled = false, .pictureName = "image1.jpeg"},
      SolidFill(ColorData{.rgb = 255}), FillData{.kind = FillData::Kind::Gradient},
      FillData{.kind = FillData::Kind::None}, std::nullopt};
  for (const auto& areaFill : fills) {
    document::ChartData data;
    data.areaFill = areaFill;
    auto fill = ChartOf(data)->ChartArea()->Fill();
    EXPECT_EQ(CaughtError([&] { fill->TextureName(); }).number(), 1004);
    EXPECT_EQ(CaughtError([&] { fill->TextureType(); }).number(), 1004);
  }
}

}  // namespace
}  // namespace k27093::engine::testing
