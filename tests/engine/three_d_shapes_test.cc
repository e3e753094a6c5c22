// Charts of 3-D bars of every shape (boxes, cylinders, cones, pyramids) and charts that
// combine kinds of plot, saved by LibreOffice Calc and made through the object model: their
// ChartType, and the legacy Type and SubType that follow from it.
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

namespace type = xl::chart_type;

const std::string kTestData = std::string(K27093_TEST_DATA) + "/";
constexpr std::int32_t k3DBarGallery = -4099;

class ThreeDShapesTest : public EngineTest {
 protected:
  Ref<xl::Chart> SavedChart(int index) {
    auto book = app->Workbooks()->Open(kTestData + "libreoffice-3d-shapes.xlsx");
    return AsWorksheet(book->Sheets()->Item(Variant(2)))
        ->ChartObjects()
        ->Item(Variant(index))
        ->Chart();
  }
  // A new chart of two series on the sales table.
  Ref<xl::Chart> NewChartOfTwoSeries() {
    auto book = OpenSales();
    auto chart = AddChart(AsWorksheet(book->Sheets()->Item(Variant(1))));
    chart->SeriesCollection()->NewSeries()->SetFormula("=SERIES(,,'Année N'!$F$4:$F$7,1)");
    chart->SeriesCollection()->NewSeries()->SetFormula("=SERIES(,,'Année N'!$G$4:$G$7,2)");
    return chart;
  }
};

TEST_F(ThreeDShapesTest, SavedThreeDimensionalBarsHaveTheTypeOfTheirShape) {
  struct Case {
    int chart;
    std::int32_t chartType, type, subType;
  };
  for (const Case& expected : std::vector<Case>{
           {1, type::kConeColClustered, type::k3DColumn, 1},
           {2, type::kConeBarStacked, k3DBarGallery, 2},
           {3, type::kCylinderColStacked100, type::k3DColumn, 3},
           {4, type::kPyramidCol, type::k3DColumn, 4},
           {5, 60, k3DBarGallery, 1},
       }) {
    SCOPED_TRACE(expected.chart);
    auto chart = SavedChart(expected.chart);
    EXPECT_EQ(chart->ChartType(), expected.chartType);
    EXPECT_EQ(chart->Type(), expected.type);
    EXPECT_EQ(chart->SubType(), expected.subType);
    app->ActiveWorkbook()->Close(false);
  }
}

TEST_F(ThreeDShapesTest, ASavedChartOfColumnsAndALineIsACombination) {
  auto chart = SavedChart(6);
  EXPECT_EQ(chart->ChartType(), type::kCombination);
  auto series = chart->SeriesCollection();
  ASSERT_EQ(series->Count(), 2);
  EXPECT_EQ(series->Item(Variant(1))->ChartType(), type::kColumnClustered);
  EXPECT_EQ(series->Item(Variant(2))->ChartType(), type::kLine);
  EXPECT_EQ(series->Item(Variant(2))->Type(), xl::gallery::kLine);
}

TEST_F(ThreeDShapesTest, EveryShapesTypeSetThroughTheObjectModelReadsBack) {
  auto chart = NewChartOfTwoSeries();
  for (std::int32_t shapeType = type::kCylinderColClustered; shapeType <= type::kPyramidCol;
       ++shapeType) {
    SCOPED_TRACE(shapeType);
    chart->SetChartType(shapeType);
    EXPECT_EQ(chart->ChartType(), shapeType);
    EXPECT_EQ(chart->SeriesCollection()->Item(Variant(2))->ChartType(), shapeType);
  }
  // Late-bound, as a learner's macro sets it.
  CallByName(Variant(chart), "ChartType", CallKind::Put, {Variant(type::kConeColClustered)});
  EXPECT_EQ(ToLong(GetProperty(Variant(chart), "ChartType")), type::kConeColClustered);
  EXPECT_EQ(chart->Type(), type::k3DColumn);
  EXPECT_EQ(chart->SubType(), 1);
}

TEST_F(ThreeDShapesTest, ALineSeriesAmongColumnsMakesACombination) {
  auto chart = NewChartOfTwoSeries();
  EXPECT_EQ(chart->ChartType(), type::kColumnClustered);
  chart->SeriesCollection()->Item(Variant(2))->SetChartType(type::kLine);
  EXPECT_EQ(chart->ChartType(), type::kCombination);
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(1))->ChartType(), type::kColumnClustered);
  // Cones and boxes are both 3-D columns: no combination.
  chart->SetChartType(type::k3DColumnClustered);
  chart->SeriesCollection()->Item(Variant(2))->SetChartType(type::kConeColClustered);
  EXPECT_NE(chart->ChartType(), type::kCombination);
}

}  // namespace
}  // namespace k27093::engine::testing
