// How the check command reports a Grading: its exit status, one line of text per verdict,
// or one JSON object {"exercise","ErreurGenerale","CauseErreur","explanation","BravoNuance",
// "Complement","error"} (keys in that order; the verdict's keys null after an error, "error"
// null otherwise).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/fault_explanations.h"
#include "cli/grading.h"

namespace k27093::client {

// 0 pass (no general fault, empty CauseErreur), 1 the exercise's own fault letter, 2 a
// general fault, 3 an error reached the client.
int ExitStatusOf(const Grading& grading);

// The catalogue's explanation of the grading's fault; nullopt on a pass, after an error, and
// for a code the catalogue does not know.
std::optional<std::string_view> ExplanationOf(const Grading& grading, Language language);

// The verdict without its complementary texts: "401: pass", "401: fault H — <explanation>"
// or "401: general fault AM — <explanation>" (without " — ..." when the catalogue has none).
// Texts pass through VisibleText. Only for a grading with a verdict.
std::string VerdictLine(const Grading& grading, Language language);

// VerdictLine on `out`, then each complementary text on a line of its own, indented by two
// spaces. After an error: nothing on `out`, the error on `err` (PrintError).
void PrintGrading(std::ostream& out, std::ostream& err, const Grading& grading,
                  Language language = Language::kFrench);

nlohmann::ordered_json GradingJson(const Grading& grading, Language language = Language::kFrench);

// Writes `json` on one line; invalid UTF-8 is replaced rather than refused.
void PrintJsonLine(std::ostream& out, const nlohmann::ordered_json& json);

}  // namespace k27093::client
