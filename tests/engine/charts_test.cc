// Chart objects and charts: naming, defaults, parts and their 1004s, series formulas, chart
// types, category names and the automatic major unit.
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

class ChartsTest : public EngineTest {
 protected:
  void SetUp() override {
    sheet = AsWorksheet(OpenSales()->Sheets()->Item(Variant(1)));
    chart = AddChart(sheet);
  }

  // Adds the four series of the sales table, in rows.
  void AddSalesSeries() {
    for (int row = 4; row <= 7; ++row) {
      std::string r = std::to_string(row);
      chart->SeriesCollection()->NewSeries()->SetFormula(
          "=SERIES('Année N'!$E$" + r + ",'Année N'!$F$3:$G$3,'Année N'!$F$" + r + ":$G$" + r +
          "," + std::to_string(row - 3) + ")");
    }
  }

  Ref<xl::Worksheet> sheet;
  Ref<xl::Chart> chart;
};

TEST_F(ChartsTest, ChartObjectsAreNamedAndCounted) {
  auto objects = sheet->ChartObjects();
  EXPECT_EQ(objects->Count(), 1);
  auto first = objects->Item(Variant(1));
  EXPECT_EQ(first->Name(), "Chart 1");
  EXPECT_EQ(first->Left(), 9.75);  // 10 points lie on 13 pixels
  EXPECT_EQ(first->Width(), 300);
  auto second = objects->Add(0, 0, 100, 50);
  EXPECT_EQ(second->Name(), "Chart 2");
  EXPECT_EQ(objects->Count(), 2);
  EXPECT_EQ(objects->Item(Variant("chart 2"))->Height(), 50.25);  // 66.67 pixels
  Error missing = CaughtError([&] { objects->Item(Variant(3)); });
  EXPECT_EQ(missing.number(), 1004);
  EXPECT_EQ(missing.description(),
            "Unable to get the ChartObjects property of the Worksheet class");
  EXPECT_EQ(missing.source(), "Microsoft Office Excel");
}

TEST_F(ChartsTest, ChartObjectGeometryCanBeSet) {
  auto object = sheet->ChartObjects()->Item(Variant(1));
  object->SetWidth(247.5);
  object->SetHeight(146.25);
  object->SetLeft(0);
  object->SetTop(0.75);
  EXPECT_EQ(object->Width(), 247.5);
  EXPECT_EQ(object->Height(), 146.25);
  EXPECT_EQ(object->Left(), 0);
  EXPECT_EQ(object->Top(), 0.75);
}

TEST_F(ChartsTest, NewChartHasTheDefaultsOfANewEmbeddedChart) {
  EXPECT_EQ(chart->ChartType(), 51);
  EXPECT_EQ(chart->Type(), 3);
  EXPECT_EQ(chart->SubType(), 1);
  EXPECT_EQ(chart->SeriesCollection()->Count(), 0);
  EXPECT_FALSE(chart->HasTitle());
  EXPECT_TRUE(chart->HasLegend());
  EXPECT_EQ(chart->Legend()->Position(), xl::kLegendRight);
  EXPECT_TRUE(chart->HasAxis(xl::kCategory, xl::kPrimary));
  EXPECT_TRUE(chart->HasAxis(xl::kValue, xl::kPrimary));
  EXPECT_FALSE(chart->HasAxis(xl::kValue, xl::kSecondary));
  auto category = chart->Axes(xl::kCategory, xl::kPrimary);
  auto value = chart->Axes(xl::kValue, xl::kPrimary);
  EXPECT_FALSE(category->HasMajorGridlines());
  EXPECT_FALSE(category->HasMinorGridlines());
  EXPECT_TRUE(value->HasMajorGridlines());
  EXPECT_FALSE(value->HasMinorGridlines());
  EXPECT_EQ(value->MajorTickMark(), xl::kTickMarkOutside);
  EXPECT_EQ(value->MinorTickMark(), xl::kTickMarkNone);
  EXPECT_EQ(category->TickLabelPosition(), xl::kTickLabelNextToAxis);
  EXPECT_TRUE(value->MajorUnitIsAuto());
  EXPECT_FALSE(chart->HasDataTable());
  EXPECT_EQ(chart->PageSetup()->ChartSize(), 3);
  EXPECT_EQ(ToText(chart->ChartArea()->Font()->Name()), "Arial");
  EXPECT_EQ(ToDouble(chart->ChartArea()->Font()->Size()), 10);
}

TEST_F(ChartsTest, ParentIsTheChartObject) {
  auto parent = ToObject<xl::ChartObject>(chart->Parent());
  EXPECT_EQ(parent->Name(), "Chart 1");
  EXPECT_TRUE(parent->Chart().Is(chart));
  EXPECT_EQ(chart->Name(), "Année N Chart 1");
}

TEST_F(ChartsTest, MissingPartsRaise1004) {
  EXPECT_EQ(CaughtError([&] { chart->ChartTitle(); }).description(),
            "Unable to get the ChartTitle property of the Chart class");
  chart->SetHasLegend(false);
  EXPECT_EQ(CaughtError([&] { chart->Legend(); }).number(), 1004);
  chart->SetHasAxis(xl::kValue, xl::kPrimary, false);
  EXPECT_FALSE(chart->HasAxis(xl::kValue, xl::kPrimary));
  EXPECT_EQ(CaughtError([&] { chart->Axes(xl::kValue, xl::kPrimary); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { chart->Axes(xl::kSeriesAxis, xl::kPrimary); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { chart->SeriesCollection()->Item(Variant(1)); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { chart->ChartArea()->Fill()->TextureName(); }).number(), 1004);
}

TEST_F(ChartsTest, AxisRemovedAfterItWasFetchedRaises1004) {
  auto value = chart->Axes(xl::kValue, xl::kPrimary);
  chart->SetHasAxis(xl::kValue, xl::kPrimary, false);
  EXPECT_EQ(CaughtError([&] { value->MajorTickMark(); }).number(), 1004);
  chart->SetHasAxis(xl::kValue, xl::kPrimary, true);
  EXPECT_EQ(value->MajorTickMark(), xl::kTickMarkOutside);
}

TEST_F(ChartsTest, PieChartsHaveNoAxes) {
  chart->SetChartType(xl::chart_type::kPie);
  EXPECT_EQ(chart->Type(), 5);
  EXPECT_FALSE(chart->HasAxis(xl::kCategory, xl::kPrimary));
  EXPECT_EQ(CaughtError([&] { chart->Axes(xl::kCategory, xl::kPrimary); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { chart->SetHasAxis(xl::kValue, xl::kPrimary, true); }).number(), 1004);
}

TEST_F(ChartsTest, TitleTextAndFontsCanBeSet) {
  chart->SetHasTitle(true);
  auto title = chart->ChartTitle();
  title->SetText("Ventes");
  EXPECT_EQ(chart->ChartTitle()->Text(), "Ventes");
  title->Font()->SetName("Times New Roman");
  title->Font()->SetSize(11);
  EXPECT_EQ(ToText(title->Font()->Name()), "Times New Roman");
  EXPECT_EQ(ToDouble(title->Font()->Size()), 11);
  auto areaFont = chart->ChartArea()->Font();
  EXPECT_TRUE(areaFont->Name().IsNull());
  EXPECT_TRUE(areaFont->Size().IsNull());
  areaFont->SetSize(9);
  EXPECT_EQ(ToDouble(areaFont->Size()), 9);
  EXPECT_EQ(ToDouble(title->Font()->Size()), 9);
  EXPECT_EQ(CaughtError([&] { areaFont->SetSize(0); }).number(), 1004);
}

TEST_F(ChartsTest, SeriesFormulasComeBackCanonicalWithTheirNames) {
  AddSalesSeries();
  auto series = chart->SeriesCollection();
  ASSERT_EQ(series->Count(), 4);
  EXPECT_EQ(series->Item(Variant(1))->Formula(),
            "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,1)");
  EXPECT_EQ(series->Item(Variant(2))->Name(), "Sud");
  EXPECT_EQ(series->Item(Variant("OUEST"))->Formula(),
            "=SERIES('Année N'!$E$7,'Année N'!$F$3:$G$3,'Année N'!$F$7:$G$7,4)");
}

TEST_F(ChartsTest, SeriesFormulaFollowsARenamedSheet) {
  AddSalesSeries();
  sheet->SetName("Bilan");
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(1))->Formula(),
            "=SERIES(Bilan!$E$4,Bilan!$F$3:$G$3,Bilan!$F$4:$G$4,1)");
}

TEST_F(ChartsTest, OrderArgumentReordersTheSeries) {
  AddSalesSeries();
  auto last = chart->SeriesCollection()->Item(Variant(4));
  last->SetFormula("=SERIES('Année N'!$E$7,'Année N'!$F$3:$G$3,'Année N'!$F$7:$G$7,1)");
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(1))->Name(), "Ouest");
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(2))->Name(), "Nord");
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(2))->Formula(),
            "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,2)");
}

TEST_F(ChartsTest, UnparsableOrDanglingFormulasRaise1004) {
  auto series = chart->SeriesCollection()->NewSeries();
  EXPECT_EQ(CaughtError([&] { series->SetFormula("=SERIES(nonsense"); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { series->SetFormula("=SERIES(,,Absente!$A$1,1)"); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { series->SetFormula("=SERIES(,,\"text\",1)"); }).number(), 1004);
  EXPECT_EQ(series->Name(), "Series1");
}

TEST_F(ChartsTest, SeriesNamesComeFromLiteralsOrTheirPosition) {
  auto first = chart->SeriesCollection()->NewSeries();
  auto second = chart->SeriesCollection()->NewSeries();
  EXPECT_EQ(second->Name(), "Series2");
  second->SetName("Moyenne");
  EXPECT_EQ(second->Name(), "Moyenne");
  EXPECT_EQ(second->Formula(), "=SERIES(\"Moyenne\",,,2)");
  first->SetName("='Année N'!$E$5");
  EXPECT_EQ(first->Name(), "Sud");
}

TEST_F(ChartsTest, CategoryNamesComeFromTheFirstSeriesCategories) {
  AddSalesSeries();
  Variant names = chart->Axes(xl::kCategory, xl::kPrimary)->CategoryNames();
  ASSERT_TRUE(names.IsArray());
  EXPECT_EQ(names.AsArray().lower, 1);
  ASSERT_EQ(names.AsArray().upper(), 2);
  EXPECT_EQ(ToText(names.AsArray().at(1)), "Trim 1");
  EXPECT_EQ(ToText(names.AsArray().at(2)), "Trim 2");
  EXPECT_EQ(CaughtError([&] { chart->Axes(xl::kValue, xl::kPrimary)->CategoryNames(); }).number(),
            1004);
}

TEST_F(ChartsTest, CategoryNamesAreNumbersWithoutCategories) {
  chart->SeriesCollection()->NewSeries()->SetFormula("=SERIES(,,'Année N'!$F$4:$G$4,1)");
  Variant names = chart->Axes(xl::kCategory, xl::kPrimary)->CategoryNames();
  ASSERT_EQ(names.AsArray().upper(), 2);
  EXPECT_EQ(ToText(names.AsArray().at(1)), "1");
  EXPECT_EQ(ToText(names.AsArray().at(2)), "2");
}

TEST_F(ChartsTest, MajorUnitIsChosenFromThePlottedValuesUntilFixed) {
  AddSalesSeries();
  auto value = chart->Axes(xl::kValue, xl::kPrimary);
  EXPECT_EQ(value->MajorUnit(), 100);
  chart->SetChartType(xl::chart_type::kColumnStacked);
  EXPECT_EQ(value->MajorUnit(), 200);
  value->SetMajorUnit(400);
  EXPECT_FALSE(value->MajorUnitIsAuto());
  EXPECT_EQ(value->MajorUnit(), 400);
  value->SetMajorUnitIsAuto(true);
  EXPECT_EQ(value->MajorUnit(), 200);
  EXPECT_EQ(CaughtError([&] { value->SetMajorUnit(0); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { chart->Axes(xl::kCategory, xl::kPrimary)->MajorUnit(); }).number(),
            1004);
}

TEST_F(ChartsTest, MixingKindsOfPlotMakesACombination) {
  AddSalesSeries();
  auto fifth = chart->SeriesCollection()->NewSeries();
  EXPECT_EQ(fifth->ChartType(), 51);
  fifth->SetChartType(xl::chart_type::kLine);
  EXPECT_EQ(fifth->Type(), 4);
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(1))->Type(), 3);
  EXPECT_EQ(chart->ChartType(), -4111);
  chart->SetChartType(xl::chart_type::kBarClustered);
  EXPECT_EQ(chart->ChartType(), 57);
  EXPECT_EQ(chart->Type(), 2);
  EXPECT_EQ(fifth->ChartType(), 57);
  EXPECT_EQ(CaughtError([&] { chart->SetChartType(12345); }).number(), 1004);
}

TEST_F(ChartsTest, SeriesColoursFollowThePaletteAndCanBeChanged) {
  AddSalesSeries();
  auto fourth = chart->SeriesCollection()->Item(Variant(4));
  EXPECT_EQ(fourth->Interior()->Color(), 16777164);
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(3))->Interior()->Color(), 13434879);
  fourth->Interior()->SetColor(255);
  EXPECT_EQ(fourth->Interior()->Color(), 255);
}

TEST_F(ChartsTest, DeletedSeriesLeavesTheOthersRenumbered) {
  AddSalesSeries();
  auto first = chart->SeriesCollection()->Item(Variant(1));
  first->Delete();
  EXPECT_EQ(chart->SeriesCollection()->Count(), 3);
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(1))->Name(), "Sud");
  EXPECT_EQ(CaughtError([&] { first->Formula(); }).number(), kObjectDisconnected);
}

TEST_F(ChartsTest, TextureFillIsReadOnceSet) {
  auto fill = chart->ChartArea()->Fill();
  EXPECT_EQ(CaughtError([&] { fill->TextureType(); }).number(), 1004);
  fill->PresetTextured(1);
  EXPECT_EQ(fill->TextureName(), "Papyrus");
  EXPECT_EQ(fill->TextureType(), 1);
  EXPECT_EQ(CaughtError([&] { fill->PresetTextured(25); }).number(), 1004);
}

TEST_F(ChartsTest, PlotAreaHeightIsKeptWithinTheChartAndScalesWithIt) {
  auto object = sheet->ChartObjects()->Item(Variant(1));
  object->SetHeight(146.25);
  auto plot = chart->PlotArea();
  plot->SetHeight(80);
  EXPECT_EQ(plot->Height(), 80);
  plot->SetHeight(80.25);
  EXPECT_EQ(plot->Height(), 80.25);
  plot->SetHeight(1000);
  EXPECT_EQ(plot->Height(), 146.25);
  plot->SetHeight(73);
  object->SetHeight(292.5);
  EXPECT_EQ(plot->Height(), 146);
}

TEST_F(ChartsTest, DataTableAndPageSetupKeepTheirSettings) {
  chart->SetHasDataTable(true);
  EXPECT_TRUE(chart->HasDataTable());
  chart->PageSetup()->SetChartSize(1);
  EXPECT_EQ(chart->PageSetup()->ChartSize(), 1);
  EXPECT_EQ(CaughtError([&] { chart->PageSetup()->SetChartSize(4); }).number(), 1004);
}

TEST_F(ChartsTest, ActivatingAChartObjectMakesItTheActiveChart) {
  EXPECT_TRUE(app->ActiveChart().IsNothing());
  sheet->ChartObjects()->Item(Variant(1))->Activate();
  EXPECT_TRUE(app->ActiveChart().Is(chart));
  EXPECT_EQ(ToObject<xl::ChartArea>(app->Selection())->TypeName(), "ChartArea");
  sheet->Range("A1")->Select();
  EXPECT_TRUE(app->ActiveChart().IsNothing());
}

TEST_F(ChartsTest, ChartObjectOfAnInactiveSheetCannotBeActivated) {
  auto other = AsWorksheet(app->ActiveWorkbook()->Sheets()->Item(Variant(2)));
  auto object = other->ChartObjects()->Add(0, 0, 100, 100);
  EXPECT_EQ(CaughtError([&] { object->Activate(); }).number(), 1004);
  EXPECT_EQ(CaughtError([&] { object->Chart()->ChartArea()->Select(); }).number(), 1004);
}

TEST_F(ChartsTest, SelectingAChartObjectMakesItTheSelection) {
  auto object = sheet->ChartObjects()->Item(Variant(1));
  object->Select();
  EXPECT_EQ(ToObject<xl::ChartObject>(app->Selection())->Name(), "Chart 1");
}

TEST_F(ChartsTest, DeletedChartObjectTakesItsChartAlong) {
  auto object = sheet->ChartObjects()->Item(Variant(1));
  object->Delete();
  EXPECT_EQ(sheet->ChartObjects()->Count(), 0);
  EXPECT_EQ(CaughtError([&] { chart->ChartType(); }).number(), kObjectDisconnected);
}

}  // namespace
}  // namespace k27093::engine::testing
