// Exercises 416 and 417: the text box "Text Box 2" and the drawn shape "AutoShape 3" of the
// chart, their places, sizes and stacking order (416), their colours and the chart area's
// texture (417).
#include "questions/chart_exercise_fixture.h"

namespace k27093::testing {
namespace {

class ChartShapesTest : public ChartExerciseTest {
 protected:
  // The text box and the drawn shape where exercise 416 wants them; the one drawn last lies
  // in front.
  void DrawBoth(double boxTop = 111.7395, bool boxInFront = true) {
    auto shapes = Chart()->Shapes();
    auto drawBox = [&] {
      shapes->AddTextbox(1, 0, boxTop, 36.77457, 12.76425)->SetName("Text Box 2");
    };
    if (!boxInFront) drawBox();
    shapes->AddShape(1, 0, 105.7759, 32.98276, 23.99394)->SetName("AutoShape 3");
    if (boxInFront) drawBox();
  }
  Ref<xl::Shape> Shape(std::string_view name) { return Chart()->Shapes()->Item(Variant(name)); }
};

class Question0416Test : public ChartShapesTest {
 protected:
  void SetUp() override { StartWith(416, HandedOutChart()); }
};

TEST_F(Question0416Test, BothInPlaceWithTheTextBoxInFrontPass) {
  DrawBoth();
  EXPECT_EQ(Verdict(), "own:");
  Shape("AutoShape 3")->SetWidth(32.14016);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0416Test, NoShapesOrOnlyOneOfTheTwoGiveA) {
  EXPECT_EQ(Verdict(), "own:A");
  DrawBoth();
  Shape("AutoShape 3")->Delete();
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0416Test, ANameInAnotherCaseIsNotCounted) {
  DrawBoth();
  Shape("Text Box 2")->SetName("Text box 2");
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0416Test, AHundredthOfAPointOffGivesB) {
  DrawBoth(111.7495);
  EXPECT_EQ(Verdict(), "own:B");
  Shape("Text Box 2")->SetTop(111.7395);
  Shape("AutoShape 3")->SetWidth(33);
  EXPECT_EQ(Verdict(), "own:B");
  Shape("AutoShape 3")->SetWidth(32.98276);
  Shape("AutoShape 3")->SetTop(105.7859);
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0416Test, TheShapeInFrontGivesC) {
  DrawBoth(111.7395, false);
  EXPECT_EQ(Verdict(), "own:C");
}

class Question0417Test : public ChartShapesTest {
 protected:
  void SetUp() override { StartWith(417, HandedOutChart()); }
  void Colour(std::int32_t fill, std::int32_t line) {
    Shape("AutoShape 3")->Fill()->ForeColor()->SetRGB(fill);
    Shape("AutoShape 3")->Line()->ForeColor()->SetRGB(line);
  }
};

TEST_F(Question0417Test, AColouredShapeAndATexturedChartAreaPass) {
  DrawBoth();
  Colour(255, 16711680);
  Chart()->ChartArea()->Fill()->PresetTextured(1);
  EXPECT_EQ(Verdict(), "own:");
}

TEST_F(Question0417Test, NoShapeOfThatNameGivesA) { EXPECT_EQ(Verdict(), "own:A"); }

TEST_F(Question0417Test, AWhiteFillGivesBAndABlackOutlineC) {
  DrawBoth();
  EXPECT_EQ(Verdict(), "own:B");  // as drawn: white, outlined in black
  Colour(255, 0);
  EXPECT_EQ(Verdict(), "own:C");
}

TEST_F(Question0417Test, AChartAreaWithoutTextureGivesD) {
  DrawBoth();
  Colour(255, 16711680);
  EXPECT_EQ(Verdict(), "own:D");
}

}  // namespace
}  // namespace k27093::testing
