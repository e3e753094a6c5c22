// WorksheetImpl: a worksheet: its cells (numbers, texts, Booleans), the comments of its cells,
// its drawing (chart objects, shapes, text boxes, check boxes), its protection and the range
// it has selected.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "engine/drawings/drawing.h"
#include "engine/objects/node.h"
#include "engine/workbooks/cell_address.h"
#include "engine/workbooks/cell_store.h"
#include "engine/workbooks/sheet_node.h"
#include "spreadsheet/sheet.h"

namespace k27093::engine {

class ChartImpl;

struct CellComment {
  std::string author;
  std::string text;
};

class WorksheetImpl : public xl::Worksheet, public Node, public SheetNode {
 public:
  // A new empty worksheet named `name`, placed in `workbook` (not yet among its sheets).
  static std::shared_ptr<WorksheetImpl> Create(std::shared_ptr<Session> session,
                                               const std::shared_ptr<WorkbookImpl>& workbook,
                                               std::string name);

  // xl::Sheet
  std::string Name() override;
  void SetName(std::string_view name) override;
  std::int32_t Index() override;
  void Activate() override;
  void Select() override;
  void Move(std::int32_t before) override;
  void Delete() override;
  Ref<xl::ChartObjects> ChartObjects() override;
  Ref<xl::Shapes> Shapes() override;
  void Protect(std::string_view password) override;
  void Unprotect(std::string_view password) override;
  bool ProtectContents() override;
  // xl::Worksheet
  Ref<xl::Range> Range(std::string_view address) override;
  Ref<xl::TextBoxes> TextBoxes() override;
  Ref<xl::CheckBoxes> CheckBoxes() override;

  // SheetNode
  std::shared_ptr<xl::Sheet> AsSheet() override;
  std::shared_ptr<WorksheetImpl> AsWorksheet() override;
  void ShowSelection() override;

  // Engine side. Cells are addressed by 1-based row and column.
  Variant CellValue(std::int32_t row, std::int32_t column) const;
  // Stores a value (Empty or "" clears the cell). No protection check.
  void StoreCellValue(std::int32_t row, std::int32_t column, Variant value);
  // Replaces every cell by the cells a file holds, in the file's order (see CellStore::Load).
  void LoadCells(std::vector<document::CellData> cells) { cells_.Load(std::move(cells)); }
  const CellComment* CommentAt(std::int32_t row, std::int32_t column) const;
  void StoreComment(std::int32_t row, std::int32_t column, CellComment comment);
  void RemoveComment(std::int32_t row, std::int32_t column);
  // The range the sheet has selected (A1 at first).
  void SetSelectedRange(const CellRange& range) { selectedRange_ = range; }
  const std::shared_ptr<Drawing>& drawing() const { return drawing_; }
  // Makes a chart for the chart frame `frame` of this sheet's drawing.
  std::shared_ptr<ChartImpl> MakeEmbeddedChart(const std::shared_ptr<DrawnObject>& frame);

 private:
  WorksheetImpl(std::shared_ptr<Session> session, std::shared_ptr<Presence> presence);
  void CreateDrawing();

  using CellKey = std::pair<std::int32_t, std::int32_t>;  // row, column
  CellStore cells_;
  std::map<CellKey, CellComment> comments_;
  CellRange selectedRange_;
  std::shared_ptr<Drawing> drawing_;
};

}  // namespace k27093::engine
