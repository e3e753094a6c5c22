// CallLog: the calls that recording test doubles saw, one line per call in the order the
// calls were made ("desktop FindWindowA(XLMAIN)", "excel CommandBars(Task Pane).Position = 2",
// "question 401 Prepare(...)"), written when the call starts, so that the calls a call makes
// come after it. A test reads it to pin the order of a procedure's steps, and may ask for an
// action to run right after a given call has returned, to change the world between two steps
// (a window that goes, a workbook closed).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "api/desktop.h"

namespace k27093::testsupport {

class CallLog {
 public:
  // Appends `entry`, makes the call, then, once it has returned, runs the action waiting for
  // the entry (if any). An error of the call passes through and no action runs.
  template <class Call>
  auto Recorded(std::string entry, Call&& call) -> decltype(call());
  const std::vector<std::string>& entries() const { return entries_; }
  // The entries that begin with `prefix`, in order.
  std::vector<std::string> Starting(std::string_view prefix) const;
  // How many entries equal `entry`.
  int Count(std::string_view entry) const;
  // Forgets what was recorded so far (the waiting actions stay).
  void Clear() { entries_.clear(); }
  // Runs `action` right after the next call recorded as `entry` has returned, once.
  void After(std::string entry, std::function<void()> action);

 private:
  void RunWaiting(const std::string& entry);

  std::vector<std::string> entries_;
  std::vector<std::pair<std::string, std::function<void()>>> waiting_;
};

template <class Call>
auto CallLog::Recorded(std::string entry, Call&& call) -> decltype(call()) {
  entries_.push_back(entry);
  if constexpr (std::is_void_v<decltype(call())>) {
    call();
    RunWaiting(entry);
  } else {
    auto result = call();
    RunWaiting(entry);
    return result;
  }
}

// One entry: "<who> <call>", followed by the arguments in parentheses, separated by ", ",
// when there are any ("files Rename(a, b)", "desktop SendEscapeKey").
std::string CallText(std::string_view who, std::string_view call,
                     std::initializer_list<std::string> arguments = {});

// A window handle as the log writes it: "0x" and eight hexadecimal digits.
std::string HandleText(Hwnd window);

// Succeeds when every entry of `expected` is in `entries`, in that order (other entries may
// come between); the failure names the first one missing and where the search stood.
::testing::AssertionResult AppearInOrder(const std::vector<std::string>& entries,
                                         const std::vector<std::string>& expected);

}  // namespace k27093::testsupport
