// The axes of a chart's plot area (c:catAx, c:valAx, c:dateAx, c:serAx) in file order, each
// with the axis type and group of the chart group that names it, and the titles of charts
// and axes (c:title). Settings the file leaves out take Excel's own values, which are not
// always the format's defaults: major tick marks outside, minor ones none, labels next to
// the axis.
#pragma once

#include <pugixml.hpp>

#include "document/workbook_data.h"
#include "readers/ooxml/drawingml.h"

namespace k27093::ooxml {

// Appends the axes of `plotArea` to `chart`, whose groups are read already. An axis that no
// group names serves the type of its element (a category, value or series axis) in the
// primary group. Raises ReadFault Damaged for a setting that is not one of the format's
// values or a number of the wrong form, or when the budget runs out.
void ReadAxes(pugi::xml_node plotArea, PartScope& scope, document::ChartData& chart);

// The title element `title` of a chart or an axis: its rich text; or the formula and cached
// text of the cell it is linked to; or, with neither, an automatic title. Raises as TextOf.
document::TitleData ReadTitle(pugi::xml_node title, PartScope& scope);

}  // namespace k27093::ooxml
