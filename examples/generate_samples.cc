// k27093-examples FOLDER: writes sample exercise workbooks into FOLDER (created when
// missing), one line per file written on standard output:
//   Ventes.xlsx                               the workbook of 401-420 as handed out (401: H)
//   Ventes - 401 réussi.xlsx                  the clustered column chart 401 asks for (pass)
//   Ventes - 401 histogramme empilé.xlsx      the same data as stacked columns (401: A)
//   Ventes - 401 séries en colonnes.xlsx      two series taken in columns (401: B)
//   Ventes - 401 troisième feuille.xlsx       the solved workbook with a third sheet
//                                             (general fault G)
//   Présentation des résultats.xlsx           the workbook of exercise 421 (without its
//                                             check boxes)
// Exit status 0, 64 for bad usage, 1 when a file cannot be written.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "support/workbook_fixtures.h"

namespace {

using namespace k27093::testsupport;

// The model workbook with one chart on "Année N"; the default chart is the one exercise 401
// asks for: clustered columns, four series in rows, no title.
VentesOptions WithChart(const FixtureChart& chart = {}) {
  VentesOptions options;
  options.sheets.front().charts.push_back(chart);
  return options;
}

VentesOptions StackedColumns() {
  FixtureChart chart;
  chart.type = FixtureChartType::kColumnStacked;
  return WithChart(chart);
}

VentesOptions SeriesInColumns() {
  FixtureChart chart;
  chart.seriesInRows = false;
  return WithChart(chart);
}

VentesOptions ThirdSheet() {
  VentesOptions options = WithChart();
  VentesSheet extra;
  extra.name = "Brouillon";
  extra.withTable = false;
  extra.marker.reset();
  options.sheets.push_back(extra);
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: k27093-examples FOLDER\n";
    return 64;
  }
  try {
    std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    auto writeVentes = [&](const std::string& name, const VentesOptions& options) {
      std::string path = (folder / name).string();
      WriteVentesWorkbook(path, options);
      std::cout << path << '\n';
    };
    writeVentes("Ventes.xlsx", VentesOptions{});
    writeVentes("Ventes - 401 réussi.xlsx", WithChart());
    writeVentes("Ventes - 401 histogramme empilé.xlsx", StackedColumns());
    writeVentes("Ventes - 401 séries en colonnes.xlsx", SeriesInColumns());
    writeVentes("Ventes - 401 troisième feuille.xlsx", ThirdSheet());
    std::string presentation = (folder / "Présentation des résultats.xlsx").string();
    WritePresentationWorkbook(presentation);
    std::cout << presentation << '\n';
  } catch (const std::exception& failure) {
    std::cerr << "k27093-examples: " << failure.what() << '\n';
    return 1;
  }
  return 0;
}
