// The charts of the workbooks that Excel saved (K27093_EXCEL_FILES_XLS), read from their
// Workbook streams: chart types, series formulas, titles and legends. Built once the compound
// file reader is part of the tree.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "readers/cfb/compound_file.h"
#include "readers/xls/byte_reader.h"
#include "readers/xls/chart_reader.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kChartSubstream = 0x0020;

struct WorkbookCharts {
  std::vector<std::string> sheets;
  std::vector<std::vector<document::ChartData>> charts;  // by sheet, in stream order
};

WorkbookCharts ChartsOf(const std::string& name) {
  std::ifstream file(std::string(K27093_EXCEL_FILES_XLS) + "/" + name, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  const std::string bytes = content.str();
  const std::string workbook = cfb::CompoundFile(bytes).ReadRootStream("Workbook").value();
  const std::string_view stream(workbook);
  RecordStream records(stream, "Workbook");
  const WorkbookGlobals globals = ReadWorkbookGlobals(records);
  WorkbookCharts result;
  for (const SheetEntry& sheet : globals.sheets) {
    result.sheets.push_back(sheet.name);
    std::vector<document::ChartData>& charts = result.charts.emplace_back();
    records.Seek(sheet.streamOffset);
    std::size_t depth = 0;
    while (std::optional<Record> record = records.Next()) {
      if (record->type == record_types::kBof) {
        // The sheet's own BOF starts a chart substream for a chart sheet.
        if (LittleEndian16(record->data.substr(2)) == kChartSubstream) {
          charts.push_back(ReadChartRecords(records, *record, globals, nullptr));
          if (depth == 0) break;
          continue;
        }
        ++depth;
      } else if (record->type == record_types::kEof && --depth == 0) {
        break;
      }
    }
  }
  return result;
}

std::string SeriesFormula(const document::SeriesData& series) {
  const auto text = [](const document::SeriesSourceData& source) {
    return source.reference.empty() ? source.literal : source.reference;
  };
  return "=SERIES(" + (series.name ? text(*series.name) : "") + "," + text(series.categories) +
         "," + text(series.values) + "," + std::to_string(series.order.value_or(-1) + 1) + ")";
}

std::vector<std::string> Formulas(const document::ChartData& chart) {
  std::vector<const document::SeriesData*> ordered;
  for (const auto& series : chart.series) ordered.push_back(&series);
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto* a, const auto* b) {
    return a->order.value_or(0) < b->order.value_or(0);
  });
  std::vector<std::string> formulas;
  for (const auto* series : ordered) formulas.push_back(SeriesFormula(*series));
  return formulas;
}

TEST(ChartExcelFiles, TheLineAndAreaChartsOfWithTwoCharts) {
  const WorkbookCharts workbook = ChartsOf("WithTwoCharts.xls");
  ASSERT_EQ(workbook.charts.size(), 3u);
  ASSERT_EQ(workbook.charts[1].size(), 1u);
  const document::ChartData& line = workbook.charts[1][0];
  // Its series show diamond markers (MARKERFORMAT imk 2, not automatic): lines with markers.
  EXPECT_EQ(line.chartType, 65);
  EXPECT_EQ(Formulas(line),
            (std::vector<std::string>{"=SERIES(\"1st Column\",,Sheet1!$A$1:$A$6,1)",
                                      "=SERIES(\"2nd Column\",,Sheet1!$B$1:$B$6,2)"}));
  EXPECT_FALSE(line.title.has_value());
  EXPECT_TRUE(line.axes.at(1).majorGridlines);
  ASSERT_EQ(workbook.charts[2].size(), 1u);
  const document::ChartData& area = workbook.charts[2][0];
  EXPECT_EQ(area.chartType, 1);
  EXPECT_EQ(Formulas(area),
            (std::vector<std::string>{"=SERIES(\"Base Numbers\",,Sheet1!$D$1:$D$6,1)",
                                      "=SERIES(\"Squares\",,Sheet1!$E$1:$E$6,2)"}));
}

TEST(ChartExcelFiles, ColumnChartsOfSimpleChartEmbeddedChartHeaderTestAnd49096) {
  const document::ChartData simple = ChartsOf("SimpleChart.xls").charts.at(0).at(0);
  EXPECT_EQ(simple.chartType, 51);
  EXPECT_EQ(Formulas(simple),
            (std::vector<std::string>{"=SERIES(,Sheet1!$A$1:$A$25,Sheet1!$B$1:$B$25,1)"}));
  ASSERT_TRUE(simple.legend.has_value());
  EXPECT_EQ(simple.legend->position, -4152);
  const document::ChartData stacked = ChartsOf("EmbeddedChartHeaderTest.xls").charts.at(0).at(0);
  EXPECT_EQ(stacked.chartType, 52);
  ASSERT_EQ(stacked.series.size(), 3u);
  EXPECT_EQ(stacked.series[2].values.reference, "Sheet1!$A$4:$C$4");
  EXPECT_EQ(stacked.series[0].categories.reference, "Sheet1!$A$1:$C$1");
  const document::ChartData quoted = ChartsOf("49096.xls").charts.at(0).at(0);
  EXPECT_EQ(Formulas(quoted),
            (std::vector<std::string>{
                "=SERIES('Template 1'!$A$3,'Template 1'!$A$1:$D$1,'Template 1'!$A$2:$D$2,1)"}));
}

TEST(ChartExcelFiles, TitlesAxisTitlesAndNoLegendOf50939) {
  const WorkbookCharts workbook = ChartsOf("50939.xls");
  ASSERT_EQ(workbook.sheets.at(1), "sheet3");
  const document::ChartData& chart = workbook.charts.at(1).at(0);
  EXPECT_EQ(chart.chartType, 53);
  ASSERT_TRUE(chart.title.has_value());
  EXPECT_EQ(chart.title->text.text, "Test results");
  EXPECT_TRUE(chart.axes.at(0).title.has_value());
  EXPECT_TRUE(chart.axes.at(1).title.has_value());
  EXPECT_FALSE(chart.legend.has_value());
  std::vector<std::string> names;
  for (const std::string& formula : Formulas(chart))
    names.push_back(formula.substr(8, formula.find(',') - 8));
  EXPECT_EQ(names, (std::vector<std::string>{"\"blocked\"", "\"passed\"", "\"failed\"",
                                             "\"missing results\""}));
}

TEST(ChartExcelFiles, PieScatterAndFrenchCharts) {
  const document::ChartData pie = ChartsOf("WithFormattedGraphTitle.xls").charts.at(0).at(0);
  EXPECT_EQ(pie.chartType, 5);
  ASSERT_TRUE(pie.title.has_value());
  EXPECT_EQ(pie.title->text.text, "Favorite Fruits");
  EXPECT_EQ(pie.legend.value().position, -4152);
  EXPECT_EQ(Formulas(pie),
            (std::vector<std::string>{
                "=SERIES(,'Sheet with Chart'!$B$3:$B$5,'Sheet with Chart'!$C$3:$C$5,1)"}));
  const WorkbookCharts scatter = ChartsOf("SimpleScatterChart.xls");
  const document::ChartData& embedded = scatter.charts.at(0).at(0);
  EXPECT_EQ(embedded.chartType, -4169);
  EXPECT_EQ(Formulas(embedded),
            (std::vector<std::string>{"=SERIES(Sheet1!$B$1,Sheet1!$A$2:$A$3,Sheet1!$B$2:$B$3,1)"}));
  EXPECT_EQ(scatter.charts.at(1).size(), 1u);  // the chart sheet
  const document::ChartData french = ChartsOf("44861.xls").charts.at(0).at(0);
  EXPECT_EQ(Formulas(french),
            (std::vector<std::string>{"=SERIES(data!$B$19,data!$A$20:$A$24,data!$B$20:$B$24,1)"}));
}

}  // namespace
}  // namespace k27093::xls
