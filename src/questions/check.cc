#include "questions/check.h"

namespace k27093::questions {

bool Check::WithoutErrors(const std::function<void()>& reads) {
  try {
    reads();
    return true;
  } catch (const Error&) {
    return false;
  }
}

void Check::MappingErrors(const ErrorLetters& letters, const std::function<void()>& reads) const {
  for (const auto& mapping : letters) Offer(mapping.second);
  try {
    reads();
  } catch (const Error& error) {
    for (const auto& [mapped, letter] : letters) {
      if (mapped == error.number()) throw TestFailed{letter};
    }
    throw;
  }
}

void Check::AnyErrorGives(std::string_view letter, const std::function<void()>& reads) const {
  Offer(letter);
  try {
    reads();
  } catch (const Error&) {
    throw TestFailed{std::string(letter)};
  }
}

std::optional<std::string> LetterForError(std::int32_t number, const HandlerVariant& variant) {
  for (const auto& [mapped, letter] : variant.lettersByError) {
    if (mapped == number) return letter;
  }
  if (number == 0) return std::string();
  if (number == errors::kTypeMismatch || number == errors::kInvalidCall ||
      number == errors::kOverflow) {
    return std::string("AA");
  }
  return std::nullopt;
}

}  // namespace k27093::questions
