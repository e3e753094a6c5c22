// Exercises 414 and 415: the unit text box "x1000" in the chart; for 415 also its place and
// size and one drawn horizontal scroll.
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

constexpr std::int32_t kHorizontalScroll = 102;
constexpr std::int32_t kRectangle = 1;

class UnitTextBoxTest : public ChartExerciseTest {
 protected:
  Ref<xl::TextBox> AddTextBox(std::string_view text, double left = 0, double top = 111.75,
                              double width = 36.75, double height = 12.75) {
    auto box = Chart()->TextBoxes()->Add(left, top, width, height);
    box->SetText(text);
    return box;
  }
  void AddShape(std::int32_t type) { Chart()->Shapes()->AddShape(type, 150, 10, 40, 30); }
};

class Question0414Test : public UnitTextBoxTest {
 protected:
  void SetUp() override { StartWith(414, HandedOutChart()); }
};

TEST_F(Question0414Test, TheUnitInAnyCasePasses) {
  AddTextBox("X1000");
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0414Test, NoTextBoxGivesAAndAnotherTextB) {
  EXPECT_EQ(Verdict(), "own:A");
  auto box = AddTextBox("x 1000");
  EXPECT_EQ(Verdict(), "own:B");
  box->SetText("x1000 ");
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0414Test, AnyTextBoxThatReadsTheUnitCounts) {
  AddTextBox("Ventes");
  AddTextBox("x1000");
  EXPECT_EQ(Verdict(), "own:");
}

class Question0415Test : public UnitTextBoxTest {
 protected:
  void SetUp() override {
    StartWith(415, HandedOutChart());
    Sheet(1)->Activate();
  }
};

TEST_F(Question0415Test, TheUnitInPlaceWithOneHorizontalScrollPasses) {
  AddTextBox("x1000");
  AddShape(kHorizontalScroll);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0415Test, TheFirstTextBoxReadingTheUnitIsTheOneMeasured) {
  AddTextBox("X1000");
  AddTextBox("x1000", 100, 20);
  AddShape(kHorizontalScroll);
  EXPECT_EQ(Verdict(), "own:");
}

// The text boxes report whole pixels: a quarter point lower still reads 111.75 (the nearest
// pixel), a pixel lower reads 112.5.
TEST_F(Question0415Test, MovedByAPixelGivesE) {
  AddTextBox("x1000", 0, 112);
  AddShape(kHorizontalScroll);
  EXPECT_EQ(Verdict(), "own:");
  Chart()->TextBoxes()->Item(Variant(1))->SetText("autre");
  AddTextBox("x1000", 0, 112.5);
  AddShape(kHorizontalScroll);
  EXPECT_EQ(Verdict(), "own:E");
}

TEST_F(Question0415Test, NoTwoOrAnotherShapeGiveBCAndD) {
  AddTextBox("x1000");
  EXPECT_EQ(Verdict(), "own:B");
  AddShape(kHorizontalScroll);
  AddShape(kHorizontalScroll);
  EXPECT_EQ(Verdict(), "own:C");
}

TEST_F(Question0415Test, AnotherKindOfShapeGivesD) {
  AddTextBox("x1000");
  AddShape(kRectangle);
  EXPECT_EQ(Verdict(), "own:D");
}

TEST_F(Question0415Test, NoUnitGivesA) {
  EXPECT_EQ(Verdict(), "own:A");
  AddTextBox("x 1000");
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0415Test, TheCheckLeavesTheChartAreaSelected) {
  AddTextBox("x1000");
  AddShape(kHorizontalScroll);
  Verdict();
  const Variant selection = application_->Selection();
  EXPECT_EQ(ToObject<Dispatch>(selection)->TypeName(), "ChartArea");
}

}  // namespace
}  // namespace k27093::testing
