// What a chart derives from the data its series refer to: the category names of its category
// axis and the automatic major unit of its value axis.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "api/variant.h"

namespace k27093::engine {

class ChartImpl;

// The category texts of the first series (its category cells' or constants' values as text),
// or "1".."n" for its n values when it has no categories; an array with lower bound 1 (empty
// for a chart without series).
Variant CategoryNames(const ChartImpl& chart);

// The automatic major unit from the numbers the series plot, stacked (or as percentages) when
// the chart type stacks them.
double AutomaticValueUnit(ChartImpl& chart);

// The texts of the value axis' labels, as General shows them: the multiples of its major
// unit (fixed, else automatic) from the last at or below min(0, lowest plotted number) to the
// first at or above max(0, highest); "0%" to "100%" for a 100% stacked chart; 0 to 1 when
// nothing is plotted. At most kMostValueLabels of them: the first ones and the last.
inline constexpr std::size_t kMostValueLabels = 1000;
std::vector<std::string> ValueAxisLabels(ChartImpl& chart);

}  // namespace k27093::engine
