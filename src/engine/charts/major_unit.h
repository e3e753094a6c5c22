// The automatic major unit of a value axis: the step the spreadsheet chooses from the plotted
// values when the unit is not fixed. Always a 1, 2 or 5 times a power of ten step.
#pragma once

#include <vector>

namespace k27093::engine {

// The smallest step of the form 1, 2 or 5 times 10^n with which at most ten steps cover the
// span from min(0, lowest) to max(0, highest). A span of zero (no values, or all zero) is
// taken as 0..1.
double AutomaticMajorUnit(double lowest, double highest);

// The same from the plotted values themselves; no values is the span 0..1.
double AutomaticMajorUnit(const std::vector<double>& values);

}  // namespace k27093::engine
