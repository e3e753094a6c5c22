// The verdict a client reads after TestePoint: the module's general codes, the structure
// check's codes and the question's own letters.
#include "module/module_fixture.h"
#include "support/scripted_question.h"

namespace k27093::testing {
namespace {

using testsupport::ScriptedQuestion;
using testsupport::VentesOptions;
using testsupport::VentesSheet;

class VerdictTest : public ModuleTest {
 protected:
  // A module whose question runs `script` as its check.
  std::unique_ptr<Module> ScriptedModule(ScriptedQuestion::Script script) {
    return std::make_unique<Module>(environment_.environment(),
                                    [script](std::int32_t number) -> Ref<questions::Question> {
                                      return MakeRef<ScriptedQuestion>(script, number);
                                    });
  }
  std::string VerdictOf(Module& module) {
    module.TestePoint();
    return std::string(module.ErreurGenerale() ? "general:" : "own:") + module.CauseErreur();
  }
};

TEST_F(VerdictTest, TheQuestionsOwnLetterIsNotAGeneralFault) {
  bool broken = true;
  auto module = ScriptedModule([&](questions::Check& check) { check.Expect(!broken, "B"); });
  StageModel(401);
  Start(401, *module);
  EXPECT_EQ(VerdictOf(*module), "own:B");
  broken = false;
  EXPECT_EQ(VerdictOf(*module), "own:");
  EXPECT_FALSE(module->BravoNuance());
  EXPECT_EQ(module->Complement()->count(), 0);
}

TEST_F(VerdictTest, AnAAOfTheQuestionIsAGeneralFault) {
  auto module = ScriptedModule([](questions::Check&) { Raise(errors::kTypeMismatch); });
  StageModel(401);
  Start(401, *module);
  EXPECT_EQ(VerdictOf(*module), "general:AA");
  EXPECT_FALSE(module->BravoNuance());
}

TEST_F(VerdictTest, AnErrorOfTheQuestionsCheckReachesTheClientTraced) {
  auto module = ScriptedModule([](questions::Check&) { Raise(1004, "Unable", "Microsoft Office Excel"); });
  StageModel(401);
  Start(401, *module);
  const Error error = RaisedError([&] { module->TestePoint(); });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(error.source(), TracedSource("Question0401", "TestePoint", "Microsoft Office Excel"));
  EXPECT_FALSE(module->ErreurGenerale());
}

TEST_F(VerdictTest, AClosedSpreadsheetGivesAMWithoutTouchingTheObjectModel) {
  StageModel(401);
  Start(401);
  engine::Control(application_).SimulateUserClose();
  EXPECT_EQ(Verdict(), "general:AM");
}

TEST_F(VerdictTest, ASpreadsheetThatNoLongerAnswersGivesPercentAL) {
  StageModel(401);
  Start(401);
  engine::Control(application_).SetBusy(true);
  EXPECT_EQ(Verdict(), "general:%AL");
  EXPECT_EQ(desktop().EscapeKeysSent(), 0);  // no Escape is typed during a check
  engine::Control(application_).SetBusy(false);
}

TEST_F(VerdictTest, AnErrorDuringTheStructureCheckGivesAN) {
  // The first sheet is a chart sheet named "Année N": it has no Range for the marker.
  VentesOptions options;
  options.sheets[0].kind = VentesSheet::Kind::kChartSheet;
  options.sheets[0].withTable = false;
  options.sheets[0].marker.reset();
  options.sheets[0].charts.push_back({});
  options.sheets[0].charts[0].dataSheet = "Année N-1";
  StageModel(401, options);
  Start(401);
  EXPECT_EQ(Verdict(), "general:AN");
}

}  // namespace
}  // namespace k27093::testing
