// Building a drawing of the engine from the drawn objects a file stored (a worksheet's, a
// chart sheet's or a chart's own), back-most first. Each object keeps its stored name,
// geometry and text, takes the fill and line fore colours its shape properties state, else
// those of its style's references (white and black, as a new shape, when neither gives one,
// or for no fill and no line), and the kind the spreadsheet reports for it:
// chart frames, text boxes (msoTextBox 17), auto shapes (msoAutoShape 1, their
// AutoShapeType from the preset), check boxes (msoFormControl 8, with their value), and as
// other objects freeforms (5), lines and connectors (msoLine 9), pictures (13), groups (6),
// other form controls (8) and anything else (msoShapeTypeMixed -2). The drawing's name
// counter continues after the largest number that ends a stored name.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "document/workbook_data.h"
#include "engine/drawings/drawing.h"
#include "engine/loading/color_resolver.h"

namespace k27093::engine {

// Makes and fills the chart of the chart frame `frame` that the file's `object` describes.
using ChartFrameLoader = std::function<void(const std::shared_ptr<DrawnObject>& frame,
                                            const document::DrawingObjectData& object)>;

// Adds `objects` to `drawing` in their order, their colours resolved by `colors`. A chart frame is
// given to `loadChart`; when `loadChart` is empty (a chart's own drawing, where the spreadsheet
// embeds no chart) the frame becomes an other object of type msoChart (3).
void LoadDrawing(Drawing& drawing, const std::vector<document::DrawingObjectData>& objects,
                 const ColorResolver& colors, const ChartFrameLoader& loadChart);

}  // namespace k27093::engine
