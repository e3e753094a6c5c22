#include "support/sample_workbooks.h"

#include <filesystem>
#include <utility>

#include "support/workbook_fixtures.h"

namespace k27093::testsupport {

namespace {

// The model workbook with `chart` on "Année N".
VentesOptions WithChart(const FixtureChart& chart = {}, VentesOptions options = {}) {
  options.sheets.front().charts.push_back(chart);
  return options;
}

// The chart 401 asks for, titled "Ventes", as the following exercises hand it out.
FixtureChart HandedOut() {
  FixtureChart chart;
  chart.title = "Ventes";
  return chart;
}

// The chart object of 247.5 x 146.25 points at the sheet's corner.
FixtureChart Small() {
  FixtureChart chart = HandedOut();
  chart.row = 0;
  chart.column = 0;
  chart.widthPixels = 330;
  chart.heightPixels = 195;
  return chart;
}

// `chart` changed by `change(FixtureChart&)`.
template <class Change>
FixtureChart With(FixtureChart chart, Change change) {
  change(chart);
  return chart;
}

SampleWorkbook Ventes(std::int32_t exercise, std::string name, std::string verdict,
                      VentesOptions options, std::vector<std::string> complements = {}) {
  return {exercise, "Ventes - " + std::to_string(exercise) + " " + name + ".xlsx",
          std::move(verdict), std::move(complements),
          [options](const std::string& path) { WriteVentesWorkbook(path, options); }};
}

// The model workbook with `chart` on "Année N-1", the sheet that 418 to 420 check.
VentesOptions WithSecondSheetChart(const FixtureChart& chart) {
  VentesOptions options;
  options.sheets[1].charts.push_back(chart);
  return options;
}

// The model workbook with the averages in row 8 and `chart` on "Année N".
VentesOptions WithAverages(const FixtureChart& chart) {
  VentesOptions options;
  options.sheets.front().averageRow = true;
  options.sheets.front().charts.push_back(chart);
  return options;
}

// The handed-out chart drawing the table rows `rows`.
FixtureChart OverRows(std::vector<int> rows) {
  return With(HandedOut(), [&](FixtureChart& c) { c.seriesRows = std::move(rows); });
}

// A copy of the committed workbook `dataFile` of tests/data.
SampleWorkbook Committed(std::int32_t exercise, std::string fileName, std::string verdict,
                         std::string dataFile, std::vector<std::string> complements = {}) {
  const std::filesystem::path source = std::filesystem::path(K27093_SAMPLE_DATA) / dataFile;
  return {exercise, std::move(fileName), std::move(verdict), std::move(complements),
          [source](const std::string& path) {
            std::filesystem::copy_file(source, path,
                                       std::filesystem::copy_options::overwrite_existing);
          }};
}

std::vector<SampleWorkbook> Exercise401() {
  FixtureChart stacked;
  stacked.type = FixtureChartType::kColumnStacked;
  FixtureChart inColumns;
  inColumns.seriesInRows = false;
  VentesOptions thirdSheet = WithChart();
  VentesSheet extra;
  extra.name = "Brouillon";
  extra.withTable = false;
  extra.marker.reset();
  thirdSheet.sheets.push_back(extra);
  return {
      {401,
       "Ventes.xlsx",
       "fault H",
       {},
       [](const std::string& path) { WriteVentesWorkbook(path); }},
      Ventes(401, "réussi", "pass", WithChart()),
      Ventes(401, "histogramme empilé", "fault A", WithChart(stacked)),
      Ventes(401, "séries en colonnes", "fault B", WithChart(inColumns)),
      Ventes(401, "troisième feuille", "general fault G", thirdSheet),
  };
}

std::vector<SampleWorkbook> Exercises402To410() {
  VentesOptions regions;
  regions.sheets[0].productNames = {"NORD", "SUD", "EST", "OUEST"};
  VentesOptions secondSheetActive = regions;
  secondSheetActive.activeSheet = 1;
  return {
      Ventes(402, "réussi", "pass", WithChart(Small())),
      Ventes(402, "taille d'origine", "fault A", WithChart(HandedOut())),
      Ventes(402, "décalé", "fault B",
             WithChart(With(Small(), [](FixtureChart& c) { c.xOffset = 14; }))),
      Ventes(403, "cellule sélectionnée", "fault A", WithChart(HandedOut(), regions)),
      Ventes(403, "autre feuille active", "fault B", WithChart(HandedOut(), secondSheetActive)),
      Ventes(404, "réussi", "pass",
             WithChart(With(HandedOut(), [](FixtureChart& c) { c.title = "VENTES"; }))),
      Ventes(404, "titre avec l'année", "fault C",
             WithChart(With(HandedOut(), [](FixtureChart& c) { c.title = "Ventes 2007"; })),
             {" Ventes 2007"}),
      Ventes(404, "sans titre", "fault A",
             WithChart(With(HandedOut(), [](FixtureChart& c) { c.title.clear(); }))),
      Ventes(405, "réussi", "pass",
             WithChart(With(HandedOut(),
                            [](FixtureChart& c) {
                              c.titleFont = {"Times New Roman", 11};
                              c.categoryAxisFont = {"Arial", 10};
                              c.valueAxisFont = {"Arial", 10};
                              c.legendFont = {"Arial", 10};
                            }))),
      Ventes(405, "sans titre", "fault A",
             WithChart(With(HandedOut(),
                            [](FixtureChart& c) {
                              c.title.clear();
                              c.categoryAxisFont = {"Arial", 10};
                              c.valueAxisFont = {"Arial", 10};
                              c.legendFont = {"Arial", 10};
                            }))),
      Ventes(405, "texte du thème", "fault D", WithChart(HandedOut())),
      Ventes(
          406, "réussi", "pass",
          WithChart(With(HandedOut(), [](FixtureChart& c) { c.legend = FixtureLegend::kBottom; }))),
      Ventes(406, "légende à droite", "fault C", WithChart(HandedOut())),
      Ventes(407, "réussi", "pass", WithChart(Small())),
      Ventes(407, "sans légende", "fault D",
             WithChart(With(Small(), [](FixtureChart& c) { c.legend = FixtureLegend::kNone; }))),
      Ventes(407, "taille changée", "fault A", WithChart(HandedOut())),
      Ventes(407, "sans axe des valeurs", "fault D",
             WithChart(With(Small(), [](FixtureChart& c) { c.valueAxis = false; }))),
      Ventes(408, "réussi", "pass",
             WithChart(With(HandedOut(),
                            [](FixtureChart& c) { c.categoryLines.majorGridlines = true; }))),
      Ventes(408, "quadrillage secondaire", "fault A",
             WithChart(With(HandedOut(),
                            [](FixtureChart& c) { c.categoryLines.minorGridlines = true; }))),
      Ventes(408, "inchangé", "fault C", WithChart(HandedOut())),
      Ventes(409, "réussi", "pass",
             WithChart(With(HandedOut(), [](FixtureChart& c) { c.valueMajorUnit = 400; }))),
      Ventes(409, "unité 500", "fault B",
             WithChart(With(HandedOut(), [](FixtureChart& c) { c.valueMajorUnit = 500; })),
             {" 500"}),
      Ventes(409, "unité automatique", "fault A", WithChart(HandedOut())),
      Ventes(410, "réussi", "pass",
             WithChart(With(HandedOut(),
                            [](FixtureChart& c) {
                              c.valueLines.majorTickMark = -4142;
                              c.valueLines.minorTickMark = -4142;
                            }))),
      Ventes(410, "graduations secondaires", "fault B",
             WithChart(With(HandedOut(),
                            [](FixtureChart& c) {
                              c.valueLines.majorTickMark = -4142;
                              c.valueLines.minorTickMark = 3;
                            }))),
      Ventes(410, "inchangé", "fault A", WithChart(HandedOut())),
      Ventes(410, "sans axe des valeurs", "fault C",
             WithChart(With(HandedOut(), [](FixtureChart& c) { c.valueAxis = false; }))),
  };
}

std::vector<SampleWorkbook> Exercises411To413() {
  constexpr std::uint32_t kOrange = 0xFF9900;
  const std::vector<int> fiveRows = {4, 5, 6, 7, 8};
  VentesOptions moyenneAmongFour;
  moyenneAmongFour.sheets[0].productNames[3] = "Moyenne";
  moyenneAmongFour.sheets[0].charts.push_back(HandedOut());
  return {
      Ventes(411, "réussi", "pass",
             WithChart(With(HandedOut(), [&](FixtureChart& c) { c.seriesFills[3] = kOrange; }))),
      Ventes(411, "couleur automatique", "fault A", WithChart(HandedOut())),
      Ventes(411, "quatrième série CCFFFF", "fault A",
             WithChart(With(HandedOut(), [](FixtureChart& c) { c.seriesFills[3] = 0xCCFFFF; }))),
      Ventes(411, "cinq séries", "fault B", WithAverages(OverRows(fiveRows))),
      Ventes(411, "barres", "fault C",
             WithChart(With(HandedOut(),
                            [&](FixtureChart& c) {
                              c.type = FixtureChartType::kBarClustered;
                              c.seriesFills[3] = kOrange;
                            }))),
      Ventes(412, "réussi", "pass", WithAverages(OverRows(fiveRows))),
      Ventes(412, "sans étiquettes", "pass",
             WithAverages(With(OverRows(fiveRows), [](FixtureChart& c) { c.categoryCells = ""; }))),
      Ventes(412, "quatre séries", "fault A", WithAverages(HandedOut())),
      Ventes(412, "valeurs de la ligne 9", "fault B", WithAverages(OverRows({4, 5, 6, 7, 9}))),
      Ventes(412, "étiquettes F4 à G4", "fault C",
             WithAverages(
                 With(OverRows(fiveRows), [](FixtureChart& c) { c.categoryCells = "$F$4:$G$4"; }))),
      Ventes(413, "moyenne en histogramme", "fault A", WithAverages(OverRows(fiveRows))),
      Ventes(413, "moyenne parmi quatre séries", "fault A", moyenneAmongFour),
      Ventes(413, "sans moyenne", "fault C", WithAverages(HandedOut())),
      Committed(413, "Ventes - 413 réussi.xlsx", "pass", "libreoffice-413-right.xlsx"),
      Committed(413, "Ventes - 413 troisième série en aires.xlsx", "fault B",
                "libreoffice-413-third-area.xlsx"),
  };
}

// The chart's own drawing of 414 to 417, in the form Excel 2007 writes it.
std::vector<SampleWorkbook> Exercises414To417() {
  auto drawn = [](std::int32_t exercise, std::string name, std::string verdict,
                  std::string dataCase) {
    return Committed(exercise, "Ventes - " + std::to_string(exercise) + " " + name + ".xlsx",
                     std::move(verdict),
                     "excel2007-" + std::to_string(exercise) + "-" + dataCase + ".xlsx");
  };
  return {
      drawn(414, "réussi", "pass", "right"),
      drawn(414, "x 1000", "fault B", "other-text"),
      drawn(415, "réussi", "pass", "right"),
      drawn(415, "zone de texte déplacée", "fault E", "moved"),
      drawn(415, "parchemin vertical", "fault D", "vertical-scroll"),
      drawn(416, "réussi", "pass", "right"),
      drawn(416, "forme au premier plan", "fault C", "shape-in-front"),
      drawn(417, "réussi", "pass", "right"),
      drawn(417, "remplissage blanc", "fault B", "white-fill"),
      drawn(417, "sans texture", "fault D", "untextured"),
  };
}

std::vector<SampleWorkbook> Exercises418To420() {
  SampleWorkbook fullPage =
      Ventes(420, "taille par défaut", "fault A", WithSecondSheetChart(HandedOut()));
  fullPage.checkOptions = {"--printer", "PDF"};
  return {
      Committed(418, "Ventes - 418 réussi.xlsx", "pass", "libreoffice-418-right.xlsx"),
      Committed(418, "Ventes - 418 cônes.xlsx", "fault B", "libreoffice-418-cone.xlsx"),
      Ventes(418, "histogramme", "fault A", WithSecondSheetChart(HandedOut())),
      Ventes(419, "réussi", "pass",
             WithSecondSheetChart(With(HandedOut(), [](FixtureChart& c) { c.dataTable = true; }))),
      Ventes(419, "sans table de données", "fault A", WithSecondSheetChart(HandedOut())),
      fullPage,
      Ventes(420, "sans imprimante", "general fault #BA", WithSecondSheetChart(HandedOut())),
  };
}

// The workbook of 421 with its answers ticked, as LibreOffice Calc saves it.
std::vector<SampleWorkbook> Exercise421() {
  const std::string prefix = "Présentation des résultats - 421 ";
  return {
      Committed(421, prefix + "réussi.xlsx", "pass", "libreoffice-421-right.xlsx"),
      Committed(421, prefix + "rien de coché.xlsx", "fault A", "libreoffice-421-nothing.xlsx"),
      Committed(421, prefix + "réponses 1, 2 et 4.xlsx", "fault B",
                "libreoffice-421-one-two-four.xlsx"),
  };
}

std::vector<SampleWorkbook> AllSamples() {
  std::vector<SampleWorkbook> samples;
  for (auto part : {Exercise401, Exercises402To410, Exercises411To413, Exercises414To417,
                    Exercises418To420, Exercise421}) {
    for (auto& sample : part()) samples.push_back(std::move(sample));
  }
  return samples;
}

}  // namespace

const std::vector<SampleWorkbook>& SampleWorkbooks() {
  static const std::vector<SampleWorkbook> samples = AllSamples();
  return samples;
}

}  // namespace k27093::testsupport
