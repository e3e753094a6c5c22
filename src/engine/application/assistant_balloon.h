// The Office Assistant's balloon: a visible top-level window of class "MSOBALLOON", owned by
// the application's main window, holding a few child windows (its text and its buttons).
// It is not modal: the application keeps answering calls while it is shown.
#pragma once

#include <string_view>

#include "api/desktop.h"
#include "platform/simulated_desktop.h"

namespace k27093::engine {

inline constexpr std::string_view kBalloonClass = "MSOBALLOON";

struct BalloonOptions {
  // One of the balloon's buttons leaves WM_CLOSE unanswered and stays (until the balloon
  // itself is closed, which takes its children along).
  bool childRefusesClose = false;
};

// Shows a balloon owned by `owner` at the top of the Z order and returns its handle. Its
// children are, in order: a "Static" text, an "Edit" box and two "Button"s ("Rechercher",
// "Options"); the refusing child, when asked for, is the first button. WM_CLOSE closes the
// balloon and each child (a child alone, without the balloon). Raises 5 when `owner` is not
// a window.
Hwnd ShowAssistantBalloon(platform::SimulatedDesktop& desktop, Hwnd owner,
                          const BalloonOptions& options);

}  // namespace k27093::engine
