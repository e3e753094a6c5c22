// The chart groups of a chart's plot area (c:barChart, c:lineChart ...) in file order, with
// their chart type, axis ids and axis group, and their series: name, categories and values
// (the references as stored, and the cached points), order, fill, outline and markers.
#pragma once

#include <cstddef>

#include <pugixml.hpp>

#include "document/workbook_data.h"
#include "readers/ooxml/drawingml.h"

namespace k27093::ooxml {

// Most series one chart may hold, and most points one series' name, categories or values may
// hold (the spreadsheet's own limits).
inline constexpr std::size_t kMaxSeries = 255;
inline constexpr std::size_t kMaxPoints = 32000;

// Appends the chart groups and series of `plotArea` to `chart` and sets its chart type. The
// first group's axes are the primary ones; a group on other axes is on the secondary ones.
// Raises ReadFault Damaged past kMaxSeries series or kMaxPoints points, for values of the
// wrong form, or when the budget runs out.
void ReadChartGroups(pugi::xml_node plotArea, PartScope& scope, document::ChartData& chart);

}  // namespace k27093::ooxml
