#include "platform/simulated_desktop.h"

#include <algorithm>
#include <limits>
#include <set>

#include "api/error.h"
#include "api/text.h"

namespace k27093::platform {

namespace {

// Handles look like the platform's: small, non-trivial, spaced out, never reused.
constexpr Hwnd kFirstHandle = 0x00010010;
constexpr Hwnd kHandleStep = 0x2;

constexpr int kSwHide = 0;
constexpr int kSwMax = 11;  // SW_FORCEMINIMIZE, the highest show command

constexpr unsigned kGwHwndFirst = 0;
constexpr unsigned kGwHwndLast = 1;
constexpr unsigned kGwHwndNext = 2;
constexpr unsigned kGwOwner = 4;
constexpr unsigned kGwChild = 5;

// Class names and titles are compared without regard to case, as the platform's window
// search does.
bool Matches(const WindowSpec& spec, std::optional<std::string_view> className,
             std::optional<std::string_view> windowName) {
  if (className && !EqualsIgnoringCase(spec.className, *className)) return false;
  if (windowName && !EqualsIgnoringCase(spec.title, *windowName)) return false;
  return true;
}

}  // namespace

SimulatedDesktop::SimulatedDesktop() : nextHandle_(kFirstHandle) {}

SimulatedDesktop::WindowState* SimulatedDesktop::Find(Hwnd window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

const SimulatedDesktop::WindowState* SimulatedDesktop::Find(Hwnd window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

Hwnd SimulatedDesktop::TopLevelOf(Hwnd window) const {
  const WindowState* state = Find(window);
  while (state != nullptr && state->spec.parent != 0) {
    window = state->spec.parent;
    state = Find(window);
  }
  return state == nullptr ? 0 : window;
}

bool SimulatedDesktop::IsOwnedBy(Hwnd window, Hwnd owner) const {
  const WindowState* state = Find(window);
  while (state != nullptr && state->spec.owner != 0) {
    if (state->spec.owner == owner) return true;
    state = Find(state->spec.owner);
  }
  return false;
}

const std::vector<Hwnd>* SimulatedDesktop::SiblingsOf(Hwnd window) const {
  const WindowState* state = Find(window);
  if (state == nullptr) return nullptr;
  if (state->spec.parent == 0) return &zOrder_;
  const WindowState* parent = Find(state->spec.parent);
  return parent == nullptr ? nullptr : &parent->children;
}

Hwnd SimulatedDesktop::CreateWindow(const WindowSpec& spec) {
  WindowSpec stored = spec;
  if (stored.parent != 0) {
    if (Find(stored.parent) == nullptr) Raise(errors::kInvalidCall);
    stored.owner = 0;
  } else if (stored.owner != 0) {
    if (Find(stored.owner) == nullptr) Raise(errors::kInvalidCall);
    stored.owner = TopLevelOf(stored.owner);
  }
  if (nextHandle_ == 0) Raise(errors::kOverflow);  // every handle has been handed out

  const Hwnd handle = nextHandle_;
  nextHandle_ = handle <= std::numeric_limits<Hwnd>::max() - kHandleStep ? handle + kHandleStep
                                                                          : 0;
  windows_.emplace(handle, WindowState{stored, {}, {}, 0});
  if (stored.parent != 0) {
    Find(stored.parent)->children.push_back(handle);
  } else {
    zOrder_.insert(zOrder_.begin(), handle);
  }
  return handle;
}

std::vector<Hwnd> SimulatedDesktop::WindowsDestroyedWith(Hwnd window) const {
  std::vector<Hwnd> doomed;
  std::vector<Hwnd> pending{window};
  std::set<Hwnd> seen;
  while (!pending.empty()) {
    const Hwnd current = pending.back();
    pending.pop_back();
    const WindowState* state = Find(current);
    if (state == nullptr || !seen.insert(current).second) continue;
    doomed.push_back(current);
    pending.insert(pending.end(), state->children.begin(), state->children.end());
    for (const auto& [handle, other] : windows_) {
      if (other.spec.owner == current) pending.push_back(handle);
    }
  }
  return doomed;
}

void SimulatedDesktop::DestroyWindow(Hwnd window) {
  const WindowState* state = Find(window);
  if (state == nullptr) return;
  if (WindowState* parent = Find(state->spec.parent)) {
    std::erase(parent->children, window);
  }
  for (Hwnd doomed : WindowsDestroyedWith(window)) {
    std::erase(zOrder_, doomed);
    windows_.erase(doomed);
    if (foreground_ == doomed) foreground_ = 0;
    if (locked_ == doomed) locked_ = 0;
  }
}

bool SimulatedDesktop::Exists(Hwnd window) const { return Find(window) != nullptr; }

void SimulatedDesktop::SetMessageHandler(Hwnd window, MessageHandler handler) {
  if (WindowState* state = Find(window)) state->handler = std::move(handler);
}

void SimulatedDesktop::SetTitle(Hwnd window, std::string title) {
  if (WindowState* state = Find(window)) state->spec.title = std::move(title);
}

void SimulatedDesktop::SetVisible(Hwnd window, bool visible) {
  if (WindowState* state = Find(window)) state->spec.visible = visible;
}

void SimulatedDesktop::BringToTop(Hwnd window) {
  const WindowState* state = Find(window);
  if (state == nullptr) return;
  if (WindowState* parent = Find(state->spec.parent)) {
    std::erase(parent->children, window);
    parent->children.insert(parent->children.begin(), window);
    return;
  }
  // The window and the windows it owns move up together, keeping their relative order, so
  // that owned windows stay above their owner.
  std::stable_partition(zOrder_.begin(), zOrder_.end(), [&](Hwnd handle) {
    return handle == window || IsOwnedBy(handle, window);
  });
}

std::vector<Hwnd> SimulatedDesktop::Children(Hwnd window) const {
  const WindowState* state = Find(window);
  return state == nullptr ? std::vector<Hwnd>{} : state->children;
}

int SimulatedDesktop::ShowState(Hwnd window) const {
  const WindowState* state = Find(window);
  return state == nullptr ? 0 : state->showState;
}

Hwnd SimulatedDesktop::FindWindowA(std::optional<std::string_view> className,
                                   std::optional<std::string_view> windowName) {
  for (Hwnd handle : zOrder_) {
    if (Matches(Find(handle)->spec, className, windowName)) return handle;
  }
  return 0;
}

Hwnd SimulatedDesktop::FindWindowExA(Hwnd parent, Hwnd childAfter,
                                     std::optional<std::string_view> className,
                                     std::optional<std::string_view> windowName) {
  const std::vector<Hwnd>* candidates = &zOrder_;
  if (parent != 0) {
    const WindowState* state = Find(parent);
    if (state == nullptr) return 0;
    candidates = &state->children;
  }
  auto next = candidates->begin();
  if (childAfter != 0) {
    next = std::find(candidates->begin(), candidates->end(), childAfter);
    if (next == candidates->end()) return 0;  // not a direct child of `parent`
    ++next;
  }
  for (; next != candidates->end(); ++next) {
    if (Matches(Find(*next)->spec, className, windowName)) return *next;
  }
  return 0;
}

bool SimulatedDesktop::IsWindowVisible(Hwnd window) {
  if (window == 0) return false;
  for (Hwnd current = window; current != 0;) {
    const WindowState* state = Find(current);
    if (state == nullptr || !state->spec.visible) return false;
    current = state->spec.parent;
  }
  return true;
}

bool SimulatedDesktop::ShowWindow(Hwnd window, int command) {
  WindowState* state = Find(window);
  if (state == nullptr || command < kSwHide || command > kSwMax) return false;
  const bool wasVisible = state->spec.visible;
  state->showState = command;
  state->spec.visible = command != kSwHide;
  return wasVisible;
}

bool SimulatedDesktop::SetForegroundWindow(Hwnd window) {
  if (Find(window) == nullptr) return false;
  foreground_ = window;
  BringToTop(TopLevelOf(window));
  return true;
}

bool SimulatedDesktop::LockWindowUpdate(Hwnd window) {
  if (window == 0) {
    locked_ = 0;
    return true;
  }
  if (Find(window) == nullptr || locked_ != 0) return false;
  locked_ = window;
  return true;
}

Hwnd SimulatedDesktop::GetWindow(Hwnd window, unsigned command) {
  const WindowState* state = Find(window);
  const std::vector<Hwnd>* siblings = SiblingsOf(window);
  if (state == nullptr || siblings == nullptr) return 0;
  const auto position = std::find(siblings->begin(), siblings->end(), window);
  switch (command) {
    case kGwHwndFirst:
      return siblings->front();
    case kGwHwndLast:
      return siblings->back();
    case kGwHwndNext:
      return position + 1 == siblings->end() ? 0 : *(position + 1);
    case win::kGwHwndPrev:
      return position == siblings->begin() ? 0 : *(position - 1);
    case kGwOwner:
      return state->spec.owner;
    case kGwChild:
      return state->children.empty() ? 0 : state->children.front();
    default:
      return 0;
  }
}

int SimulatedDesktop::GetWindowTextA(Hwnd window, std::string& text, int maxCount) {
  text.clear();
  const WindowState* state = Find(window);
  if (state == nullptr || maxCount <= 1) return 0;
  // One character of the title is one 8-bit character of the platform's code page.
  text = LeftChars(state->spec.title, static_cast<std::size_t>(maxCount - 1));
  return static_cast<int>(CharCount(text));
}

std::int32_t SimulatedDesktop::GetWindowLongA(Hwnd window, int index) {
  const WindowState* state = Find(window);
  if (state == nullptr || index != win::kGwlExStyle) return 0;
  return state->spec.exStyle;
}

Hwnd SimulatedDesktop::GetParent(Hwnd window) {
  const WindowState* state = Find(window);
  if (state == nullptr) return 0;
  return state->spec.parent != 0 ? state->spec.parent : state->spec.owner;
}

std::intptr_t SimulatedDesktop::SendMessageA(Hwnd window, unsigned message, std::uintptr_t,
                                             std::intptr_t) {
  const WindowState* state = Find(window);
  if (state == nullptr) return 0;
  // A copy: the handler may destroy its window, and with it the stored handler.
  const MessageHandler handler = state->handler;
  if (handler) return handler(window, message);
  if (message == win::kWmClose) DestroyWindow(window);
  return 0;
}

void SimulatedDesktop::SendEscapeKey() {
  ++escapesSent_;
  const Hwnd target = foreground_;
  const WindowState* state = Find(target);
  if (state == nullptr) return;
  const MessageHandler handler = state->handler;
  if (handler) handler(target, kEscapeKeyMessage);
}

void SimulatedDesktop::ProcessMessages() { ++messagePumps_; }

void SimulatedDesktop::Pause(std::chrono::milliseconds) { ++pauses_; }

}  // namespace k27093::platform
