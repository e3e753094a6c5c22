// GradeWorkbook: one check of a learner's workbook run in this process, as the check command
// runs it: the verdict read back, the errors that reach the client, and the clean-up.
#include "cli/grading.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <string>

#include "support/environment_variable.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using client::GradeRequest;
using client::GradeWorkbook;
using client::Grading;
using testsupport::TemporaryFolder;

class GradingTest : public ::testing::Test {
 protected:
  // The build folder holds the macro workbook the module runs its folder macros from.
  GradeRequest Request(std::int32_t exercise, std::string workbook) {
    GradeRequest request;
    request.exercise = exercise;
    request.workbook = std::move(workbook);
    request.moduleFolder = K27093_BINARY_DIR "/";
    return request;
  }
  std::string WriteVentes(const testsupport::VentesOptions& options = {}) {
    std::string path = folder_.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    return path;
  }
  static Error ErrorOf(const Grading& grading) {
    EXPECT_FALSE(grading.verdict.has_value());
    if (!grading.error) throw std::logic_error("the grading has no error");
    return *grading.error;
  }

  TemporaryFolder folder_;
};

TEST_F(GradingTest, AnEmptyFirstSheetIsTheOwnFaultHWithoutComplement) {
  Grading grading = GradeWorkbook(Request(401, WriteVentes()));
  ASSERT_TRUE(grading.verdict.has_value()) << grading.error->description();
  EXPECT_FALSE(grading.error.has_value());
  EXPECT_EQ(grading.exercise, 401);
  EXPECT_FALSE(grading.verdict->erreurGenerale);
  EXPECT_EQ(grading.verdict->causeErreur, "H");
  EXPECT_FALSE(grading.verdict->bravoNuance);
  EXPECT_TRUE(grading.verdict->complement.empty());
}

TEST_F(GradingTest, AGeneralFaultIsReadWithItsCode) {
  testsupport::VentesOptions options;
  options.sheets[0].marker = "repère";
  Grading grading = GradeWorkbook(Request(401, WriteVentes(options)));
  ASSERT_TRUE(grading.verdict.has_value());
  EXPECT_TRUE(grading.verdict->erreurGenerale);
  EXPECT_EQ(grading.verdict->causeErreur, "D");
}

TEST_F(GradingTest, Exercise421StagesItsOwnWorkbookName) {
  std::string path = folder_.File("Présentation.xls");
  testsupport::WritePresentationWorkbook(path);
  // The sheets are found (no E or F): the working copy was opened under its working name.
  // The fixture has no check boxes, so the shape count gives D.
  Grading grading = GradeWorkbook(Request(421, path));
  ASSERT_TRUE(grading.verdict.has_value()) << grading.error->description();
  EXPECT_TRUE(grading.verdict->erreurGenerale);
  EXPECT_EQ(grading.verdict->causeErreur, "D");
}

TEST_F(GradingTest, TheSpreadsheetRunsWithThePrinterAsked) {
  GradeRequest request = Request(420, WriteVentes());
  Grading withoutPrinter = GradeWorkbook(request);
  ASSERT_TRUE(withoutPrinter.verdict.has_value()) << withoutPrinter.error->description();
  EXPECT_EQ(withoutPrinter.verdict->causeErreur, "#BA");
  // With a printer the check goes on: the sheet of exercise 420 has no chart (J).
  request.printer = "Imprimante PDF";
  Grading withPrinter = GradeWorkbook(request);
  ASSERT_TRUE(withPrinter.verdict.has_value()) << withPrinter.error->description();
  EXPECT_EQ(withPrinter.verdict->causeErreur, "J");
}

TEST_F(GradingTest, AMissingWorkbookIsError53NamingIt) {
  const Error error = ErrorOf(GradeWorkbook(Request(401, folder_.File("Absent.xls"))));
  EXPECT_EQ(error.number(), 53);
  EXPECT_EQ(error.description(), "File not found: " + folder_.File("Absent.xls"));
  EXPECT_EQ(error.source(), "K27093");
}

TEST_F(GradingTest, AFolderInsteadOfAWorkbookIsError75) {
  const Error error = ErrorOf(GradeWorkbook(Request(401, folder_.path())));
  EXPECT_EQ(error.number(), 75);
  EXPECT_NE(error.description().find(folder_.path()), std::string::npos) << error.description();
}

TEST_F(GradingTest, APipeIsRefusedWithoutBeingOpened) {
  // Opening a pipe that nobody writes to would wait for ever.
  const std::string path = folder_.File("Ventes.xls");
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(ErrorOf(GradeWorkbook(Request(401, path))).number(), 75);
}

TEST_F(GradingTest, AnExerciseOutsideTheChapterIsAnsweredByTheModule) {
  Grading grading = GradeWorkbook(Request(422, WriteVentes()));
  const Error error = ErrorOf(grading);
  EXPECT_EQ(grading.exercise, 422);
  EXPECT_EQ(error.number(), 91);
  EXPECT_EQ(error.source(), TracedSource("Module", "Nettoyage", "K27093"));
}

TEST_F(GradingTest, AModuleFolderWithoutTheMacroWorkbookFailsInTheFolderMacro) {
  GradeRequest request = Request(401, WriteVentes());
  TemporaryFolder empty;
  request.moduleFolder = empty.path();
  const Error error = ErrorOf(GradeWorkbook(request));
  EXPECT_EQ(error.number(), 1004);
  EXPECT_NE(error.description().find(empty.File("X27093.xls")), std::string::npos);
  EXPECT_NE(error.source().find("SERVICE GetDir - OBJET Microsoft Office Excel"), std::string::npos)
      << error.source();
}

TEST_F(GradingTest, LeavesNothingInTheTemporaryFolderWhateverHappened) {
  TemporaryFolder temporary;
  std::string path = WriteVentes();
  testsupport::EnvironmentVariable variable("TMPDIR", temporary.path());
  EXPECT_TRUE(GradeWorkbook(Request(401, path)).verdict.has_value());
  EXPECT_EQ(temporary.EntryCount(), 0);
  EXPECT_TRUE(GradeWorkbook(Request(422, path)).error.has_value());
  EXPECT_EQ(temporary.EntryCount(), 0);
  folder_.Write("Ventes.xls", "garbage");
  EXPECT_TRUE(GradeWorkbook(Request(401, path)).error.has_value());
  EXPECT_EQ(temporary.EntryCount(), 0);
}

}  // namespace
}  // namespace k27093
