// The drawn objects of a worksheet or chart substream. Their OfficeArt drawing comes in
// pieces, in MSODRAWING records; after each shape's piece comes the OBJ record of the object
// it draws, and, for an object with text, a TXO record whose CONTINUE records hold the text
// and its formatting runs. The collector takes these records as the substream gives them and
// makes the objects in the engine's terms.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/sheet_layout.h"
#include "document/workbook_data.h"

namespace k27093::xls {

struct Record;
class RecordStream;
struct WorkbookGlobals;

// Where client anchors place shapes: a worksheet's anchors through the sheet's columns and
// rows (`sheet`), a chart's in 1/4000 of the chart area's width and height (in points).
struct AnchorPlacement {
  const document::SheetLayout* sheet = nullptr;  // a worksheet's drawing
  double chartWidth = 0;                         // a chart's drawing
  double chartHeight = 0;
};

struct DrawnObject {
  // The object: kind, name as stored (the shape's name property, else the name the
  // spreadsheet gives, "Rectangle 3"), id, geometry in points, preset geometry from the shape
  // type ("rect", "ellipse"), text, fill and line as stated or as the format's defaults, and
  // for a check box its type "CheckBox" and value (xlOn 1, xlOff -4146, xlMixed 2).
  document::DrawingObjectData object;
  std::uint16_t objectId = 0;  // the OBJ record's object id (NOTE records refer to it)
  std::uint16_t objectType =
      0;  // the OBJ record's type: 5 chart, 6 text box, 11 check box, 25 note ...
};

class DrawingCollector {
 public:
  // `context` names the substream in fault reasons ("the sheet 'Sheet1'").
  DrawingCollector(const WorkbookGlobals& globals, std::string context);
  ~DrawingCollector();

  // Takes `record` when it belongs to the drawing (MSODRAWING, OBJ, TXO, with their CONTINUE
  // records); false for any other record. Raises document::ReadFault Damaged for a piece
  // that is not well-formed.
  bool Take(const RecordStream& stream, const Record& record);

  // The objects drawn so far, back-most first, placed by `placement`. Group shapes are not
  // objects of their own; their members are placed through the group's anchor. The shapes
  // with client data take the OBJ records in order, those with a client text box the TXO
  // records. A note (objectType 25, kind Other) is given with its text for the sheet's
  // comment and belongs in no drawing. Raises document::ReadFault Damaged ("the drawing of
  // <context> ... at offset N") when the drawing is not well-formed (see office_art.h) or
  // anchors a shape beyond the sheet's columns.
  std::vector<DrawnObject> Objects(const AnchorPlacement& placement) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace k27093::xls
