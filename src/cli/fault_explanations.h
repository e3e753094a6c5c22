// The fault catalogue: for every code a check can give, one line that tells the learner what
// is wrong, in French (the course's language) and in English. An exercise's own letters mean
// something for that exercise alone; the general codes (the module's, and those of the common
// structure check) mean the same for every exercise they can occur in. The catalogue is one
// table, in fault_explanations.cc.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::client {

enum class Language { kFrench, kEnglish };

// "fr" or "en"; nullopt for anything else.
std::optional<Language> LanguageNamed(std::string_view name);

// The explanation of `code` as exercise `exercise` gives it: one of its own letters when
// `general` is false, a general code when true. nullopt when the exercise cannot give that
// code (the empty code of a pass among them).
std::optional<std::string_view> ExplainFault(std::int32_t exercise, bool general,
                                             std::string_view code, Language language);

// The codes the catalogue explains for exercise `exercise`, general or its own, in table
// order; empty for a number outside 401..421.
std::vector<std::string> ExplainedCodes(std::int32_t exercise, bool general);

}  // namespace k27093::client
