// Exercise 409: the value axis' major unit fixed at 400.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;

class Question0409Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(409, HandedOutChart()); }
};

TEST_F(Question0409Test, AFixedUnitOf400Passes) {
  ValueAxis()->SetMajorUnit(400);
  EXPECT_EQ(Verdict(), "own:");
  EXPECT_EQ(Complements().size(), 0u);
}

TEST_F(Question0409Test, AnotherFixedUnitGivesBWithTheUnitAsComplement) {
  ValueAxis()->SetMajorUnit(500);
  EXPECT_EQ(Verdict(), "own:B");
  EXPECT_EQ(Complements(), std::vector<std::string>{" 500"});
  ValueAxis()->SetMajorUnit(250.5);
  EXPECT_EQ(Verdict(), "own:B");
  EXPECT_EQ(Complements(), std::vector<std::string>{" 250.5"});
}

TEST_F(Question0409Test, TheAutomaticUnitGivesA) {
  ASSERT_TRUE(ValueAxis()->MajorUnitIsAuto());
  ASSERT_NE(ValueAxis()->MajorUnit(), 400);
  EXPECT_EQ(Verdict(), "own:A");
  ValueAxis()->SetMajorUnit(500);
  ValueAxis()->SetMajorUnitIsAuto(true);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0409Test, NoValueAxisOrNoChartGivesC) {
  Chart()->SetHasAxis(xl::kValue, xl::kPrimary, false);
  EXPECT_EQ(Verdict(), "own:C");
  auto question = QuestionAlone(409, std::nullopt);
  question->TestePoint();
  EXPECT_EQ(question->CauseErreur(), "C");
}

class Question0409Files : public ChartExerciseTest {
 protected:
  static FixtureChart WithUnit(std::optional<double> unit) {
    FixtureChart chart = HandedOutChart();
    chart.valueMajorUnit = unit;
    return chart;
  }
};

TEST_F(Question0409Files, EachUnitGivesItsVerdict) {
  EXPECT_EQ(VerdictOn(409, WithUnit(400)), "own:");
  EXPECT_EQ(VerdictOn(409, WithUnit(500)), "own:B");
  EXPECT_EQ(Complements(), std::vector<std::string>{" 500"});
  EXPECT_EQ(VerdictOn(409, WithUnit(std::nullopt)), "own:A");
  FixtureChart noValueAxis = WithUnit(400);
  noValueAxis.valueAxis = false;
  EXPECT_EQ(VerdictOn(409, noValueAxis), "own:C");
}

}  // namespace
}  // namespace k27093::testing
