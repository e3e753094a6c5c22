#include "support/call_log.h"

#include <algorithm>
#include <cstdio>

namespace k27093::testsupport {

void CallLog::RunWaiting(const std::string& entry) {
  const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                  [&](const auto& waiting) { return waiting.first == entry; });
  if (found == waiting_.end()) return;
  // Taken out first: the action may record calls, and wait for others.
  const std::function<void()> action = std::move(found->second);
  waiting_.erase(found);
  action();
}

std::vector<std::string> CallLog::Starting(std::string_view prefix) const {
  std::vector<std::string> matching;
  for (const std::string& entry : entries_) {
    if (entry.starts_with(prefix)) matching.push_back(entry);
  }
  return matching;
}

int CallLog::Count(std::string_view entry) const {
  return static_cast<int>(std::count(entries_.begin(), entries_.end(), entry));
}

void CallLog::After(std::string entry, std::function<void()> action) {
  waiting_.emplace_back(std::move(entry), std::move(action));
}

std::string CallText(std::string_view who, std::string_view call,
                     std::initializer_list<std::string> arguments) {
  std::string entry = std::string(who) + " " + std::string(call);
  if (arguments.size() == 0) return entry;
  const char* separator = "(";
  for (const std::string& argument : arguments) {
    entry += separator;
    entry += argument;
    separator = ", ";
  }
  return entry + ")";
}

std::string HandleText(Hwnd window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(window));
  return text;
}

::testing::AssertionResult AppearInOrder(const std::vector<std::string>& entries,
                                         const std::vector<std::string>& expected) {
  auto from = entries.begin();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto found = std::find(from, entries.end(), expected[i]);
    if (found == entries.end()) {
      auto failure = ::testing::AssertionFailure();
      failure << "expected entry " << i << " \"" << expected[i] << "\" after entry "
              << (from - entries.begin()) << " of " << entries.size() << "; the log:\n";
      for (std::size_t j = 0; j < entries.size(); ++j)
        failure << "  " << j << " " << entries[j] << "\n";
      return failure;
    }
    from = found + 1;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace k27093::testsupport
