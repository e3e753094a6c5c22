#include "support/workbook_fixtures.h"

#include <xlsxwriter.h>

#include <stdexcept>

namespace k27093::testsupport {

namespace {

// Figures by year, product and quarter.
constexpr double kFigures[2][4][2] = {
    {{1520, 1785}, {980, 1045}, {1210, 1360}, {445, 512}},
    {{1390, 1602}, {1015, 990}, {1150, 1228}, {402, 470}},
};

// Cell positions of the sales table (0-based): E3 is row 2, column 4.
constexpr lxw_row_t kHeaderRow = 2;
constexpr lxw_col_t kLabelColumn = 4;

// The writer's size of an embedded chart, in pixels, that its scales multiply.
constexpr double kWriterChartWidth = 480;
constexpr double kWriterChartHeight = 288;

// Owns the libxlsxwriter workbook until it is closed; a workbook abandoned on an exception is
// freed without writing anything.
class Writer {
 public:
  explicit Writer(const std::string& path) : path_(path), book_(workbook_new(path.c_str())) {
    if (book_ == nullptr) Fail("cannot start the workbook");
  }
  ~Writer() {
    if (book_ != nullptr) lxw_workbook_free(book_);
  }
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  lxw_workbook* book() { return book_; }

  void Close() {
    lxw_error result = workbook_close(book_);
    book_ = nullptr;
    if (result != LXW_NO_ERROR) Fail(lxw_strerror(result));
  }

  [[noreturn]] void Fail(std::string_view reason) const {
    throw std::runtime_error("cannot write the workbook " + path_ + ": " + std::string(reason));
  }

  void Check(lxw_error result, std::string_view what) const {
    if (result != LXW_NO_ERROR) Fail(std::string(what) + ": " + lxw_strerror(result));
  }

 private:
  std::string path_;
  lxw_workbook* book_;
};

// 'Name' with inner quotes doubled, as a reference to another sheet writes it.
std::string QuotedSheet(std::string_view name) {
  std::string quoted = "'";
  for (char c : name) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

std::string CellReference(std::string_view sheet, std::string_view cells) {
  return "=" + QuotedSheet(sheet) + "!" + std::string(cells);
}

uint8_t WriterChartType(FixtureChartType type) {
  switch (type) {
    case FixtureChartType::kColumnClustered:
      return LXW_CHART_COLUMN;
    case FixtureChartType::kColumnStacked:
      return LXW_CHART_COLUMN_STACKED;
    case FixtureChartType::kBarClustered:
      return LXW_CHART_BAR;
    case FixtureChartType::kLine:
      return LXW_CHART_LINE;
    case FixtureChartType::kPie:
      return LXW_CHART_PIE;
    case FixtureChartType::kArea:
      return LXW_CHART_AREA;
  }
  return LXW_CHART_COLUMN;
}

uint8_t WriterLegend(FixtureLegend legend) {
  switch (legend) {
    case FixtureLegend::kRight:
      return LXW_CHART_LEGEND_RIGHT;
    case FixtureLegend::kBottom:
      return LXW_CHART_LEGEND_BOTTOM;
    case FixtureLegend::kTop:
      return LXW_CHART_LEGEND_TOP;
    case FixtureLegend::kLeft:
      return LXW_CHART_LEGEND_LEFT;
    case FixtureLegend::kNone:
      return LXW_CHART_LEGEND_NONE;
  }
  return LXW_CHART_LEGEND_RIGHT;
}

uint8_t WriterTickMark(int mark) {
  switch (mark) {
    case -4142:
      return LXW_CHART_AXIS_TICK_MARK_NONE;
    case 2:
      return LXW_CHART_AXIS_TICK_MARK_INSIDE;
    case 3:
      return LXW_CHART_AXIS_TICK_MARK_OUTSIDE;
    case 4:
      return LXW_CHART_AXIS_TICK_MARK_CROSSING;
  }
  throw std::invalid_argument("not a tick mark: " + std::to_string(mark));
}

void SetAxisLines(lxw_chart_axis* axis, const FixtureAxisLines& lines) {
  chart_axis_major_gridlines_set_visible(axis, lines.majorGridlines ? LXW_TRUE : LXW_FALSE);
  chart_axis_minor_gridlines_set_visible(axis, lines.minorGridlines ? LXW_TRUE : LXW_FALSE);
  if (lines.majorTickMark)
    chart_axis_set_major_tick_mark(axis, WriterTickMark(*lines.majorTickMark));
  if (lines.minorTickMark)
    chart_axis_set_minor_tick_mark(axis, WriterTickMark(*lines.minorTickMark));
}

// Legend, gridlines, tick marks and scale of a chart.
void FormatChart(lxw_chart* chart, const FixtureChart& spec) {
  chart_legend_set_position(chart, WriterLegend(spec.legend));
  SetAxisLines(chart->x_axis, spec.categoryLines);
  SetAxisLines(chart->y_axis, spec.valueLines);
  if (spec.valueMajorUnit) chart_axis_set_major_unit(chart->y_axis, *spec.valueMajorUnit);
}

// Hands the writer's form of `font` to `state`, unless the font states nothing.
template <typename State>
void StateFont(const FixtureFont& font, State state) {
  if (font.name.empty() && font.size == 0) return;
  lxw_chart_font writerFont{};
  writerFont.name = font.name.empty() ? nullptr : const_cast<char*>(font.name.c_str());
  writerFont.size = font.size;
  state(&writerFont);
}

void StateFonts(lxw_chart* chart, const FixtureChart& spec) {
  if (!spec.title.empty()) {
    StateFont(spec.titleFont,
              [&](lxw_chart_font* font) { chart_title_set_name_font(chart, font); });
  }
  StateFont(spec.categoryAxisFont,
            [&](lxw_chart_font* font) { chart_axis_set_num_font(chart->x_axis, font); });
  StateFont(spec.valueAxisFont,
            [&](lxw_chart_font* font) { chart_axis_set_num_font(chart->y_axis, font); });
  StateFont(spec.legendFont, [&](lxw_chart_font* font) { chart_legend_set_font(chart, font); });
  StateFont(spec.dataTableFont, [&](lxw_chart_font* font) { chart_set_table_font(chart, font); });
}

// States the solid fill that `spec` gives the series at `position`, if any.
void FillSeries(lxw_chart_series* series, const FixtureChart& spec, int position) {
  auto fill = spec.seriesFills.find(position);
  if (fill == spec.seriesFills.end()) return;
  lxw_chart_fill writerFill{};
  writerFill.color = fill->second;
  chart_series_set_fill(series, &writerFill);
}

// Builds a chart over the sales table of `dataSheet`.
lxw_chart* BuildChart(Writer& writer, const FixtureChart& spec, std::string_view dataSheet) {
  lxw_chart* chart = workbook_add_chart(writer.book(), WriterChartType(spec.type));
  if (chart == nullptr) writer.Fail("cannot add a chart");
  if (spec.seriesInRows) {
    int position = 0;
    for (int row : spec.seriesRows) {
      std::string r = std::to_string(row);
      const bool oneCategory =
          !spec.categoryCells.empty() && spec.categoryCells.find(':') == std::string::npos;
      const std::string values = oneCategory ? "$F$" + r : "$F$" + r + ":$G$" + r;
      const std::string categories =
          spec.categoryCells.empty() ? "" : CellReference(dataSheet, spec.categoryCells);
      lxw_chart_series* series =
          chart_add_series(chart, categories.empty() ? nullptr : categories.c_str(),
                           CellReference(dataSheet, values).c_str());
      chart_series_set_name(series, CellReference(dataSheet, "$E$" + r).c_str());
      FillSeries(series, spec, position++);
    }
  } else {
    int position = 0;
    for (std::string_view column : {"F", "G"}) {
      std::string c(column);
      lxw_chart_series* series =
          chart_add_series(chart, CellReference(dataSheet, "$E$4:$E$7").c_str(),
                           CellReference(dataSheet, "$" + c + "$4:$" + c + "$7").c_str());
      chart_series_set_name(series, CellReference(dataSheet, "$" + c + "$3").c_str());
      FillSeries(series, spec, position++);
    }
  }
  if (spec.title.empty()) {
    chart_title_off(chart);
  } else {
    chart_title_set_name(chart, spec.title.c_str());
  }
  if (!spec.categoryAxisTitle.empty())
    chart_axis_set_name(chart->x_axis, spec.categoryAxisTitle.c_str());
  if (!spec.valueAxisTitle.empty()) chart_axis_set_name(chart->y_axis, spec.valueAxisTitle.c_str());
  if (!spec.categoryLabels) {
    chart_axis_set_label_position(chart->x_axis, LXW_CHART_AXIS_LABEL_POSITION_NONE);
  }
  if (!spec.categoryAxis) chart_axis_off(chart->x_axis);
  if (!spec.valueAxis) chart_axis_off(chart->y_axis);
  if (spec.dataTable) chart_set_table(chart);
  StateFonts(chart, spec);
  FormatChart(chart, spec);
  return chart;
}

void WriteSalesTable(Writer& writer, lxw_worksheet* sheet, const VentesSheet& spec) {
  if (!spec.tableLabel.empty()) {
    writer.Check(
        worksheet_write_string(sheet, kHeaderRow, kLabelColumn, spec.tableLabel.c_str(), nullptr),
        "table label");
  }
  for (int quarter = 0; quarter < 2; ++quarter) {
    writer.Check(worksheet_write_string(
                     sheet, kHeaderRow, kLabelColumn + 1 + quarter,
                     spec.quarterLabels[static_cast<std::size_t>(quarter)].c_str(), nullptr),
                 "quarter label");
  }
  for (int product = 0; product < 4; ++product) {
    lxw_row_t row = kHeaderRow + 1 + product;
    writer.Check(worksheet_write_string(
                     sheet, row, kLabelColumn,
                     spec.productNames[static_cast<std::size_t>(product)].c_str(), nullptr),
                 "product name");
    for (int quarter = 0; quarter < 2; ++quarter) {
      writer.Check(
          worksheet_write_number(sheet, row, kLabelColumn + 1 + quarter,
                                 SalesFigure(spec.previousYear, product, quarter), nullptr),
          "figure");
    }
  }
}

// E8 "Moyenne" and the averages of the four figures of each quarter in F8:G8.
void WriteAverageRow(Writer& writer, lxw_worksheet* sheet, const VentesSheet& spec) {
  const lxw_row_t row = kHeaderRow + 5;
  writer.Check(worksheet_write_string(sheet, row, kLabelColumn, "Moyenne", nullptr), "average");
  for (int quarter = 0; quarter < 2; ++quarter) {
    double sum = 0;
    for (int product = 0; product < 4; ++product) {
      sum += SalesFigure(spec.previousYear, product, quarter);
    }
    writer.Check(worksheet_write_number(sheet, row, kLabelColumn + 1 + quarter, sum / 4, nullptr),
                 "average");
  }
}

// `count` numbers from A101 on, ten a row.
void WriteFillerCells(Writer& writer, lxw_worksheet* sheet, int count) {
  constexpr lxw_row_t kFirstRow = 100;
  constexpr int kPerRow = 10;
  for (int i = 0; i < count; ++i) {
    writer.Check(worksheet_write_number(sheet, kFirstRow + static_cast<lxw_row_t>(i / kPerRow),
                                        static_cast<lxw_col_t>(i % kPerRow), i * 1.5, nullptr),
                 "filler cell");
  }
}

void WriteMarker(Writer& writer, lxw_worksheet* sheet, const VentesSheet& spec,
                 const std::string& author) {
  if (!spec.marker) return;
  lxw_row_t row = lxw_name_to_row(spec.markerCell.c_str());
  lxw_col_t column = lxw_name_to_col(spec.markerCell.c_str());
  lxw_comment_options options = {};
  options.author = const_cast<char*>(author.c_str());
  writer.Check(worksheet_write_comment_opt(sheet, row, column, spec.marker->c_str(), &options),
               "marker comment");
}

// Selects "D4" or "B2:C3" in `sheet`.
void SelectCells(Writer& writer, lxw_worksheet* sheet, const std::string& cells) {
  const std::size_t colon = cells.find(':');
  const std::string first = cells.substr(0, colon);
  const std::string last = colon == std::string::npos ? first : cells.substr(colon + 1);
  if (first.empty() || last.empty()) writer.Fail("not a cell range: " + cells);
  worksheet_set_selection(sheet, lxw_name_to_row(first.c_str()), lxw_name_to_col(first.c_str()),
                          lxw_name_to_row(last.c_str()), lxw_name_to_col(last.c_str()));
}

// Writes the sheet; returns it when it is a worksheet, nullptr for a chart sheet.
lxw_worksheet* WriteVentesSheet(Writer& writer, const VentesSheet& spec,
                                const std::string& author) {
  if (spec.kind == VentesSheet::Kind::kChartSheet) {
    if (spec.charts.empty()) writer.Fail("a chart sheet needs a chart");
    lxw_chartsheet* sheet = workbook_add_chartsheet(writer.book(), spec.name.c_str());
    if (sheet == nullptr) writer.Fail("cannot add the chart sheet " + spec.name);
    const FixtureChart& chart = spec.charts.front();
    writer.Check(chartsheet_set_chart(sheet, BuildChart(writer, chart, chart.dataSheet)),
                 "chart sheet");
    return nullptr;
  }
  lxw_worksheet* sheet = workbook_add_worksheet(writer.book(), spec.name.c_str());
  if (sheet == nullptr) writer.Fail("cannot add the sheet " + spec.name);
  if (spec.withTable) WriteSalesTable(writer, sheet, spec);
  if (spec.averageRow) WriteAverageRow(writer, sheet, spec);
  WriteFillerCells(writer, sheet, spec.fillerCells);
  WriteMarker(writer, sheet, spec, author);
  if (!spec.selection.empty()) SelectCells(writer, sheet, spec.selection);
  for (const FixtureChart& chart : spec.charts) {
    std::string_view dataSheet = chart.dataSheet.empty() ? spec.name : chart.dataSheet;
    lxw_chart_options placement = {};
    placement.x_offset = chart.xOffset;
    placement.y_offset = chart.yOffset;
    placement.x_scale = chart.widthPixels / kWriterChartWidth;
    placement.y_scale = chart.heightPixels / kWriterChartHeight;
    writer.Check(worksheet_insert_chart_opt(sheet, static_cast<lxw_row_t>(chart.row),
                                            static_cast<lxw_col_t>(chart.column),
                                            BuildChart(writer, chart, dataSheet), &placement),
                 "embedded chart");
  }
  return sheet;
}

}  // namespace

double SalesFigure(bool previousYear, int product, int quarter) {
  if (product < 0 || product > 3 || quarter < 0 || quarter > 1) {
    throw std::out_of_range("no such figure in the sales table");
  }
  return kFigures[previousYear ? 1 : 0][product][quarter];
}

VentesSheet ChartSheetOver(std::string name, std::string dataSheet, FixtureChart chart) {
  VentesSheet sheet;
  sheet.name = std::move(name);
  sheet.kind = VentesSheet::Kind::kChartSheet;
  chart.dataSheet = std::move(dataSheet);
  sheet.charts.push_back(std::move(chart));
  return sheet;
}

std::vector<VentesSheet> DefaultVentesSheets() {
  VentesSheet current;
  current.name = std::string(kFirstSheetName);
  VentesSheet previous;
  previous.name = std::string(kSecondSheetName);
  previous.previousYear = true;
  return {current, previous};
}

void WriteVentesWorkbook(const std::string& path, const VentesOptions& options) {
  Writer writer(path);
  for (std::size_t i = 0; i < options.sheets.size(); ++i) {
    lxw_worksheet* sheet = WriteVentesSheet(writer, options.sheets[i], options.commentAuthor);
    if (static_cast<int>(i) != options.activeSheet || options.activeSheet == 0) continue;
    if (sheet == nullptr) writer.Fail("a chart sheet cannot be the active sheet here");
    worksheet_activate(sheet);
  }
  writer.Close();
}

void WritePresentationWorkbook(const std::string& path, const PresentationOptions& options) {
  Writer writer(path);
  lxw_worksheet* analysis =
      workbook_add_worksheet(writer.book(), options.analysisSheetName.c_str());
  lxw_worksheet* answers = workbook_add_worksheet(writer.book(), options.answersSheetName.c_str());
  if (analysis == nullptr || answers == nullptr) writer.Fail("cannot add the sheets");

  worksheet_write_string(analysis, 1, 1, "Résultats des ventes par région", nullptr);
  const char* regions[] = {"Île-de-France", "Rhône-Alpes", "Bretagne", "Provence"};
  const double results[] = {48250, 31720, 18940, 22415};
  for (int i = 0; i < 4; ++i) {
    worksheet_write_string(analysis, static_cast<lxw_row_t>(3 + i), 1, regions[i], nullptr);
    worksheet_write_number(analysis, static_cast<lxw_row_t>(3 + i), 2, results[i], nullptr);
  }
  lxw_chart* chart = workbook_add_chart(writer.book(), LXW_CHART_COLUMN);
  lxw_chart_series* series =
      chart_add_series(chart, CellReference(options.analysisSheetName, "$B$4:$B$7").c_str(),
                       CellReference(options.analysisSheetName, "$C$4:$C$7").c_str());
  chart_series_set_name(series, "Chiffre d'affaires");
  writer.Check(worksheet_insert_chart(analysis, 9, 1, chart), "analysis chart");

  worksheet_write_string(answers, 1, 1,
                         "Quelles présentations conviennent à l'analyse des résultats ?", nullptr);
  const char* choices[] = {"Un graphique en secteurs par trimestre",
                           "Un histogramme groupé par région", "Un tableau sans mise en forme",
                           "Une courbe de l'évolution mensuelle"};
  for (int i = 0; i < 4; ++i) {
    worksheet_write_string(answers, static_cast<lxw_row_t>(3 + i), 2, choices[i], nullptr);
  }
  if (options.protectAnswers) worksheet_protect(answers, nullptr, nullptr);
  if (options.extraSheetName) {
    if (workbook_add_worksheet(writer.book(), options.extraSheetName->c_str()) == nullptr) {
      writer.Fail("cannot add the sheet " + *options.extraSheetName);
    }
  }
  writer.Close();
}

}  // namespace k27093::testsupport
