// The frame every check runs in: tests decided with three-valued logic (a failure condition
// that stays undecided does not fail), the first failed test ends the check with its letter,
// and the handler that turns run-time errors into letters or passes them on.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "api/error.h"
#include "api/tribool.h"
#include "files/complement_info.h"

namespace k27093::questions {

// Raised by Check::Expect to end a check at its first failed test.
struct TestFailed {
  std::string letter;
};

// A handler variant: error numbers mapped to letters, in the question's order. When
// `runsAfterPass` is set, a check whose tests all pass runs the handler with error 0.
struct HandlerVariant {
  std::vector<std::pair<std::int32_t, std::string>> lettersByError;
  bool runsAfterPass = false;
};

class Check {
 public:
  explicit Check(Ref<files::ComplementInfo> complement) : complement_(std::move(complement)) {}

  // Ends the check with `letter` when `passes` is definitely false; an undecided condition
  // (Null involved) passes.
  void Expect(Tribool passes, std::string_view letter) const {
    if (passes.IsFalse()) throw TestFailed{std::string(letter)};
  }
  // Runs `reads` with errors ignored; returns whether it raised none.
  static bool WithoutErrors(const std::function<void()>& reads);
  // Adds a text to the check's ComplementInfo.
  void AddComplement(std::string_view text) const { complement_->add(text, 0); }

 private:
  Ref<files::ComplementInfo> complement_;
};

// What the handler makes of error `number` (0 after a passing check with a variant that runs
// then): the letter to store, "" to store nothing, or nullopt when the error must be passed on.
std::optional<std::string> LetterForError(std::int32_t number, const HandlerVariant& variant);

}  // namespace k27093::questions
