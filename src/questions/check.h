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

// Told each letter a check offers on its way (the letter of every test it runs, every letter
// it stores, the letters its handlers map errors to), whether or not the letter ends up as the
// verdict. The checks work the same with or without one; tests use it to list the letters a
// check can give.
class LetterObserver {
 public:
  virtual ~LetterObserver() = default;
  virtual void Offered(std::string_view letter) = 0;
};

// One run of a check: it writes the question's verdict text and complement list.
class Check {
 public:
  // `cause` is the question's CauseErreur, which Store writes at once. `observer`, when not
  // null, is told every letter offered and must outlive the check.
  Check(Ref<files::ComplementInfo> complement, std::string& cause,
        LetterObserver* observer = nullptr)
      : complement_(std::move(complement)), cause_(cause), observer_(observer) {}

  // Ends the check with `letter` when `passes` is definitely false; an undecided condition
  // (Null involved) passes.
  void Expect(Tribool passes, std::string_view letter) const {
    Offer(letter);
    if (passes.IsFalse()) throw TestFailed{std::string(letter)};
  }
  // Stores `letter` as the verdict and lets the check go on (to add a complement, say). The
  // letter stays when a later read raises an error that is passed on; the handler replaces it
  // when it maps the error to a letter of its own ("AA" for 13, 5 and 6).
  void Store(std::string_view letter) const {
    Offer(letter);
    cause_ = letter;
  }
  // Runs `reads` with errors ignored; returns whether it raised none.
  static bool WithoutErrors(const std::function<void()>& reads);
  // Runs `reads` under a handler of their own: an error that `letters` maps ends the check
  // with its letter; any other error goes on to the check's handler.
  void MappingErrors(const ErrorLetters& letters, const std::function<void()>& reads) const;
  // Runs `reads` so that any error they raise ends the check with `letter`.
  void AnyErrorGives(std::string_view letter, const std::function<void()>& reads) const;
  // Adds a text to the check's ComplementInfo.
  void AddComplement(std::string_view text) const { complement_->add(text, 0); }
  // Tells the observer, if any, that the check may give `letter`.
  void Offer(std::string_view letter) const {
    if (observer_ != nullptr) observer_->Offered(letter);
  }

 private:
  Ref<files::ComplementInfo> complement_;
  std::string& cause_;
  LetterObserver* observer_;
};

// What the handler makes of error `number` (0 after a passing check with a variant that runs
// then): the letter to store, "" to store nothing, or nullopt when the error must be passed on.
std::optional<std::string> LetterForError(std::int32_t number, const HandlerVariant& variant);

}  // namespace k27093::questions
