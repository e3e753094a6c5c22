#include "questions/question0407.h"

#include <array>
#include <vector>

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

const Variant kWidth(247.5), kHeight(146.25);
const Variant kPlotHeight(80);
constexpr std::array<std::string_view, 8> kDataCells = {"F4", "F5", "F6", "F7",
                                                        "G4", "G5", "G6", "G7"};

// The chart of the sheet's first chart object.
Variant ChartOf(const Variant& sheet) {
  const Variant chartObject = GetProperty(GetProperty(sheet, "ChartObjects"), "Item", {Variant(1)});
  return GetProperty(chartObject, "Chart");
}

Variant CellValue(const Variant& sheet, std::string_view cell) {
  return GetProperty(GetProperty(sheet, "Range", {Variant(cell)}), "Value");
}

// Step 2: whether the chart kept its axes, title and legend and the table kept some data.
// Every read fetches the first sheet anew (all fetched before the first read), and the chart
// of its first chart object anew; all twelve values are read before deciding.
Tribool KeptItsFrame(const Ref<xl::Application>& application) {
  std::vector<Variant> sheets;
  for (std::size_t i = 0; i < 4 + kDataCells.size(); ++i) {
    sheets.push_back(SheetOf(application, kFirstSheet));
  }
  const Variant valueAxis = GetProperty(ChartOf(sheets[0]), "HasAxis", {Variant(xl::kValue)});
  const Variant categoryAxis = GetProperty(ChartOf(sheets[1]), "HasAxis", {Variant(xl::kCategory)});
  const Variant title = GetProperty(ChartOf(sheets[2]), "HasTitle");
  const Variant legend = GetProperty(ChartOf(sheets[3]), "HasLegend");
  Tribool allEmpty = true;
  for (std::size_t i = 0; i < kDataCells.size(); ++i) {
    allEmpty = allEmpty && Equals(CellValue(sheets[4 + i], kDataCells[i]), "");
  }
  return !(Equals(valueAxis, false) || Equals(categoryAxis, false) || Equals(title, false) ||
           Equals(legend, false) || allEmpty);
}

double PlotAreaHeight(const Variant& chart) {
  return ToDouble(GetProperty(GetProperty(chart, "PlotArea"), "Height"));
}

}  // namespace

void Question0407::RunTests(Check& check) {
  const auto& app = application();
  const Variant chart = QuestionChart(app, kFirstSheet);
  Tribool keptItsFrame = true;
  check.MappingErrors({{errors::kApplication, "D"}}, [&] { keptItsFrame = KeptItsFrame(app); });
  check.Expect(keptItsFrame, "D");

  const Variant width = GetProperty(ChartObjectOf(chart), "Width");
  const Variant height = GetProperty(ChartObjectOf(chart), "Height");
  check.Expect(Equals(width, kWidth) && Equals(height, kHeight), "A");
  check.Expect(!Equals(Variant(PlotAreaHeight(chart)), kPlotHeight), "B");
  check.Expect(!LessThan(Variant(PlotAreaHeight(chart)), kPlotHeight), "C");
}

}  // namespace k27093::questions
