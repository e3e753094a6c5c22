#include "engine/application/application_control.h"

#include "api/error.h"
#include "engine/application/application.h"
#include "engine/application/session.h"

namespace k27093::engine {

ApplicationControl::ApplicationControl(std::shared_ptr<Session> session)
    : session_(std::move(session)) {}

void ApplicationControl::SimulateUserClose() {
  Hwnd window = session_->window();
  if (window != 0) {
    session_->desktop().SendMessageA(window, win::kWmClose, 0, 0);
  }
  session_->Shutdown();
}

void ApplicationControl::SetBusy(bool busy) { session_->SetBusy(busy); }

bool ApplicationControl::IsRunning() const { return session_->alive(); }

Hwnd ApplicationControl::MainWindow() const { return session_->window(); }

Hwnd ApplicationControl::OpenDialog(std::string_view title, const DialogOptions& options) {
  if (!session_->alive()) Raise(errors::kServerGone);
  return session_->dialogs().Open(session_->window(), title, options);
}

Hwnd ApplicationControl::OpenOwnedDialog(Hwnd ownerDialog, std::string_view title,
                                         const DialogOptions& options) {
  if (!session_->alive()) Raise(errors::kServerGone);
  if (!session_->dialogs().Contains(ownerDialog)) Raise(errors::kInvalidCall);
  return session_->dialogs().Open(ownerDialog, title, options);
}

bool ApplicationControl::HasOpenDialog() const { return session_->dialogs().AnyOpen(); }

Hwnd ApplicationControl::ShowAssistantBalloon(const BalloonOptions& options) {
  if (!session_->alive()) Raise(errors::kServerGone);
  return engine::ShowAssistantBalloon(session_->desktop(), session_->window(), options);
}

void ApplicationControl::SetPrinter(std::string printer) {
  session_->settings().printer = std::move(printer);
}

std::string ApplicationControl::CurrentFolder() const { return session_->settings().currentFolder; }

void ApplicationControl::SetCurrentFolder(std::string folder) {
  session_->settings().currentFolder = std::move(folder);
}

void ApplicationControl::RegisterMacro(std::string_view workbook, std::string_view procedure,
                                       Macro macro) {
  session_->macros().Register(workbook, procedure, std::move(macro));
}

void ApplicationControl::SetSelection(std::shared_ptr<Dispatch> object) {
  session_->Select(std::move(object), Presence::Under(nullptr));
}

ApplicationControl Control(const Ref<xl::Application>& application) {
  auto engine = std::dynamic_pointer_cast<ApplicationImpl>(application.shared());
  if (!application) Raise(errors::kNoObject);
  if (!engine) Raise(errors::kTypeMismatch);
  return ApplicationControl(engine->session());
}

}  // namespace k27093::engine
