// The application's modal dialogs on the desktop: top-level windows of the spreadsheet's
// dialog class "bosa_sdm_XL9" with the modal-frame extended style, owned by the main window
// or by another of its dialogs. While one of them exists and is visible, the application is
// in a modal state and refuses every call of the object model.
#pragma once

#include <string_view>
#include <vector>

#include "api/desktop.h"
#include "platform/simulated_desktop.h"

namespace k27093::engine {

inline constexpr std::string_view kDialogClass = "bosa_sdm_XL9";

// How a dialog answers what would close it; a dialog that refuses stays open.
struct DialogOptions {
  bool refusesClose = false;   // WM_CLOSE leaves it open
  bool refusesEscape = false;  // the Escape key leaves it open
};

class DialogSet {
 public:
  // `desktop` must outlive the set and its dialogs.
  explicit DialogSet(platform::SimulatedDesktop& desktop) : desktop_(desktop) {}

  // Opens a visible dialog titled `title`, owned by `owner` (the main window or one of the
  // set's dialogs), at the top of the Z order; returns its handle. WM_CLOSE and the Escape
  // key (delivered to it as the foreground window) destroy it, with the dialogs it owns,
  // unless `options` says it refuses. It takes the foreground when the foreground window was
  // `owner` or another of the set's dialogs. Raises 5 when `owner` is not a window.
  Hwnd Open(Hwnd owner, std::string_view title, const DialogOptions& options);

  // True while one of the set's dialogs exists and is visible.
  bool AnyOpen() const;
  // True when `window` is one of the set's dialogs and still exists.
  bool Contains(Hwnd window) const;

 private:
  platform::SimulatedDesktop& desktop_;
  std::vector<Hwnd> dialogs_;  // opening order; destroyed ones are dropped at the next Open
};

}  // namespace k27093::engine
