#include "cli/batch_output.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/check_output.h"
#include "cli/commands.h"
#include "cli/error_report.h"

namespace k27093::client {

namespace {

// "1 fault", "2 faults".
std::string Counted(int count, std::string_view singular) {
  return std::to_string(count) + " " + std::string(singular) + (count == 1 ? "" : "s");
}

int Sum(const std::map<std::string, int>& counts) {
  int sum = 0;
  for (const auto& entry : counts) sum += entry.second;
  return sum;
}

}  // namespace

void BatchSummary::Add(const Grading& grading) {
  ++files_;
  const int status = ExitStatusOf(grading);
  worst_ = std::max(worst_, status);
  if (status == kExitSuccess) ++passed_;
  if (status == kExitFault) ++faults_[grading.verdict->causeErreur];
  if (status == kExitGeneralFault) ++generalFaults_[grading.verdict->causeErreur];
  if (status == kExitError) ++errors_;
}

void BatchSummary::Print(std::ostream& out, Language language) const {
  out << exercise_ << ": " << Counted(files_, "file") << ", " << passed_ << " passed, "
      << Counted(Sum(faults_), "fault") << ", " << Counted(Sum(generalFaults_), "general fault")
      << ", " << Counted(errors_, "error") << '\n';
  auto lines = [&](const std::map<std::string, int>& counts, bool general) {
    for (const auto& [code, count] : counts) {
      out << "  " << (general ? "general fault " : "fault ") << VisibleText(code) << ": " << count;
      if (const auto explanation = ExplainFault(exercise_, general, code, language)) {
        out << " — " << *explanation;
      }
      out << '\n';
    }
  };
  lines(faults_, false);
  lines(generalFaults_, true);
}

nlohmann::ordered_json BatchSummary::Json(Language language) const {
  auto codes = [&](const std::map<std::string, int>& counts, bool general) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& [code, count] : counts) {
      const auto explanation = ExplainFault(exercise_, general, code, language);
      list.push_back(
          {{"code", code},
           {"count", count},
           {"explanation", explanation ? nlohmann::ordered_json(std::string(*explanation))
                                       : nlohmann::ordered_json()}});
    }
    return list;
  };
  nlohmann::ordered_json summary;
  summary["exercise"] = exercise_;
  summary["files"] = files_;
  summary["passed"] = passed_;
  summary["faults"] = codes(faults_, false);
  summary["generalFaults"] = codes(generalFaults_, true);
  summary["errors"] = errors_;
  return {{"summary", summary}};
}

std::string BatchTextEntry(const std::string& path, const Grading& grading, Language language) {
  std::string entry = VisibleText(path) + '\t';
  if (!grading.verdict) {
    const Error& error = grading.error.value();
    entry += std::to_string(grading.exercise) + ": error " + std::to_string(error.number()) +
             " — " + VisibleText(error.description()) +
             "\n  Source: " + VisibleText(error.source()) + '\n';
    return entry;
  }
  entry += VerdictLine(grading, language) + '\n';
  for (const std::string& text : grading.verdict->complement) {
    entry += "  " + VisibleText(text) + '\n';
  }
  return entry;
}

nlohmann::ordered_json BatchJsonEntry(const std::string& path, const Grading& grading,
                                      Language language) {
  nlohmann::ordered_json entry;
  entry["path"] = path;
  const nlohmann::ordered_json single = GradingJson(grading, language);
  for (const auto& [key, value] : single.items()) entry[key] = value;
  return entry;
}

std::string ProgressLine(std::size_t done, std::size_t total,
                         std::chrono::duration<double> elapsed) {
  std::string line = std::to_string(done) + "/" + std::to_string(total) + " files";
  const double seconds = elapsed.count();
  if (done == 0 || seconds <= 0) return line + ", … files/s, … left";
  const double rate = static_cast<double>(done) / seconds;
  const double left = static_cast<double>(total - done) / rate;
  char text[64];
  std::snprintf(text, sizeof text, ", %.1f files/s, about %.0f s left", rate, std::ceil(left));
  return line + text;
}

}  // namespace k27093::client
