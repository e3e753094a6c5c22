#include "support/recording_desktop.h"

namespace k27093::testsupport {

namespace {

std::string NameOrAny(std::optional<std::string_view> name) {
  return name ? std::string(*name) : std::string("*");
}

std::string MessageText(unsigned message) {
  if (message == win::kWmClose) return "WM_CLOSE";
  return HandleText(message);
}

std::string Entry(std::string_view function, std::initializer_list<std::string> arguments) {
  return CallText("desktop", function, arguments);
}

}  // namespace

Hwnd RecordingDesktop::FindWindowA(std::optional<std::string_view> className,
                                   std::optional<std::string_view> windowName) {
  return log_.Recorded(Entry("FindWindowA", {NameOrAny(className), NameOrAny(windowName)}),
                       [&] { return inner_.FindWindowA(className, windowName); });
}

Hwnd RecordingDesktop::FindWindowExA(Hwnd parent, Hwnd childAfter,
                                     std::optional<std::string_view> className,
                                     std::optional<std::string_view> windowName) {
  return log_.Recorded(
      Entry("FindWindowExA", {HandleText(parent), HandleText(childAfter), NameOrAny(className),
                              NameOrAny(windowName)}),
      [&] { return inner_.FindWindowExA(parent, childAfter, className, windowName); });
}

bool RecordingDesktop::IsWindowVisible(Hwnd window) {
  return log_.Recorded(Entry("IsWindowVisible", {HandleText(window)}),
                       [&] { return inner_.IsWindowVisible(window); });
}

bool RecordingDesktop::ShowWindow(Hwnd window, int command) {
  return log_.Recorded(Entry("ShowWindow", {HandleText(window), std::to_string(command)}),
                       [&] { return inner_.ShowWindow(window, command); });
}

bool RecordingDesktop::SetForegroundWindow(Hwnd window) {
  return log_.Recorded(Entry("SetForegroundWindow", {HandleText(window)}),
                       [&] { return inner_.SetForegroundWindow(window); });
}

bool RecordingDesktop::LockWindowUpdate(Hwnd window) {
  return log_.Recorded(Entry("LockWindowUpdate", {HandleText(window)}),
                       [&] { return inner_.LockWindowUpdate(window); });
}

Hwnd RecordingDesktop::GetWindow(Hwnd window, unsigned command) {
  return log_.Recorded(Entry("GetWindow", {HandleText(window), std::to_string(command)}),
                       [&] { return inner_.GetWindow(window, command); });
}

int RecordingDesktop::GetWindowTextA(Hwnd window, std::string& text, int maxCount) {
  return log_.Recorded(Entry("GetWindowTextA", {HandleText(window), std::to_string(maxCount)}),
                       [&] { return inner_.GetWindowTextA(window, text, maxCount); });
}

std::int32_t RecordingDesktop::GetWindowLongA(Hwnd window, int index) {
  return log_.Recorded(Entry("GetWindowLongA", {HandleText(window), std::to_string(index)}),
                       [&] { return inner_.GetWindowLongA(window, index); });
}

Hwnd RecordingDesktop::GetParent(Hwnd window) {
  return log_.Recorded(Entry("GetParent", {HandleText(window)}),
                       [&] { return inner_.GetParent(window); });
}

std::intptr_t RecordingDesktop::SendMessageA(Hwnd window, unsigned message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
  return log_.Recorded(Entry("SendMessageA", {HandleText(window), MessageText(message)}),
                       [&] { return inner_.SendMessageA(window, message, wParam, lParam); });
}

void RecordingDesktop::SendEscapeKey() {
  log_.Recorded(Entry("SendEscapeKey", {}), [&] { inner_.SendEscapeKey(); });
}

void RecordingDesktop::ProcessMessages() {
  log_.Recorded(Entry("ProcessMessages", {}), [&] { inner_.ProcessMessages(); });
}

void RecordingDesktop::Pause(std::chrono::milliseconds duration) {
  log_.Recorded(Entry("Pause", {std::to_string(duration.count())}),
                [&] { inner_.Pause(duration); });
}

}  // namespace k27093::testsupport
