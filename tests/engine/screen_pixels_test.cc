// Where drawn objects lie as the object model reports them: the legacy collections
// (ChartObjects, TextBoxes, CheckBoxes) in whole screen pixels, Shapes in the points stored,
// for objects placed through the object model.
#include "engine/drawings/screen_pixels.h"

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

TEST(ScreenPixels, PointsRoundToTheNearestWholePixel) {
  EXPECT_EQ(WholePixels(247.5), 247.5);
  EXPECT_EQ(WholePixels(247.4929), 247.5);  // 8731 hundredths of a millimetre
  EXPECT_EQ(WholePixels(146.2394), 146.25);
  EXPECT_EQ(WholePixels(10), 9.75);  // 13.33 pixels
  EXPECT_EQ(WholePixels(10.3), 10.5);
  EXPECT_EQ(WholePixels(111.7395), 111.75);
  EXPECT_EQ(WholePixels(36.77457), 36.75);
  EXPECT_EQ(WholePixels(0.38), 0.75);  // 0.51 pixel
  EXPECT_EQ(WholePixels(0.37), 0.0);
}

TEST(ScreenPixels, APixelAndAHalfRoundsAwayFromZero) {
  EXPECT_EQ(WholePixels(1.125), 1.5);
  EXPECT_EQ(WholePixels(1.875), 2.25);  // 2.5 pixels
  EXPECT_EQ(WholePixels(-1.125), -1.5);
}

class DrawnGeometryTest : public EngineTest {
 protected:
  void SetUp() override { sheet = AsWorksheet(OpenSales()->Sheets()->Item(Variant(1))); }

  Ref<xl::Shape> ShapeNamed(const std::string& name) {
    return sheet->Shapes()->Item(Variant(name));
  }

  Ref<xl::Worksheet> sheet;
};

TEST_F(DrawnGeometryTest, AChartObjectReadsWholePixelsAndItsShapeTheStoredPoints) {
  auto object = sheet->ChartObjects()->Add(10.3, 10, 247.6, 146.2);
  EXPECT_EQ(object->Left(), 10.5);
  EXPECT_EQ(object->Top(), 9.75);
  EXPECT_EQ(object->Width(), 247.5);
  EXPECT_EQ(object->Height(), 146.25);
  auto shape = ShapeNamed(object->Name());
  EXPECT_EQ(shape->Left(), 10.3);
  EXPECT_EQ(shape->Top(), 10);
  EXPECT_EQ(shape->Width(), 247.6);
  EXPECT_EQ(shape->Height(), 146.2);
}

TEST_F(DrawnGeometryTest, AValueSetIsKeptAndReadBackInWholePixels) {
  auto object = sheet->ChartObjects()->Add(0, 0, 100, 100);
  object->SetLeft(10.5);
  object->SetTop(10.3);
  object->SetWidth(247.6);
  object->SetHeight(146.25);
  EXPECT_EQ(object->Left(), 10.5);
  EXPECT_EQ(object->Top(), 10.5);
  EXPECT_EQ(object->Width(), 247.5);
  EXPECT_EQ(object->Height(), 146.25);
  auto shape = ShapeNamed(object->Name());
  EXPECT_EQ(shape->Top(), 10.3);
  EXPECT_EQ(shape->Width(), 247.6);
  // A Shape's own setting is read back as the legacy view shows it.
  shape->SetWidth(247);
  EXPECT_EQ(object->Width(), 246.75);
  EXPECT_EQ(shape->Width(), 247);
}

TEST_F(DrawnGeometryTest, TextBoxesAndCheckBoxesReadWholePixels) {
  auto box = sheet->TextBoxes()->Add(0.3, 111.7395, 36.77457, 12.76425);
  EXPECT_EQ(box->Left(), 0);
  EXPECT_EQ(box->Top(), 111.75);
  EXPECT_EQ(box->Width(), 36.75);
  EXPECT_EQ(box->Height(), 12.75);
  EXPECT_EQ(ShapeNamed(box->Name())->Top(), 111.7395);

  auto check = sheet->CheckBoxes()->Add(1.125, 20.1, 60.2, 12.4);
  EXPECT_EQ(check->Left(), 1.5);
  EXPECT_EQ(check->Top(), 20.25);
  EXPECT_EQ(check->Width(), 60);
  EXPECT_EQ(check->Height(), 12.75);
  EXPECT_EQ(ToDouble(GetProperty(Variant(check), "Width")), 60);
  EXPECT_EQ(ShapeNamed(check->Name())->Width(), 60.2);
}

}  // namespace
}  // namespace k27093::engine::testing
