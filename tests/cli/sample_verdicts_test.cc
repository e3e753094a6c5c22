// Every sample workbook graded by the `k27093 check` command, as the demo grades them: the
// verdict and the complementary texts each sample is made for, in the JSON the client reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "support/run_program.h"
#include "support/sample_workbooks.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::SampleWorkbook;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

// The verdicts of the samples' .xls copies where LibreOffice's "MS Excel 97" filter changed
// what decides them, by sample, with what the copies' records show.
const std::map<std::string, std::string> kXlsVerdicts = {
    // COLINFO 2186 for every column, 60 pixels by Excel's rule, where the anchor was laid out
    // on Calc's own columns: the chart object is 230.67 pt wide, not 247.5.
    {"Ventes - 402 réussi.xlsx", "fault A"},
    {"Ventes - 402 décalé.xlsx", "fault A"},
    {"Ventes - 407 réussi.xlsx", "fault A"},
    // Every series' AREAFORMAT states its colour (the fourth 8064A2, not automatic).
    {"Ventes - 411 couleur automatique.xlsx", "pass"},
    // The chart groups are written columns, line, area, the series group by group: EST, the
    // area, is the fifth series.
    {"Ventes - 413 troisième série en aires.xlsx", "fault A"},
    // The text box is a rectangle with text (OBJ type 2, shape type 1): no text box.
    {"Ventes - 414 réussi.xlsx", "fault A"},
    {"Ventes - 414 x 1000.xlsx", "fault A"},
    {"Ventes - 415 réussi.xlsx", "fault A"},
    {"Ventes - 415 zone de texte déplacée.xlsx", "fault A"},
    {"Ventes - 415 parchemin vertical.xlsx", "fault A"},
    // The shapes' anchors in 1/4000 of a narrower chart area lose the exact places.
    {"Ventes - 416 réussi.xlsx", "fault B"},
    {"Ventes - 416 forme au premier plan.xlsx", "fault B"},
    // No DAT record: the data table is left out.
    {"Ventes - 419 réussi.xlsx", "fault A"},
    // PRINTSIZE 3: the chart's size is the CHART record's (xlScreenSize).
    {"Ventes - 420 taille par défaut.xlsx", "pass"},
    // No check box OBJ record (type 11) on "Réponses": the structure check fails.
    {"Présentation des résultats - 421 réussi.xlsx", "general fault D"},
    {"Présentation des résultats - 421 rien de coché.xlsx", "general fault D"},
    {"Présentation des résultats - 421 réponses 1, 2 et 4.xlsx", "general fault D"},
};

// The JSON verdict that "pass", "fault X" or "general fault X" stands for, with the sample's
// complementary texts.
json ExpectedVerdict(const std::string& verdict, const SampleWorkbook& sample) {
  const bool general = verdict.rfind("general fault ", 0) == 0;
  std::string code;
  if (general) {
    code = verdict.substr(std::string("general fault ").size());
  } else if (verdict != "pass") {
    code = verdict.substr(std::string("fault ").size());
  }
  return {{"ErreurGenerale", general}, {"CauseErreur", code}, {"Complement", sample.complements}};
}

// Grades the sample workbook at `path` as its exercise and expects `expectedVerdict`.
void ExpectSampleVerdict(const SampleWorkbook& sample, const std::string& path,
                         const std::string& expectedVerdict, const std::string& temporaryFolder) {
  std::vector<std::string> arguments = {kCommand, "check", std::to_string(sample.exercise), path,
                                        "--json"};
  arguments.insert(arguments.end(), sample.checkOptions.begin(), sample.checkOptions.end());
  auto result = testsupport::RunProgram(arguments, {{"TMPDIR", temporaryFolder}});
  ASSERT_LE(result.status, 2) << path << "\n" << result.out << result.err;
  const json verdict = json::parse(result.out);
  const json expected = ExpectedVerdict(expectedVerdict, sample);
  EXPECT_EQ(verdict["exercise"], sample.exercise) << path;
  for (const char* key : {"ErreurGenerale", "CauseErreur", "Complement"}) {
    EXPECT_EQ(verdict[key], expected[key]) << path << ": " << key;
  }
}

TEST(SampleVerdicts, EverySampleGetsTheVerdictItIsMadeFor) {
  testsupport::TemporaryFolder folder;
  testsupport::TemporaryFolder temporary;
  for (const SampleWorkbook& sample : testsupport::SampleWorkbooks()) {
    const std::string path = folder.File(sample.fileName);
    sample.write(path);
    ExpectSampleVerdict(sample, path, sample.verdict, temporary.path());
  }
}

// The samples saved again in the binary 97-2003 format by LibreOffice Calc (tests/data/xls):
// the verdict each is made for, or its copy's own where the filter changed what decides it.
TEST(SampleVerdicts, EverySampleSavedAsXlsGetsTheSameVerdict) {
  testsupport::TemporaryFolder temporary;
  for (const SampleWorkbook& sample : testsupport::SampleWorkbooks()) {
    const std::string path = std::string(K27093_TEST_DATA "/xls/samples/") +
                             std::filesystem::path(sample.fileName).stem().string() + ".xls";
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    const auto changed = kXlsVerdicts.find(sample.fileName);
    ExpectSampleVerdict(sample, path,
                        changed != kXlsVerdicts.end() ? changed->second : sample.verdict,
                        temporary.path());
  }
}

}  // namespace
}  // namespace k27093
