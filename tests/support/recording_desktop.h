// RecordingDesktop: a desktop that passes every call on to another one (the simulated
// desktop) and records it first in a CallLog, as "desktop <function>(<arguments>)": handles
// as HandleText writes them, a missing class or title as "*", WM_CLOSE by its name
// ("desktop SendMessageA(0x00010010, WM_CLOSE)"). Results are not recorded.
#pragma once

#include "api/desktop.h"
#include "support/call_log.h"

namespace k27093::testsupport {

class RecordingDesktop final : public Desktop {
 public:
  // `inner` and `log` must outlive the desktop.
  RecordingDesktop(Desktop& inner, CallLog& log) : inner_(inner), log_(log) {}

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
  Desktop& inner_;
  CallLog& log_;
};

}  // namespace k27093::testsupport
