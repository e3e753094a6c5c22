#include "support/sample_workbooks.h"

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
  };
}

std::vector<SampleWorkbook> AllSamples() {
  std::vector<SampleWorkbook> samples = Exercise401();
  for (auto& sample : Exercises402To410()) samples.push_back(std::move(sample));
  return samples;
}

}  // namespace

const std::vector<SampleWorkbook>& SampleWorkbooks() {
  static const std::vector<SampleWorkbook> samples = AllSamples();
  return samples;
}

}  // namespace k27093::testsupport
