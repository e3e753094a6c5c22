// Exercise 404: the chart titled "Ventes", in any case.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;

FixtureChart Untitled() {
  FixtureChart chart;
  chart.title.clear();
  return chart;
}

class Question0404Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(404, Untitled()); }
  void Title(std::string_view text) {
    Chart()->SetHasTitle(true);
    Chart()->ChartTitle()->SetText(text);
  }
};

TEST_F(Question0404Test, TheTitleInAnyCasePasses) {
  for (std::string_view title : {"Ventes", "VENTES", "ventes"}) {
    Title(title);
    EXPECT_EQ(Verdict(), "own:") << title;
    EXPECT_EQ(Complements().size(), 0u);
  }
}

TEST_F(Question0404Test, AnotherTitleGivesCAndIsGivenBackAfterASpace) {
  Title("Ventes 2007");
  EXPECT_EQ(Verdict(), "own:C");
  EXPECT_EQ(Complements(), std::vector<std::string>{" Ventes 2007"});
  Title("Ventes ");
  EXPECT_EQ(Verdict(), "own:C");
  EXPECT_EQ(Complements(), std::vector<std::string>{" Ventes "});
}

TEST_F(Question0404Test, WithoutTitleATextBoxGivesBAndNothingGivesA) {
  EXPECT_EQ(Verdict(), "own:A");
  Chart()->TextBoxes()->Add(20, 5, 120, 24)->SetText("Ventes");
  EXPECT_EQ(Verdict(), "own:B");
  EXPECT_EQ(Complements().size(), 0u);
}

TEST_F(Question0404Test, AMendedTitlePassesOnTheNextCheck) {
  Title("Ventes 2007");
  EXPECT_EQ(Verdict(), "own:C");
  Chart()->ChartTitle()->SetText("Ventes");
  EXPECT_EQ(Verdict(), "own:");
  EXPECT_EQ(Complements().size(), 0u);
}

class Question0404Files : public ChartExerciseTest {
 protected:
  static FixtureChart Titled(std::string title) {
    FixtureChart chart;
    chart.title = std::move(title);
    return chart;
  }
};

TEST_F(Question0404Files, TheTitleInCapitalsPasses) {
  EXPECT_EQ(VerdictOn(404, Titled("VENTES")), "own:");
}

TEST_F(Question0404Files, AYearAfterTheWordGivesCWithTheTitleAsComplement) {
  EXPECT_EQ(VerdictOn(404, Titled("Ventes 2007")), "own:C");
  EXPECT_EQ(Complements(), std::vector<std::string>{" Ventes 2007"});
}

TEST_F(Question0404Files, NoTitleAndNoTextBoxGivesA) {
  EXPECT_EQ(VerdictOn(404, Untitled()), "own:A");
}

}  // namespace
}  // namespace k27093::testing
