// WorkbookImpl: an open workbook: its name and folder, its sheets in tab order (worksheets and
// chart sheets), which sheet is active, its window's state and the macros its file declares.
// Closing never writes a file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/macros/macros.h"
#include "engine/objects/node.h"
#include "engine/workbooks/sheet_node.h"
#include "spreadsheet/workbook.h"

namespace k27093::engine {

class WorksheetImpl;

class WorkbookImpl : public xl::Workbook, public Node {
 public:
  // A workbook without sheets; `path` is its folder without trailing separator ("" for a new
  // workbook). Its presence is its own: it ends when the workbook closes.
  WorkbookImpl(std::shared_ptr<Session> session, std::string name, std::string path);

  std::string Name() override;
  std::string Path() override;
  std::string FullName() override;
  void Activate() override;
  void Close(bool saveChanges) override;
  Ref<xl::Sheets> Sheets() override;
  Ref<xl::Sheets> Worksheets() override;
  Ref<xl::Sheet> ActiveSheet() override;

  // Engine side.
  const std::string& name() const { return name_; }
  const std::vector<std::shared_ptr<SheetNode>>& sheets() const { return sheets_; }
  // The sheet of that name (case ignored); nullptr when none.
  std::shared_ptr<SheetNode> FindSheet(std::string_view name) const;
  std::shared_ptr<WorksheetImpl> FindWorksheet(std::string_view name) const;
  // Appends a sheet (building a document); the first sheet becomes the active one.
  void AppendSheet(std::shared_ptr<SheetNode> sheet);
  // A new worksheet "FeuilN" before the active sheet, activated.
  std::shared_ptr<WorksheetImpl> InsertNewWorksheet();
  std::shared_ptr<SheetNode> activeSheet() const { return activeSheet_.lock(); }
  void SetActiveSheet(const SheetNode& sheet);
  // Makes the active sheet's selection the application's.
  void ShowActiveSheet();
  // The macros the workbook's file declares and the engine implements (none for a new one).
  const MacroTable& macros() const { return macros_; }
  void SetMacros(MacroTable macros) { macros_ = std::move(macros); }
  std::int32_t windowState() const { return windowState_; }
  void SetWindowState(std::int32_t state) { windowState_ = state; }

  // Tab operations on one of this workbook's sheets.
  std::int32_t IndexOf(const SheetNode& sheet) const;
  void ActivateSheet(const SheetNode& sheet);
  void MoveSheet(const SheetNode& sheet, std::int32_t before);
  void DeleteSheet(const SheetNode& sheet);

  // The presence of the workbook, that its sheets' presences hang under.
  std::shared_ptr<Presence> ownPresence() const { return ownPresence_; }
  // Ends the workbook's presence (it was closed).
  void MarkClosed() { ownPresence_->Remove(); }

 private:
  WorkbookImpl(std::shared_ptr<Session> session, std::string name, std::string path,
               std::shared_ptr<Presence> presence);
  std::size_t PositionOf(const SheetNode& sheet) const;
  std::string NextSheetName();

  std::string name_;
  std::string path_;
  std::shared_ptr<Presence> ownPresence_;
  std::vector<std::shared_ptr<SheetNode>> sheets_;
  std::weak_ptr<SheetNode> activeSheet_;
  std::int32_t windowState_;
  std::int32_t sheetCounter_ = 0;
  MacroTable macros_;
};

}  // namespace k27093::engine
