// The workbook windows of the application: one per open workbook, the active one first.
#pragma once

#include <memory>

#include "engine/objects/node.h"
#include "spreadsheet/application.h"

namespace k27093::engine {

class WorkbookImpl;

class WindowImpl : public xl::Window, public Node {
 public:
  WindowImpl(std::shared_ptr<Session> session, std::shared_ptr<WorkbookImpl> workbook);
  std::int32_t WindowState() override;
  // Takes xlMaximized, xlMinimized or xlNormal; raises 1004 for another value.
  void SetWindowState(std::int32_t state) override;
  // The workbook's name.
  std::string Caption() override;

 private:
  std::shared_ptr<WorkbookImpl> workbook_;
};

class WindowsImpl : public xl::Windows, public Node {
 public:
  explicit WindowsImpl(std::shared_ptr<Session> session);
  std::int32_t Count() override;
  // By position (the active window first) or caption; raises 9 when missing.
  Ref<xl::Window> Item(const Variant& index) override;
};

}  // namespace k27093::engine
