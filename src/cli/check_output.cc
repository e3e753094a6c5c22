#include "cli/check_output.h"

#include "cli/commands.h"
#include "cli/error_report.h"

namespace k27093::client {

int ExitStatusOf(const Grading& grading) {
  if (!grading.verdict) return kExitError;
  if (grading.verdict->erreurGenerale) return kExitGeneralFault;
  return grading.verdict->causeErreur.empty() ? kExitSuccess : kExitFault;
}

void PrintGrading(std::ostream& out, std::ostream& err, const Grading& grading) {
  if (!grading.verdict) {
    if (grading.error) PrintError(err, *grading.error);
    return;
  }
  const Verdict& verdict = *grading.verdict;
  out << grading.exercise << ": ";
  if (verdict.erreurGenerale) {
    out << "general fault " << VisibleText(verdict.causeErreur);
  } else if (verdict.causeErreur.empty()) {
    out << "pass";
  } else {
    out << "fault " << VisibleText(verdict.causeErreur);
  }
  out << '\n';
  for (const std::string& text : verdict.complement) out << "  " << VisibleText(text) << '\n';
}

nlohmann::ordered_json GradingJson(const Grading& grading) {
  nlohmann::ordered_json json;
  json["exercise"] = grading.exercise;
  if (grading.verdict) {
    json["ErreurGenerale"] = grading.verdict->erreurGenerale;
    json["CauseErreur"] = grading.verdict->causeErreur;
    json["BravoNuance"] = grading.verdict->bravoNuance;
    json["Complement"] = grading.verdict->complement;
    json["error"] = nullptr;
  } else {
    json["ErreurGenerale"] = nullptr;
    json["CauseErreur"] = nullptr;
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
