// Desktop: the window functions the module calls, with the platform's names, arguments and
// results. Window handles are 32-bit values; 0 is "no window". The simulated desktop of
// src/platform implements it; a Windows build would forward to user32.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace k27093 {

using Hwnd = std::uint32_t;

namespace win {
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShowMaximized = 3;
inline constexpr unsigned kGwHwndPrev = 3;  // the window above in Z order
inline constexpr int kGwlExStyle = -20;
inline constexpr std::int32_t kWsExDlgModalFrame = 0x1;
inline constexpr unsigned kWmClose = 0x0010;
}  // namespace win

class Desktop {
 public:
  virtual ~Desktop() = default;

  // The first top-level window (from the top of the Z order) whose class and title match;
  // nullopt matches any. 0 when none.
  virtual Hwnd FindWindowA(std::optional<std::string_view> className,
                           std::optional<std::string_view> windowName) = 0;
  // The first child of `parent` after `childAfter` (0: from the first) that matches.
  virtual Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter,
                             std::optional<std::string_view> className,
                             std::optional<std::string_view> windowName) = 0;
  // Non-zero when the window exists and it and its ancestors are visible.
  virtual bool IsWindowVisible(Hwnd window) = 0;
  // Shows, maximises or minimises; returns whether it was visible before.
  virtual bool ShowWindow(Hwnd window, int command) = 0;
  virtual bool SetForegroundWindow(Hwnd window) = 0;
  // Locks drawing of one window (0 unlocks); one lock at a time.
  virtual bool LockWindowUpdate(Hwnd window) = 0;
  // GW_HWNDPREV: the top-level window just above `window` in Z order, 0 at the top.
  virtual Hwnd GetWindow(Hwnd window, unsigned command) = 0;
  // Copies at most maxCount - 1 characters of the title (8-bit) into `text`; returns the
  // number copied (0 for an untitled or missing window).
  virtual int GetWindowTextA(Hwnd window, std::string& text, int maxCount) = 0;
  virtual std::int32_t GetWindowLongA(Hwnd window, int index) = 0;
  // The parent of a child window or the owner of a top-level one; 0 when none.
  virtual Hwnd GetParent(Hwnd window) = 0;
  // Delivers the message and returns when the window has handled it.
  virtual std::intptr_t SendMessageA(Hwnd window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam) = 0;
  // One Escape key stroke to the foreground window; returns when it has been handled.
  virtual void SendEscapeKey() = 0;
  // Lets the calling thread handle the window messages that are waiting (DoEvents).
  virtual void ProcessMessages() = 0;
  // Suspends the calling thread for `duration` (Sleep).
  virtual void Pause(std::chrono::milliseconds duration) = 0;
};

}  // namespace k27093
