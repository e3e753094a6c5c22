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

// Error numbers mapped to letters, in the question's order.
using ErrorLetters = std::vector<std::pair<std::int32_t, std::string>>;

// A handler variant of a whole check. A check whose tests all pass (or that stored a letter
// and went on to its end) runs into it with error 0, which stores nothing.
struct HandlerVariant {
  ErrorLetters lettersByError;
};

// One run of a check: it writes the question's verdict text and complement list.
class Check {
 public:
  // `cause` is the question's CauseErreur, which Store writes at once.
  Check(Ref<files::ComplementInfo> complement, std::string& cause)
      : complement_(std::move(complement)), cause_(cause) {}

  // Ends the check with `letter` when `passes` is definitely false; an undecided condition
  // (Null involved) passes.
  void Expect(Tribool passes, std::string_view letter) const {
    if (passes.IsFalse()) throw TestFailed{std::string(letter)};
  }
  // Stores `letter` as the verdict and lets the check go on (to add a complement, say). The
  // letter stays when a later read raises an error that is passed on; the handler replaces it
  // when it maps the error to a letter of its own ("AA" for 13, 5 and 6).
  void Store(std::string_view letter) const { cause_ = letter; }
  // Runs `reads` with errors ignored; returns whether it raised none.
  static bool WithoutErrors(const std::function<void()>& reads);
  // Runs `reads` under a handler of their own: an error that `letters` maps ends the check
  // with its letter; any other error goes on to the check's handler.
  static void MappingErrors(const ErrorLetters& letters, const std::function<void()>& reads);
  // Runs `reads` so that any error they raise ends the check with `letter`.
  static void AnyErrorGives(std::string_view letter, const std::function<void()>& reads);
  // Adds a text to the check's ComplementInfo.
  void AddComplement(std::string_view text) const { complement_->add(text, 0); }

 private:
  Ref<files::ComplementInfo> complement_;
  std::string& cause_;
};

// What the handler makes of error `number` (0 after a passing check with a variant that runs
// then): the letter to store, "" to store nothing, or nullopt when the error must be passed on.
std::optional<std::string> LetterForError(std::int32_t number, const HandlerVariant& variant);

}  // namespace k27093::questions
