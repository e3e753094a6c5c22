// SimulatedDesktop: an in-process desktop of windows with 32-bit handles, a Z order of
// top-level windows, owners, children, visibility, titles, extended styles, a foreground
// window, one window-update lock, and message delivery (WM_CLOSE, the Escape key). It
// implements the Desktop functions the module calls; programs living on it (the embedded
// spreadsheet, tests playing dialogs) create their windows and react to messages through
// the members below.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "api/desktop.h"

namespace k27093::platform {

struct WindowSpec {
  std::string className;
  std::string title;
  Hwnd owner = 0;   // top-level window that owns this one (dialogs)
  Hwnd parent = 0;  // makes it a child window when non-zero
  bool visible = false;
  std::int32_t exStyle = 0;
};

// What a window does with a message; returns the message's result. The default handler of
// WM_CLOSE destroys the window; Escape does nothing.
using MessageHandler = std::function<std::intptr_t(Hwnd window, unsigned message)>;

class SimulatedDesktop : public Desktop {
 public:
  SimulatedDesktop();

  // Creates a window at the top of the Z order (top-level) or as the last child of its
  // parent; returns its handle (never 0, never reused while the desktop lives). A child
  // window has no owner; an owner that is a child window stands for its top-level window.
  // Raises 5 when the parent or owner is not a window.
  Hwnd CreateWindow(const WindowSpec& spec);
  // Destroys the window, its children and the windows it owns. Unknown handles are ignored.
  void DestroyWindow(Hwnd window);
  bool Exists(Hwnd window) const;
  // Replaces the window's handler for WM_CLOSE and for the Escape key (message code
  // kEscapeKeyMessage). A handler may destroy the window or refuse by doing nothing.
  void SetMessageHandler(Hwnd window, MessageHandler handler);
  void SetTitle(Hwnd window, std::string title);
  void SetVisible(Hwnd window, bool visible);
  // Raises the window to the top of the Z order, the windows it owns staying above it (a
  // child window goes to the top of its siblings).
  void BringToTop(Hwnd window);
  // The child windows of `window`, first created first; empty for a missing window.
  std::vector<Hwnd> Children(Hwnd window) const;

  Hwnd ForegroundWindow() const { return foreground_; }
  Hwnd LockedWindow() const { return locked_; }
  // ShowWindow's last command per window (0 when never called).
  int ShowState(Hwnd window) const;
  // How many Escape key strokes were typed, and how many times messages were processed.
  int EscapeKeysSent() const { return escapesSent_; }
  int MessagePumps() const { return messagePumps_; }
  // How many pauses were asked for. The simulated windows react at once, so a pause only
  // counts: it does not hold the thread.
  int Pauses() const { return pauses_; }
  // Top-level windows from the top of the Z order down.
  std::vector<Hwnd> ZOrder() const { return zOrder_; }

  // The message code the Escape key is delivered with.
  static constexpr unsigned kEscapeKeyMessage = 0x0100;  // WM_KEYDOWN with VK_ESCAPE

  // Desktop
  Hwnd FindWindowA(std::optional<std::string_view> className,
                   std::optional<std::string_view> windowName) override;
  Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, std::optional<std::string_view> className,
                     std::optional<std::string_view> windowName) override;
  bool IsWindowVisible(Hwnd window) override;
  bool ShowWindow(Hwnd window, int command) override;
  bool SetForegroundWindow(Hwnd window) override;
  bool LockWindowUpdate(Hwnd window) override;
  Hwnd GetWindow(Hwnd window, unsigned command) override;
  int GetWindowTextA(Hwnd window, std::string& text, int maxCount) override;
  std::int32_t GetWindowLongA(Hwnd window, int index) override;
  Hwnd GetParent(Hwnd window) override;
  std::intptr_t SendMessageA(Hwnd window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) override;
  void SendEscapeKey() override;
  void ProcessMessages() override;
  void Pause(std::chrono::milliseconds duration) override;

 private:
  struct WindowState {
    WindowSpec spec;
    std::vector<Hwnd> children;
    MessageHandler handler;
    int showState = 0;
  };
  WindowState* Find(Hwnd window);
  const WindowState* Find(Hwnd window) const;
  // The top-level window that `window` is, or is a descendant of (0 for a missing one).
  Hwnd TopLevelOf(Hwnd window) const;
  // True when `window` is owned by `owner`, directly or through owned windows.
  bool IsOwnedBy(Hwnd window, Hwnd owner) const;
  // The windows a destruction of `window` takes along: itself, its descendants and the
  // windows they own.
  std::vector<Hwnd> WindowsDestroyedWith(Hwnd window) const;
  // The Z-ordered list `window` belongs to: its parent's children or the top-level list.
  const std::vector<Hwnd>* SiblingsOf(Hwnd window) const;

  std::map<Hwnd, WindowState> windows_;
  std::vector<Hwnd> zOrder_;  // top-level windows, top first
  Hwnd nextHandle_;
  Hwnd foreground_ = 0;
  Hwnd locked_ = 0;
  int escapesSent_ = 0;
  int messagePumps_ = 0;
  int pauses_ = 0;
};

}  // namespace k27093::platform
