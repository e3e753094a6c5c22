// Building the series of a chart from the series a file stored. They are added in plot order
// (chart group after chart group as the file lists the groups, by their stored order within
// a group), each with its own chart type and its fill colour: the colour its fill states (a
// solid fill's, a gradient's first stop, a pattern's foreground), else the automatic colour of
// its index (c:idx; without one, of its plot position), as ChartImpl::AutomaticSeriesColor. Its
// name, categories and values are bound to the workbook's cells as a learner's formula would be, so
// they read the cells as they are now; an argument the workbook cannot resolve (another workbook, a
// sheet it does not have) keeps its stored text and the file's cached points.
#pragma once

#include "document/workbook_data.h"
#include "engine/loading/color_resolver.h"

namespace k27093::engine {

class ChartImpl;

// Adds the series of `data` to `chart`, which has none yet, after the sheets of its workbook
// exist. A series of a kind the file does not name takes its group's chart type, else the
// chart's. `colors` resolves the colours the file states.
void LoadSeries(ChartImpl& chart, const document::ChartData& data, const ColorResolver& colors);

}  // namespace k27093::engine
