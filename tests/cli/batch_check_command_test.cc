// `k27093 check EXERCISE FILE...`: a batch graded by the command, run as a program. Each
// workbook gets the verdict a single check gives it, in the list's order whatever the number
// of workers; the summary, the exit status, the lists, the JSON lines and the bad usage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/batch_grading.h"
#include "support/run_program.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::ProgramResult;
using testsupport::TemporaryFolder;
using testsupport::VentesOptions;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

class BatchCheckCommand : public ::testing::Test {
 protected:
  ProgramResult Check(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {kCommand, "check"});
    return testsupport::RunProgram(arguments, {{"TMPDIR", temporary_.path()}});
  }
  std::string Ventes(const std::string& name, const VentesOptions& options = {}) {
    const std::string path = folder_.File(name);
    testsupport::WriteVentesWorkbook(path, options);
    return path;
  }
  // Handed out (H), right (pass), a third sheet (general G), missing (error 53), no
  // workbook at all (an error of the spreadsheet), right again.
  std::vector<std::string> Files() {
    VentesOptions right;
    right.sheets.front().charts.emplace_back();
    VentesOptions thirdSheet = right;
    thirdSheet.sheets.push_back({.name = "Brouillon", .withTable = false, .marker = std::nullopt});
    return {Ventes("sans graphique.xlsx"),
            Ventes("réussi.xlsx", right),
            Ventes("troisième feuille.xlsx", thirdSheet),
            folder_.File("absent.xlsx"),
            folder_.Write("abîmé.xls", "pas un classeur"),
            folder_.File("réussi.xlsx")};
  }

  void TearDown() override { EXPECT_EQ(temporary_.EntryCount(), 0) << "a working folder was left"; }

  TemporaryFolder folder_;
  TemporaryFolder temporary_;
};

// The first line a single check prints for `file`, or "error N" after an error.
std::string SingleVerdict(const ProgramResult& result) {
  if (result.status == 3) return result.err.substr(0, result.err.find(':'));
  return result.out.substr(0, result.out.find('\n'));
}

TEST_F(BatchCheckCommand, EachFileGetsTheVerdictOfASingleCheckInTheListsOrder) {
  const std::vector<std::string> files = Files();
  std::vector<std::string> arguments = {"401"};
  arguments.insert(arguments.end(), files.begin(), files.end());
  const ProgramResult batch = Check(arguments);
  EXPECT_EQ(batch.status, 3) << batch.err;
  EXPECT_TRUE(batch.err.empty()) << batch.err;
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < batch.out.size();) {
    const std::size_t end = batch.out.find('\n', start);
    lines.push_back(batch.out.substr(start, end - start));
    start = end + 1;
  }
  std::vector<std::string> entries;
  for (const std::string& line : lines) {
    if (line.find('\t') != std::string::npos) entries.push_back(line);
  }
  ASSERT_EQ(entries.size(), files.size()) << batch.out;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const ProgramResult single = Check({"401", files[i]});
    ASSERT_EQ(entries[i].substr(0, files[i].size() + 1), files[i] + "\t") << entries[i];
    const std::string verdict = entries[i].substr(files[i].size() + 1);
    if (single.status == 3) {
      // "Error 53: ..." on a single check's standard error, "401: error 53 — ..." here.
      const std::string number = SingleVerdict(single).substr(std::string("Error ").size());
      EXPECT_EQ(verdict.rfind("401: error " + number + " — ", 0), 0u) << verdict;
    } else {
      EXPECT_EQ(verdict, SingleVerdict(single)) << files[i];
    }
  }
  EXPECT_EQ(batch.out.substr(batch.out.find("401: 6 files")),
            "401: 6 files, 2 passed, 1 fault, 1 general fault, 2 errors\n"
            "  fault H: 1 — Aucun graphique n'a été créé sur la feuille « Année N ».\n"
            "  general fault G: 1 — Le classeur doit garder exactement ses deux feuilles.\n");
}

TEST_F(BatchCheckCommand, TwoWorkersPrintExactlyWhatOnePrints) {
  std::vector<std::string> files = Files();
  std::vector<std::string> twice = files;
  twice.insert(twice.end(), files.rbegin(), files.rend());
  for (const std::string format : {"--lang=fr", "--jsonl"}) {
    std::vector<std::string> one = {"401", "--jobs", "1", format};
    one.insert(one.end(), twice.begin(), twice.end());
    std::vector<std::string> two = {"401", "--jobs", "2", format};
    two.insert(two.end(), twice.begin(), twice.end());
    const ProgramResult first = Check(one);
    const ProgramResult second = Check(two);
    EXPECT_EQ(first.status, 3);
    EXPECT_EQ(second.status, first.status);
    EXPECT_EQ(second.out, first.out) << format;
    EXPECT_TRUE(second.err.empty()) << second.err;
  }
}

TEST_F(BatchCheckCommand, JsonLinesAreTheSingleChecksObjectsWithThePathThenASummary) {
  const std::vector<std::string> files = Files();
  const ProgramResult result = Check({"401", "--jsonl", "--lang", "en", files[0], files[3]});
  EXPECT_EQ(result.status, 3);
  std::vector<json> objects;
  for (std::size_t start = 0; start < result.out.size();) {
    const std::size_t end = result.out.find('\n', start);
    objects.push_back(json::parse(result.out.substr(start, end - start)));
    start = end + 1;
  }
  ASSERT_EQ(objects.size(), 3u) << result.out;
  const json single = json::parse(Check({"401", files[0], "--json", "--lang", "en"}).out);
  json first = objects[0];
  EXPECT_EQ(first["path"], files[0]);
  first.erase("path");
  EXPECT_EQ(first, single);
  EXPECT_EQ(objects[1]["error"]["number"], 53);
  EXPECT_TRUE(objects[1]["explanation"].is_null());
  EXPECT_EQ(objects[2]["summary"]["files"], 2);
  EXPECT_EQ(objects[2]["summary"]["errors"], 1);
  EXPECT_EQ(objects[2]["summary"]["faults"][0]["explanation"],
            "No chart was made on the sheet \"Année N\".");
}

TEST_F(BatchCheckCommand, AListOfFilesAddsToTheFilesNamed) {
  const std::vector<std::string> files = Files();
  const std::string list = folder_.Write("liste.txt", files[1] + "\r\n\n" + files[0] + "\n");
  const ProgramResult result = Check({"401", files[2], "--files-from", list});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out.find(files[2] + "\t401: general fault G"), 0u) << result.out;
  EXPECT_NE(result.out.find("\n" + files[1] + "\t401: pass\n" + files[0] + "\t401: fault H"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("401: 3 files, 1 passed"), std::string::npos) << result.out;
}

TEST_F(BatchCheckCommand, AnEmptyListIsABatchOfNothing) {
  const std::string list = folder_.Write("vide.txt", "");
  const ProgramResult result = Check({"401", "--files-from", list});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "401: 0 files, 0 passed, 0 faults, 0 general faults, 0 errors\n");
}

TEST_F(BatchCheckCommand, AListThatCannotBeReadIsAnError) {
  for (const std::string& list : {folder_.File("absente.txt"), folder_.path()}) {
    const ProgramResult result = Check({"401", "--files-from", list});
    EXPECT_EQ(result.status, 3) << list;
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_NE(result.err.find(list), std::string::npos) << result.err;
  }
}

TEST_F(BatchCheckCommand, BadUsageExitsWith64) {
  const std::vector<std::string> files = Files();
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"401"},
                                                    {"401", files[0], files[1], "--json"},
                                                    {"401", files[0], "--jobs", "0"},
                                                    {"401", files[0], "--jobs", "deux"},
                                                    {"401", files[0], "--lang", "de"}}) {
    const ProgramResult result = Check(arguments);
    EXPECT_EQ(result.status, 64) << arguments.back() << "\n" << result.out << result.err;
    EXPECT_TRUE(result.out.empty()) << result.out;
  }
}

TEST(GradeBatch, HandsTheGradingsBackInTheListsOrder) {
  client::BatchRequest request;
  request.exercise = 401;
  request.moduleFolder = K27093_BINARY_DIR "/";
  request.jobs = 3;
  TemporaryFolder folder;
  for (int i = 0; i < 7; ++i) request.workbooks.push_back(folder.File(std::to_string(i) + ".xls"));
  std::vector<std::size_t> indexes;
  client::GradeBatch(request, [&](std::size_t index, const client::Grading& grading) {
    indexes.push_back(index);
    ASSERT_TRUE(grading.error.has_value());
    EXPECT_NE(grading.error->description().find(request.workbooks[index]), std::string::npos);
  });
  EXPECT_EQ(indexes, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace k27093
