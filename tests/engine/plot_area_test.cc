// The plot area through the object model: its outer and inner boxes on a learner's chart,
// a height set and read back exactly and kept within the chart, an automatic layout that
// follows the title, the legend, the labels and the chart's size, charts without axes or
// series, and the late-bound members.
#include <string>

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

class PlotAreaTest : public EngineTest {
 protected:
  void SetUp() override {
    sheet = AsWorksheet(OpenSales()->Sheets()->Item(Variant(1)));
    chart = AddChart(sheet);
    object = sheet->ChartObjects()->Item(Variant(1));
    object->SetWidth(247.5);
    object->SetHeight(146.25);
    for (int row = 4; row <= 7; ++row) {
      std::string r = std::to_string(row);
      chart->SeriesCollection()->NewSeries()->SetFormula(
          "=SERIES('Année N'!$E$" + r + ",'Année N'!$F$3:$G$3,'Année N'!$F$" + r + ":$G$" + r +
          "," + std::to_string(row - 3) + ")");
    }
    chart->SetHasTitle(true);
    chart->ChartTitle()->SetText("Ventes");
    plot = chart->PlotArea();
  }

  Ref<xl::Worksheet> sheet;
  Ref<xl::Chart> chart;
  Ref<xl::ChartObject> object;
  Ref<xl::PlotArea> plot;
};

TEST_F(PlotAreaTest, ASetHeightReadsBackExactly) {
  for (double height : {80.25, 80.0, 79.5, 80.4375}) {
    plot->SetHeight(height);
    EXPECT_EQ(plot->Height(), height);
    EXPECT_EQ(chart->PlotArea()->Height(), height);
  }
  SetProperty(Variant(plot), "Height", Variant(80.25));
  EXPECT_EQ(GetProperty(Variant(plot), "Height").AsDouble(), 80.25);
}

TEST_F(PlotAreaTest, ASetHeightStaysWithinTheChart) {
  plot->SetHeight(1000);
  EXPECT_EQ(plot->Height(), 146.25);
  EXPECT_EQ(plot->Top(), 0);
  plot->SetHeight(-5);
  EXPECT_EQ(plot->Height(), 0);
  plot->SetHeight(140);
  EXPECT_EQ(plot->Height(), 140);
  EXPECT_LE(plot->Top() + plot->Height(), 146.25);
}

TEST_F(PlotAreaTest, ASetPlotAreaKeepsItsHeightWithoutTitleOrLegend) {
  plot->SetHeight(80.25);
  chart->SetHasTitle(false);
  EXPECT_EQ(plot->Height(), 80.25);
  chart->SetHasLegend(false);
  EXPECT_EQ(plot->Height(), 80.25);
}

TEST_F(PlotAreaTest, AnAutomaticPlotAreaGainsTheRoomOfARemovedTitleOrLegend) {
  double titled = plot->Height();
  chart->SetHasTitle(false);
  EXPECT_GT(plot->Height(), titled);
  double withLegendAtTheRight = plot->Width();
  chart->Legend()->SetPosition(xl::kLegendBottom);
  double withLegendBelow = plot->Height();
  EXPECT_GT(plot->Width(), withLegendAtTheRight);
  chart->SetHasLegend(false);
  EXPECT_GT(plot->Height(), withLegendBelow);
}

TEST_F(PlotAreaTest, AnAutomaticPlotAreaFollowsTheChartObjectsSize) {
  double height = plot->Height();
  double top = plot->Top();
  double width = plot->Width();
  object->SetHeight(292.5);
  object->SetWidth(347.25);
  EXPECT_DOUBLE_EQ(plot->Height() - height, 146.25);
  EXPECT_DOUBLE_EQ(plot->Width() - width, 99.75);
  EXPECT_EQ(plot->Top(), top);
}

TEST_F(PlotAreaTest, WiderValueLabelsWidenTheBandAtTheLeft) {
  double band = plot->InsideLeft() - plot->Left();           // labels 0 to 800
  chart->Axes(xl::kValue, xl::kPrimary)->SetMajorUnit(250);  // 0 to 1000
  EXPECT_GT(plot->InsideLeft() - plot->Left(), band);
  chart->SetChartType(xl::chart_type::kColumnStacked100);  // 0% to 100%
  EXPECT_GT(plot->InsideLeft() - plot->Left(), band);
}

TEST_F(PlotAreaTest, ABarChartHasItsCategoryNamesAtTheLeft) {
  double columnBand = plot->InsideLeft() - plot->Left();  // "800" at most
  double columnTop = plot->InsideTop() - plot->Top();
  chart->SetChartType(xl::chart_type::kBarClustered);  // "Trim 1", "Trim 2"
  EXPECT_GT(plot->InsideLeft() - plot->Left(), columnBand);
  EXPECT_LT(plot->InsideTop() - plot->Top(), columnTop);
  // The last value label below overhangs the plot's right side.
  EXPECT_LT(plot->InsideLeft() + plot->InsideWidth(), plot->Left() + plot->Width());
}

TEST_F(PlotAreaTest, APieChartHasASquarePlotInside) {
  chart->SetChartType(xl::chart_type::kPie);
  EXPECT_EQ(plot->InsideWidth(), plot->InsideHeight());
  EXPECT_GT(plot->InsideHeight(), 0);
  EXPECT_LE(plot->InsideHeight(), plot->Height());
}

TEST_F(PlotAreaTest, AChartWithoutSeriesOrAxesStillHasAPlotArea) {
  auto empty = sheet->ChartObjects()->Add(0, 0, 247.5, 146.25)->Chart();
  auto emptyPlot = empty->PlotArea();
  EXPECT_GT(emptyPlot->InsideHeight(), 0);
  EXPECT_LT(emptyPlot->InsideHeight(), emptyPlot->Height());
  empty->SetHasAxis(xl::kValue, xl::kPrimary, false);
  empty->SetHasAxis(xl::kCategory, xl::kPrimary, false);
  EXPECT_GT(emptyPlot->Height(), 0);
  EXPECT_LT(emptyPlot->InsideTop() - emptyPlot->Top(), plot->InsideTop() - plot->Top());
}

TEST_F(PlotAreaTest, TheBoxesAreReadLateBound) {
  struct Member {
    const char* name;
    double value;
  };
  for (const Member& member :
       {Member{"Left", plot->Left()}, Member{"Top", plot->Top()}, Member{"Width", plot->Width()},
        Member{"Height", plot->Height()}, Member{"InsideLeft", plot->InsideLeft()},
        Member{"InsideTop", plot->InsideTop()}, Member{"InsideWidth", plot->InsideWidth()},
        Member{"InsideHeight", plot->InsideHeight()}}) {
    SCOPED_TRACE(member.name);
    EXPECT_EQ(GetProperty(Variant(plot), member.name).AsDouble(), member.value);
  }
}

}  // namespace
}  // namespace k27093::engine::testing
