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

}  // namespace
}  // namespace k27093::testing
