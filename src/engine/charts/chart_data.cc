#include "engine/charts/chart_data.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/charts/chart.h"
#include "engine/charts/chart_type.h"
#include "engine/charts/major_unit.h"
#include "engine/charts/series.h"

namespace k27093::engine {

namespace {

// The numbers of a series' values. Texts and empty cells plot nothing; when the series
// stack, they keep their point's place as 0.
std::vector<double> NumbersOf(const SeriesImpl& series, bool keepPlaces) {
  std::vector<double> numbers;
  for (const auto& value : SourceValues(series.values())) {
    if (value.IsNumeric()) {
      numbers.push_back(ToDouble(value));
    } else if (keepPlaces) {
      numbers.push_back(0.0);
    }
  }
  return numbers;
}

// Per point, the sum of the positive and of the negative values of all series.
std::vector<double> StackedExtremes(const std::vector<std::vector<double>>& series) {
  std::vector<double> positive, negative;
  for (const auto& numbers : series) {
    positive.resize(std::max(positive.size(), numbers.size()));
    negative.resize(positive.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      (numbers[i] >= 0 ? positive[i] : negative[i]) += numbers[i];
    }
  }
  positive.insert(positive.end(), negative.begin(), negative.end());
  return positive;
}

}  // namespace

Variant CategoryNames(const ChartImpl& chart) {
  VariantArray names;
  names.lower = 1;
  if (chart.series().empty()) return Variant(std::move(names));
  const SeriesImpl& first = *chart.series().front();
  if (first.categories().kind == SeriesSource::Kind::None) {
    auto count = SourceValues(first.values()).size();
    for (std::size_t i = 1; i <= count; ++i) names.items.emplace_back(std::to_string(i));
  } else {
    for (const auto& value : SourceValues(first.categories())) {
      names.items.emplace_back(ToText(value));
    }
  }
  return Variant(std::move(names));
}

namespace {

// The numbers the value axis covers: each point of each series, or per point the stacked
// sums when the chart stacks; 0 and 1 for a 100% stacked chart.
std::vector<double> PlottedNumbers(ChartImpl& chart) {
  auto stacking = StackingOf(chart.ChartType());
  if (stacking == Stacking::Percent) return {0, 1};
  std::vector<std::vector<double>> perSeries;
  for (const auto& series : chart.series()) {
    perSeries.push_back(NumbersOf(*series, stacking == Stacking::Stacked));
  }
  if (stacking == Stacking::Stacked) return StackedExtremes(perSeries);
  std::vector<double> all;
  for (const auto& numbers : perSeries) all.insert(all.end(), numbers.begin(), numbers.end());
  return all;
}

std::string ValueLabel(double value, bool percent) {
  return percent ? ToText(Variant(value * 100)) + "%" : ToText(Variant(value));
}

}  // namespace

double AutomaticValueUnit(ChartImpl& chart) { return AutomaticMajorUnit(PlottedNumbers(chart)); }

std::vector<std::string> ValueAxisLabels(ChartImpl& chart) {
  std::vector<double> numbers = PlottedNumbers(chart);
  if (numbers.empty()) numbers = {0, 1};
  auto [lowest, highest] = std::minmax_element(numbers.begin(), numbers.end());
  const AxisState& axis = chart.state().valueAxis;
  bool fixed = !axis.majorUnitIsAuto && axis.majorUnit > 0;
  double unit = fixed ? axis.majorUnit : AutomaticMajorUnit(numbers);
  bool percent = StackingOf(chart.ChartType()) == Stacking::Percent;
  double first = std::floor(std::min(0.0, *lowest) / unit + 1e-9);
  double last = std::ceil(std::max(0.0, *highest) / unit - 1e-9);
  if (last <= first) last = first + 1;
  std::vector<std::string> labels;
  for (double step = first; step < last && labels.size() + 1 < kMostValueLabels; ++step) {
    labels.push_back(ValueLabel(step * unit, percent));
  }
  labels.push_back(ValueLabel(last * unit, percent));
  return labels;
}

}  // namespace k27093::engine
