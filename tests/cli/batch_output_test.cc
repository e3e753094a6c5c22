// How a batch is reported: one entry per workbook, the summary and its exit status, the
// progress line.
#include "cli/batch_output.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace k27093 {
namespace {

using client::BatchSummary;
using client::Grading;
using client::Language;
using client::Verdict;
using nlohmann::ordered_json;

Grading VerdictOf(bool general, std::string cause, std::vector<std::string> complement = {}) {
  Grading grading;
  grading.exercise = 401;
  grading.verdict = Verdict{general, std::move(cause), false, std::move(complement)};
  return grading;
}

Grading ErrorOf(std::int32_t number) {
  Grading grading;
  grading.exercise = 401;
  grading.error = Error(number, "File not found: a\tb.xls", "K27093");
  return grading;
}

std::string Summary(const BatchSummary& summary, Language language = Language::kFrench) {
  std::ostringstream out;
  summary.Print(out, language);
  return out.str();
}

TEST(BatchText, TheEntryIsThePathATabAndTheSingleChecksVerdict) {
  EXPECT_EQ(client::BatchTextEntry("élève/a.xls", VerdictOf(false, ""), Language::kFrench),
            "élève/a.xls\t401: pass\n");
  EXPECT_EQ(client::BatchTextEntry("a.xls", VerdictOf(false, "B", {" 500"}), Language::kEnglish),
            "a.xls\t401: fault B — The chart has fewer than four series.\n   500\n");
}

TEST(BatchText, AnErrorIsAnEntryOfItsOwnWithItsSourceBelow) {
  EXPECT_EQ(client::BatchTextEntry("a\tb.xls", ErrorOf(53), Language::kFrench),
            "a\\tb.xls\t401: error 53 — File not found: a\\tb.xls\n  Source: K27093\n");
}

TEST(BatchJson, TheEntryIsTheSingleChecksObjectWithThePathFirst) {
  const ordered_json entry =
      client::BatchJsonEntry("a.xls", VerdictOf(true, "G"), Language::kEnglish);
  std::vector<std::string> keys;
  for (const auto& [key, value] : entry.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"path", "exercise", "ErreurGenerale", "CauseErreur",
                                            "explanation", "BravoNuance", "Complement", "error"}));
  EXPECT_EQ(entry["path"], "a.xls");
  EXPECT_EQ(entry["explanation"], "The workbook must keep exactly its two sheets.");
}

TEST(BatchSummaryCounts, FilesPassesFaultsByLetterGeneralFaultsByCodeAndErrors) {
  BatchSummary summary(401);
  for (const Grading& grading :
       {VerdictOf(false, ""), VerdictOf(false, "H"), VerdictOf(false, "D"), VerdictOf(false, "H"),
        VerdictOf(true, "G"), ErrorOf(53), VerdictOf(false, "")}) {
    summary.Add(grading);
  }
  EXPECT_EQ(Summary(summary, Language::kEnglish),
            "401: 7 files, 2 passed, 3 faults, 1 general fault, 1 error\n"
            "  fault D: 1 — The series are not the table's rows E4 to E7, in order.\n"
            "  fault H: 2 — No chart was made on the sheet \"Année N\".\n"
            "  general fault G: 1 — The workbook must keep exactly its two sheets.\n");
  const ordered_json json = summary.Json(Language::kFrench)["summary"];
  EXPECT_EQ(json["files"], 7);
  EXPECT_EQ(json["passed"], 2);
  EXPECT_EQ(json["errors"], 1);
  EXPECT_EQ(json["faults"].size(), 2u);
  EXPECT_EQ(json["faults"][1]["code"], "H");
  EXPECT_EQ(json["faults"][1]["count"], 2);
  EXPECT_EQ(json["faults"][1]["explanation"],
            "Aucun graphique n'a été créé sur la feuille « Année N ».");
  EXPECT_EQ(json["generalFaults"][0]["code"], "G");
}

TEST(BatchSummaryCounts, TheExitStatusIsTheWorstOfTheWorkbooks) {
  BatchSummary summary(401);
  EXPECT_EQ(summary.ExitStatus(), 0);
  summary.Add(VerdictOf(false, ""));
  EXPECT_EQ(summary.ExitStatus(), 0);
  summary.Add(VerdictOf(false, "H"));
  EXPECT_EQ(summary.ExitStatus(), 1);
  summary.Add(ErrorOf(53));
  EXPECT_EQ(summary.ExitStatus(), 3);
  summary.Add(VerdictOf(true, "G"));
  summary.Add(VerdictOf(false, ""));
  EXPECT_EQ(summary.ExitStatus(), 3);
  BatchSummary general(401);
  general.Add(VerdictOf(true, "G"));
  general.Add(VerdictOf(false, "H"));
  EXPECT_EQ(general.ExitStatus(), 2);
}

TEST(BatchSummaryCounts, AnEmptyBatchCountsNothing) {
  EXPECT_EQ(Summary(BatchSummary(402)),
            "402: 0 files, 0 passed, 0 faults, 0 general faults, 0 errors\n");
}

TEST(BatchProgress, SaysDoneOfTotalTheSpeedAndTheTimeLeft) {
  using std::chrono::duration;
  EXPECT_EQ(client::ProgressLine(0, 200, duration<double>(0.5)), "0/200 files, … files/s, … left");
  EXPECT_EQ(client::ProgressLine(50, 200, duration<double>(10)),
            "50/200 files, 5.0 files/s, about 30 s left");
  EXPECT_EQ(client::ProgressLine(200, 200, duration<double>(40)),
            "200/200 files, 5.0 files/s, about 0 s left");
}

}  // namespace
}  // namespace k27093
