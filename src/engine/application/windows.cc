#include "engine/application/windows.h"

#include "api/error.h"
#include "engine/objects/collection.h"
#include "engine/workbooks/workbook.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

WindowImpl::WindowImpl(std::shared_ptr<Session> session, std::shared_ptr<WorkbookImpl> workbook)
    : Node(std::move(session), workbook->presence()), workbook_(std::move(workbook)) {}

std::int32_t WindowImpl::WindowState() {
  Enter();
  return workbook_->windowState();
}

void WindowImpl::SetWindowState(std::int32_t state) {
  Enter();
  if (state != xl::kMaximized && state != xl::kMinimized && state != xl::kNormal) {
    RaiseUnableToSet("WindowState", "Window");
  }
  workbook_->SetWindowState(state);
}

std::string WindowImpl::Caption() {
  Enter();
  return workbook_->name();
}

WindowsImpl::WindowsImpl(std::shared_ptr<Session> session)
    : Node(std::move(session), Presence::Under(nullptr)) {}

std::int32_t WindowsImpl::Count() {
  Enter();
  return static_cast<std::int32_t>(session()->workbooks().size());
}

Ref<xl::Window> WindowsImpl::Item(const Variant& index) {
  Enter();
  auto workbook = FindItem(session()->WorkbooksByRecency(), index,
                           [](const WorkbookImpl& candidate) { return candidate.name(); });
  if (!workbook) Raise(errors::kSubscript);
  return MakeRef<WindowImpl>(session(), workbook);
}

}  // namespace k27093::engine
