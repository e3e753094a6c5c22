// SheetNode: the engine's side of a sheet of a workbook, worksheet or chart sheet: its name,
// its place among the workbook's tabs, its protection, and the tab operations both kinds share
// (index, activation, renaming, moving, deletion). An embedded chart is a SheetNode placed in
// no workbook.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/objects/presence.h"
#include "engine/workbooks/protection.h"
#include "spreadsheet/sheet.h"

namespace k27093::engine {

class WorkbookImpl;
class WorksheetImpl;

class SheetNode {
 public:
  // `presence`: the sheet's own presence, which its deletion ends.
  explicit SheetNode(std::shared_ptr<Presence> presence) : presence_(std::move(presence)) {}
  virtual ~SheetNode() = default;

  // The sheet as the object model shows it (a Worksheet or a Chart).
  virtual std::shared_ptr<xl::Sheet> AsSheet() = 0;
  // The worksheet this sheet is; nullptr for a chart sheet.
  virtual std::shared_ptr<WorksheetImpl> AsWorksheet() { return nullptr; }
  // Makes the sheet's own selection the application's (called when it becomes active).
  virtual void ShowSelection() = 0;

  const std::string& name() const { return name_; }
  // Places the sheet in `workbook` under `name` (no check: for building documents).
  void PlaceIn(std::weak_ptr<WorkbookImpl> workbook, std::string name);
  bool placed() const { return placed_; }
  // The workbook; nullptr for an embedded chart or once the workbook is gone.
  std::shared_ptr<WorkbookImpl> workbook() const { return workbook_.lock(); }
  const std::shared_ptr<Protection>& protection() const { return protection_; }
  // True when this is the active sheet of the active workbook.
  bool IsActiveSheet() const;

  // Tab operations, for placed sheets.
  std::int32_t TabIndex() const;
  void ActivateTab();
  // Raises 1004 for an empty name, one over 31 characters, one with : \ / ? * [ ] or one
  // another sheet of the workbook has (case ignored).
  void Rename(std::string_view name);
  void MoveTab(std::int32_t before);
  // Raises 1004 when the sheet is the workbook's last worksheet.
  void DeleteTab();
  // Ends the sheet's presence (it was deleted or its workbook closed).
  void MarkRemoved() { presence_->Remove(); }

  // Raises 1004 when `name` cannot name a sheet (see Rename); `except` may keep its own name.
  static void CheckSheetName(const WorkbookImpl& workbook, std::string_view name,
                             const SheetNode* except);

 private:
  WorkbookImpl& Book() const;

  std::shared_ptr<Presence> presence_;
  std::string name_;
  std::weak_ptr<WorkbookImpl> workbook_;
  bool placed_ = false;
  std::shared_ptr<Protection> protection_ = std::make_shared<Protection>();
};

}  // namespace k27093::engine
