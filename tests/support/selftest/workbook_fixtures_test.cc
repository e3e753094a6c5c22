// The fixture writers, checked on the package parts they write (independently of the
// engine's reader): sheet names and order, the marker comments, charts and protection.
#include "support/workbook_fixtures.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <regex>
#include <stdexcept>

#include "support/temporary_folder.h"

namespace k27093::testsupport {
namespace {

// The text of one part of the package; "" when the part is missing.
std::string Part(const std::string& path, const std::string& name) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (archive == nullptr) throw std::runtime_error("not a package: " + path);
  std::string text;
  zip_stat_t stat;
  if (zip_stat(archive, name.c_str(), 0, &stat) == 0) {
    zip_file_t* file = zip_fopen(archive, name.c_str(), 0);
    text.resize(stat.size);
    zip_fread(file, text.data(), stat.size);
    zip_fclose(file);
  }
  zip_close(archive);
  return text;
}

// The names of <sheet name="..."> in xl/workbook.xml, in tab order.
std::vector<std::string> SheetNames(const std::string& path) {
  std::string workbook = Part(path, "xl/workbook.xml");
  std::vector<std::string> names;
  std::regex sheet("<sheet name=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(workbook.begin(), workbook.end(), sheet);
       it != std::sregex_iterator(); ++it) {
    names.push_back((*it)[1]);
  }
  return names;
}

bool Contains(const std::string& text, std::string_view piece) {
  return text.find(piece) != std::string::npos;
}

class WorkbookFixtures : public ::testing::Test {
 protected:
  std::string Ventes(const VentesOptions& options = {}) {
    std::string path = folder_.File("Ventes.xls");
    WriteVentesWorkbook(path, options);
    return path;
  }
  TemporaryFolder folder_;
};

TEST_F(WorkbookFixtures, VentesHasTheTwoYearSheetsInOrder) {
  EXPECT_EQ(SheetNames(Ventes()), (std::vector<std::string>{"Année N", "Année N-1"}));
}

TEST_F(WorkbookFixtures, BothSheetsCarryTheExactMarkerInG9) {
  std::string path = Ventes();
  for (const char* part : {"xl/comments1.xml", "xl/comments2.xml"}) {
    std::string comments = Part(path, part);
    EXPECT_TRUE(Contains(comments, "<comment ref=\"G9\"")) << part;
    EXPECT_TRUE(Contains(comments, "<t>" + std::string(kMarkerText) + "</t>")) << part;
    EXPECT_TRUE(Contains(comments, "<author>Formateur</author>")) << part;
  }
}

TEST_F(WorkbookFixtures, TableHoldsProductsQuartersAndFigures) {
  std::string path = Ventes();
  std::string strings = Part(path, "xl/sharedStrings.xml");
  for (std::string_view product : kProductNames) {
    EXPECT_TRUE(Contains(strings, "<t>" + std::string(product) + "</t>")) << product;
  }
  EXPECT_TRUE(Contains(strings, "<t>Trim 2</t>"));
  std::string sheet2 = Part(path, "xl/worksheets/sheet2.xml");
  EXPECT_TRUE(Contains(sheet2, "<c r=\"F4\"><v>1390</v></c>")) << sheet2;
  EXPECT_EQ(SalesFigure(true, 0, 0), 1390);
  EXPECT_THROW(SalesFigure(false, 4, 0), std::out_of_range);
}

TEST_F(WorkbookFixtures, FillerCellsGoTenARowFromRow101) {
  VentesOptions options;
  options.sheets[0].fillerCells = 12;
  const std::string sheet = Part(Ventes(options), "xl/worksheets/sheet1.xml");
  EXPECT_TRUE(Contains(sheet, "<c r=\"A101\"><v>0</v></c>")) << sheet;
  EXPECT_TRUE(Contains(sheet, "<c r=\"J101\"><v>13.5</v></c>")) << sheet;
  EXPECT_TRUE(Contains(sheet, "<c r=\"B102\"><v>16.5</v></c>")) << sheet;
  EXPECT_FALSE(Contains(sheet, "r=\"C102\"")) << sheet;
  EXPECT_FALSE(Contains(Part(Ventes(), "xl/worksheets/sheet1.xml"), "r=\"A101\""));
}

TEST_F(WorkbookFixtures, OptionsRenameReorderAndAddSheets) {
  VentesOptions options;
  std::swap(options.sheets[0], options.sheets[1]);
  options.sheets[0].name = "ANNÉE N-1";
  VentesSheet third;
  third.name = "Feuil3";
  third.withTable = false;
  third.marker.reset();
  options.sheets.push_back(third);
  EXPECT_EQ(SheetNames(Ventes(options)),
            (std::vector<std::string>{"ANNÉE N-1", "Année N", "Feuil3"}));
}

TEST_F(WorkbookFixtures, MarkerCanBeChangedOrLeftOut) {
  VentesOptions options;
  options.sheets[0].marker = "Autre texte";
  options.sheets[1].marker.reset();
  std::string path = Ventes(options);
  EXPECT_TRUE(Contains(Part(path, "xl/comments1.xml"), "<t>Autre texte</t>"));
  EXPECT_EQ(Part(path, "xl/comments2.xml"), "");
}

TEST_F(WorkbookFixtures, ChartSeriesReferToTheTableInRows) {
  VentesOptions options;
  FixtureChart chart;
  chart.title = "Ventes";
  options.sheets[1].charts.push_back(chart);
  std::string xml = Part(Ventes(options), "xl/charts/chart1.xml");
  EXPECT_TRUE(Contains(xml, "<c:f>'Année N-1'!$E$7</c:f>")) << xml;
  EXPECT_TRUE(Contains(xml, "<c:f>'Année N-1'!$F$3:$G$3</c:f>"));
  EXPECT_TRUE(Contains(xml, "<c:f>'Année N-1'!$F$7:$G$7</c:f>"));
  EXPECT_TRUE(Contains(xml, "<c:grouping val=\"clustered\"/>"));
  EXPECT_TRUE(Contains(xml, "<a:t>Ventes</a:t>"));
}

TEST_F(WorkbookFixtures, ChartWithoutTitleSwitchesTheAutomaticTitleOff) {
  VentesOptions options;
  options.sheets[0].charts.push_back({});
  std::string xml = Part(Ventes(options), "xl/charts/chart1.xml");
  EXPECT_TRUE(Contains(xml, "<c:autoTitleDeleted val=\"1\"/>")) << xml;
}

TEST_F(WorkbookFixtures, ChartFontsAndDataTableAreStatedOnlyWhenAsked) {
  VentesOptions options;
  options.sheets[0].charts.push_back({});
  std::string plain = Part(Ventes(options), "xl/charts/chart1.xml");
  EXPECT_FALSE(Contains(plain, "<a:latin")) << plain;
  EXPECT_FALSE(Contains(plain, "<c:dTable>")) << plain;

  FixtureChart& chart = options.sheets[0].charts[0];
  chart.title = "Ventes";
  chart.titleFont = {"Times New Roman", 11};
  chart.legendFont = {"", 9};
  chart.dataTable = true;
  chart.dataTableFont = {"Garamond", 0};
  std::string xml = Part(Ventes(options), "xl/charts/chart1.xml");
  EXPECT_TRUE(Contains(xml,
                       "<a:rPr lang=\"en-US\" sz=\"1100\" baseline=\"0\">"
                       "<a:latin typeface=\"Times New Roman\"/>"))
      << xml;
  EXPECT_TRUE(Contains(xml,
                       "<c:legendPos val=\"r\"/><c:layout/><c:txPr><a:bodyPr/><a:lstStyle/>"
                       "<a:p><a:pPr><a:defRPr sz=\"900\""))
      << xml;
  EXPECT_TRUE(Contains(xml, "<a:latin typeface=\"Garamond\"/>")) << xml;
  EXPECT_TRUE(Contains(xml, "<c:dTable>")) << xml;
}

TEST_F(WorkbookFixtures, ChartSheetWithoutChartIsRefused) {
  VentesOptions options;
  VentesSheet chartSheet;
  chartSheet.name = "Graphique";
  chartSheet.kind = VentesSheet::Kind::kChartSheet;
  options.sheets.push_back(chartSheet);
  EXPECT_THROW(Ventes(options), std::runtime_error);
  EXPECT_FALSE(folder_.Contains("Ventes.xls"));
}

TEST_F(WorkbookFixtures, UnwritablePlaceIsReportedWithItsPath) {
  std::string path = folder_.File("missing-folder/Ventes.xls");
  try {
    WriteVentesWorkbook(path);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_TRUE(Contains(error.what(), path)) << error.what();
  }
}

TEST_F(WorkbookFixtures, PresentationHasItsTwoSheetsAndProtectsTheAnswers) {
  std::string path = folder_.File("Présentation des résultats.xls");
  WritePresentationWorkbook(path);
  EXPECT_EQ(SheetNames(path), (std::vector<std::string>{"Analyse des résultats", "Réponses"}));
  EXPECT_TRUE(Contains(Part(path, "xl/worksheets/sheet2.xml"), "<sheetProtection"));
  EXPECT_FALSE(Contains(Part(path, "xl/worksheets/sheet1.xml"), "<sheetProtection"));
}

TEST_F(WorkbookFixtures, PresentationOptionsLeaveAnswersOpenAndAddASheet) {
  PresentationOptions options;
  options.protectAnswers = false;
  options.extraSheetName = "Brouillon";
  std::string path = folder_.File("p.xls");
  WritePresentationWorkbook(path, options);
  EXPECT_EQ(SheetNames(path).size(), 3u);
  EXPECT_FALSE(Contains(Part(path, "xl/worksheets/sheet2.xml"), "<sheetProtection"));
}

}  // namespace
}  // namespace k27093::testsupport
