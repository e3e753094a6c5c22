// Building the series of a chart from the series a file stored. They are added in plot order
// (chart group after chart group as the file lists the groups, by their stored order within
// a group), each with its own chart type and, when the file states a plain RGB fill, its
// colour. Its name, categories and values are bound to the workbook's cells as a learner's
// formula would be, so they read the cells as they are now; an argument the workbook cannot
// resolve (another workbook, a sheet it does not have) keeps its stored text and the file's
// cached points.
#pragma once

#include "engine/ooxml/workbook_data.h"

namespace k27093::engine {

class ChartImpl;

// Adds the series of `data` to `chart`, which has none yet, after the sheets of its workbook
// exist. A series of a kind the file does not name takes its group's chart type, else the
// chart's.
void LoadSeries(ChartImpl& chart, const ooxml::ChartData& data);

}  // namespace k27093::engine
