#include "cli/check_output.h"

#include "cli/commands.h"
#include "cli/error_report.h"

namespace k27093::client {

int ExitStatusOf(const Grading& grading) {
  if (!grading.verdict) return kExitError;
  if (grading.verdict->erreurGenerale) return kExitGeneralFault;
  return grading.verdict->causeErreur.empty() ? kExitSuccess : kExitFault;
}

std::optional<std::string_view> ExplanationOf(const Grading& grading, Language language) {
  if (ExitStatusOf(grading) == kExitSuccess || !grading.verdict) return std::nullopt;
  return ExplainFault(grading.exercise, grading.verdict->erreurGenerale,
                      grading.verdict->causeErreur, language);
}

std::string VerdictLine(const Grading& grading, Language language) {
  const Verdict& verdict = grading.verdict.value();
  std::string line = std::to_string(grading.exercise) + ": ";
  if (verdict.erreurGenerale) {
    line += "general fault " + VisibleText(verdict.causeErreur);
  } else if (verdict.causeErreur.empty()) {
    line += "pass";
  } else {
    line += "fault " + VisibleText(verdict.causeErreur);
  }
  if (const auto explanation = ExplanationOf(grading, language)) {
    line += " — " + std::string(*explanation);
  }
  return line;
}

void PrintGrading(std::ostream& out, std::ostream& err, const Grading& grading, Language language) {
  if (!grading.verdict) {
    if (grading.error) PrintError(err, *grading.error);
    return;
  }
  out << VerdictLine(grading, language) << '\n';
  for (const std::string& text : grading.verdict->complement) {
    out << "  " << VisibleText(text) << '\n';
  }
}

nlohmann::ordered_json GradingJson(const Grading& grading, Language language) {
  nlohmann::ordered_json json;
  json["exercise"] = grading.exercise;
  if (grading.verdict) {
    json["ErreurGenerale"] = grading.verdict->erreurGenerale;
    json["CauseErreur"] = grading.verdict->causeErreur;
    const auto explanation = ExplanationOf(grading, language);
    json["explanation"] =
        explanation ? nlohmann::ordered_json(std::string(*explanation)) : nlohmann::ordered_json();
    json["BravoNuance"] = grading.verdict->bravoNuance;
    json["Complement"] = grading.verdict->complement;
    json["error"] = nullptr;
  } else {
    json["ErreurGenerale"] = nullptr;
    json["CauseErreur"] = nullptr;
    json["explanation"] = nullptr;
    json["BravoNuance"] = nullptr;
    json["Complement"] = nullptr;
    json["error"] = grading.error ? ErrorJson(*grading.error) : nlohmann::ordered_json();
  }
  return json;
}

void PrintJsonLine(std::ostream& out, const nlohmann::ordered_json& json) {
  out << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace k27093::client
