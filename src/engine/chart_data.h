// What a chart derives from the data its series refer to: the category names of its category
// axis and the automatic major unit of its value axis.
#pragma once

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

}  // namespace k27093::engine
