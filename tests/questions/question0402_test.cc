// Exercise 402: the chart object sized to 247.5 x 146.25 points at the sheet's top left corner.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

using testsupport::FixtureChart;

class Question0402Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(402, HandedOutChart()); }
  void Place(double left, double top, double width, double height) {
    auto frame = ChartObject();
    frame->SetLeft(left);
    frame->SetTop(top);
    frame->SetWidth(width);
    frame->SetHeight(height);
  }
};

TEST_F(Question0402Test, TheExactSizeAtTheCornerPasses) {
  Place(10, 10, 247.5, 146.25);
  EXPECT_EQ(Verdict(), "own:");
  Place(0, 0, 247.5, 146.25);
  EXPECT_EQ(Verdict(), "own:");
  EXPECT_EQ(Complements().size(), 0u);
}

TEST_F(Question0402Test, ALeftOrTopBeyondTenPointsGivesB) {
  Place(10.5, 0, 247.5, 146.25);
  EXPECT_EQ(Verdict(), "own:B");
  Place(0, 10.5, 247.5, 146.25);
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0402Test, AnotherSizeGivesAWhateverThePosition) {
  Place(0, 0, 247, 146.25);
  EXPECT_EQ(Verdict(), "own:A");
  Place(0, 0, 247.5, 147);
  EXPECT_EQ(Verdict(), "own:A");
  Place(300, 300, 360, 216);  // the chart as handed out, moved away
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0402Test, NoChartIsTheSpreadsheetsErrorPassedOn) {
  auto question = QuestionAlone(402, std::nullopt);
  auto error = RaisedError([&] { question->TestePoint(); });
  EXPECT_EQ(error.number(), errors::kApplication);
  EXPECT_EQ(error.source().rfind(TracedSource("Question0402", "TestePoint", ""), 0), 0u)
      << error.source();
}

class Question0402Files : public ChartExerciseTest {
 protected:
  // The chart of the right size, its corner `x` and `y` pixels from A1.
  static FixtureChart PlacedAt(int x, int y, double widthPixels = 330, double heightPixels = 195) {
    FixtureChart chart = HandedOutChart();
    chart.row = 0;
    chart.column = 0;
    chart.xOffset = x;
    chart.yOffset = y;
    chart.widthPixels = widthPixels;
    chart.heightPixels = heightPixels;
    return chart;
  }
};

TEST_F(Question0402Files, TheExactSizeAtTheCornerPasses) {
  EXPECT_EQ(VerdictOn(402, PlacedAt(13, 13)), "own:");  // 9.75 points
  EXPECT_EQ(VerdictOn(402, PlacedAt(0, 0)), "own:");
}

TEST_F(Question0402Files, TenAndAHalfPointsFromTheEdgeGiveB) {
  EXPECT_EQ(VerdictOn(402, PlacedAt(14, 0)), "own:B");  // 14 pixels: 10.5 points
  EXPECT_EQ(VerdictOn(402, PlacedAt(0, 14)), "own:B");
}

TEST_F(Question0402Files, APixelLessOrTheHandedOutSizeGivesA) {
  EXPECT_EQ(VerdictOn(402, PlacedAt(0, 0, 329, 195)), "own:A");  // 246.75 points wide
  EXPECT_EQ(VerdictOn(402, PlacedAt(0, 0, 330, 196)), "own:A");
  EXPECT_EQ(VerdictOn(402, HandedOutChart()), "own:A");
}

}  // namespace
}  // namespace k27093::testing
