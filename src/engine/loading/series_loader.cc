#include "engine/loading/series_loader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "engine/charts/chart.h"
#include "engine/charts/series.h"
#include "engine/charts/series_formula.h"
#include "engine/charts/series_source.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

namespace {

// The series of `data` in plot order: group by group in the file's order of the groups, and
// within a group by stored order (a series without one comes last, in the file's order).
std::vector<const document::SeriesData*> PlotOrder(const document::ChartData& data) {
  std::vector<const document::SeriesData*> ordered;
  for (const auto& series : data.series) ordered.push_back(&series);
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto* a, const auto* b) {
    constexpr std::int32_t kUnordered = std::numeric_limits<std::int32_t>::max();
    if (a->group != b->group) return a->group < b->group;
    return a->order.value_or(kUnordered) < b->order.value_or(kUnordered);
  });
  return ordered;
}

// A stored argument kept as stored, with the file's cached points.
SeriesSource Cached(const std::string& text, const std::vector<Variant>& points) {
  SeriesSource source;
  source.kind = SeriesSource::Kind::Cached;
  source.text = text;
  source.values = points;
  return source;
}

// A stored argument bound to the workbook when it can be, else kept as stored.
SeriesSource Bind(const std::string& text, const std::vector<Variant>& points,
                  const std::shared_ptr<WorkbookImpl>& workbook,
                  const std::shared_ptr<WorksheetImpl>& defaultSheet) {
  auto argument = ParseFormulaArgument(text);
  if (argument && workbook) {
    if (auto bound = BindArgument(*argument, *workbook, defaultSheet)) return std::move(*bound);
  }
  return Cached(text, points);
}

// The source of a series' name, categories or values: its reference, else its literal, else
// nothing.
SeriesSource SourceOf(const document::SeriesSourceData& data,
                      const std::shared_ptr<WorkbookImpl>& workbook,
                      const std::shared_ptr<WorksheetImpl>& defaultSheet) {
  if (!data.reference.empty()) return Bind(data.reference, data.points, workbook, defaultSheet);
  if (!data.literal.empty()) return Bind(data.literal, data.points, workbook, defaultSheet);
  return SeriesSource();
}

// The series' own chart type, else its group's, else the whole chart's when it has one.
std::optional<std::int32_t> ChartTypeOf(const document::SeriesData& series,
                                        const document::ChartData& data) {
  if (series.chartType) return series.chartType;
  if (series.group < data.groups.size() && data.groups[series.group].chartType) {
    return data.groups[series.group].chartType;
  }
  if (data.chartType && *data.chartType != xl::chart_type::kCombination) return data.chartType;
  return std::nullopt;
}

// The series' fill colour: the one its fill states, else the automatic colour of its index
// (of its plot position when it has none).
std::int32_t ColorOf(const document::SeriesData& series, const ColorResolver& colors,
                     std::size_t position) {
  if (series.fill) {
    if (auto color = colors.FillColorOf(*series.fill)) return *color;
  }
  std::size_t number = position;
  if (series.index && *series.index >= 0) number = static_cast<std::size_t>(*series.index);
  return ChartImpl::AutomaticSeriesColor(number);
}

}  // namespace

void LoadSeries(ChartImpl& chart, const document::ChartData& data, const ColorResolver& colors) {
  auto workbook = chart.book();
  auto defaultSheet = chart.hostSheet();
  std::size_t position = 0;
  for (const document::SeriesData* stored : PlotOrder(data)) {
    auto series = chart.AddSeries();
    if (auto type = ChartTypeOf(*stored, data)) series->StoreChartType(*type);
    SeriesSource name =
        stored->name ? SourceOf(*stored->name, workbook, defaultSheet) : SeriesSource();
    series->StoreSources(std::move(name), SourceOf(stored->categories, workbook, defaultSheet),
                         SourceOf(stored->values, workbook, defaultSheet));
    series->StoreColor(ColorOf(*stored, colors, position++));
  }
}

}  // namespace k27093::engine
