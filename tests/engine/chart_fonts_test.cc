// The fonts of a chart's text as ChartArea.Font and ChartTitle.Font read them: from workbook
// files (theme font references, each element's stated font, what elements inherit, Excel's
// own files), and as the object model sets them.
#include <regex>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "support/workbook_fixtures.h"

namespace k27093::engine::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::FixtureChartType;
using testsupport::FixtureFont;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";
const std::string kTestData = std::string(K27093_TEST_DATA) + "/";
const std::string kChartPart = "xl/charts/chart1.xml";
const std::string kThemePart = "xl/theme/theme1.xml";

// A theme whose major face is Georgia and minor face Verdana.
const std::string kTheme =
    "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"T\">"
    "<a:themeElements><a:clrScheme name=\"T\"/><a:fontScheme name=\"T\">"
    "<a:majorFont><a:latin typeface=\"Georgia\"/></a:majorFont>"
    "<a:minorFont><a:latin typeface=\"Verdana\"/></a:minorFont>"
    "</a:fontScheme></a:themeElements></a:theme>";

// Text properties (c:txPr) whose default run properties are `runProperties` (attributes and
// children of a:defRPr).
std::string TextProperties(const std::string& attributes, const std::string& children = "") {
  return "<c:txPr><a:bodyPr/><a:lstStyle/><a:p><a:pPr><a:defRPr" + attributes + ">" + children +
         "</a:defRPr></a:pPr><a:endParaRPr lang=\"fr-FR\"/></a:p></c:txPr>";
}

std::string Latin(const std::string& typeface) {
  return "<a:latin typeface=\"" + typeface + "\"/>";
}

FixtureChart ChartWithoutTitle() {
  FixtureChart chart;
  chart.title = "";
  return chart;
}

// Every text element of the chart (title "Ventes", tick labels, legend) in `font`.
FixtureChart ChartAllIn(const FixtureFont& font) {
  FixtureChart chart;
  chart.title = "Ventes";
  chart.titleFont = chart.categoryAxisFont = chart.valueAxisFont = chart.legendFont = font;
  return chart;
}

class ChartFontsTest : public EngineTest {
 protected:
  // Writes the sales workbook whose first sheet holds `chart`; returns its path.
  std::string Write(const FixtureChart& chart) {
    testsupport::VentesOptions options;
    options.sheets[0].charts = {chart};
    const std::string path = folder.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    return path;
  }
  // Adds `insert` to the chart part of the workbook at `path`, after its c:chart element (where
  // the chart's own text properties go).
  static void AddToChartSpace(const std::string& path, const std::string& insert) {
    std::string chart = PackageEntry(path, kChartPart);
    const std::size_t at = chart.find("</c:chart>");
    ASSERT_NE(at, std::string::npos);
    chart.insert(at + std::string("</c:chart>").size(), insert);
    RewritePackageEntry(path, kChartPart, chart);
  }
  // Replaces the chart title of the chart part with `title`.
  static void ReplaceTitle(const std::string& path, const std::string& title) {
    const std::string chart = PackageEntry(path, kChartPart);
    const std::regex stored("<c:title>.*?</c:title>");
    ASSERT_TRUE(std::regex_search(chart, stored));
    RewritePackageEntry(path, kChartPart, std::regex_replace(chart, stored, title));
  }
  // Takes the theme out of the workbook at `path`.
  static void RemoveTheme(const std::string& path) {
    const std::string relationships = PackageEntry(path, "xl/_rels/workbook.xml.rels");
    const std::regex theme("<Relationship [^>]*relationships/theme\"[^>]*/>");
    ASSERT_TRUE(std::regex_search(relationships, theme));
    RewritePackageEntry(path, "xl/_rels/workbook.xml.rels",
                        std::regex_replace(relationships, theme, ""));
    RewritePackageEntry(path, kThemePart, "");
  }
  Ref<xl::Chart> Open(const std::string& path) {
    auto book = app->Workbooks()->Open(path);
    return AsWorksheet(book->Sheets()->Item(Variant(1)))->ChartObjects()->Item(Variant(1))->Chart();
  }
  Ref<xl::Chart> OpenChart(const FixtureChart& chart) { return Open(Write(chart)); }
  Ref<xl::Chart> OpenExcelChart(const std::string& file) { return Open(kExcelFolder + file); }

  static Ref<xl::Font> AreaFont(const Ref<xl::Chart>& chart) { return chart->ChartArea()->Font(); }
  static Ref<xl::Font> TitleFont(const Ref<xl::Chart>& chart) {
    return chart->ChartTitle()->Font();
  }
  // Hides every text element of `chart` but `kept` ("title", "legend", "category", "value",
  // "table"), so that the chart area's font shows the kept element's.
  static void ShowOnly(const Ref<xl::Chart>& chart, const std::string& kept) {
    if (kept != "title") chart->SetHasTitle(false);
    if (kept != "legend") chart->SetHasLegend(false);
    if (kept != "category") chart->SetHasAxis(xl::kCategory, xl::kPrimary, false);
    if (kept != "value") chart->SetHasAxis(xl::kValue, xl::kPrimary, false);
    if (kept != "table") chart->SetHasDataTable(false);
  }
};

void ExpectFont(const Ref<xl::Font>& font, const std::string& name, double size) {
  EXPECT_EQ(ToText(font->Name()), name);
  EXPECT_EQ(ToDouble(font->Size()), size);
}

// --- Theme font references and unstated names ---

TEST_F(ChartFontsTest, ThemeReferencesNameTheThemesMinorAndMajorFaces) {
  for (const auto& [reference, face] : std::vector<std::pair<std::string, std::string>>{
           {"+mn-lt", "Verdana"}, {"+mj-lt", "Georgia"}, {"+mn-ea", "Verdana"}}) {
    SCOPED_TRACE(reference);
    const std::string path = Write(ChartWithoutTitle());
    RewritePackageEntry(path, kThemePart, kTheme);
    AddToChartSpace(path, TextProperties(" sz=\"1100\"", Latin(reference)));
    ExpectFont(AreaFont(Open(path)), face, 11);
    app->ActiveWorkbook()->Close(false);
  }
}

TEST_F(ChartFontsTest, AnUnstatedNameIsTheThemesMinorFace) {
  const std::string path = Write(ChartWithoutTitle());
  RewritePackageEntry(path, kThemePart, kTheme);
  ExpectFont(AreaFont(Open(path)), "Verdana", 10);
}

TEST_F(ChartFontsTest, WithoutThemeUnstatedNamesAndThemeReferencesAreArial) {
  const std::string path = Write(ChartWithoutTitle());
  RemoveTheme(path);
  ExpectFont(AreaFont(Open(path)), "Arial", 10);
  app->ActiveWorkbook()->Close(false);
  AddToChartSpace(path, TextProperties("", Latin("+mn-lt")));
  ExpectFont(AreaFont(Open(path)), "Arial", 10);
}

// --- Each element's own font, and what it inherits ---

TEST_F(ChartFontsTest, EachElementShowsTheFontItsFileStates) {
  FixtureChart spec;
  spec.title = "Ventes";
  spec.titleFont = {"Georgia", 14};
  spec.categoryAxisFont = {"Verdana", 8};
  spec.valueAxisFont = {"Tahoma", 9};
  spec.legendFont = {"Courier New", 7};
  spec.dataTable = true;
  spec.dataTableFont = {"Garamond", 6};
  const std::string path = Write(spec);
  struct Case {
    std::string element;
    std::string name;
    double size;
  };
  for (const Case& expected : std::vector<Case>{{"title", "Georgia", 14},
                                                {"category", "Verdana", 8},
                                                {"value", "Tahoma", 9},
                                                {"legend", "Courier New", 7},
                                                {"table", "Garamond", 6}}) {
    SCOPED_TRACE(expected.element);
    auto chart = Open(path);
    EXPECT_TRUE(AreaFont(chart)->Name().IsNull());
    EXPECT_TRUE(AreaFont(chart)->Size().IsNull());
    ShowOnly(chart, expected.element);
    ExpectFont(AreaFont(chart), expected.name, expected.size);
    app->ActiveWorkbook()->Close(false);
  }
}

TEST_F(ChartFontsTest, AnElementWithoutSizeOrNameInheritsTheChartsOwn) {
  FixtureChart spec = ChartWithoutTitle();
  spec.legendFont = {"Tahoma", 0};
  spec.valueAxisFont = {"", 9};
  const std::string path = Write(spec);
  AddToChartSpace(path, TextProperties(" sz=\"1200\"", Latin("Arial")));
  auto chart = Open(path);
  ShowOnly(chart, "legend");
  ExpectFont(AreaFont(chart), "Tahoma", 12);
  chart->SetHasLegend(false);
  chart->SetHasAxis(xl::kValue, xl::kPrimary, true);
  ExpectFont(AreaFont(chart), "Arial", 9);
  chart->SetHasAxis(xl::kValue, xl::kPrimary, false);
  chart->SetHasAxis(xl::kCategory, xl::kPrimary, true);
  ExpectFont(AreaFont(chart), "Arial", 12);
}

TEST_F(ChartFontsTest, ATitleWithoutSizeIsTwelveTenthsOfTheChartText) {
  FixtureChart spec;
  spec.title = "Ventes";
  const std::string path = Write(spec);
  AddToChartSpace(path, TextProperties(" sz=\"1100\"", Latin("Arial")));
  auto chart = Open(path);
  ExpectFont(TitleFont(chart), "Arial", 13.2);
  EXPECT_EQ(ToText(AreaFont(chart)->Name()), "Arial");
  EXPECT_TRUE(AreaFont(chart)->Size().IsNull());
}

TEST_F(ChartFontsTest, TitleRunsInDifferentFontsReadNull) {
  FixtureChart spec;
  spec.title = "Ventes";
  const std::string path = Write(spec);
  ReplaceTitle(path,
               "<c:title><c:tx><c:rich><a:bodyPr/><a:p><a:pPr><a:defRPr sz=\"1400\"/></a:pPr>"
               "<a:r><a:rPr lang=\"fr-FR\"><a:latin typeface=\"Georgia\"/></a:rPr><a:t>Ven</a:t>"
               "</a:r><a:r><a:rPr lang=\"fr-FR\" sz=\"1400\"><a:latin typeface=\"Tahoma\"/>"
               "</a:rPr><a:t>tes</a:t></a:r></a:p></c:rich></c:tx></c:title>");
  auto title = TitleFont(Open(path));
  EXPECT_TRUE(title->Name().IsNull());
  EXPECT_EQ(ToDouble(title->Size()), 14);
}

// --- The chart area's font: common values and Null ---

TEST_F(ChartFontsTest, TheAreaReadsWhatAllElementsShareAndNullForWhatOneSetsApart) {
  ExpectFont(AreaFont(OpenChart(ChartAllIn({"Arial", 12}))), "Arial", 12);
  app->ActiveWorkbook()->Close(false);

  FixtureChart otherSize = ChartAllIn({"Arial", 12});
  otherSize.legendFont = {"Arial", 11};
  auto chart = OpenChart(otherSize);
  EXPECT_EQ(ToText(AreaFont(chart)->Name()), "Arial");
  EXPECT_TRUE(AreaFont(chart)->Size().IsNull());
  app->ActiveWorkbook()->Close(false);

  FixtureChart otherName = ChartAllIn({"Arial", 12});
  otherName.categoryAxisFont = {"Verdana", 12};
  chart = OpenChart(otherName);
  EXPECT_TRUE(AreaFont(chart)->Name().IsNull());
  EXPECT_EQ(ToDouble(AreaFont(chart)->Size()), 12);
}

TEST_F(ChartFontsTest, AChartWithoutTitleIgnoresTheTitlesFont) {
  FixtureChart spec = ChartAllIn({"Arial", 12});
  spec.title = "";
  ExpectFont(AreaFont(OpenChart(spec)), "Arial", 12);
}

TEST_F(ChartFontsTest, TickLabelsThatAreNotShownAreIgnored) {
  FixtureChart spec = ChartAllIn({"Arial", 12});
  spec.categoryAxisFont = {"Verdana", 8};
  spec.categoryLabels = false;
  ExpectFont(AreaFont(OpenChart(spec)), "Arial", 12);
}

// --- What the exercises meet ---

TEST_F(ChartFontsTest, ArialTenTextWithATimesElevenTitleReadsNullForTheArea) {
  FixtureChart spec = ChartAllIn({"Arial", 10});
  spec.titleFont = {"Times New Roman", 11};
  auto chart = OpenChart(spec);
  ExpectFont(TitleFont(chart), "Times New Roman", 11);
  EXPECT_TRUE(AreaFont(chart)->Name().IsNull());
  EXPECT_TRUE(AreaFont(chart)->Size().IsNull());
  chart->SetHasTitle(false);
  ExpectFont(AreaFont(chart), "Arial", 10);
}

TEST_F(ChartFontsTest, ALowerCaseChartFontNameReadsAsStored) {
  const std::string path = Write(ChartWithoutTitle());
  AddToChartSpace(path, TextProperties(" sz=\"1200\"", Latin("arial")));
  ExpectFont(AreaFont(Open(path)), "arial", 12);
}

TEST_F(ChartFontsTest, LibreOfficeFilesGiveTheFontsCalcStatesForEachElement) {
  auto titled = Open(kTestData + "libreoffice-401-title-fonts.xlsx");
  ExpectFont(TitleFont(titled), "Times New Roman", 11);
  EXPECT_TRUE(AreaFont(titled)->Name().IsNull());
  EXPECT_TRUE(AreaFont(titled)->Size().IsNull());
  ExpectFont(AreaFont(Open(kTestData + "libreoffice-401-arial-11.xlsx")), "Arial", 11);
  ExpectFont(AreaFont(Open(kTestData + "libreoffice-401-right.xlsx")), "Calibri", 10);
}

TEST_F(ChartFontsTest, LateBoundReadingsGiveTheSameValues) {
  FixtureChart spec = ChartAllIn({"Arial", 10});
  spec.titleFont = {"Times New Roman", 11};
  Variant chart(OpenChart(spec).shared());
  Variant area = GetProperty(GetProperty(chart, "ChartArea"), "Font");
  Variant title = GetProperty(GetProperty(chart, "ChartTitle"), "Font");
  EXPECT_TRUE(GetProperty(area, "Name").IsNull());
  EXPECT_TRUE(GetProperty(area, "Size").IsNull());
  EXPECT_EQ(ToText(GetProperty(title, "Name")), "Times New Roman");
  EXPECT_EQ(ToDouble(GetProperty(title, "Size")), 11);
}

// --- Files saved by Excel ---

TEST_F(ChartFontsTest, ExcelFilesWithoutChartFontsShowTheThemesFace) {
  auto chart = OpenExcelChart("chart_title02.xlsx");
  ExpectFont(TitleFont(chart), "Calibri", 12);
  EXPECT_EQ(ToText(AreaFont(chart)->Name()), "Calibri");
  EXPECT_TRUE(AreaFont(chart)->Size().IsNull());
  chart->SetHasTitle(false);
  ExpectFont(AreaFont(chart), "Calibri", 10);
}

TEST_F(ChartFontsTest, ExcelFilesStatingElementFontsShowThem) {
  auto font05 = OpenExcelChart("chart_font05.xlsx");  // value axis labels in Arial
  EXPECT_TRUE(AreaFont(font05)->Name().IsNull());
  ShowOnly(font05, "value");
  ExpectFont(AreaFont(font05), "Arial", 10);

  auto font06 = OpenExcelChart("chart_font06.xlsx");  // title in Calibri
  ExpectFont(TitleFont(font06), "Calibri", 12);

  auto font01 = OpenExcelChart("chart_font01.xlsx");  // tick labels 9 and 11 points
  EXPECT_EQ(ToText(AreaFont(font01)->Name()), "Calibri");
  EXPECT_TRUE(AreaFont(font01)->Size().IsNull());
  ShowOnly(font01, "category");
  ExpectFont(AreaFont(font01), "Calibri", 9);

  auto font07 = OpenExcelChart("chart_font07.xlsx");  // legend 9 points
  EXPECT_TRUE(AreaFont(font07)->Size().IsNull());
  ShowOnly(font07, "legend");
  ExpectFont(AreaFont(font07), "Calibri", 9);
}

// --- Through the object model ---

TEST_F(ChartFontsTest, SettingTheChartAreaFontSetsAllTheText) {
  FixtureChart spec = ChartAllIn({"Georgia", 14});
  spec.legendFont = {"Tahoma", 7};
  spec.dataTable = true;
  auto chart = OpenChart(spec);
  AreaFont(chart)->SetName("Arial");
  AreaFont(chart)->SetSize(11);
  ExpectFont(AreaFont(chart), "Arial", 11);
  ExpectFont(TitleFont(chart), "Arial", 11);
  for (const char* element : {"legend", "category", "table"}) {
    SCOPED_TRACE(element);
    chart->SetHasTitle(true);
    chart->SetHasLegend(true);
    chart->SetHasAxis(xl::kCategory, xl::kPrimary, true);
    chart->SetHasAxis(xl::kValue, xl::kPrimary, true);
    chart->SetHasDataTable(true);
    ShowOnly(chart, element);
    ExpectFont(AreaFont(chart), "Arial", 11);
  }
}

TEST_F(ChartFontsTest, SettingTheTitleFontSetsTheTitleOnly) {
  auto chart = AddChart(NewSheet());
  chart->SetHasTitle(true);
  AreaFont(chart)->SetSize(10);
  ExpectFont(AreaFont(chart), "Arial", 10);
  TitleFont(chart)->SetName("Times New Roman");
  EXPECT_TRUE(AreaFont(chart)->Name().IsNull());
  EXPECT_EQ(ToDouble(AreaFont(chart)->Size()), 10);
  TitleFont(chart)->SetSize(11);
  EXPECT_TRUE(AreaFont(chart)->Size().IsNull());
  ShowOnly(chart, "legend");
  ExpectFont(AreaFont(chart), "Arial", 10);
}

TEST_F(ChartFontsTest, ANewChartHasArialTenTextAndATwelvePointTitle) {
  auto chart = AddChart(NewSheet());
  ExpectFont(AreaFont(chart), "Arial", 10);
  chart->SetHasTitle(true);
  ExpectFont(TitleFont(chart), "Arial", 12);
  EXPECT_EQ(ToText(AreaFont(chart)->Name()), "Arial");
  EXPECT_TRUE(AreaFont(chart)->Size().IsNull());
}

TEST_F(ChartFontsTest, AChartShowingNoTextReadsItsOwnFont) {
  auto chart = AddChart(NewSheet());
  chart->SetChartType(xl::chart_type::kPie);
  chart->SetHasLegend(false);
  ExpectFont(AreaFont(chart), "Arial", 10);
  AreaFont(chart)->SetSize(14);
  ExpectFont(AreaFont(chart), "Arial", 14);
  chart->SetHasLegend(true);
  ExpectFont(AreaFont(chart), "Arial", 14);
}

}  // namespace
}  // namespace k27093::engine::testing
