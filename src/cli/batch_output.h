// How the check command reports a batch: one entry per workbook in the list's order, a
// closing summary, and, while standard error is a terminal, a progress line rewritten in
// place.
//
// Text: the workbook's path, a tab, then the verdict as a single check prints it
// (VerdictLine), its complementary texts indented by two spaces below; after an error
// "401: error N — description" and "  Source: source" below. JSON lines: the single check's
// object (GradingJson) with "path" first, then one last object {"summary":{...}}.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/fault_explanations.h"
#include "cli/grading.h"

namespace k27093::client {

// The counts of a batch: workbooks, passes, faults by letter, general faults by code, errors.
class BatchSummary {
 public:
  explicit BatchSummary(std::int32_t exercise) : exercise_(exercise) {}

  void Add(const Grading& grading);

  // The worst exit status of the workbooks added (error 3 > general fault 2 > fault 1 >
  // pass 0); 0 when none was.
  int ExitStatus() const { return worst_; }

  // "401: 5 files, 2 passed, 1 fault, 1 general fault, 1 error", then one line per fault
  // letter and per general code, "  fault D: 1 — <explanation>", letters in code order.
  void Print(std::ostream& out, Language language) const;
  // {"summary":{"exercise","files","passed","faults":[{"code","count","explanation"}...],
  // "generalFaults":[...],"errors"}}.
  nlohmann::ordered_json Json(Language language) const;

 private:
  std::int32_t exercise_;
  int files_ = 0;
  int passed_ = 0;
  int errors_ = 0;
  int worst_ = 0;
  std::map<std::string, int> faults_;
  std::map<std::string, int> generalFaults_;
};

// The entry of one workbook in text, every line ended by a line feed.
std::string BatchTextEntry(const std::string& path, const Grading& grading, Language language);

// The entry of one workbook in JSON: {"path", then the keys of GradingJson}.
nlohmann::ordered_json BatchJsonEntry(const std::string& path, const Grading& grading,
                                      Language language);

// "12/200 files, 3.5 files/s, about 54 s left" after `done` of `total` workbooks in
// `elapsed`; the speed and the time left are "…" until a workbook is done.
std::string ProgressLine(std::size_t done, std::size_t total,
                         std::chrono::duration<double> elapsed);

}  // namespace k27093::client
