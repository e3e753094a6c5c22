// The fonts of a chart's text as the object model shows them. ChartTitle.Font is the title's
// own font; ChartArea.Font stands for all the chart's text: it reads a property's value when
// every text element the chart shows has it, and Null when the elements differ.
#pragma once

#include <string_view>
#include <vector>

#include "api/variant.h"
#include "engine/charts/chart_state.h"

namespace k27093::engine {

class ChartImpl;

// The fonts of the text elements `chart` shows: its title when it has one, its legend when it
// has one, the tick labels of each axis it draws whose labels are shown, its data table when
// shown. Empty when it shows no text.
std::vector<const FontState*> ShownTextFonts(ChartImpl& chart);

// The chart area's font: each property the value that the shown text elements share, nullopt
// when they differ or one of them is mixed; the chart's own text font when it shows no text.
FontState ChartAreaFont(ChartImpl& chart);

// The chart's own text font and every text element's, shown or not, to be set together.
std::vector<FontState*> AllTextFonts(ChartState& state);

// A font's name or size as the object model reads it: Null for a mixed property.
Variant NameOf(const FontState& font);
Variant SizeOf(const FontState& font);

}  // namespace k27093::engine
