// WorkbooksImpl: the open workbooks of the application, in opening order: look-up by position
// or name (case ignored; a miss raises 9), opening a workbook file, adding a new workbook.
#pragma once

#include <memory>

#include "engine/objects/node.h"
#include "spreadsheet/workbook.h"

namespace k27093::engine {

class WorkbooksImpl : public xl::Workbooks, public Node {
 public:
  explicit WorkbooksImpl(std::shared_ptr<Session> session);
  std::int32_t Count() override;
  Ref<xl::Workbook> Item(const Variant& index) override;
  // Reads the file (recognised by its content) and activates the new workbook; the macros
  // its custom properties declare (macro_declarations.h) and the engine implements become
  // the workbook's. A relative name is looked for in the application's current folder.
  // Raises 1004
  // naming the file for a missing, unreadable or damaged file, and when a workbook of the
  // same name is already open. The file is never written.
  Ref<xl::Workbook> Open(std::string_view fileName) override;
  // "Classeur1", "Classeur2" ... with one empty sheet "Feuil1", activated.
  Ref<xl::Workbook> Add() override;
};

}  // namespace k27093::engine
