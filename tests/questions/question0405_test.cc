// Exercise 405: the chart's text in Arial at a size other than 11, the title in another font
// at size 11.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

class Question0405Test : public ChartExerciseTest {
 protected:
  void SetUp() override { StartWith(405, HandedOutChart()); }
  void AreaFont(std::string_view name, double size) {
    auto font = Chart()->ChartArea()->Font();
    font->SetName(name);
    font->SetSize(size);
  }
  void TitleFont(std::string_view name, double size) {
    auto font = Chart()->ChartTitle()->Font();
    font->SetName(name);
    font->SetSize(size);
  }
};

TEST_F(Question0405Test, ArialTextWithATitleInAnotherFontAtElevenPasses) {
  AreaFont("Arial", 10);
  TitleFont("Times New Roman", 11);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0405Test, TheChartAreaAtElevenOrInAnotherFontGivesD) {
  AreaFont("Arial", 11);
  EXPECT_EQ(Verdict(), "own:D");
  AreaFont("arial", 10);
  EXPECT_EQ(Verdict(), "own:D");
  AreaFont("Verdana", 10);
  EXPECT_EQ(Verdict(), "own:D");
}

TEST_F(Question0405Test, NoTitleGivesA) {
  AreaFont("Arial", 10);
  Chart()->SetHasTitle(false);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0405Test, ATitleInArialGivesCAndAtAnotherSizeB) {
  AreaFont("Arial", 10);
  TitleFont("Arial", 11);
  EXPECT_EQ(Verdict(), "own:C");
  TitleFont("Times New Roman", 12);
  EXPECT_EQ(Verdict(), "own:B");
}

class Question0405Files : public ChartExerciseTest {
 protected:
  // The chart with its title, tick labels and legend in the given fonts.
  static testsupport::FixtureChart WithFonts(testsupport::FixtureFont title,
                                             testsupport::FixtureFont text) {
    testsupport::FixtureChart chart = HandedOutChart();
    chart.titleFont = std::move(title);
    chart.categoryAxisFont = text;
    chart.valueAxisFont = text;
    chart.legendFont = text;
    return chart;
  }
};

TEST_F(Question0405Files, ArialTextWithATitleInAnotherFontAtElevenPasses) {
  EXPECT_EQ(VerdictOn(405, WithFonts({"Times New Roman", 11}, {"Arial", 10})), "own:");
}

TEST_F(Question0405Files, AllTextInArialElevenOrInTheThemesFontGivesD) {
  EXPECT_EQ(VerdictOn(405, WithFonts({"Arial", 11}, {"Arial", 11})), "own:D");
  EXPECT_EQ(VerdictOn(405, HandedOutChart()), "own:D");  // the theme's Calibri
  EXPECT_EQ(VerdictOn(405, WithFonts({"arial", 11}, {"arial", 10})), "own:D");
}

TEST_F(Question0405Files, TheTitleInArialGivesCAndAtTwelveB) {
  EXPECT_EQ(VerdictOn(405, WithFonts({"Arial", 11}, {"Arial", 10})), "own:C");
  EXPECT_EQ(VerdictOn(405, WithFonts({"Times New Roman", 12}, {"Arial", 10})), "own:B");
}

}  // namespace
}  // namespace k27093::testing
