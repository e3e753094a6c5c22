#include "engine/application/dialogs.h"

#include <algorithm>
#include <string>

namespace k27093::engine {

Hwnd DialogSet::Open(Hwnd owner, std::string_view title, const DialogOptions& options) {
  std::erase_if(dialogs_, [this](Hwnd dialog) { return !desktop_.Exists(dialog); });
  const Hwnd foreground = desktop_.ForegroundWindow();
  const bool takesForeground = foreground != 0 && (foreground == owner || Contains(foreground));

  platform::WindowSpec spec;
  spec.className = kDialogClass;
  spec.title = std::string(title);
  spec.owner = owner;
  spec.visible = true;
  spec.exStyle = win::kWsExDlgModalFrame;
  const Hwnd dialog = desktop_.CreateWindow(spec);
  dialogs_.push_back(dialog);

  platform::SimulatedDesktop& desktop = desktop_;
  desktop_.SetMessageHandler(
      dialog, [&desktop, options](Hwnd window, unsigned message) -> std::intptr_t {
        const bool closes =
            (message == win::kWmClose && !options.refusesClose) ||
            (message == platform::SimulatedDesktop::kEscapeKeyMessage && !options.refusesEscape);
        if (closes) desktop.DestroyWindow(window);
        return 0;
      });
  if (takesForeground) desktop_.SetForegroundWindow(dialog);
  return dialog;
}

bool DialogSet::AnyOpen() const {
  return std::any_of(dialogs_.begin(), dialogs_.end(), [this](Hwnd dialog) {
    return desktop_.Exists(dialog) && desktop_.IsWindowVisible(dialog);
  });
}

bool DialogSet::Contains(Hwnd window) const {
  return window != 0 && desktop_.Exists(window) &&
         std::find(dialogs_.begin(), dialogs_.end(), window) != dialogs_.end();
}

}  // namespace k27093::engine
