// The sales workbook of the chart exercises written by an independent writer, with the charts
// a learner's spreadsheet program would save, opened and read through the object model as the
// checks read it.
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "support/workbook_fixtures.h"

namespace k27093::engine::testing {
namespace {

using testsupport::FixtureChart;
using testsupport::FixtureChartType;
using testsupport::VentesOptions;

std::string RowFormula(int row, int order) {
  std::string r = std::to_string(row);
  return "=SERIES('Année N'!$E$" + r + ",'Année N'!$F$3:$G$3,'Année N'!$F$" + r + ":$G$" + r + "," +
         std::to_string(order) + ")";
}

class LoadedExerciseChartsTest : public EngineTest {
 protected:
  // Opens the sales workbook whose first sheet holds `charts`.
  Ref<xl::Workbook> OpenWith(std::vector<FixtureChart> charts, VentesOptions options = {}) {
    options.sheets[0].charts = std::move(charts);
    std::string path = folder.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    return app->Workbooks()->Open(path);
  }
  Ref<xl::Worksheet> FirstSheet() {
    return AsWorksheet(app->ActiveWorkbook()->Sheets()->Item(Variant("année n")));
  }
  Ref<xl::Chart> ChartWith(FixtureChart chart) {
    OpenWith({std::move(chart)});
    return FirstSheet()->ChartObjects()->Item(Variant(1))->Chart();
  }
};

TEST_F(LoadedExerciseChartsTest, TheExpectedChartReadsAsTheCheckWantsIt) {
  OpenWith({FixtureChart{}});
  auto objects = FirstSheet()->ChartObjects();
  ASSERT_EQ(objects->Count(), 1);
  auto chart = objects->Item(Variant(1))->Chart();
  EXPECT_EQ(chart->Type(), 3);
  EXPECT_EQ(chart->SubType(), 1);
  EXPECT_EQ(chart->ChartType(), 51);
  EXPECT_EQ(SeriesFormulas(chart), (std::vector<std::string>{RowFormula(4, 1), RowFormula(5, 2),
                                                       RowFormula(6, 3), RowFormula(7, 4)}));
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(1))->Name(),
            std::string(testsupport::kProductNames[0]));
  EXPECT_TRUE(chart->HasAxis(xl::kValue, xl::kPrimary));
  EXPECT_TRUE(chart->HasAxis(xl::kCategory, xl::kPrimary));
  auto category = chart->Axes(xl::kCategory, xl::kPrimary);
  EXPECT_EQ(category->TickLabelPosition(), xl::kTickLabelNextToAxis);
  Variant names = category->CategoryNames();
  ASSERT_TRUE(names.IsArray());
  EXPECT_EQ(names.AsArray().lower, 1);
  EXPECT_EQ(names.AsArray().upper(), 2);
  EXPECT_EQ(ToText(names.AsArray().at(1)), "Trim 1");
  EXPECT_EQ(ToText(names.AsArray().at(2)), "Trim 2");
  EXPECT_FALSE(chart->HasTitle());
  EXPECT_FALSE(category->HasTitle());
  EXPECT_FALSE(chart->Axes(xl::kValue, xl::kPrimary)->HasTitle());
}

TEST_F(LoadedExerciseChartsTest, ALearnersNewChartTakesTheNextFreeNumber) {
  OpenWith({FixtureChart{}});
  auto objects = FirstSheet()->ChartObjects();
  EXPECT_EQ(objects->Item(Variant(1))->Name(), "Chart 1");
  auto added = objects->Add(0, 0, 247.5, 146.25);
  EXPECT_EQ(added->Name(), "Chart 2");
  EXPECT_EQ(objects->Count(), 2);
  EXPECT_EQ(FirstSheet()->TextBoxes()->Add(0, 0, 20, 10)->Name(), "Text Box 3");
}

TEST_F(LoadedExerciseChartsTest, SeriesInColumnsReadAsTwoSeries) {
  FixtureChart columns;
  columns.seriesInRows = false;
  EXPECT_EQ(SeriesFormulas(ChartWith(columns)),
            (std::vector<std::string>{
                "=SERIES('Année N'!$F$3,'Année N'!$E$4:$E$7,'Année N'!$F$4:$F$7,1)",
                "=SERIES('Année N'!$G$3,'Année N'!$E$4:$E$7,'Année N'!$G$4:$G$7,2)"}));
}

TEST_F(LoadedExerciseChartsTest, OtherKindsOfChartReadAsTheirTypes) {
  struct Case {
    FixtureChartType type;
    int type3, subType;
  };
  for (const Case& expected : std::vector<Case>{{FixtureChartType::kColumnStacked, 3, 2},
                                                {FixtureChartType::kBarClustered, 2, 1},
                                                {FixtureChartType::kLine, 4, 1},
                                                {FixtureChartType::kArea, 1, 1}}) {
    SCOPED_TRACE(static_cast<int>(expected.type));
    FixtureChart chart;
    chart.type = expected.type;
    auto loaded = ChartWith(chart);
    EXPECT_EQ(loaded->Type(), expected.type3);
    EXPECT_EQ(loaded->SubType(), expected.subType);
    app->ActiveWorkbook()->Close(false);
  }
}

TEST_F(LoadedExerciseChartsTest, DeletedAxesHiddenLabelsAndTitlesReadAsWritten) {
  FixtureChart noValueAxis;
  noValueAxis.valueAxis = false;
  auto chart = ChartWith(noValueAxis);
  EXPECT_FALSE(chart->HasAxis(xl::kValue, xl::kPrimary));
  EXPECT_TRUE(chart->HasAxis(xl::kCategory, xl::kPrimary));
  app->ActiveWorkbook()->Close(false);

  FixtureChart decorated;
  decorated.categoryLabels = false;
  decorated.title = "Ventes par trimestre";
  decorated.valueAxisTitle = "Euros";
  chart = ChartWith(decorated);
  EXPECT_EQ(chart->Axes(xl::kCategory, xl::kPrimary)->TickLabelPosition(), xl::kTickLabelNone);
  EXPECT_EQ(chart->ChartTitle()->Text(), "Ventes par trimestre");
  EXPECT_TRUE(chart->Axes(xl::kValue, xl::kPrimary)->HasTitle());
  EXPECT_FALSE(chart->Axes(xl::kCategory, xl::kPrimary)->HasTitle());
}

TEST_F(LoadedExerciseChartsTest, AChartSheetReadsTheTableOfAnotherSheet) {
  VentesOptions options;
  options.sheets.push_back(testsupport::ChartSheetOver("Graphique", "Année N"));
  auto book = OpenWith({}, options);
  auto sheet = book->Sheets()->Item(Variant("Graphique"));
  EXPECT_EQ(sheet->ChartObjects()->Count(), 0);
  auto loaded = ToObject<xl::Chart>(Variant(sheet));
  EXPECT_EQ(SeriesFormulas(loaded).front(), RowFormula(4, 1));
  EXPECT_EQ(FirstSheet()->ChartObjects()->Count(), 0);
}

}  // namespace
}  // namespace k27093::engine::testing
