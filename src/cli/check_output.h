// How the check command reports a Grading: its exit status, one line of text per verdict,
// or one JSON object {"exercise","ErreurGenerale","CauseErreur","BravoNuance","Complement",
// "error"} (keys in that order; the verdict's keys null after an error, "error" null
// otherwise).
#pragma once

#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/grading.h"

namespace k27093::client {

// 0 pass (no general fault, empty CauseErreur), 1 the exercise's own fault letter, 2 a
// general fault, 3 an error reached the client.
int ExitStatusOf(const Grading& grading);

// "401: pass", "401: fault H" or "401: general fault AM" on `out`, then each complementary
// text on a line of its own, indented by two spaces. After an error: nothing on `out`, the
// error on `err` (PrintError). Texts pass through VisibleText.
void PrintGrading(std::ostream& out, std::ostream& err, const Grading& grading);

nlohmann::ordered_json GradingJson(const Grading& grading);

// Writes `json` on one line; invalid UTF-8 is replaced rather than refused.
void PrintJsonLine(std::ostream& out, const nlohmann::ordered_json& json);

}  // namespace k27093::client
