// The drawing parts of sheets and charts. A worksheet's drawing (xl/drawings/drawingN.xml):
// its anchors in order, each object placed in points by the frame its own transform states
// (a:xfrm with an extent), else by its anchor through the sheet's column widths and row
// heights (two-cell: both markers; one-cell: the marker and xdr:ext; absolute: xdr:pos and
// xdr:ext; offsets in EMU, 12700 a point). A chart sheet's drawing: the frame that shows the
// sheet's chart. A chart's own drawing (c:userShapes): objects placed by their anchors as
// fractions of the chart area (cdr:relSizeAnchor) or a fraction and an extent
// (cdr:absSizeAnchor). The charts that chart
// frames show are read from their chart parts; a relationship that leads nowhere, or a part
// that is missing, is damage: the worksheet's reader leaves a damaged drawing out, but a
// damaged chart makes the workbook damaged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "document/sheet_layout.h"
#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/package.h"

namespace k27093::ooxml {

// Most drawn objects one drawing part may hold.
inline constexpr std::size_t kMaxDrawnObjects = 10000;

// Drawn object id -> the part holding its form-control properties (xl/ctrlProps/...).
using ControlParts = std::map<std::int64_t, std::string>;

// A chart frame of a worksheet's drawing: the drawn object and the chart part it shows.
struct FramedChart {
  std::size_t object = 0;  // index into WorksheetDrawing::objects
  std::string part;
  double width = 0;  // points: the frame's size, the chart area's
  double height = 0;
};

// What a worksheet's drawing part holds: its objects back-most first, and the charts its
// chart frames show, still to be read.
struct WorksheetDrawing {
  std::vector<document::DrawingObjectData> objects;
  std::vector<FramedChart> charts;
};

// The objects of the worksheet drawing part `part`. A shape that the compatibility mark or
// `controls` (the sheet's own list of its controls) names as a form control takes its type
// and state from its properties part (a damaged one leaves the control without them).
// Raises ReadFault Damaged when the part is missing or not well-formed, a chart frame's
// relationship leads nowhere, an anchor lies outside the sheet or holds a value of the wrong
// form, the drawing holds more than kMaxDrawnObjects objects, or `budget` runs out.
WorksheetDrawing ReadWorksheetDrawing(Package& package, std::string_view part,
                                      const document::SheetLayout& layout,
                                      const ControlParts& controls, ContentBudget& budget);

// Appends the drawing's objects to `sheet.drawing` and the charts its frames show to
// `sheet.charts`, read from their chart parts. Raises ReadFault Damaged when a chart part is
// missing or damaged.
void PlaceWorksheetDrawing(Package& package, WorksheetDrawing drawing, ContentBudget& budget,
                           document::SheetData& sheet);

// The chart sheet's chart and its frame, from the chart sheet's drawing part `part`: the
// first chart frame it holds (none: no chart). Raises as ReadWorksheetDrawing.
void ReadChartSheetDrawing(Package& package, std::string_view part, ContentBudget& budget,
                           document::ChartSheetData& chartSheet);

// The objects of a chart's own drawing part `part` (root c:userShapes), back-most first,
// placed in a chart area `width` x `height` points large. Charts inside it are not read.
// Raises as ReadWorksheetDrawing.
std::vector<document::DrawingObjectData> ReadChartShapes(Package& package, std::string_view part,
                                                         double width, double height,
                                                         ContentBudget& budget);

}  // namespace k27093::ooxml
