// GradingWorker: many workbooks graded one after the other on one spreadsheet and one module.
// Each gets the verdict a check of it alone gives, whatever came before it; the learner's
// files stay as they were and every working folder goes, also after an error.
#include "cli/grading_worker.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/environment_variable.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using client::Grading;
using client::GradingWorker;
using testsupport::FixtureChart;
using testsupport::TemporaryFolder;
using testsupport::VentesOptions;

const std::string kModuleFolder = K27093_BINARY_DIR "/";

VentesOptions WithChart(const FixtureChart& chart = {}) {
  VentesOptions options;
  options.sheets.front().charts.push_back(chart);
  return options;
}

// What a grading says: "own:H", "general:G", "error 1004", with the complementary texts.
std::string Said(const Grading& grading) {
  if (!grading.verdict) return "error " + std::to_string(grading.error->number());
  std::string said =
      (grading.verdict->erreurGenerale ? "general:" : "own:") + grading.verdict->causeErreur;
  for (const std::string& text : grading.verdict->complement) said += " [" + text + "]";
  return said;
}

class GradingWorkerTest : public ::testing::Test {
 protected:
  std::string Ventes(const std::string& name, const VentesOptions& options) {
    const std::string path = folder_.File(name + ".xlsx");
    testsupport::WriteVentesWorkbook(path, options);
    return path;
  }
  // What a check of `workbook` alone gives.
  std::string Alone(std::int32_t exercise, const std::string& workbook) {
    client::GradeRequest request;
    request.exercise = exercise;
    request.workbook = workbook;
    request.moduleFolder = kModuleFolder;
    return Said(client::GradeWorkbook(request));
  }
  // The sales workbook of 401 handed out (H), right (pass), with a third sheet (general G),
  // and a file that is no workbook (an error of the spreadsheet).
  std::vector<std::string> Exercise401Files() {
    VentesOptions thirdSheet = WithChart();
    thirdSheet.sheets.push_back({.name = "Brouillon", .withTable = false, .marker = std::nullopt});
    return {Ventes("sans graphique", {}), Ventes("réussi", WithChart()),
            Ventes("troisième feuille", thirdSheet), folder_.Write("abîmé.xls", "pas un classeur")};
  }

  TemporaryFolder folder_;
};

TEST_F(GradingWorkerTest, EachWorkbookGetsItsOwnVerdictWhateverCameBefore) {
  const std::vector<std::string> files = Exercise401Files();
  std::map<std::string, std::string> alone;
  for (const std::string& file : files) alone[file] = Alone(401, file);
  ASSERT_EQ(alone[files[0]], "own:H");
  ASSERT_EQ(alone[files[1]], "own:");
  ASSERT_EQ(alone[files[2]], "general:G");
  ASSERT_EQ(alone[files[3]].rfind("error ", 0), 0u) << alone[files[3]];
  // Every order of the four: failing then passing, broken then passing, and the reverse.
  std::vector<std::size_t> order = {0, 1, 2, 3};
  do {
    GradingWorker worker(401, "", kModuleFolder);
    for (const std::size_t index : order) {
      EXPECT_EQ(Said(worker.Grade(files[index])), alone[files[index]])
          << files[index] << " in the order " << order[0] << order[1] << order[2] << order[3];
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(GradingWorkerTest, AComplementaryTextStaysWithItsWorkbook) {
  FixtureChart withYear;
  withYear.title = "Ventes 2007";
  FixtureChart right;
  right.title = "VENTES";
  const std::string wrong = Ventes("titre avec l'année", WithChart(withYear));
  const std::string passing = Ventes("réussi", WithChart(right));
  GradingWorker worker(404, "", kModuleFolder);
  EXPECT_EQ(Said(worker.Grade(wrong)), "own:C [ Ventes 2007]");
  EXPECT_EQ(Said(worker.Grade(passing)), "own:");
  EXPECT_EQ(Said(worker.Grade(wrong)), "own:C [ Ventes 2007]");
}

TEST_F(GradingWorkerTest, TheSpreadsheetStartsOnceAndAfreshOnlyAfterAnError) {
  const std::vector<std::string> files = Exercise401Files();
  GradingWorker worker(401, "", kModuleFolder);
  EXPECT_EQ(worker.starts(), 0);
  worker.Grade(files[0]);
  worker.Grade(files[1]);
  worker.Grade(files[2]);
  EXPECT_EQ(worker.starts(), 1);
  // A file that cannot be staged never reaches the spreadsheet.
  EXPECT_EQ(Said(worker.Grade(folder_.File("absent.xlsx"))), "error 53");
  worker.Grade(files[1]);
  EXPECT_EQ(worker.starts(), 1);
  // The spreadsheet's error: the next workbook gets a new spreadsheet.
  worker.Grade(files[3]);
  EXPECT_EQ(Said(worker.Grade(files[1])), "own:");
  EXPECT_EQ(worker.starts(), 2);
}

TEST_F(GradingWorkerTest, AnErrorNamesTheLearnersFileNotTheWorkingCopy) {
  const std::string broken = folder_.Write("abîmé.xls", "pas un classeur");
  GradingWorker worker(401, "", kModuleFolder);
  const Grading grading = worker.Grade(broken);
  ASSERT_TRUE(grading.error.has_value());
  EXPECT_NE(grading.error->description().find(broken), std::string::npos)
      << grading.error->description();
  EXPECT_EQ(grading.error->description().find("Ventes.xls"), std::string::npos)
      << grading.error->description();
}

TEST_F(GradingWorkerTest, LeavesTheLearnersFilesAndNoWorkingFolderBehind) {
  TemporaryFolder temporary;
  const testsupport::EnvironmentVariable variable("TMPDIR", temporary.path());
  const std::vector<std::string> files = Exercise401Files();
  std::vector<std::string> before;
  for (const std::string& file : files) before.push_back(testsupport::ReadFileBytes(file));
  {
    GradingWorker worker(401, "", kModuleFolder);
    ASSERT_EQ(temporary.EntryCount(), 1);
    for (const std::string& file : files) {
      worker.Grade(file);
      // Only the worker's own folder, which keeps its templates folder and nothing else.
      ASSERT_EQ(temporary.EntryCount(), 1);
      int entries = 0;
      for (const auto& entry : std::filesystem::directory_iterator(temporary.path())) {
        for (const auto& inner : std::filesystem::directory_iterator(entry.path())) {
          EXPECT_EQ(inner.path().filename(), "templates") << file;
          ++entries;
        }
      }
      EXPECT_EQ(entries, 1) << file;
    }
  }
  EXPECT_EQ(temporary.EntryCount(), 0);
  for (std::size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(testsupport::ReadFileBytes(files[i]), before[i]) << files[i];
  }
}

}  // namespace
}  // namespace k27093
