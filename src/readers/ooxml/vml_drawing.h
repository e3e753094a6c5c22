// The form controls of a worksheet's legacy VML drawing (xl/drawings/vmlDrawingN.vml), the
// only place where a workbook saved by Excel 2007 keeps them: each v:shape whose x:ClientData
// names a form control (ObjectType Checkbox, Radio, Button, Drop, List ...), in file order,
// with its name, its place and, for a check box, its value. Comments (ObjectType Note),
// pictures and plain shapes are not read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/package.h"
#include "document/sheet_layout.h"

namespace k27093::ooxml {

// The form controls of the VML part `part`, as FormControl objects: controlType "CheckBox"
// for a check box (the ObjectType otherwise), checkValue from x:Checked (1 on, 2 mixed, 0 or
// absent off), geometry from x:Anchor through `layout` (none: at the sheet's corner, without
// size). The name is the shape's id, _xHHHH_ escapes decoded (Excel keeps a name given to the
// control there, and the shape's own id in o:spid); an id that is the shape's own number
// names the control by its kind and number ("Check Box 1" for "_x0000_s1025"). VML is not
// always well-formed XML: conditional markers (<![if ...]>, <![endif]>) are dropped and HTML
// line breaks (<br>) closed before parsing. Raises ReadFault Damaged when the part is missing or
// still not well-formed, an anchor or a check value is not of its form, the drawing holds more than
// kMaxDrawnObjects controls, or `budget` runs out.
std::vector<document::DrawingObjectData> ReadVmlControls(Package& package, std::string_view part,
                                                         const document::SheetLayout& layout,
                                                         ContentBudget& budget);

// `vml` with the constructs that keep VML from being well-formed XML repaired (see above);
// CDATA sections are kept as they are.
std::string RepairedVml(std::string_view vml);

}  // namespace k27093::ooxml
