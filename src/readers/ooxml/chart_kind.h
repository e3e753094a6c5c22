// The spreadsheet's chart type (XlChartType) of a chart group of a chart part (c:barChart,
// c:lineChart, c:bar3DChart ...) and of each of its series; the whole chart's follows from its
// groups' (document/chart_type.h). Where the kind of a group depends on its series (markers of
// lines, shapes of 3-D bars, lines of scatter charts, explosion of pies), the group's first
// series decides and each series has its own.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <pugixml.hpp>

#include "document/chart_type.h"
#include "document/workbook_data.h"
#include "readers/ooxml/drawingml.h"

namespace k27093::ooxml {

using document::ChartTypeOf;
using document::kCombinationChart;

// The chart type of the chart group element `group`; nullopt for a kind the spreadsheet's
// enumeration does not name. Raises ReadFault Damaged for a setting (bar direction,
// grouping, bar shape) that is not one of the format's values.
std::optional<std::int32_t> GroupChartType(pugi::xml_node group, const PartScope& scope);

// The chart type of the series element `series` of `group`: its group's, unless the series
// states its own markers, bar shape, line or smoothing.
std::optional<std::int32_t> SeriesChartType(pugi::xml_node group, pugi::xml_node series,
                                            const PartScope& scope);


}  // namespace k27093::ooxml
