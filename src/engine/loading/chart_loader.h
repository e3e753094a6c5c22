// Filling a chart of the engine from a chart a file stored: its chart type, its series (see
// series_loader.h), its axes (primary and secondary category and value axes, shown or
// deleted, with their gridlines, tick marks, label position, a fixed major unit and whether
// they have a title), its title and the title's text, its legend and the legend's position,
// its data table, the fonts of its text elements (see chart_font_loader.h), the height of its
// plot area from a manual layout, and its own drawn objects. Apart from the fonts, what the
// file does not state keeps the value a new chart has: nothing is guessed.
#pragma once

#include <optional>

#include "document/workbook_data.h"

namespace k27093::engine {

class ChartImpl;

// Fills `chart`, a new chart in its frame or chart sheet, once the sheets of its workbook
// exist. An automatic title (a title without text of its own) reads as the name of the
// chart's only series, or as a new chart's title text when there are several. A chart's
// ChartSize is the page setup's where the file states it (a binary workbook does; an Office
// Open XML package does not), the engine's default otherwise. `theme` is the workbook's
// (nullopt when it has none), for the fonts.
void LoadChart(ChartImpl& chart, const document::ChartData& data,
               const std::optional<document::ThemeData>& theme);

}  // namespace k27093::engine
