// SheetsImpl: the sheets of a workbook in tab order (`Sheets`: worksheets and chart sheets;
// `Worksheets`: worksheets only), by position or name (case ignored; a miss raises 9).
#pragma once

#include <memory>

#include "engine/objects/node.h"
#include "spreadsheet/workbook.h"

namespace k27093::engine {

class WorkbookImpl;
class SheetNode;

class SheetsImpl : public xl::Sheets, public Node {
 public:
  enum class Scope { AllSheets, Worksheets };

  SheetsImpl(std::shared_ptr<Session> session, std::shared_ptr<WorkbookImpl> workbook, Scope scope);
  std::int32_t Count() override;
  Ref<xl::Sheet> Item(const Variant& index) override;
  Ref<xl::Worksheet> Add() override;

 private:
  std::vector<std::shared_ptr<SheetNode>> InScope() const;

  std::shared_ptr<WorkbookImpl> workbook_;
  Scope scope_;
};

}  // namespace k27093::engine
