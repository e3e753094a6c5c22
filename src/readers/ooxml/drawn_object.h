// One drawn object of a drawing part (xdr:sp, xdr:grpSp, xdr:graphicFrame, xdr:cxnSp,
// xdr:pic, xdr:contentPart; the same elements under cdr: in a chart's own drawing): its kind,
// name, id, preset geometry, text, fill and outline, the fill and line references of its
// style (xdr:style, cdr:style), and the frame its own transform states.
// Its place comes from the anchor that holds it (see drawing_part.h); a group is one object
// (what it groups is not read).
#pragma once

#include <optional>
#include <string>

#include <pugixml.hpp>

#include "document/workbook_data.h"
#include "readers/ooxml/drawingml.h"

namespace k27093::ooxml {

struct DrawnObjectRead {
  document::DrawingObjectData object;  // geometry and chart index not set
  std::string chartId;  // a chart frame's relationship id to its chart part; "" if none
  // The object's own frame in points (a:xfrm off and ext, EMU): nullopt when the transform is
  // absent or states no extent (a chart frame written by the spreadsheet states 0 x 0).
  std::optional<document::GeometryData> frame;
};

// The drawn object that `element` is; nullopt when it is none (xdr:from, xdr:clientData ...).
// A shape marked as the drawing of a form control (a14:compatExt) is a FormControl; a shape
// with a text body and no geometry of its own (no preset, no custom geometry: the text frame
// other programs write for a text box, without the txBox mark) is a TextBox; a graphic frame
// that holds no chart is Other. Raises ReadFault Damaged for values of the wrong form, a
// text too long, or when the budget runs out.
std::optional<DrawnObjectRead> ReadDrawnObject(pugi::xml_node element, PartScope& scope);

}  // namespace k27093::ooxml
