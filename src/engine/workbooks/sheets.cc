#include "engine/workbooks/sheets.h"

#include "api/error.h"
#include "engine/objects/collection.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

SheetsImpl::SheetsImpl(std::shared_ptr<Session> session, std::shared_ptr<WorkbookImpl> workbook,
                       Scope scope)
    : Node(std::move(session), workbook->presence()),
      workbook_(std::move(workbook)),
      scope_(scope) {}

std::vector<std::shared_ptr<SheetNode>> SheetsImpl::InScope() const {
  if (scope_ == Scope::AllSheets) return workbook_->sheets();
  std::vector<std::shared_ptr<SheetNode>> worksheets;
  for (const auto& sheet : workbook_->sheets()) {
    if (sheet->AsWorksheet()) worksheets.push_back(sheet);
  }
  return worksheets;
}

std::int32_t SheetsImpl::Count() {
  Enter();
  return static_cast<std::int32_t>(InScope().size());
}

Ref<xl::Sheet> SheetsImpl::Item(const Variant& index) {
  Enter();
  auto sheet = FindItem(InScope(), index, [](const SheetNode& node) { return node.name(); });
  if (!sheet) Raise(errors::kSubscript);
  return sheet->AsSheet();
}

Ref<xl::Worksheet> SheetsImpl::Add() {
  Enter();
  return workbook_->InsertNewWorksheet();
}

}  // namespace k27093::engine
