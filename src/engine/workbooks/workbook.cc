#include "engine/workbooks/workbook.h"

#include <algorithm>

#include "api/error.h"
#include "api/file_system.h"
#include "api/text.h"
#include "engine/objects/shared_from.h"
#include "engine/workbooks/sheets.h"
#include "engine/workbooks/worksheet.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

namespace {

constexpr std::string_view kNewSheetPrefix = "Feuil";

}  // namespace

WorkbookImpl::WorkbookImpl(std::shared_ptr<Session> session, std::string name, std::string path)
    : WorkbookImpl(std::move(session), std::move(name), std::move(path), Presence::Under(nullptr)) {
}

WorkbookImpl::WorkbookImpl(std::shared_ptr<Session> session, std::string name, std::string path,
                           std::shared_ptr<Presence> presence)
    : Node(std::move(session), presence),
      name_(std::move(name)),
      path_(std::move(path)),
      ownPresence_(std::move(presence)),
      windowState_(xl::kMaximized) {}

std::string WorkbookImpl::Name() {
  Enter();
  return name_;
}

std::string WorkbookImpl::Path() {
  Enter();
  return path_;
}

std::string WorkbookImpl::FullName() {
  Enter();
  return path_.empty() ? name_ : path_ + kPathSeparator + name_;
}

void WorkbookImpl::Activate() {
  Enter();
  session()->ActivateWorkbook(*this);
}

void WorkbookImpl::Close(bool) {
  Enter();
  session()->RemoveWorkbook(*this);
}

Ref<xl::Sheets> WorkbookImpl::Sheets() {
  Enter();
  return MakeRef<SheetsImpl>(session(), SharedFrom(*this), SheetsImpl::Scope::AllSheets);
}

Ref<xl::Sheets> WorkbookImpl::Worksheets() {
  Enter();
  return MakeRef<SheetsImpl>(session(), SharedFrom(*this), SheetsImpl::Scope::Worksheets);
}

Ref<xl::Sheet> WorkbookImpl::ActiveSheet() {
  Enter();
  auto sheet = activeSheet();
  return sheet ? Ref<xl::Sheet>(sheet->AsSheet()) : Ref<xl::Sheet>();
}

std::shared_ptr<SheetNode> WorkbookImpl::FindSheet(std::string_view name) const {
  for (const auto& sheet : sheets_) {
    if (EqualsIgnoringCase(sheet->name(), name)) return sheet;
  }
  return nullptr;
}

std::shared_ptr<WorksheetImpl> WorkbookImpl::FindWorksheet(std::string_view name) const {
  auto sheet = FindSheet(name);
  return sheet ? sheet->AsWorksheet() : nullptr;
}

void WorkbookImpl::AppendSheet(std::shared_ptr<SheetNode> sheet) {
  if (sheets_.empty()) activeSheet_ = sheet;
  sheets_.push_back(std::move(sheet));
}

std::string WorkbookImpl::NextSheetName() {
  sheetCounter_ = std::max(sheetCounter_, static_cast<std::int32_t>(sheets_.size()));
  std::string name;
  do {
    name = std::string(kNewSheetPrefix) + std::to_string(++sheetCounter_);
  } while (FindSheet(name));
  return name;
}

std::shared_ptr<WorksheetImpl> WorkbookImpl::InsertNewWorksheet() {
  auto sheet = WorksheetImpl::Create(session(), SharedFrom(*this), NextSheetName());
  auto active = activeSheet();
  auto at =
      active ? sheets_.begin() + static_cast<std::ptrdiff_t>(PositionOf(*active)) : sheets_.end();
  sheets_.insert(at, sheet);
  ActivateSheet(*sheet);
  return sheet;
}

void WorkbookImpl::SetActiveSheet(const SheetNode& sheet) {
  activeSheet_ = sheets_[PositionOf(sheet)];
}

void WorkbookImpl::ShowActiveSheet() {
  if (auto sheet = activeSheet()) {
    sheet->ShowSelection();
  } else {
    session()->Select(nullptr, nullptr);
    session()->SetActivatedChart(nullptr);
  }
}

std::size_t WorkbookImpl::PositionOf(const SheetNode& sheet) const {
  auto found = std::find_if(sheets_.begin(), sheets_.end(),
                            [&](const auto& candidate) { return candidate.get() == &sheet; });
  if (found == sheets_.end()) RaiseDisconnected();
  return static_cast<std::size_t>(found - sheets_.begin());
}

std::int32_t WorkbookImpl::IndexOf(const SheetNode& sheet) const {
  return static_cast<std::int32_t>(PositionOf(sheet)) + 1;
}

void WorkbookImpl::ActivateSheet(const SheetNode& sheet) {
  SetActiveSheet(sheet);
  session()->ActivateWorkbook(*this);
}

void WorkbookImpl::MoveSheet(const SheetNode& sheet, std::int32_t before) {
  auto count = static_cast<std::int32_t>(sheets_.size());
  if (before < 1 || before > count + 1) RaiseMethodFailed("Move", "Worksheet");
  auto from = PositionOf(sheet);
  auto moving = sheets_[from];
  sheets_.erase(sheets_.begin() + static_cast<std::ptrdiff_t>(from));
  auto to = static_cast<std::size_t>(before - 1);
  if (to > from) --to;
  sheets_.insert(sheets_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
}

void WorkbookImpl::DeleteSheet(const SheetNode& sheet) {
  auto position = PositionOf(sheet);
  bool isWorksheet = sheets_[position]->AsWorksheet() != nullptr;
  auto worksheets = std::count_if(sheets_.begin(), sheets_.end(),
                                  [](const auto& candidate) { return candidate->AsWorksheet(); });
  if (sheets_.size() == 1 || (isWorksheet && worksheets == 1)) {
    RaiseExcel(errors::kApplication,
               "A workbook must contain at least one visible worksheet. To hide, delete, or "
               "move the selected sheet(s), you must first insert a new sheet or unhide a "
               "sheet that is already hidden.");
  }
  auto removed = sheets_[position];
  bool wasActive = activeSheet() == removed;
  sheets_.erase(sheets_.begin() + static_cast<std::ptrdiff_t>(position));
  removed->MarkRemoved();
  if (!wasActive) return;
  activeSheet_ = sheets_[std::min(position, sheets_.size() - 1)];
  if (session()->ActiveWorkbook().get() == this) ShowActiveSheet();
}

}  // namespace k27093::engine
