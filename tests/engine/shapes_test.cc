// Drawn objects: the naming counter, z-order, look-ups and their errors, colours, text boxes,
// check boxes with protection, and selection.
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

class ShapesTest : public EngineTest {
 protected:
  void SetUp() override { sheet = AsWorksheet(OpenSales()->Sheets()->Item(Variant(1))); }

  Ref<xl::Worksheet> sheet;
};

TEST_F(ShapesTest, DrawnObjectsShareOneNamingCounterPerDrawing) {
  auto chart = sheet->ChartObjects()->Add(0, 0, 200, 100);
  auto textBox = sheet->Shapes()->AddTextbox(1, 0, 0, 50, 20);
  auto shape = sheet->Shapes()->AddShape(1, 0, 0, 30, 30);
  auto checkBox = sheet->CheckBoxes()->Add(0, 0, 40, 12);
  EXPECT_EQ(chart->Name(), "Chart 1");
  EXPECT_EQ(textBox->Name(), "Text Box 2");
  EXPECT_EQ(shape->Name(), "AutoShape 3");
  EXPECT_EQ(checkBox->Name(), "Check Box 4");
  EXPECT_EQ(sheet->TextBoxes()->Add(0, 0, 10, 10)->Name(), "Text Box 5");
}

TEST_F(ShapesTest, AChartHasItsOwnCounter) {
  sheet->Shapes()->AddShape(1, 0, 0, 30, 30);
  auto chart = AddChart(sheet);
  auto textBox = chart->TextBoxes()->Add(0, 111.75, 36.75, 12.75);
  auto shape = chart->Shapes()->AddShape(102, 0, 0, 30, 20);
  EXPECT_EQ(textBox->Name(), "Text Box 1");
  EXPECT_EQ(shape->Name(), "AutoShape 2");
  EXPECT_EQ(chart->Shapes()->Count(), 2);
  EXPECT_EQ(sheet->Shapes()->Count(), 2);
}

TEST_F(ShapesTest, ShapeTypesTellTheKindOfObject) {
  sheet->ChartObjects()->Add(0, 0, 200, 100);
  sheet->Shapes()->AddTextbox(1, 0, 0, 50, 20);
  sheet->Shapes()->AddShape(102, 0, 0, 30, 30);
  sheet->CheckBoxes()->Add(0, 0, 40, 12);
  auto shapes = sheet->Shapes();
  ASSERT_EQ(shapes->Count(), 4);
  EXPECT_EQ(shapes->Item(Variant(1))->Type(), xl::kMsoChart);
  EXPECT_EQ(shapes->Item(Variant(2))->Type(), xl::kMsoTextBox);
  EXPECT_EQ(shapes->Item(Variant(3))->Type(), xl::kMsoAutoShape);
  EXPECT_EQ(shapes->Item(Variant(3))->AutoShapeType(), 102);
  EXPECT_EQ(shapes->Item(Variant(4))->Type(), xl::kMsoFormControl);
  EXPECT_EQ(shapes->Item(Variant(2))->AutoShapeType(), xl::kMsoShapeRectangle);
}

TEST_F(ShapesTest, ZOrderPositionCountsFromTheBack) {
  auto chart = AddChart(sheet);
  auto shape = chart->Shapes()->AddShape(1, 0, 105.75, 33, 24);
  auto textBox = chart->Shapes()->AddTextbox(1, 0, 111.75, 36.75, 12.75);
  EXPECT_EQ(shape->ZOrderPosition(), 1);
  EXPECT_EQ(textBox->ZOrderPosition(), 2);
  EXPECT_EQ(chart->Shapes()->Item(Variant(2))->Name(), "Text Box 2");
  shape->Delete();
  EXPECT_EQ(textBox->ZOrderPosition(), 1);
}

TEST_F(ShapesTest, LookUpByMissingNameRaisesItemNotFound) {
  auto chart = AddChart(sheet);
  chart->Shapes()->AddShape(1, 0, 0, 10, 10);
  EXPECT_EQ(chart->Shapes()->Item(Variant("autoshape 1"))->Name(), "AutoShape 1");
  Error missing = CaughtError([&] { chart->Shapes()->Item(Variant("AutoShape 3")); });
  EXPECT_EQ(missing.number(), -2147024809);
  EXPECT_EQ(missing.description(), "The item with the specified name wasn't found.");
  EXPECT_EQ(CaughtError([&] { chart->Shapes()->Item(Variant(2)); }).number(), -2147024809);
}

TEST_F(ShapesTest, NewShapesAreFilledWhiteAndOutlinedBlack) {
  auto shape = sheet->Shapes()->AddShape(1, 0, 0, 10, 10);
  auto textBox = sheet->Shapes()->AddTextbox(1, 0, 0, 10, 10);
  EXPECT_EQ(shape->Fill()->ForeColor()->RGB(), 16777215);
  EXPECT_EQ(shape->Line()->ForeColor()->RGB(), 0);
  EXPECT_EQ(textBox->Fill()->ForeColor()->RGB(), 16777215);
  EXPECT_EQ(textBox->Line()->ForeColor()->RGB(), 0);
  shape->Fill()->ForeColor()->SetRGB(255 + 256 * 204);
  shape->Line()->ForeColor()->SetRGB(65536 * 128);
  auto again = sheet->Shapes()->Item(Variant("AutoShape 1"));
  EXPECT_EQ(again->Fill()->ForeColor()->RGB(), 52479);
  EXPECT_EQ(again->Line()->ForeColor()->RGB(), 8388608);
  EXPECT_EQ(CaughtError([&] { again->Fill()->ForeColor()->SetRGB(-5); }).number(), -2147024809);
}

TEST_F(ShapesTest, ShapeGeometryCanBeChanged) {
  auto shape = sheet->Shapes()->AddShape(1, 1, 2, 3, 4);
  shape->SetLeft(0);
  shape->SetTop(105.7759);
  shape->SetWidth(32.98276);
  shape->SetHeight(23.99394);
  EXPECT_EQ(shape->Left(), 0);
  EXPECT_EQ(shape->Top(), 105.7759);
  EXPECT_EQ(shape->Width(), 32.98276);
  EXPECT_EQ(shape->Height(), 23.99394);
  EXPECT_EQ(CaughtError([&] { shape->SetWidth(-1); }).number(), -2147024809);
  EXPECT_EQ(CaughtError([&] { sheet->Shapes()->AddShape(0, 0, 0, 1, 1); }).number(), -2147024809);
}

TEST_F(ShapesTest, TextBoxesKeepTheirTextAndOrder) {
  auto chart = AddChart(sheet);
  auto boxes = chart->TextBoxes();
  auto first = boxes->Add(0, 111.75, 36.75, 12.75);
  auto second = boxes->Add(5, 5, 20, 10);
  first->SetText("x1000");
  second->SetText("X1000");
  EXPECT_EQ(boxes->Count(), 2);
  EXPECT_EQ(boxes->Item(Variant(1))->Text(), "x1000");
  EXPECT_EQ(boxes->Item(Variant("text box 2"))->Text(), "X1000");
  EXPECT_EQ(boxes->Item(Variant(1))->Top(), 111.75);
  Error missing = CaughtError([&] { boxes->Item(Variant(3)); });
  EXPECT_EQ(missing.number(), 1004);
  EXPECT_EQ(missing.description(), "Unable to get the TextBoxes property of the Chart class");
}

TEST_F(ShapesTest, CheckBoxValuesAreOnOffOrMixed) {
  auto box = sheet->CheckBoxes()->Add(0, 0, 40, 12);
  EXPECT_EQ(box->Value(), xl::kOff);
  box->SetValue(xl::kOn);
  EXPECT_EQ(box->Value(), xl::kOn);
  box->SetValue(xl::kMixed);
  EXPECT_EQ(sheet->CheckBoxes()->Item(Variant(1))->Value(), xl::kMixed);
  box->SetValue(0);
  EXPECT_EQ(box->Value(), xl::kOff);
  EXPECT_EQ(CaughtError([&] { box->SetValue(7); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { sheet->CheckBoxes()->Item(Variant("Absent")); }).number(), 1004);
}

TEST_F(ShapesTest, ProtectedSheetFreezesCheckBoxesAndTheirSelection) {
  auto box = sheet->CheckBoxes()->Add(0, 0, 40, 12);
  sheet->Protect("");
  EXPECT_EQ(CaughtError([&] { box->SetValue(xl::kOn); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { sheet->Shapes()->Item(Variant("Check Box 1"))->Select(); }).number(),
            1004);
  sheet->Unprotect("");
  box->SetValue(xl::kOn);
  EXPECT_EQ(box->Value(), xl::kOn);
}

TEST_F(ShapesTest, SelectingACheckBoxShapeSelectsTheCheckBox) {
  auto box = sheet->CheckBoxes()->Add(0, 0, 40, 12);
  box->SetValue(xl::kOn);
  sheet->Shapes()->Item(Variant("Check Box 1"))->Select();
  Variant selection = app->Selection();
  EXPECT_EQ(ToLong(GetProperty(selection, "Value")), xl::kOn);
  EXPECT_EQ(ToObject<xl::CheckBox>(selection)->Name(), "Check Box 1");
}

TEST_F(ShapesTest, SelectingATextBoxOfAChartActivatesTheChart) {
  auto chart = AddChart(sheet);
  chart->TextBoxes()->Add(0, 0, 10, 10)->Select();
  EXPECT_TRUE(app->ActiveChart().Is(chart));
  EXPECT_EQ(ToObject<xl::TextBox>(app->Selection())->Name(), "Text Box 1");
}

TEST_F(ShapesTest, ShapesOfAnInactiveSheetCannotBeSelected) {
  auto other = AsWorksheet(app->ActiveWorkbook()->Sheets()->Item(Variant(2)));
  auto shape = other->Shapes()->AddShape(1, 0, 0, 10, 10);
  EXPECT_EQ(CaughtError([&] { shape->Select(); }).number(), 1004);
  other->Activate();
  shape->Select();
  EXPECT_EQ(ToObject<xl::Shape>(app->Selection())->Name(), "AutoShape 1");
}

TEST_F(ShapesTest, DeletedShapeIsNoLongerSelectedNorUsable) {
  auto shape = sheet->Shapes()->AddShape(1, 0, 0, 10, 10);
  shape->Select();
  shape->Delete();
  EXPECT_EQ(sheet->Shapes()->Count(), 0);
  EXPECT_FALSE(app->Selection().AsObject());
  EXPECT_EQ(CaughtError([&] { shape->Name(); }).number(), kObjectDisconnected);
}

}  // namespace
}  // namespace k27093::engine::testing
