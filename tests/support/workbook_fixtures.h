// Workbook fixtures: real .xlsx files written with libxlsxwriter, an independent writer, in
// the shape of the course's exercise workbooks. WriteVentesWorkbook writes the workbook of
// exercises 401-420 (two sheets with the sales table E3:G7 and the marker comment in G9);
// WritePresentationWorkbook the workbook of exercise 421. Options change what a test needs
// changed (names, order, markers, extra sheets, charts); the defaults give a sound workbook.
// The writer cannot write Forms check boxes or text boxes: tests add those through the
// object model after opening the workbook.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::testsupport {

inline constexpr std::string_view kMarkerText =
    "Cette annotation est utilisée comme repère pour vérifier que la structure du tableau "
    "n'a pas été modifiée : MERCI de ne pas la supprimer !";
inline constexpr std::string_view kMarkerCell = "G9";
inline constexpr std::string_view kFirstSheetName = "Année N";
inline constexpr std::string_view kSecondSheetName = "Année N-1";
inline constexpr std::string_view kAnalysisSheetName = "Analyse des résultats";
inline constexpr std::string_view kAnswersSheetName = "Réponses";

// The sales table E3:G7: F3 and G3 hold the quarter labels, E4:E7 the product names and
// F4:G7 the figures.
inline constexpr std::array<std::string_view, 2> kQuarterLabels = {"Trim 1", "Trim 2"};
inline constexpr std::array<std::string_view, 4> kProductNames = {"Téléviseurs", "Réfrigérateurs",
                                                                  "Lave-linge", "Cafetières"};
// The figure of product `product` (0-3) in quarter `quarter` (0-1) of the current year's
// table (previousYear false) or of last year's.
double SalesFigure(bool previousYear, int product, int quarter);

enum class FixtureChartType { kColumnClustered, kColumnStacked, kBarClustered, kLine, kPie, kArea };
enum class FixtureLegend { kRight, kBottom, kTop, kLeft, kNone };

// A font the file states for a chart element; an empty name or a size of 0 leaves that
// property unstated.
struct FixtureFont {
  std::string name{};
  double size = 0;
};

// The gridlines and tick marks of an axis (tick marks as XlTickMark numbers: -4142 none,
// 2 inside, 3 outside, 4 cross; nullopt leaves the element out of the file).
struct FixtureAxisLines {
  bool majorGridlines = false;
  bool minorGridlines = false;
  std::optional<int> majorTickMark{};
  std::optional<int> minorTickMark{};
};

// A chart drawn from a sales table.
struct FixtureChart {
  FixtureChartType type = FixtureChartType::kColumnClustered;
  // True: four series in rows (name E4..E7, categories F3:G3, values F4:G4 ...), the way
  // the exercises expect. False: two series in columns (name F3/G3, categories E4:E7).
  bool seriesInRows = true;
  // With series in rows: the table rows drawn, one series each, in this order (rows may
  // repeat; the series' order argument counts 1, 2, 3 ...).
  std::vector<int> seriesRows = {4, 5, 6, 7};
  // With series in rows: the categories' cells; empty: the series have no categories.
  std::string categoryCells = "$F$3:$G$3";
  // The sheet whose table the series refer to; empty: the sheet that holds the chart.
  std::string dataSheet{};
  // Axes: deleted when false; category labels switched off; axis titles (none when empty).
  bool categoryAxis = true;
  bool valueAxis = true;
  bool categoryLabels = true;
  std::string categoryAxisTitle{};
  std::string valueAxisTitle{};
  // The chart title; empty: no title (the automatic title is switched off).
  std::string title{};
  // A data table under the plot.
  bool dataTable = false;
  // The fonts that the title, the tick labels of each axis, the legend and the data table
  // state. The writer states no font for the chart as a whole.
  FixtureFont titleFont{};
  FixtureFont categoryAxisFont{};
  FixtureFont valueAxisFont{};
  FixtureFont legendFont{};
  FixtureFont dataTableFont{};
  // Top-left cell of an embedded chart, 0-based, the offsets of its corner from that cell
  // and its size, in pixels (the writer's default size is 480 x 288 pixels).
  int row = 10;
  int column = 1;
  int xOffset = 0;
  int yOffset = 0;
  double widthPixels = 480;
  double heightPixels = 288;
  FixtureLegend legend = FixtureLegend::kRight;
  // Gridlines and tick marks of each axis: by default the value axis has major gridlines.
  FixtureAxisLines categoryLines{};
  FixtureAxisLines valueLines{.majorGridlines = true};
  // A fixed major unit of the value axis; nullopt: automatic.
  std::optional<double> valueMajorUnit{};
  // Solid fills the file states for series, by 0-based position, as 0xRRGGBB; the other
  // series keep the automatic fill.
  std::map<int, std::uint32_t> seriesFills{};
};

struct VentesSheet {
  enum class Kind { kWorksheet, kChartSheet };
  std::string name{};
  Kind kind = Kind::kWorksheet;
  // Writes the sales table E3:G7 (worksheets only).
  bool withTable = true;
  // Last year's figures instead of the current year's.
  bool previousYear = false;
  // Row 8 of the table: "Moyenne" in E8 and each quarter's average of F4:G7 in F8:G8.
  bool averageRow = false;
  // The label in E3; empty leaves E3 empty.
  std::string tableLabel{};
  // The quarter labels of F3 and G3.
  std::array<std::string, 2> quarterLabels = {std::string(kQuarterLabels[0]),
                                              std::string(kQuarterLabels[1])};
  // The product names of E4:E7.
  std::array<std::string, 4> productNames = {
      std::string(kProductNames[0]), std::string(kProductNames[1]), std::string(kProductNames[2]),
      std::string(kProductNames[3])};
  // The cell range selected in the sheet ("D4", "B2:C3"); empty: the writer's default (A1).
  std::string selection{};
  // The text of the comment in `markerCell`; no comment when absent.
  std::optional<std::string> marker = std::string(kMarkerText);
  std::string markerCell = std::string(kMarkerCell);
  // Embedded charts of a worksheet; a chart sheet shows charts[0] (required then).
  std::vector<FixtureChart> charts{};
  // Numbers written below the table, from row 101 on, ten a row in columns A to J (they make a
  // bigger workbook without touching what the exercises look at).
  int fillerCells = 0;
};

// A chart sheet `name` showing `chart`, whose series read the table of `dataSheet`.
VentesSheet ChartSheetOver(std::string name, std::string dataSheet, FixtureChart chart = {});

// The two sheets of the sound workbook: "Année N" (current figures) then "Année N-1" (last
// year's), both with the table and the marker comment, no chart.
std::vector<VentesSheet> DefaultVentesSheets();

struct VentesOptions {
  // The sheets in tab order; reorder, rename, add or remove entries to break the frame.
  std::vector<VentesSheet> sheets = DefaultVentesSheets();
  // The author stored with the comments (libxlsxwriter stores an empty one otherwise).
  std::string commentAuthor = "Formateur";
  // The 0-based position of the sheet that is active when the workbook opens.
  int activeSheet = 0;
};

// Writes the exercise workbook of 401-420 to `path` (any extension; the content is OOXML).
// Throws std::runtime_error when the writer fails (the message names the file and reason).
void WriteVentesWorkbook(const std::string& path, const VentesOptions& options = {});

struct PresentationOptions {
  std::string analysisSheetName = std::string(kAnalysisSheetName);
  std::string answersSheetName = std::string(kAnswersSheetName);
  // Protects the answers sheet without a password, as the course hands it out.
  bool protectAnswers = true;
  // A third sheet after the two; none when absent.
  std::optional<std::string> extraSheetName{};
};

// Writes the workbook of exercise 421 to `path`: the sheet "Analyse des résultats" with a
// small results table and a column chart, and the sheet "Réponses" with the question and
// the four answer texts in C4:C7 (the check boxes beside them are not written: see above).
// Throws std::runtime_error when the writer fails.
void WritePresentationWorkbook(const std::string& path, const PresentationOptions& options = {});

}  // namespace k27093::testsupport
