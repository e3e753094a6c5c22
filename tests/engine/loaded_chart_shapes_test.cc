// A chart's own drawing read from files: the text box and the drawn shape of exercises 414 to
// 417 as a chart drawing written the way Excel 2007 writes it states them, and as LibreOffice
// Calc saves the same workbook again (places in its own hundredths of a millimetre).
#include <string>

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

const std::string kTestData = std::string(K27093_TEST_DATA) + "/";

constexpr std::int32_t kMsoAutoShape = 1, kMsoTextBox = 17, kHorizontalScroll = 102;

class LoadedChartShapesTest : public EngineTest {
 protected:
  Ref<xl::Chart> ChartOf(const std::string& file) {
    auto book = app->Workbooks()->Open(kTestData + file);
    return AsWorksheet(book->Sheets()->Item(Variant(1)))->ChartObjects()->Item(Variant(1))->Chart();
  }
};

TEST_F(LoadedChartShapesTest, ShapesKeepTheirStoredNamesKindsAndStackingOrder) {
  auto shapes = ChartOf("excel2007-416-right.xlsx")->Shapes();
  ASSERT_EQ(shapes->Count(), 2);
  auto scroll = shapes->Item(Variant(1));
  auto box = shapes->Item(Variant(2));
  EXPECT_EQ(scroll->Name(), "AutoShape 3");
  EXPECT_EQ(scroll->Type(), kMsoAutoShape);
  EXPECT_EQ(scroll->AutoShapeType(), kHorizontalScroll);
  EXPECT_EQ(box->Name(), "Text Box 2");
  EXPECT_EQ(box->Type(), kMsoTextBox);
  EXPECT_LT(scroll->ZOrderPosition(), box->ZOrderPosition());

  auto inFront = ChartOf("excel2007-416-shape-in-front.xlsx")->Shapes();
  EXPECT_GT(inFront->Item(Variant("AutoShape 3"))->ZOrderPosition(),
            inFront->Item(Variant("Text Box 2"))->ZOrderPosition());
}

TEST_F(LoadedChartShapesTest, ShapesReportTheStoredPlaceAndTextBoxesWholePixels) {
  auto chart = ChartOf("excel2007-416-right.xlsx");
  auto box = chart->Shapes()->Item(Variant("Text Box 2"));
  EXPECT_DOUBLE_EQ(box->Left(), 0);
  EXPECT_NEAR(box->Top(), 111.7395, 1e-9);
  EXPECT_NEAR(box->Width(), 36.77457, 1e-9);
  EXPECT_NEAR(box->Height(), 12.76425, 1e-9);
  auto legacy = chart->TextBoxes()->Item(Variant(1));
  EXPECT_EQ(legacy->Text(), "x1000");
  EXPECT_EQ(legacy->Top(), 111.75);
  EXPECT_EQ(legacy->Width(), 36.75);
  EXPECT_EQ(legacy->Height(), 12.75);
}

TEST_F(LoadedChartShapesTest, StatedFillAndOutlineColoursAreRead) {
  auto scroll = ChartOf("excel2007-417-right.xlsx")->Shapes()->Item(Variant("AutoShape 3"));
  EXPECT_EQ(scroll->Fill()->ForeColor()->RGB(), 0xCC + 0xFF * 256 + 0xFF * 65536);  // CCFFFF
  EXPECT_EQ(scroll->Line()->ForeColor()->RGB(), 0xFF);                              // FF0000
}

TEST_F(LoadedChartShapesTest, LibreOfficeKeepsNamesKindsAndPlacesToItsOwnUnits) {
  auto chart = ChartOf("libreoffice-416-right.xlsx");
  auto shapes = chart->Shapes();
  ASSERT_EQ(shapes->Count(), 2);
  EXPECT_EQ(shapes->Item(Variant(1))->AutoShapeType(), kHorizontalScroll);
  auto box = shapes->Item(Variant("Text Box 2"));
  EXPECT_EQ(box->Type(), kMsoTextBox);
  // Within a hundredth of a millimetre (0.0284 pt) of the source, but not the exact decimals.
  EXPECT_NEAR(box->Top(), 111.7395, 0.03);
  EXPECT_NE(box->Top(), 111.7395);
  EXPECT_EQ(chart->TextBoxes()->Item(Variant(1))->Top(), 111.75);
}

}  // namespace
}  // namespace k27093::engine::testing
