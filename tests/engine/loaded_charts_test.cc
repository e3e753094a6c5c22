// Charts of workbooks saved by the spreadsheet program itself, opened with Workbooks.Open and
// read through the object model: chart objects, chart types, series formulas and names,
// titles, axes, legends, data tables, colours, plot areas and chart sheets.
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

class LoadedChartsTest : public EngineTest {
 protected:
  Ref<xl::Workbook> OpenExcelFile(const std::string& file) {
    return app->Workbooks()->Open(kExcelFolder + file);
  }
  // Chart object `index` of worksheet `sheet` (a position or a name) of `file`.
  Ref<xl::ChartObject> ChartObjectOf(const std::string& file, const Variant& sheet = Variant(1),
                                     int index = 1) {
    auto book = OpenExcelFile(file);
    return AsWorksheet(book->Sheets()->Item(sheet))->ChartObjects()->Item(Variant(index));
  }
  Ref<xl::Chart> ChartOf(const std::string& file, const Variant& sheet = Variant(1),
                         int index = 1) {
    return ChartObjectOf(file, sheet, index)->Chart();
  }
  static std::vector<std::string> Names(const Ref<xl::Chart>& chart) {
    std::vector<std::string> names;
    auto series = chart->SeriesCollection();
    for (int i = 1; i <= series->Count(); ++i) names.push_back(series->Item(Variant(i))->Name());
    return names;
  }
  static std::vector<std::string> Texts(const Variant& array) {
    std::vector<std::string> texts;
    for (const auto& item : array.AsArray().items) texts.push_back(ToText(item));
    return texts;
  }
};

const std::vector<std::string> kThreeColumns = {"=SERIES(,,Sheet1!$A$1:$A$5,1)",
                                                "=SERIES(,,Sheet1!$B$1:$B$5,2)",
                                                "=SERIES(,,Sheet1!$C$1:$C$5,3)"};

TEST_F(LoadedChartsTest, ChartObjectsKeepTheirStoredNamesAndPlaces) {
  struct Case {
    std::string file;
    int count;
    double left, top, width, height;
  };
  for (const Case& expected : std::vector<Case>{{"chart_column01.xlsx", 1, 192, 120, 360, 216},
                                                {"chart_size01.xlsx", 1, 192, 120, 384, 240},
                                                {"chart_size04.xlsx", 1, 198, 126.75, 360, 216},
                                                {"quote_name04.xlsx", 1, 192, 120, 360, 216}}) {
    SCOPED_TRACE(expected.file);
    auto book = OpenExcelFile(expected.file);
    auto objects = AsWorksheet(book->Sheets()->Item(Variant(1)))->ChartObjects();
    ASSERT_EQ(objects->Count(), expected.count);
    auto object = objects->Item(Variant(1));
    EXPECT_EQ(object->Name(), "Chart 1");
    EXPECT_DOUBLE_EQ(object->Left(), expected.left);
    EXPECT_DOUBLE_EQ(object->Top(), expected.top);
    EXPECT_DOUBLE_EQ(object->Width(), expected.width);
    EXPECT_DOUBLE_EQ(object->Height(), expected.height);
    book->Close(false);
  }
}

TEST_F(LoadedChartsTest, TwoChartObjectsComeInDrawingOrder) {
  auto book = OpenExcelFile("chart_bar03.xlsx");
  auto objects = AsWorksheet(book->Sheets()->Item(Variant(1)))->ChartObjects();
  ASSERT_EQ(objects->Count(), 2);
  EXPECT_EQ(objects->Item(Variant(2))->Name(), "Chart 2");
  EXPECT_DOUBLE_EQ(objects->Item(Variant(2))->Top(), 360);
  EXPECT_EQ(objects->Item(Variant(2))->Chart()->SeriesCollection()->Item(Variant(1))->Formula(),
            "=SERIES(,Sheet1!$A$1:$A$4,Sheet1!$B$1:$B$4,1)");
  EXPECT_EQ(CaughtError([&] { objects->Item(Variant(3)); }).number(), 1004);
}

TEST_F(LoadedChartsTest, ChartTypesAndLegacyTypesAreTheStoredOnes) {
  struct Case {
    std::string file;
    int chartType, type, subType;
  };
  for (const Case& expected : std::vector<Case>{{"chart_column01.xlsx", 51, 3, 1},
                                                {"chart_column02.xlsx", 52, 3, 2},
                                                {"chart_column03.xlsx", 53, 3, 3},
                                                {"chart_bar01.xlsx", 57, 2, 1},
                                                {"chart_bar09.xlsx", 58, 2, 2},
                                                {"chart_bar10.xlsx", 59, 2, 3},
                                                {"chart_line01.xlsx", 4, 4, 1},
                                                {"chart_line05.xlsx", 63, 4, 2},
                                                {"chart_points05.xlsx", 65, 4, 1},
                                                {"chart_pie01.xlsx", 5, 5, 1}}) {
    SCOPED_TRACE(expected.file);
    auto chart = ChartOf(expected.file);
    EXPECT_EQ(chart->ChartType(), expected.chartType);
    EXPECT_EQ(chart->Type(), expected.type);
    EXPECT_EQ(chart->SubType(), expected.subType);
  }
}

TEST_F(LoadedChartsTest, SeriesFormulasAndNamesReadAsStored) {
  struct Case {
    std::string file;
    std::string sheet;
    std::vector<std::string> formulas;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {"chart_column01.xlsx", "Sheet1", kThreeColumns, {"Series1", "Series2", "Series3"}},
      {"chart_column06.xlsx", "Sheet2", kThreeColumns, {"Series1", "Series2", "Series3"}},
      {"chart_bar02.xlsx",
       "Sheet2",
       {"=SERIES(,Sheet2!$A$1:$A$5,Sheet2!$B$1:$B$5,1)",
        "=SERIES(,Sheet2!$A$1:$A$5,Sheet2!$C$1:$C$5,2)"},
       {"Series1", "Series2"}},
      {"chart_bar20.xlsx",
       "Sheet1",
       {"=SERIES(,,Sheet1!$A$1:$A$5,1)", "=SERIES(\"Apple\",,Sheet1!$B$1:$B$5,2)",
        "=SERIES(Sheet1!$A$7,,Sheet1!$C$1:$C$5,3)"},
       {"Series1", "Apple", "Pear"}},
      {"quote_name04.xlsx", "Sheet 1", {"=SERIES('Sheet 1'!$A$1,,'Sheet 1'!$A$1:$A$5,1)"}, {"1"}},
      {"quote_name11.xlsx",
       "Sheeté",
       {"=SERIES(,,Sheeté!$A$1:$A$5,1)", "=SERIES(,,Sheeté!$B$1:$B$5,2)",
        "=SERIES(,,Sheeté!$C$1:$C$5,3)"},
       {"Series1", "Series2", "Series3"}},
  };
  for (const Case& expected : cases) {
    SCOPED_TRACE(expected.file);
    auto chart = ChartOf(expected.file, Variant(expected.sheet));
    EXPECT_EQ(SeriesFormulas(chart), expected.formulas);
    EXPECT_EQ(Names(chart), expected.names);
    app->Workbooks()->Item(Variant(expected.file))->Close(false);
  }
}

TEST_F(LoadedChartsTest, SheetNamesWithSymbolsAreQuotedInFormulas) {
  auto book = OpenExcelFile("quote_name01.xlsx");
  for (const std::string name :
       {"Sheet 1", "Sheet 2", "Sheet!3", "Sheet\"4", "Sheet#5", "Sheet$6", "Sheet%7", "Sheet&8"}) {
    SCOPED_TRACE(name);
    auto chart =
        AsWorksheet(book->Sheets()->Item(Variant(name)))->ChartObjects()->Item(Variant(1))->Chart();
    EXPECT_EQ(SeriesFormulas(chart), std::vector<std::string>{"=SERIES(,,'" + name + "'!$A$1:$A$5,1)"});
  }
}

TEST_F(LoadedChartsTest, ALoadedSheetNameWithAccentsAndBlanksIsQuotedInALearnersFormula) {
  auto book = OpenExcelFile("utf8_04.xlsx");
  auto sheet = AsWorksheet(book->Sheets()->Item(Variant(1)));
  EXPECT_EQ(sheet->Name(), "Café & Café");
  auto series =
      sheet->ChartObjects()->Add(0, 0, 200, 100)->Chart()->SeriesCollection()->NewSeries();
  series->SetFormula("=SERIES('Café & Café'!$A$1,,{1,2},1)");
  EXPECT_EQ(series->Formula(), "=SERIES('Café & Café'!$A$1,,{1,2},1)");
  EXPECT_EQ(series->Name(), "Café & Café");
}

TEST_F(LoadedChartsTest, CategoryNamesAreReadFromTheReferencedCellsAsTheyAreNow) {
  for (const std::string file : {"chart_column09.xlsx", "chart_bar01.xlsx"}) {
    SCOPED_TRACE(file);
    auto category = ChartOf(file)->Axes(xl::kCategory, xl::kPrimary);
    Variant names = category->CategoryNames();
    ASSERT_TRUE(names.IsArray());
    EXPECT_EQ(names.AsArray().lower, 1);
    EXPECT_EQ(Texts(names), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  }
  auto sheet =
      AsWorksheet(app->Workbooks()->Item(Variant("chart_bar01.xlsx"))->Sheets()->Item(Variant(1)));
  sheet->Range("A2")->SetValue(Variant("deux"));
  auto chart = sheet->ChartObjects()->Item(Variant(1))->Chart();
  EXPECT_EQ(Texts(chart->Axes(xl::kCategory, xl::kPrimary)->CategoryNames())[1], "deux");
}

TEST_F(LoadedChartsTest, APieChartHasNoAxesAndItsSeriesAsStored) {
  auto chart = ChartOf("chart_pie01.xlsx");
  EXPECT_FALSE(chart->HasAxis(xl::kCategory, xl::kPrimary));
  EXPECT_EQ(SeriesFormulas(chart),
            std::vector<std::string>{"=SERIES(,Sheet1!$A$1:$A$3,Sheet1!$B$1:$B$3,1)"});
}

TEST_F(LoadedChartsTest, TitlesAreTheStoredOnes) {
  EXPECT_FALSE(ChartOf("chart_title01.xlsx")->HasTitle());
  EXPECT_FALSE(ChartOf("chart_column01.xlsx")->HasTitle());
  auto titled = ChartOf("chart_title02.xlsx");
  ASSERT_TRUE(titled->HasTitle());
  EXPECT_EQ(titled->ChartTitle()->Text(), "Title!");
  EXPECT_EQ(ChartOf("chart_bar19.xlsx")->ChartTitle()->Text(), "1");
  EXPECT_EQ(ChartOf("quote_name04.xlsx")->ChartTitle()->Text(), "Foo");
  auto untitled = ChartOf("chart_pie03.xlsx");
  EXPECT_EQ(CaughtError([&] { untitled->ChartTitle(); }).number(), 1004);
}

TEST_F(LoadedChartsTest, TheTitleFontIsTheStoredTypeface) {
  auto chart = ChartOf("chart_font06.xlsx");
  EXPECT_EQ(ToText(chart->ChartTitle()->Font()->Name()), "Calibri");
  // No chart-level font in the file: the chart area keeps a new chart's.
  EXPECT_EQ(ToDouble(ChartOf("chart_column01.xlsx")->ChartArea()->Font()->Size()), 10);
}

TEST_F(LoadedChartsTest, AxisTitlesAreTheStoredOnes) {
  for (const std::string file : {"chart_axis02.xlsx", "chart_bar06.xlsx", "chart_bar19.xlsx"}) {
    SCOPED_TRACE(file);
    auto chart = ChartOf(file);
    EXPECT_TRUE(chart->Axes(xl::kCategory, xl::kPrimary)->HasTitle());
    EXPECT_TRUE(chart->Axes(xl::kValue, xl::kPrimary)->HasTitle());
  }
  auto plain = ChartOf("chart_column01.xlsx");
  EXPECT_FALSE(plain->Axes(xl::kCategory, xl::kPrimary)->HasTitle());
  EXPECT_FALSE(plain->Axes(xl::kValue, xl::kPrimary)->HasTitle());
}

TEST_F(LoadedChartsTest, DeletedAxesAreAbsent) {
  auto noCategory = ChartOf("chart_axis49.xlsx");
  EXPECT_FALSE(noCategory->HasAxis(xl::kCategory, xl::kPrimary));
  EXPECT_TRUE(noCategory->HasAxis(xl::kValue, xl::kPrimary));
  EXPECT_EQ(CaughtError([&] { noCategory->Axes(xl::kCategory, xl::kPrimary); }).number(), 1004);
  auto noValue = ChartOf("chart_axis50.xlsx");
  EXPECT_TRUE(noValue->HasAxis(xl::kCategory, xl::kPrimary));
  EXPECT_FALSE(noValue->HasAxis(xl::kValue, xl::kPrimary));
  EXPECT_EQ(CaughtError([&] { noValue->Axes(xl::kValue, xl::kPrimary); }).number(), 1004);
}

TEST_F(LoadedChartsTest, GridlinesAreTheStoredOnes) {
  struct Case {
    std::string file;
    bool categoryMajor, categoryMinor, valueMajor, valueMinor;
  };
  for (const Case& expected :
       std::vector<Case>{{"chart_column01.xlsx", false, false, true, false},
                         {"chart_gridlines01.xlsx", true, false, false, false},
                         {"chart_gridlines05.xlsx", true, true, true, true}}) {
    SCOPED_TRACE(expected.file);
    auto chart = ChartOf(expected.file);
    auto category = chart->Axes(xl::kCategory, xl::kPrimary);
    auto value = chart->Axes(xl::kValue, xl::kPrimary);
    EXPECT_EQ(category->HasMajorGridlines(), expected.categoryMajor);
    EXPECT_EQ(category->HasMinorGridlines(), expected.categoryMinor);
    EXPECT_EQ(value->HasMajorGridlines(), expected.valueMajor);
    EXPECT_EQ(value->HasMinorGridlines(), expected.valueMinor);
  }
}

TEST_F(LoadedChartsTest, TickMarksAreTheStoredOnesAndOutsideWhenLeftOut) {
  auto chart = ChartOf("chart_axis41.xlsx");
  auto category = chart->Axes(xl::kCategory, xl::kPrimary);
  auto value = chart->Axes(xl::kValue, xl::kPrimary);
  EXPECT_EQ(category->MajorTickMark(), xl::kTickMarkNone);
  EXPECT_EQ(category->MinorTickMark(), xl::kTickMarkInside);
  EXPECT_EQ(value->MajorTickMark(), xl::kTickMarkOutside);
  EXPECT_EQ(value->MinorTickMark(), xl::kTickMarkCross);
  auto plain = ChartOf("chart_column01.xlsx")->Axes(xl::kValue, xl::kPrimary);
  EXPECT_EQ(plain->MajorTickMark(), xl::kTickMarkOutside);
  EXPECT_EQ(plain->MinorTickMark(), xl::kTickMarkNone);
}

TEST_F(LoadedChartsTest, TickLabelPositionsAreTheStoredOnes) {
  auto hidden = ChartOf("chart_axis20.xlsx");
  EXPECT_EQ(hidden->Axes(xl::kCategory, xl::kPrimary)->TickLabelPosition(),
            xl::kTickLabelNextToAxis);
  EXPECT_EQ(hidden->Axes(xl::kValue, xl::kPrimary)->TickLabelPosition(), xl::kTickLabelNone);
  auto moved = ChartOf("chart_axis19.xlsx");
  EXPECT_EQ(moved->Axes(xl::kCategory, xl::kPrimary)->TickLabelPosition(), xl::kTickLabelHigh);
  EXPECT_EQ(moved->Axes(xl::kValue, xl::kPrimary)->TickLabelPosition(), xl::kTickLabelLow);
}

TEST_F(LoadedChartsTest, AStoredMajorUnitIsFixedAndAMissingOneAutomatic) {
  auto fixed = ChartOf("chart_axis15.xlsx")->Axes(xl::kValue, xl::kPrimary);
  EXPECT_FALSE(fixed->MajorUnitIsAuto());
  EXPECT_EQ(fixed->MajorUnit(), 2);
  auto automatic = ChartOf("chart_column01.xlsx")->Axes(xl::kValue, xl::kPrimary);
  EXPECT_TRUE(automatic->MajorUnitIsAuto());
  EXPECT_GT(automatic->MajorUnit(), 0);
}

TEST_F(LoadedChartsTest, LegendsAreTheStoredOnes) {
  auto none = ChartOf("chart_legend01.xlsx");
  EXPECT_FALSE(none->HasLegend());
  EXPECT_EQ(CaughtError([&] { none->Legend(); }).number(), 1004);
  EXPECT_EQ(ChartOf("chart_legend03.xlsx")->Legend()->Position(), xl::kLegendCorner);
  EXPECT_EQ(ChartOf("chart_column01.xlsx")->Legend()->Position(), xl::kLegendRight);
}

TEST_F(LoadedChartsTest, DataTablesAreTheStoredOnes) {
  EXPECT_TRUE(ChartOf("chart_table01.xlsx")->HasDataTable());
  EXPECT_FALSE(ChartOf("chart_column01.xlsx")->HasDataTable());
}

TEST_F(LoadedChartsTest, AStoredSeriesFillIsItsInteriorColour) {
  auto series = ChartOf("chart_format03.xlsx")->SeriesCollection();
  EXPECT_EQ(series->Item(Variant(1))->Interior()->Color(), 255);
  // Not stated: the colour a learner's second series gets.
  auto learnerChart = AddChart(NewSheet());
  learnerChart->SeriesCollection()->NewSeries();
  auto defaultSecond = learnerChart->SeriesCollection()->NewSeries()->Interior()->Color();
  EXPECT_EQ(series->Item(Variant(2))->Interior()->Color(), defaultSecond);
}

TEST_F(LoadedChartsTest, AStoredInnerLayoutIsTheInsideAndTheOuterBoxAddsTheLabels) {
  auto stored = ChartOf("chart_layout01.xlsx")->PlotArea();
  EXPECT_DOUBLE_EQ(stored->InsideLeft(), 0.13171062992125984 * 360);
  EXPECT_DOUBLE_EQ(stored->InsideTop(), 0.26436351706036748 * 216);
  EXPECT_DOUBLE_EQ(stored->InsideWidth(), 0.73970734908136482 * 360);
  EXPECT_DOUBLE_EQ(stored->InsideHeight(), 0.5713732137649461 * 216);
  // The same chart laid out by itself has the same bands of labels around its inside.
  auto automatic = ChartOf("chart_column01.xlsx")->PlotArea();
  EXPECT_GT(stored->Height(), stored->InsideHeight());
  EXPECT_DOUBLE_EQ(stored->Height() - stored->InsideHeight(),
                   automatic->Height() - automatic->InsideHeight());
  EXPECT_DOUBLE_EQ(stored->InsideTop() - stored->Top(), automatic->InsideTop() - automatic->Top());
  EXPECT_DOUBLE_EQ(stored->InsideLeft() - stored->Left(),
                   automatic->InsideLeft() - automatic->Left());
}

TEST_F(LoadedChartsTest, APlotAreaWithoutLayoutIsLaidOutAsALearnersChartOfTheSameSize) {
  auto learnerChart = NewSheet()->ChartObjects()->Add(0, 0, 360, 216)->Chart();
  EXPECT_DOUBLE_EQ(ChartOf("chart_column01.xlsx")->PlotArea()->Height(),
                   learnerChart->PlotArea()->Height());
  EXPECT_DOUBLE_EQ(ChartOf("chart_layout02.xlsx")->PlotArea()->Height(),
                   learnerChart->PlotArea()->Height());
}

TEST_F(LoadedChartsTest, CombinationsNumberSeriesWithinTheirGroup) {
  auto chart = ChartOf("chart_combined03.xlsx");
  EXPECT_EQ(chart->ChartType(), xl::chart_type::kCombination);
  EXPECT_EQ(SeriesFormulas(chart), (std::vector<std::string>{"=SERIES(,,Sheet1!$A$1:$A$5,1)",
                                                       "=SERIES(,,Sheet1!$B$1:$B$5,2)",
                                                       "=SERIES(,,Sheet1!$C$1:$C$5,1)"}));
  auto series = chart->SeriesCollection();
  EXPECT_EQ(series->Item(Variant(1))->Type(), 3);
  EXPECT_EQ(series->Item(Variant(3))->Type(), 4);
  EXPECT_EQ(series->Item(Variant(3))->Name(), "Series3");
  // Writing a formula back as read keeps the series where it is.
  series->Item(Variant(3))->SetFormula("=SERIES(,,Sheet1!$C$1:$C$5,1)");
  EXPECT_EQ(series->Item(Variant(3))->Type(), 4);
  series->Item(Variant(2))->SetFormula("=SERIES(,,Sheet1!$B$1:$B$5,1)");
  EXPECT_EQ(SeriesFormulas(chart), (std::vector<std::string>{"=SERIES(,,Sheet1!$B$1:$B$5,1)",
                                                       "=SERIES(,,Sheet1!$A$1:$A$5,2)",
                                                       "=SERIES(,,Sheet1!$C$1:$C$5,1)"}));
}

TEST_F(LoadedChartsTest, ASecondaryValueAxisIsShownWhenStored) {
  auto chart = ChartOf("chart_combined04.xlsx");
  EXPECT_EQ(chart->ChartType(), xl::chart_type::kCombination);
  EXPECT_TRUE(chart->HasAxis(xl::kValue, xl::kSecondary));
  EXPECT_FALSE(chart->HasAxis(xl::kCategory, xl::kSecondary));
  EXPECT_TRUE(chart->Axes(xl::kValue, xl::kSecondary)->MajorUnitIsAuto());
  EXPECT_FALSE(chart->Axes(xl::kValue, xl::kSecondary)->HasMajorGridlines());
  EXPECT_TRUE(chart->Axes(xl::kValue, xl::kPrimary)->HasMajorGridlines());
  EXPECT_FALSE(ChartOf("chart_combined03.xlsx")->HasAxis(xl::kValue, xl::kSecondary));
}

TEST_F(LoadedChartsTest, ChartSheetsHoldTheirChartAndNoChartObject) {
  struct Case {
    std::string file;
    int sheets;
  };
  for (const Case& expected : std::vector<Case>{
           {"chartsheet01.xlsx", 2}, {"chartsheet02.xlsx", 3}, {"chartsheet07.xlsx", 2}}) {
    SCOPED_TRACE(expected.file);
    auto book = OpenExcelFile(expected.file);
    ASSERT_EQ(book->Sheets()->Count(), expected.sheets);
    auto sheet = book->Sheets()->Item(Variant(2));
    EXPECT_EQ(sheet->Name(), "Chart1");
    EXPECT_EQ(sheet->ChartObjects()->Count(), 0);
    auto chart = ToObject<xl::Chart>(Variant(sheet));
    EXPECT_EQ(chart->ChartType(), 57);
    EXPECT_EQ(SeriesFormulas(chart), kThreeColumns);
    EXPECT_TRUE(chart->HasLegend());
    book->Close(false);
  }
}

TEST_F(LoadedChartsTest, AChartSheetKeepsItsTitlesAndLegend) {
  auto chart = ToObject<xl::Chart>(
      Variant(OpenExcelFile("chart_bar16.xlsx")->Sheets()->Item(Variant("Chart1"))));
  EXPECT_EQ(chart->ChartTitle()->Text(), "Title");
  EXPECT_EQ(chart->Legend()->Position(), xl::kLegendBottom);
  EXPECT_TRUE(chart->Axes(xl::kValue, xl::kPrimary)->HasTitle());
  // The format stores no chart size: the page setup keeps the engine's default.
  EXPECT_EQ(chart->PageSetup()->ChartSize(), 3);
}

}  // namespace
}  // namespace k27093::engine::testing
