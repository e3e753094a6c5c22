// The .xls writer, checked through the binary reader on what its header promises: the sheets,
// the table and the marker comment, the chart object's place and size in points, the chart's
// own shapes with their names, kinds, places, colours and order, the chart area's texture, the
// print size, and the answer workbook's protected check boxes.
#include "support/xls_workbook_writer.h"

#include <gtest/gtest.h>

#include "readers/xls/reader.h"

namespace k27093::testsupport {
namespace {

using document::DrawingObjectData;
using Kind = DrawingObjectData::Kind;

constexpr double kChartGrid = 146.25 / 4000;  // a chart anchor's step in the chart's height

XlsChartShape UnitTextBox(std::string name = "Text Box 2") {
  XlsChartShape box;
  box.kind = XlsChartShape::Kind::TextBox;
  box.objectId = 2;
  box.name = std::move(name);
  box.top = 111.7395, box.width = 36.77457, box.height = 12.76425;
  box.text = "x1000";
  return box;
}

XlsChartShape Scroll() {
  XlsChartShape scroll;
  scroll.objectId = 3;
  scroll.shapeType = 98;
  scroll.top = 105.7759, scroll.width = 32.98276, scroll.height = 23.99394;
  scroll.fill = 0xCCFFFF;
  scroll.line = 0xFF0000;
  return scroll;
}

document::WorkbookData Read(const XlsExerciseWorkbook& workbook) {
  return xls::ReadWorkbookBytes(XlsWorkbookBytes(workbook), "written.xls");
}

TEST(XlsWorkbookWriter, WritesBothSheetsWithTheTableAndTheMarkerComment) {
  const document::WorkbookData book = Read({});
  ASSERT_EQ(book.sheets.size(), 2u);
  EXPECT_EQ(book.activeSheet, 0u);
  for (const document::SheetData& sheet : book.sheets) {
    EXPECT_EQ(sheet.cells.size(), 14u) << sheet.name;
    ASSERT_EQ(sheet.comments.size(), 1u) << sheet.name;
    EXPECT_EQ(sheet.comments[0].row, 9);
    EXPECT_EQ(sheet.comments[0].column, 7);
    EXPECT_EQ(sheet.comments[0].author, "Formateur");
    EXPECT_EQ(sheet.comments[0].text.rfind("Cette annotation est utilisée comme repère", 0), 0u);
  }
  EXPECT_EQ(book.sheets[0].name, "Année N");
  EXPECT_EQ(book.sheets[1].name, "Année N-1");
}

TEST(XlsWorkbookWriter, PlacesTheChartObjectAtB11InPointsAsTheXlsxDoes) {
  const document::SheetData sheet = Read({}).sheets[0];
  ASSERT_EQ(sheet.drawing.size(), 1u);
  const DrawingObjectData& chart = sheet.drawing[0];
  EXPECT_EQ(chart.kind, Kind::Chart);
  EXPECT_EQ(chart.name, "Chart 1");
  EXPECT_DOUBLE_EQ(chart.geometry.left, 48);
  EXPECT_DOUBLE_EQ(chart.geometry.top, 150);
  EXPECT_DOUBLE_EQ(chart.geometry.width, 247.5);
  EXPECT_DOUBLE_EQ(chart.geometry.height, 146.25);
  ASSERT_EQ(sheet.charts.size(), 1u);
  ASSERT_EQ(sheet.charts[0].series.size(), 4u);
  EXPECT_EQ(sheet.charts[0].series[3].values.reference, "'Année N'!$F$7:$G$7");
}

TEST(XlsWorkbookWriter, ChartShapesKeepKindDefaultOrStatedNamePlaceColoursAndOrder) {
  XlsExerciseWorkbook workbook;
  workbook.chartShapes = {Scroll(), UnitTextBox("TextBox 1")};
  const std::vector<DrawingObjectData> shapes = Read(workbook).sheets[0].charts[0].shapes;
  ASSERT_EQ(shapes.size(), 2u);
  const DrawingObjectData& scroll = shapes[0];
  EXPECT_EQ(scroll.kind, Kind::AutoShape);
  EXPECT_EQ(scroll.name, "AutoShape 3");  // none stated: Excel's name from the OBJ id
  EXPECT_EQ(scroll.preset, "horizontalScroll");
  ASSERT_TRUE(scroll.fill && scroll.fill->color);
  EXPECT_EQ(scroll.fill->color->rgb, 0xFFFFCC);  // CCFFFF as R + 256 G + 65536 B
  ASSERT_TRUE(scroll.line && scroll.line->color);
  EXPECT_EQ(scroll.line->color->rgb, 0x0000FF);
  const DrawingObjectData& box = shapes[1];
  EXPECT_EQ(box.kind, Kind::TextBox);
  EXPECT_EQ(box.name, "TextBox 1");  // stated as wzName
  ASSERT_TRUE(box.text);
  EXPECT_EQ(box.text->text, "x1000");
  EXPECT_NEAR(box.geometry.top, 111.7395, kChartGrid / 2);
  EXPECT_NEAR(box.geometry.height, 12.76425, kChartGrid);
}

TEST(XlsWorkbookWriter, TexturedChartAreaIsATiledPictureNamedAfterItsPicture) {
  XlsExerciseWorkbook workbook;
  workbook.chartArea.kind = XlsChartAreaFill::Kind::Texture;
  const std::optional<document::FillData> fill = Read(workbook).sheets[0].charts[0].areaFill;
  ASSERT_TRUE(fill);
  EXPECT_EQ(fill->kind, document::FillData::Kind::Picture);
  EXPECT_TRUE(fill->tiled);
  EXPECT_EQ(fill->pictureName, "image1.png");

  workbook.chartArea.kind = XlsChartAreaFill::Kind::Solid;
  workbook.chartArea.color = 0xFFFFCC;
  const std::optional<document::FillData> solid = Read(workbook).sheets[0].charts[0].areaFill;
  ASSERT_TRUE(solid && solid->color);
  EXPECT_EQ(solid->kind, document::FillData::Kind::Solid);
  EXPECT_EQ(solid->color->rgb, 0xCCFFFF);
}

TEST(XlsWorkbookWriter, ChartOnTheSecondSheetShowsItsTableAndPrintSize) {
  XlsExerciseWorkbook workbook;
  workbook.chartSheet = 1;
  workbook.printSize = 3;
  const document::WorkbookData book = Read(workbook);
  EXPECT_TRUE(book.sheets[0].charts.empty());
  ASSERT_EQ(book.sheets[1].charts.size(), 1u);
  const document::ChartData& chart = book.sheets[1].charts[0];
  EXPECT_EQ(chart.series[0].name->reference, "'Année N-1'!$E$4");
  ASSERT_TRUE(chart.pageSetup && chart.pageSetup->chartSize);
  EXPECT_EQ(*chart.pageSetup->chartSize, 1);  // xlScreenSize
}

TEST(XlsWorkbookWriter, AnswerSheetIsProtectedWithItsInstructionAndFourCheckBoxes) {
  XlsAnswerWorkbook workbook;
  workbook.boxes = {0, 1, 2, 1};
  workbook.passwordHash = 0xDAA7;
  const document::WorkbookData book = xls::ReadWorkbookBytes(XlsWorkbookBytes(workbook), "a.xls");
  ASSERT_EQ(book.sheets.size(), 2u);
  EXPECT_EQ(book.sheets[0].name, "Analyse des résultats");
  const document::SheetData& answers = book.sheets[1];
  EXPECT_EQ(answers.name, "Réponses");
  EXPECT_TRUE(answers.protection.on);
  EXPECT_EQ(answers.protection.password.legacy, 0xDAA7);
  ASSERT_EQ(answers.drawing.size(), 5u);
  EXPECT_EQ(answers.drawing[0].name, "Consigne");
  EXPECT_EQ(answers.drawing[0].text->text, "Cochez les bonnes réponses");
  const std::int32_t expected[] = {-4146, 1, 2, 1};
  for (std::size_t i = 0; i < 4; ++i) {
    const DrawingObjectData& box = answers.drawing[i + 1];
    EXPECT_EQ(box.name, "Case à cocher " + std::to_string(i + 1));
    EXPECT_EQ(box.controlType, "CheckBox");
    EXPECT_EQ(box.checkValue, expected[i]);
    ASSERT_TRUE(box.text);
    EXPECT_EQ(box.text->text, "Réponse " + std::to_string(i + 1));
  }
}

}  // namespace
}  // namespace k27093::testsupport
