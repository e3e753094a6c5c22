// Exercise 421: the check boxes 2 and 4 of the sheet "Réponses" ticked, read by a check that
// unprotects the sheet and protects it again.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

constexpr std::string_view kWorkbook = "Présentation des résultats.xls";

class Question0421Test : public ModuleTest {
 protected:
  void SetUp() override {
    StageModel(421);
    Start(421);
    auto answers = Answers();
    answers->Unprotect("");
    for (int k = 1; k <= 4; ++k) {
      auto box = answers->CheckBoxes()->Add(20, 40 + 20 * k, 12, 12);
      answers->Shapes()->Item(Variant(box->Name()))->SetName("Case à cocher " + std::to_string(k));
    }
    answers->Shapes()->AddShape(xl::kMsoShapeRectangle, 10, 10, 300, 120);
    answers->Protect("");
    Sheet(1, kWorkbook)->Activate();
  }
  Ref<xl::Worksheet> Answers() { return Sheet(2, kWorkbook); }
  // Ticks the boxes as the learner does (the sheet is protected again afterwards).
  void Tick(std::array<std::int32_t, 4> values) {
    Answers()->Unprotect("");
    for (int k = 1; k <= 4; ++k) {
      Answers()
          ->CheckBoxes()
          ->Item(Variant("Case à cocher " + std::to_string(k)))
          ->SetValue(values[static_cast<std::size_t>(k - 1)]);
    }
    Answers()->Protect("");
  }
  void ExpectProtectedAndFirstSheetActive() {
    EXPECT_TRUE(Answers()->ProtectContents());
    EXPECT_EQ(application_->ActiveSheet()->Name(), "Analyse des résultats");
  }
  static constexpr std::int32_t kOn = xl::kOn, kOff = xl::kOff, kMixed = xl::kMixed;
};

TEST_F(Question0421Test, BoxesTwoAndFourPass) {
  Tick({kOff, kOn, kOff, kOn});
  EXPECT_EQ(Verdict(), "own:");
  ExpectProtectedAndFirstSheetActive();
}

TEST_F(Question0421Test, NothingTickedGivesA) {
  EXPECT_EQ(Verdict(), "own:A");
  ExpectProtectedAndFirstSheetActive();
}

TEST_F(Question0421Test, AnyOtherAnswerGivesB) {
  for (auto values : {std::array{kOn, kOn, kOff, kOn}, std::array{kOff, kOn, kOff, kOff},
                      std::array{kOff, kOn, kOff, kMixed}, std::array{kMixed, kOff, kOff, kOff},
                      std::array{kOff, kOn, kOn, kOn}}) {
    Tick(values);
    EXPECT_EQ(Verdict(), "own:B");
    ExpectProtectedAndFirstSheetActive();
  }
}

TEST_F(Question0421Test, TheAnswersSheetIsProtectedAgainWhenAReadFails) {
  Answers()->Unprotect("");
  Answers()->Shapes()->Item(Variant("Case à cocher 3"))->SetName("Case 3");
  Answers()->Protect("");
  auto error = RaisedError([&] { Verdict(); });
  EXPECT_NE(error.number(), 0);
  EXPECT_EQ(error.source().rfind(TracedSource("Question0421", "TestePoint", ""), 0), 0u);
  EXPECT_TRUE(Answers()->ProtectContents());
}

}  // namespace
}  // namespace k27093::testing
