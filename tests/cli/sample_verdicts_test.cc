// Every sample workbook graded by the `k27093 check` command, as the demo grades them: the
// verdict and the complementary texts each sample is made for, in the JSON the client reads.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_program.h"
#include "support/sample_workbooks.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::SampleWorkbook;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

// The JSON verdict that a sample's "pass", "fault X" or "general fault X" stands for.
json ExpectedVerdict(const SampleWorkbook& sample) {
  const bool general = sample.verdict.rfind("general fault ", 0) == 0;
  std::string code;
  if (general) {
    code = sample.verdict.substr(std::string("general fault ").size());
  } else if (sample.verdict != "pass") {
    code = sample.verdict.substr(std::string("fault ").size());
  }
  return {{"ErreurGenerale", general}, {"CauseErreur", code}, {"Complement", sample.complements}};
}

TEST(SampleVerdicts, EverySampleGetsTheVerdictItIsMadeFor) {
  testsupport::TemporaryFolder folder;
  testsupport::TemporaryFolder temporary;
  for (const SampleWorkbook& sample : testsupport::SampleWorkbooks()) {
    const std::string path = folder.File(sample.fileName);
    sample.write(path);
    std::vector<std::string> arguments = {kCommand, "check", std::to_string(sample.exercise),
                                          path, "--json"};
    arguments.insert(arguments.end(), sample.checkOptions.begin(), sample.checkOptions.end());
    auto result = testsupport::RunProgram(arguments, {{"TMPDIR", temporary.path()}});
    ASSERT_LE(result.status, 2) << sample.fileName << "\n" << result.out << result.err;
    const json verdict = json::parse(result.out);
    const json expected = ExpectedVerdict(sample);
    EXPECT_EQ(verdict["exercise"], sample.exercise) << sample.fileName;
    for (const char* key : {"ErreurGenerale", "CauseErreur", "Complement"}) {
      EXPECT_EQ(verdict[key], expected[key]) << sample.fileName << ": " << key;
    }
  }
}

}  // namespace
}  // namespace k27093
