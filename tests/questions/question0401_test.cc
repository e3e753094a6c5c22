// Exercise 401 graded on a workbook the learner changed through the object model, the way a
// learner's macro would.
#include <array>

#include "module/module_fixture.h"

namespace k27093::testing {
namespace {

std::string RowFormula(std::string_view sheet, int row, int order) {
  const std::string r = std::to_string(row);
  const std::string quoted = "'" + std::string(sheet) + "'!";
  return "=SERIES(" + quoted + "$E$" + r + "," + quoted + "$F$3:$G$3," + quoted + "$F$" + r +
         ":$G$" + r + "," + std::to_string(order) + ")";
}

class Question0401Test : public ModuleTest {
 protected:
  void SetUp() override {
    StageModel(401);
    Start(401);
  }
  Ref<xl::Chart> AddChart() { return Sheet(1)->ChartObjects()->Add(200, 150, 360, 216)->Chart(); }
  // The right chart: four series in rows, in order.
  Ref<xl::Chart> AddRightChart(int seriesCount = 4) {
    auto chart = AddChart();
    for (int i = 1; i <= seriesCount; ++i) {
      chart->SeriesCollection()->NewSeries()->SetFormula(RowFormula("Année N", 3 + i, i));
    }
    return chart;
  }
};

TEST_F(Question0401Test, TheRightChartPassesWithAnEmptyVerdictAndNoComplement) {
  AddRightChart();
  EXPECT_EQ(Verdict(), "own:");
  EXPECT_EQ(module_.Complement()->count(), 0);
}

TEST_F(Question0401Test, NoChartGivesHAndTwoChartsGiveI) {
  EXPECT_EQ(Verdict(), "own:H");
  AddRightChart();
  AddChart();
  EXPECT_EQ(Verdict(), "own:I");
}

TEST_F(Question0401Test, StackedColumnsOrBarsGiveA) {
  auto chart = AddRightChart();
  chart->SetChartType(xl::chart_type::kColumnStacked);
  EXPECT_EQ(Verdict(), "own:A");
  chart->SetChartType(xl::chart_type::kBarClustered);
  EXPECT_EQ(Verdict(), "own:A");
}

TEST_F(Question0401Test, ThreeSeriesGiveBAndFiveGiveC) {
  auto chart = AddRightChart(3);
  EXPECT_EQ(Verdict(), "own:B");
  chart->SeriesCollection()->NewSeries()->SetFormula(RowFormula("Année N", 7, 4));
  chart->SeriesCollection()->NewSeries()->SetFormula(RowFormula("Année N", 7, 5));
  EXPECT_EQ(Verdict(), "own:C");
}

TEST_F(Question0401Test, MissingAxesGiveEAndF) {
  auto chart = AddRightChart();
  chart->SetHasAxis(xl::kValue, xl::kPrimary, false);
  EXPECT_EQ(Verdict(), "own:E");
  chart->SetHasAxis(xl::kValue, xl::kPrimary, true);
  chart->SetHasAxis(xl::kCategory, xl::kPrimary, false);
  EXPECT_EQ(Verdict(), "own:F");
}

TEST_F(Question0401Test, CategoryLabelsSwitchedOffGiveE) {
  auto chart = AddRightChart();
  chart->Axes(xl::kCategory, xl::kPrimary)->SetTickLabelPosition(xl::kTickLabelNone);
  EXPECT_EQ(Verdict(), "own:E");
}

TEST_F(Question0401Test, CategoryNamesInLowerCasePaddedOrSingleGiveF) {
  AddRightChart();
  Sheet(1)->Range("F3")->SetValue(Variant("trim 1"));
  EXPECT_EQ(Verdict(), "own:F");
  Sheet(1)->Range("F3")->SetValue(Variant("Trim 1"));
  Sheet(1)->Range("G3")->SetValue(Variant("Trim 2 "));
  EXPECT_EQ(Verdict(), "own:F");
}

TEST_F(Question0401Test, ASingleCategoryGivesF) {
  auto chart = AddChart();
  for (int i = 1; i <= 4; ++i) {
    const std::string r = std::to_string(3 + i);
    chart->SeriesCollection()->NewSeries()->SetFormula("=SERIES('Année N'!$E$" + r +
                                                       ",'Année N'!$F$3,'Année N'!$F$" + r + "," +
                                                       std::to_string(i) + ")");
  }
  EXPECT_EQ(Verdict(), "own:F");
}

TEST_F(Question0401Test, SeriesInAnotherOrderGiveD) {
  auto chart = AddChart();
  const std::array<int, 4> rows = {5, 4, 6, 7};
  for (int order = 1; order <= 4; ++order) {
    chart->SeriesCollection()->NewSeries()->SetFormula(
        RowFormula("Année N", rows[static_cast<std::size_t>(order - 1)], order));
  }
  EXPECT_EQ(Verdict(), "own:D");
}

TEST_F(Question0401Test, SeriesTakenByColumnsMakeTwoSeriesSoTheCountDecides) {
  auto chart = AddChart();
  chart->SeriesCollection()->NewSeries()->SetFormula(
      "=SERIES('Année N'!$F$3,'Année N'!$E$4:$E$7,'Année N'!$F$4:$F$7,1)");
  chart->SeriesCollection()->NewSeries()->SetFormula(
      "=SERIES('Année N'!$G$3,'Année N'!$E$4:$E$7,'Année N'!$G$4:$G$7,2)");
  EXPECT_EQ(Verdict(), "own:B");
}

TEST_F(Question0401Test, AnyTitleGivesG) {
  auto chart = AddRightChart();
  chart->SetHasTitle(true);
  EXPECT_EQ(Verdict(), "own:G");
  chart->SetHasTitle(false);
  chart->Axes(xl::kValue, xl::kPrimary)->SetHasTitle(true);
  EXPECT_EQ(Verdict(), "own:G");
  chart->Axes(xl::kValue, xl::kPrimary)->SetHasTitle(false);
  chart->Axes(xl::kCategory, xl::kPrimary)->SetHasTitle(true);
  EXPECT_EQ(Verdict(), "own:G");
}

TEST_F(Question0401Test, AWorkbookFixedAfterAFailedCheckPassesOnTheNextCheck) {
  auto chart = AddRightChart();
  chart->SetHasTitle(true);
  EXPECT_EQ(Verdict(), "own:G");
  chart->SetHasTitle(false);
  EXPECT_EQ(Verdict(), "own:");
}

}  // namespace
}  // namespace k27093::testing
