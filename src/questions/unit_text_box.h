// The unit text box of a chart: the first text box, in the order of Chart.TextBoxes, whose
// text lower-cased is "x1000" (no blank, no other character).
#pragma once

#include <cstdint>

#include "api/tribool.h"

namespace k27093::questions {

// The 1-based index of the unit text box among the chart's text boxes; one past the count
// when there is none. The index and the count are 16-bit: more text boxes overflow (6).
std::int16_t UnitTextBoxIndex(const Variant& chart);

// Whether `index` designates a text box: it is not greater than TextBoxes.Count, read again.
Tribool IsATextBox(const Variant& chart, std::int16_t index);

}  // namespace k27093::questions
