// k27093-examples FOLDER: writes sample exercise workbooks into FOLDER (created when
// missing), one line per file written on standard output:
//   Ventes.xlsx                      the workbook of exercises 401-420 as it is handed out
//   Ventes - 401 réussi.xlsx         the same with the clustered column chart of 401 built
//   Présentation des résultats.xlsx  the workbook of exercise 421 (without its check boxes)
// Exit status 0, 64 for bad usage, 1 when a file cannot be written.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "support/workbook_fixtures.h"

namespace {

using namespace k27093::testsupport;

// The model workbook with the chart exercise 401 asks for: four series in rows on "Année N".
VentesOptions SolvedColumnChart() {
  VentesOptions options;
  FixtureChart chart;
  chart.type = FixtureChartType::kColumnClustered;
  options.sheets.front().charts.push_back(chart);
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
    auto write = [&](const std::string& name, auto&& writer) {
      std::string path = (folder / name).string();
      writer(path);
      std::cout << path << '\n';
    };
    write("Ventes.xlsx", [](const std::string& path) { WriteVentesWorkbook(path); });
    write("Ventes - 401 réussi.xlsx",
          [](const std::string& path) { WriteVentesWorkbook(path, SolvedColumnChart()); });
    write("Présentation des résultats.xlsx",
          [](const std::string& path) { WritePresentationWorkbook(path); });
  } catch (const std::exception& failure) {
    std::cerr << "k27093-examples: " << failure.what() << '\n';
    return 1;
  }
  return 0;
}
