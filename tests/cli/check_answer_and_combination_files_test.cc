// `k27093 check` on workbooks LibreOffice Calc saved with what our own fixture writer cannot
// make: the check boxes and instruction of the answer sheet (421), charts that draw a series
// as a line or an area beside columns (413, 418) and cone columns (418).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "support/run_program.h"
#include "support/temporary_folder.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::ProgramResult;
using testsupport::TemporaryFolder;

// The verdict of a file's .xls copy where LibreOffice's "MS Excel 97" filter changed what
// decides it.
struct XlsVerdict {
  int status;
  bool general;
  const char* cause;
};

struct SavedFile {
  const char* file;
  const char* exercise;
  int status;
  const char* cause;
  std::optional<XlsVerdict> xls = std::nullopt;  // none: the file's own verdict
};

// The copies of the answer workbooks have no check box: "Réponses" keeps one OBJ record, the
// instruction's (type 2, a rectangle with text), and no OBJ of type 11 (check box) nor a
// control stream, so the structure check gives the general fault D.
constexpr XlsVerdict kCheckBoxesLeftOut{2, true, "D"};
// The copy writes the chart groups columns, line, area, and the series group by group: EST,
// the area, is the fifth series and "Moyenne" the fourth, so 413 finds no line as the fifth.
constexpr XlsVerdict kAreaSeriesWrittenLast{1, false, "A"};

void PrintTo(const SavedFile& saved, std::ostream* out) {
  *out << saved.file << " as " << saved.exercise;
}

// What the learner's file is on disk: its bytes and its modification time.
struct LearnerFile {
  std::string bytes;
  timespec modified{};

  static LearnerFile Of(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return {testsupport::ReadFileBytes(path), status.st_mtim};
  }
  bool operator==(const LearnerFile& other) const {
    return bytes == other.bytes && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
  }
};

class CheckOfSavedAnswersAndCombinations : public ::testing::TestWithParam<SavedFile> {
 protected:
  // A copy of the committed file in a folder of the test's own, as a learner's file.
  std::string LearnerCopy(const std::string& file) {
    const std::string path = learner_.File(file);
    std::filesystem::copy_file(std::string(K27093_TEST_DATA "/") + file, path);
    return path;
  }

  json CheckJson(const std::string& exercise, const std::string& path, int expectedStatus) {
    ProgramResult result =
        testsupport::RunProgram({K27093_BINARY_DIR "/k27093", "check", exercise, path, "--json"},
                                {{"TMPDIR", temporary_.path()}});
    EXPECT_EQ(result.status, expectedStatus) << result.out << result.err;
    return json::parse(result.out);
  }

  // Grades a learner's copy of the committed `file` and expects `expected`, the file unchanged.
  void ExpectVerdict(const std::string& file, const XlsVerdict& expected) {
    const std::string path = LearnerCopy(file);
    const LearnerFile before = LearnerFile::Of(path);
    const json verdict = CheckJson(GetParam().exercise, path, expected.status);
    EXPECT_EQ(verdict["ErreurGenerale"], expected.general);
    EXPECT_EQ(verdict["CauseErreur"], expected.cause);
    EXPECT_EQ(verdict["error"], nullptr);
    EXPECT_TRUE(LearnerFile::Of(path) == before) << "the check changed " << file;
  }

  void TearDown() override { EXPECT_EQ(temporary_.EntryCount(), 0) << "a working folder was left"; }

  TemporaryFolder learner_;
  TemporaryFolder temporary_;
};

TEST_P(CheckOfSavedAnswersAndCombinations, GivesTheVerdictAndLeavesTheLearnersFileAsItWas) {
  const SavedFile& saved = GetParam();
  ExpectVerdict(saved.file, {saved.status, false, saved.cause});
}

// The same file saved again by LibreOffice Calc in the binary 97-2003 format: the same
// verdict, or the copy's own where the filter changed what decides it.
TEST_P(CheckOfSavedAnswersAndCombinations, GivesTheSameVerdictToTheFileSavedAsXls) {
  const SavedFile& saved = GetParam();
  const std::string copy =
      "xls/" + std::filesystem::path(saved.file).replace_extension(".xls").string();
  ASSERT_TRUE(std::filesystem::is_regular_file(std::string(K27093_TEST_DATA "/") + copy));
  std::filesystem::create_directory(learner_.File("xls"));
  ExpectVerdict(copy, saved.xls.value_or(XlsVerdict{saved.status, false, saved.cause}));
}

// Four columns and the average as a line pass; a third series drawn as an area gives "B"; a
// chart of four series, one of them the average, has no fifth series: "A".
INSTANTIATE_TEST_SUITE_P(AverageDrawnAsALine, CheckOfSavedAnswersAndCombinations,
                         ::testing::Values(SavedFile{"libreoffice-413-right.xlsx", "413", 0, ""},
                                           SavedFile{"libreoffice-413-third-area.xlsx", "413", 1,
                                                     "B", kAreaSeriesWrittenLast},
                                           SavedFile{"libreoffice-413-four-series.xlsx", "413", 1,
                                                     "A"}));

// Columns with a line are a combination and pass; cone columns give "B"; plain columns "A".
INSTANTIATE_TEST_SUITE_P(CombinationChart, CheckOfSavedAnswersAndCombinations,
                         ::testing::Values(SavedFile{"libreoffice-418-right.xlsx", "418", 0, ""},
                                           SavedFile{"libreoffice-418-cone.xlsx", "418", 1, "B"},
                                           SavedFile{"libreoffice-418-columns.xlsx", "418", 1,
                                                     "A"}));

// Boxes 2 and 4 ticked pass; none "A"; 1, 2 and 4, or 2 alone, or 2 and 3 "B".
INSTANTIATE_TEST_SUITE_P(
    TickedAnswers, CheckOfSavedAnswersAndCombinations,
    ::testing::Values(
        SavedFile{"libreoffice-421-right.xlsx", "421", 0, "", kCheckBoxesLeftOut},
        SavedFile{"libreoffice-421-nothing.xlsx", "421", 1, "A", kCheckBoxesLeftOut},
        SavedFile{"libreoffice-421-one-two-four.xlsx", "421", 1, "B", kCheckBoxesLeftOut},
        SavedFile{"libreoffice-421-two-only.xlsx", "421", 1, "B", kCheckBoxesLeftOut},
        SavedFile{"libreoffice-421-check-boxes.xlsx", "421", 1, "B", kCheckBoxesLeftOut}));

// The check unprotects "Réponses" without a password: a sheet protected with one refuses, and
// the spreadsheet's error reaches the client.
TEST_F(CheckOfSavedAnswersAndCombinations, AnswersProtectedWithAPasswordEndInTheRefusal1004) {
  const std::string path = LearnerCopy("libreoffice-421-password.xlsx");
  const LearnerFile before = LearnerFile::Of(path);
  const json verdict = CheckJson("421", path, 3);
  EXPECT_EQ(verdict["CauseErreur"], nullptr);
  EXPECT_EQ(verdict["error"]["number"], 1004);
  EXPECT_NE(verdict["error"]["source"].get<std::string>().find("CLASSE Question0421"),
            std::string::npos);
  EXPECT_TRUE(LearnerFile::Of(path) == before);
}

// Its .xls copy has no check box either (kCheckBoxesLeftOut): the structure check fails
// before the answers are unprotected.
TEST_F(CheckOfSavedAnswersAndCombinations, AnswersProtectedWithAPasswordSavedAsXlsGiveD) {
  std::filesystem::create_directory(learner_.File("xls"));
  const std::string path = LearnerCopy("xls/libreoffice-421-password.xls");
  const json verdict = CheckJson("421", path, kCheckBoxesLeftOut.status);
  EXPECT_EQ(verdict["ErreurGenerale"], kCheckBoxesLeftOut.general);
  EXPECT_EQ(verdict["CauseErreur"], kCheckBoxesLeftOut.cause);
  EXPECT_EQ(verdict["error"], nullptr);
}

}  // namespace
}  // namespace k27093
