// The common structure check as the client sees it: a broken frame is a general fault with
// the check's code, and the question's own check does not run.
#include "module/module_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::VentesOptions;
using testsupport::VentesSheet;

class StructureCheck : public ModuleTest {
 protected:
  // Starts `number` on a workbook written with `options`.
  void StartOn(std::int32_t number, const VentesOptions& options = {}) {
    StageModel(number, options);
    Start(number);
  }
  static VentesOptions WithCharts(int onFirst, int onSecond) {
    VentesOptions options;
    for (int i = 0; i < onFirst; ++i) options.sheets[0].charts.push_back({});
    for (int i = 0; i < onSecond; ++i) options.sheets[1].charts.push_back({});
    return options;
  }
  // The structure check passed, so the question's own check ran: it gave its own verdict,
  // or, for an exercise whose check is not part of the component yet, raised its error.
  bool ReachedTheQuestion() {
    try {
      module_.TestePoint();
      return !module_.ErreurGenerale();
    } catch (const Error& error) {
      return error.source().find("TestePoint") != std::string::npos;
    }
  }
};

TEST_F(StructureCheck, Exercise420WithoutAPrinterGivesHashBA) {
  StartOn(420, WithCharts(0, 1));
  engine::Control(application_).SetPrinter("");
  EXPECT_EQ(Verdict(), "general:#BA");
  engine::Control(application_).SetPrinter("Imprimante PDF");
  EXPECT_TRUE(ReachedTheQuestion());
}

TEST_F(StructureCheck, ASoundWorkbookReachesTheQuestionsCheck) {
  StartOn(401);
  EXPECT_TRUE(ReachedTheQuestion());
  StartOn(405, WithCharts(1, 0));
  EXPECT_TRUE(ReachedTheQuestion());
}

TEST_F(StructureCheck, TheWorkbookClosedGivesCAndAnotherWorkbookActiveGivesA) {
  StartOn(401);
  application_->Workbooks()->Add();
  EXPECT_EQ(Verdict(), "general:A");
  Workbook()->Close(false);
  EXPECT_EQ(Verdict(), "general:C");
}

TEST_F(StructureCheck, AThirdSheetGivesG) {
  VentesOptions options;
  options.sheets.push_back({"Feuil3"});
  StartOn(401, options);
  EXPECT_EQ(Verdict(), "general:G");
}

TEST_F(StructureCheck, SwappedSheetsGiveHAndARenamedSecondSheetGivesI) {
  VentesOptions swapped;
  std::swap(swapped.sheets[0], swapped.sheets[1]);
  StartOn(401, swapped);
  EXPECT_EQ(Verdict(), "general:H");

  Sheet(2)->SetName("Année N-2");
  Sheet(1)->SetName("Année N");
  EXPECT_EQ(Verdict(), "general:I");
}

TEST_F(StructureCheck, SheetNamesInCapitalsPass) {
  VentesOptions options;
  options.sheets[0].name = "ANNÉE N";
  options.sheets[1].name = "année n-1";
  StartOn(401, options);
  EXPECT_TRUE(ReachedTheQuestion());
}

TEST_F(StructureCheck, AMarkerChangedInCaseOnlyOrMissingGivesD) {
  VentesOptions options;
  options.sheets[1].marker = std::string(testsupport::kMarkerText).replace(0, 1, "c");
  StartOn(401, options);
  EXPECT_EQ(Verdict(), "general:D");

  Sheet(2)->Range("G9")->SetNoteText(testsupport::kMarkerText);
  Sheet(1)->Range("G9")->ClearComments();
  EXPECT_EQ(Verdict(), "general:D");
}

TEST_F(StructureCheck, ChartExercisesNeedExactlyOneChartOnTheirSheet) {
  StartOn(405, WithCharts(0, 0));
  EXPECT_EQ(Verdict(), "general:J");
  StartOn(405, WithCharts(2, 0));
  EXPECT_EQ(Verdict(), "general:J");
  StartOn(419, WithCharts(1, 0));
  EXPECT_EQ(Verdict(), "general:J");
  StartOn(401, WithCharts(0, 0));  // 401 has no chart count test
  EXPECT_TRUE(ReachedTheQuestion());
}

TEST_F(StructureCheck, AWorkbookNamedInCapitalsCountsAsTheExerciseWorkbook) {
  StartOn(401);
  // The learner reopens the exercise from a copy named in capitals in another folder.
  Workbook()->Close(false);
  testsupport::TemporaryFolder elsewhere;
  testsupport::WriteVentesWorkbook(elsewhere.File("VENTES.XLS"));
  application_->Workbooks()->Open(elsewhere.File("VENTES.XLS"));
  ASSERT_EQ(application_->ActiveWorkbook()->Name(), "VENTES.XLS");
  EXPECT_TRUE(ReachedTheQuestion());
  application_->ActiveWorkbook()->Close(false);
}

TEST_F(StructureCheck, Exercise421HasItsOwnSheetsAndFiveAnswerShapes) {
  StageModel(421);
  Start(421);
  auto answers = Sheet(2, "Présentation des résultats.xls");
  answers->Unprotect("");
  while (answers->Shapes()->Count() < 4) answers->CheckBoxes()->Add(10, 10, 50, 12);
  EXPECT_EQ(Verdict(), "general:D");
  answers->Shapes()->AddShape(xl::kMsoShapeRectangle, 10, 10, 20, 20);
  EXPECT_TRUE(ReachedTheQuestion());

  Sheet(1, "Présentation des résultats.xls")->SetName("Analyse");
  EXPECT_EQ(Verdict(), "general:E");
  Sheet(1, "Présentation des résultats.xls")->SetName("ANALYSE DES RÉSULTATS");
  answers->SetName("Réponse");
  EXPECT_EQ(Verdict(), "general:F");
}

TEST_F(StructureCheck, AFaultTheLearnerMendedLetsTheNextCheckReachTheQuestion) {
  StartOn(401);
  application_->Workbooks()->Add();
  EXPECT_EQ(Verdict(), "general:A");
  Workbook()->Activate();
  EXPECT_TRUE(ReachedTheQuestion());
  EXPECT_FALSE(module_.ErreurGenerale());
}

}  // namespace
}  // namespace k27093::testing
