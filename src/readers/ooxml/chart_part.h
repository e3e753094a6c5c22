// A chart part (xl/charts/chartN.xml, root c:chartSpace) read into ChartData: its plot (chart
// groups, series, axes), title, legend, data table, plot-area layout, chart-area fill and
// font, page setup, and the chart's own drawing (c:userShapes). What the part leaves out
// stays absent, apart from Excel's own implicit values that the data model names.
#pragma once

#include <string_view>

#include <pugixml.hpp>

#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/drawingml.h"
#include "readers/ooxml/package.h"

namespace k27093::ooxml {

// Reads the chart part `part`, shown in a frame `width` x `height` points large (which
// places the chart's own shapes). Raises ReadFault Damaged when the part or its own
// drawing is missing or not well-formed, its drawing's relationship leads nowhere, a value
// has the wrong form, a bound of the series or points is passed, or `budget` runs out.
document::ChartData ReadChart(Package& package, std::string_view part, double width, double height,
                              ContentBudget& budget);

// The page setup stated by a pageSetup element (c:pageSetup of a chart, or a sheet's
// <pageSetup>); all absent for an empty node. Raises Damaged for values of the wrong form.
document::PageSetupData ReadPageSetup(pugi::xml_node pageSetup, const PartScope& scope);

}  // namespace k27093::ooxml
