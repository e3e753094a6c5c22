// RangeImpl: a rectangle of cells of a worksheet. `Value` of a single cell is its value
// (Empty, a Double, a text or a Boolean); the Variant has no two-dimensional arrays, so the
// value of a multi-cell range is a one-dimensional array (lower bound 1) of its cells' values
// row by row. Comments are the first cell's. The engine keeps no defined names, so no range
// has a Name.
#pragma once

#include <memory>
#include <string>

#include "engine/workbooks/cell_address.h"
#include "engine/objects/node.h"
#include "spreadsheet/sheet.h"

namespace k27093::engine {

class WorksheetImpl;

class RangeImpl : public xl::Range, public Node {
 public:
  RangeImpl(std::shared_ptr<Session> session, std::shared_ptr<WorksheetImpl> sheet,
            CellRange range);

  std::string Address() override;
  Variant Value() override;
  // Sets every cell to a value, or the cells row by row to an array's elements. A text that
  // reads as a number ("12.5") is stored as the number; "" and Empty clear. Raises 1004 while
  // the sheet is protected, 13 for an object.
  void SetValue(const Variant& value) override;
  std::string NoteText() override;
  // Raises 1004 while the sheet is protected.
  void SetNoteText(std::string_view text) override;
  void ClearComments() override;
  // Raises 1004 ("Select method of Range class failed") unless the sheet is the active one.
  void Select() override;
  // Raises 1004 "Unable to get the Name property of the Range class": no defined name refers
  // to the range.
  Variant Name() override;

 private:
  std::shared_ptr<WorksheetImpl> sheet_;
  CellRange range_;
};

}  // namespace k27093::engine
