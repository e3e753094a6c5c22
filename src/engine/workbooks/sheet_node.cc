#include "engine/workbooks/sheet_node.h"

#include "api/error.h"
#include "api/text.h"
#include "engine/application/excel_errors.h"
#include "engine/workbooks/workbook.h"

namespace k27093::engine {

namespace {

constexpr std::size_t kLongestSheetName = 31;

}  // namespace

void SheetNode::PlaceIn(std::weak_ptr<WorkbookImpl> workbook, std::string name) {
  workbook_ = std::move(workbook);
  name_ = std::move(name);
  placed_ = true;
}

WorkbookImpl& SheetNode::Book() const {
  auto book = workbook_.lock();
  if (!placed_ || !book) RaiseDisconnected();
  return *book;
}

bool SheetNode::IsActiveSheet() const {
  auto book = workbook_.lock();
  if (!book) return false;
  auto active = book->session()->ActiveWorkbook();
  return active == book && book->activeSheet().get() == this;
}

std::int32_t SheetNode::TabIndex() const { return Book().IndexOf(*this); }

void SheetNode::ActivateTab() { Book().ActivateSheet(*this); }

void SheetNode::CheckSheetName(const WorkbookImpl& workbook, std::string_view name,
                               const SheetNode* except) {
  bool valid = !name.empty() && CharCount(name) <= kLongestSheetName &&
               name.find_first_of(":\\/?*[]") == std::string_view::npos && name.front() != '\'' &&
               name.back() != '\'';
  if (!valid) {
    RaiseExcel(errors::kApplication,
               "While renaming a sheet or chart, you entered an invalid name. Make sure the "
               "name does not exceed 31 characters, does not contain any of the characters "
               ": \\ / ? * [ or ], and is not blank.");
  }
  auto other = workbook.FindSheet(name);
  if (other && other.get() != except) {
    RaiseExcel(errors::kApplication,
               "Cannot rename a sheet to the same name as another sheet, a referenced object "
               "library or a workbook referenced by Visual Basic.");
  }
}

void SheetNode::Rename(std::string_view name) {
  CheckSheetName(Book(), name, this);
  name_ = name;
}

void SheetNode::MoveTab(std::int32_t before) { Book().MoveSheet(*this, before); }

void SheetNode::DeleteTab() { Book().DeleteSheet(*this); }

}  // namespace k27093::engine
