// Drawn objects of workbook files: text boxes of files saved by the spreadsheet program, and
// every kind of drawn object (auto shapes, freeforms, lines, pictures, groups, check boxes and
// other form controls, a chart's own shapes) built from the reader's description of a file,
// read through the object model. Also series whose references the workbook cannot resolve.
#include <optional>
#include <string>
#include <vector>

#include "engine/application/application.h"
#include "engine/loading/document_loader.h"
#include "engine/workbooks/workbook.h"
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

using Object = document::DrawingObjectData;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

Object Drawn(Object::Kind kind, std::string name,
             document::GeometryData geometry = {0, 0, 10, 10}) {
  Object object;
  object.kind = kind;
  object.name = std::move(name);
  object.geometry = geometry;
  return object;
}

document::FillData Solid(std::int32_t color) {
  document::FillData fill;
  fill.color = document::ColorData{.rgb = color};
  return fill;
}

class LoadedDrawingsTest : public EngineTest {
 protected:
  // The workbook built from `data` as a file's would be, opened and active.
  Ref<xl::Workbook> Build(const document::WorkbookData& data) {
    auto session = std::dynamic_pointer_cast<ApplicationImpl>(app.shared())->session();
    auto workbook = BuildWorkbook(session, data, "Dessins.xlsx", "/travail");
    session->AddWorkbook(workbook);
    return workbook;
  }
  // One worksheet "Feuil1" whose drawing holds `objects` and whose charts are `charts`.
  Ref<xl::Worksheet> SheetWith(std::vector<Object> objects,
                               std::vector<document::ChartData> charts = {}) {
    document::WorkbookData data;
    document::SheetData sheet;
    sheet.name = "Feuil1";
    sheet.cells = {{1, 1, Variant("Nord")}, {1, 2, Variant(10.0)}, {1, 3, Variant(20.0)}};
    sheet.drawing = std::move(objects);
    sheet.charts = std::move(charts);
    data.sheets.push_back(std::move(sheet));
    return AsWorksheet(Build(data)->Sheets()->Item(Variant(1)));
  }
  // A worksheet holding one chart object of the size `frameSize` that shows `chart`.
  Ref<xl::Chart> ChartFrom(document::ChartData chart,
                           document::GeometryData frameSize = {0, 0, 360, 216}) {
    Object frame = Drawn(Object::Kind::Chart, "Chart 1", frameSize);
    frame.chart = 0;
    return SheetWith({frame}, {std::move(chart)})->ChartObjects()->Item(Variant(1))->Chart();
  }
};

TEST_F(LoadedDrawingsTest, TextBoxesOfExcelFilesKeepTheirTextAndPlace) {
  struct Case {
    std::string file;
    std::string name;
    double left, top, width, height;
  };
  for (const Case& expected :
       std::vector<Case>{{"textbox01.xlsx", "TextBox 1", 192, 120, 144, 90},
                         {"textbox06.xlsx", "TextBox 1", 192, 120, 192, 75},
                         {"textbox22.xlsx", "TextBox 1", 192, 120, 144, 90}}) {
    SCOPED_TRACE(expected.file);
    auto book = app->Workbooks()->Open(kExcelFolder + expected.file);
    auto sheet = AsWorksheet(book->Sheets()->Item(Variant(1)));
    ASSERT_EQ(sheet->TextBoxes()->Count(), 1);
    auto box = sheet->TextBoxes()->Item(Variant(1));
    EXPECT_EQ(box->Name(), expected.name);
    EXPECT_EQ(box->Text(), "This is some text");
    EXPECT_DOUBLE_EQ(box->Left(), expected.left);
    EXPECT_DOUBLE_EQ(box->Top(), expected.top);
    EXPECT_DOUBLE_EQ(box->Width(), expected.width);
    EXPECT_DOUBLE_EQ(box->Height(), expected.height);
    ASSERT_EQ(sheet->Shapes()->Count(), 1);
    EXPECT_EQ(sheet->Shapes()->Item(Variant(1))->Type(), xl::kMsoTextBox);
    EXPECT_EQ(sheet->ChartObjects()->Count(), 0);
    book->Close(false);
  }
}

TEST_F(LoadedDrawingsTest, AChartAndATextBoxKeepTheirOrderAndTheNextNameFollows) {
  auto book = app->Workbooks()->Open(kExcelFolder + "textbox04.xlsx");
  auto sheet = AsWorksheet(book->Sheets()->Item(Variant(1)));
  auto shapes = sheet->Shapes();
  ASSERT_EQ(shapes->Count(), 2);
  EXPECT_EQ(shapes->Item(Variant(1))->Type(), xl::kMsoChart);
  EXPECT_EQ(shapes->Item(Variant("TextBox 2"))->ZOrderPosition(), 2);
  EXPECT_EQ(sheet->ChartObjects()->Count(), 1);
  EXPECT_EQ(sheet->TextBoxes()->Item(Variant(1))->Top(), 360);
  EXPECT_EQ(sheet->TextBoxes()->Add(0, 0, 50, 20)->Name(), "Text Box 3");
  EXPECT_EQ(sheet->ChartObjects()->Add(0, 0, 50, 20)->Name(), "Chart 4");
}

TEST_F(LoadedDrawingsTest, AutoShapesTakeTheirTypeFromThePreset) {
  struct Case {
    std::string preset;
    int autoShapeType;
  };
  const std::vector<Case> cases = {
      {"rect", 1},        {"roundRect", 5},          {"ellipse", 9},
      {"rightArrow", 33}, {"horizontalScroll", 102}, {"cloudCallout", 108},
      {"snip1Rect", -2}};
  std::vector<Object> objects;
  for (const Case& shape : cases) {
    Object object = Drawn(Object::Kind::AutoShape, "Forme " + shape.preset);
    object.preset = shape.preset;
    objects.push_back(object);
  }
  auto shapes = SheetWith(objects)->Shapes();
  ASSERT_EQ(shapes->Count(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].preset);
    auto shape = shapes->Item(Variant(static_cast<int>(i + 1)));
    EXPECT_EQ(shape->Type(), xl::kMsoAutoShape);
    EXPECT_EQ(shape->AutoShapeType(), cases[i].autoShapeType);
    EXPECT_EQ(shape->Name(), "Forme " + cases[i].preset);
  }
}

TEST_F(LoadedDrawingsTest, OtherObjectsHaveTheTypeTheSpreadsheetReports) {
  Object freeform = Drawn(Object::Kind::AutoShape, "Freeform 1");
  Object line = Drawn(Object::Kind::Connector, "Straight Connector 2");
  line.preset = "line";
  Object button = Drawn(Object::Kind::FormControl, "Button 6");
  button.controlType = "Button";
  auto sheet = SheetWith({freeform, line, Drawn(Object::Kind::Picture, "Picture 3"),
                          Drawn(Object::Kind::Group, "Group 4"),
                          Drawn(Object::Kind::Other, "Ink 5"), button});
  auto shapes = sheet->Shapes();
  ASSERT_EQ(shapes->Count(), 6);
  std::vector<int> types;
  for (int i = 1; i <= 6; ++i) types.push_back(shapes->Item(Variant(i))->Type());
  EXPECT_EQ(types, (std::vector<int>{5, 9, 13, xl::kMsoGroup, -2, xl::kMsoFormControl}));
  EXPECT_EQ(shapes->Item(Variant(1))->AutoShapeType(), 138);
  EXPECT_EQ(shapes->Item(Variant(3))->AutoShapeType(), -2);
  EXPECT_EQ(shapes->Item(Variant("Group 4"))->ZOrderPosition(), 4);
  EXPECT_EQ(sheet->TextBoxes()->Count(), 0);
  EXPECT_EQ(sheet->CheckBoxes()->Count(), 0);
  // The counter continues after the largest number of the stored names.
  EXPECT_EQ(shapes->AddShape(1, 0, 0, 10, 10)->Name(), "AutoShape 7");
}

TEST_F(LoadedDrawingsTest, CheckBoxesKeepTheirValueAndAreFormControls) {
  std::vector<Object> boxes;
  const std::vector<std::int32_t> values = {xl::kOff, xl::kOn, xl::kMixed};
  for (std::size_t i = 0; i < values.size(); ++i) {
    Object box = Drawn(Object::Kind::FormControl, "Case à cocher " + std::to_string(i + 1));
    box.controlType = "CheckBox";
    box.checkValue = values[i];
    boxes.push_back(box);
  }
  Object unsaid = Drawn(Object::Kind::FormControl, "Case à cocher 4");
  unsaid.controlType = "CheckBox";
  boxes.push_back(unsaid);
  auto sheet = SheetWith(boxes);
  auto checkBoxes = sheet->CheckBoxes();
  ASSERT_EQ(checkBoxes->Count(), 4);
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(checkBoxes->Item(Variant(static_cast<int>(i + 1)))->Value(), values[i]);
  }
  EXPECT_EQ(checkBoxes->Item(Variant("Case à cocher 4"))->Value(), xl::kOff);
  auto shape = sheet->Shapes()->Item(Variant("Case à cocher 2"));
  EXPECT_EQ(shape->Type(), xl::kMsoFormControl);
  shape->Select();
  EXPECT_EQ(ToObject<xl::CheckBox>(app->Selection())->Value(), xl::kOn);
}

TEST_F(LoadedDrawingsTest, StatedColoursAreTakenAndShapesWithoutOneKeepANewShapes) {
  Object plain = Drawn(Object::Kind::AutoShape, "AutoShape 1");
  plain.preset = "rect";
  plain.fill = Solid(255);
  plain.line = Solid(65280);
  Object themed = Drawn(Object::Kind::AutoShape, "AutoShape 2");
  themed.preset = "rect";
  themed.fill = document::FillData{};
  themed.fill->color = document::ColorData{.scheme = "accent1"};
  themed.line = Solid(255);
  themed.line->color->transforms = {{"lumMod", 0.5}};
  Object unfilled = Drawn(Object::Kind::AutoShape, "AutoShape 3");
  unfilled.preset = "rect";
  unfilled.fill = document::FillData{.kind = document::FillData::Kind::None};
  auto shapes = SheetWith({plain, themed, unfilled})->Shapes();
  EXPECT_EQ(shapes->Item(Variant(1))->Fill()->ForeColor()->RGB(), 255);
  EXPECT_EQ(shapes->Item(Variant(1))->Line()->ForeColor()->RGB(), 65280);
  // A workbook without theme: the Office theme's accent 1, 4F81BD; FF0000 at half luminance.
  EXPECT_EQ(shapes->Item(Variant(2))->Fill()->ForeColor()->RGB(), 0x4F + 256 * 0x81 + 65536 * 0xBD);
  EXPECT_EQ(shapes->Item(Variant(2))->Line()->ForeColor()->RGB(), 128);
  // Neither fill nor line of its own: the colours of a shape a learner draws.
  auto drawn = NewSheet()->Shapes()->AddShape(1, 0, 0, 10, 10);
  EXPECT_EQ(shapes->Item(Variant(3))->Fill()->ForeColor()->RGB(),
            drawn->Fill()->ForeColor()->RGB());
  EXPECT_EQ(shapes->Item(Variant(3))->Line()->ForeColor()->RGB(),
            drawn->Line()->ForeColor()->RGB());
}

TEST_F(LoadedDrawingsTest, AChartsOwnShapesKeepNamesPlacesOrderAndColours) {
  document::ChartData data;
  Object box = Drawn(Object::Kind::TextBox, "Text Box 2", {0, 111.75, 36.75, 12.75});
  box.text = document::TextData{};
  box.text->text = "x1000";
  Object scroll = Drawn(Object::Kind::AutoShape, "AutoShape 3", {0, 105.75, 33, 24});
  scroll.preset = "horizontalScroll";
  scroll.fill = Solid(13434879);
  data.shapes = {scroll, box};
  auto chart = ChartFrom(data);
  auto shapes = chart->Shapes();
  ASSERT_EQ(shapes->Count(), 2);
  EXPECT_EQ(shapes->Item(Variant("AutoShape 3"))->AutoShapeType(), 102);
  EXPECT_EQ(shapes->Item(Variant("AutoShape 3"))->Fill()->ForeColor()->RGB(), 13434879);
  EXPECT_LT(shapes->Item(Variant("AutoShape 3"))->ZOrderPosition(),
            shapes->Item(Variant("Text Box 2"))->ZOrderPosition());
  ASSERT_EQ(chart->TextBoxes()->Count(), 1);
  auto unit = chart->TextBoxes()->Item(Variant(1));
  EXPECT_EQ(unit->Text(), "x1000");
  EXPECT_EQ(unit->Top(), 111.75);
  EXPECT_EQ(unit->Height(), 12.75);
  EXPECT_EQ(chart->ChartObjects()->Count(), 0);
  EXPECT_EQ(chart->TextBoxes()->Add(0, 0, 10, 10)->Name(), "Text Box 4");
}

TEST_F(LoadedDrawingsTest, UnresolvedReferencesKeepTheirTextAndCachedPoints) {
  document::ChartData data;
  data.chartType = 51;
  document::SeriesData series;
  series.order = 0;
  series.name = document::SeriesSourceData{"[1]Autre!$A$1", "", {Variant("Ailleurs")}};
  series.categories = {"Absente!$B$1:$C$1", "", {Variant("T1"), Variant("T2")}};
  series.values = {"Feuil1!$B$1:$C$1", "", {Variant(1.0), Variant(2.0)}};
  data.series = {series};
  auto chart = ChartFrom(data);
  auto loaded = chart->SeriesCollection()->Item(Variant(1));
  EXPECT_EQ(loaded->Formula(), "=SERIES([1]Autre!$A$1,Absente!$B$1:$C$1,Feuil1!$B$1:$C$1,1)");
  EXPECT_EQ(loaded->Name(), "Ailleurs");
  Variant names = chart->Axes(xl::kCategory, xl::kPrimary)->CategoryNames();
  ASSERT_EQ(names.AsArray().items.size(), 2u);
  EXPECT_EQ(ToText(names.AsArray().at(2)), "T2");
  // The values that resolve follow the cells (10 and 20), not the cache (1 and 2).
  auto learnerChart = AddChart(NewSheet());
  auto learnerSeries = learnerChart->SeriesCollection()->NewSeries();
  learnerSeries->SetFormula("=SERIES(,,{10,20},1)");
  auto fromCells = learnerChart->Axes(xl::kValue, xl::kPrimary)->MajorUnit();
  EXPECT_EQ(chart->Axes(xl::kValue, xl::kPrimary)->MajorUnit(), fromCells);
  learnerSeries->SetFormula("=SERIES(,,{1,2},1)");
  EXPECT_NE(learnerChart->Axes(xl::kValue, xl::kPrimary)->MajorUnit(), fromCells);
}

TEST_F(LoadedDrawingsTest, LiteralsAndMissingPartsPrintAsExcelShowsThem) {
  document::ChartData data;
  data.chartType = 4;
  document::SeriesData series;
  series.order = 0;
  series.name = document::SeriesSourceData{"", "\"Moyenne\"", {Variant("Moyenne")}};
  series.values = {"", "{1,2.5}", {Variant(1.0), Variant(2.5)}};
  document::SeriesData unnamed;
  unnamed.order = 1;
  unnamed.values = {"Feuil1!$B$1:$C$1", "", {}};
  data.series = {unnamed, series};
  auto collection = ChartFrom(data)->SeriesCollection();
  EXPECT_EQ(collection->Item(Variant(1))->Formula(), "=SERIES(\"Moyenne\",,{1,2.5},1)");
  EXPECT_EQ(collection->Item(Variant(1))->Name(), "Moyenne");
  EXPECT_EQ(collection->Item(Variant(1))->ChartType(), 4);
  EXPECT_EQ(collection->Item(Variant(2))->Formula(), "=SERIES(,,Feuil1!$B$1:$C$1,2)");
  EXPECT_EQ(collection->Item(Variant(2))->Name(), "Series2");
}

TEST_F(LoadedDrawingsTest, AnAutomaticTitleReadsAsTheOnlySeriesName) {
  document::ChartData data;
  document::SeriesData series;
  series.name = document::SeriesSourceData{"Feuil1!$A$1", "", {}};
  series.values = {"Feuil1!$B$1:$C$1", "", {}};
  data.series = {series};
  data.title = document::TitleData{};
  data.title->automatic = true;
  auto chart = ChartFrom(data);
  ASSERT_TRUE(chart->HasTitle());
  EXPECT_EQ(chart->ChartTitle()->Text(), "Nord");
}

TEST_F(LoadedDrawingsTest, StatedFontsAreTakenAndThemeFontsLeftAsANewChartsAre) {
  document::ChartData data;
  data.areaFont.name = "Arial";
  data.areaFont.size = 9;
  data.title = document::TitleData{};
  data.title->text.text = "Ventes";
  document::FontData run;
  run.name = "Times New Roman";
  run.size = 11;
  data.title->text.runFonts = {run};
  auto chart = ChartFrom(data);
  EXPECT_EQ(ToDouble(chart->ChartTitle()->Font()->Size()), 11);
  EXPECT_EQ(ToText(chart->ChartTitle()->Font()->Name()), "Times New Roman");
  EXPECT_TRUE(chart->ChartArea()->Font()->Name().IsNull());

  document::ChartData themed;
  themed.areaFont.name = "+mn-lt";
  themed.areaFont.size = 11;
  auto plain = ChartFrom(themed);
  EXPECT_EQ(ToText(plain->ChartArea()->Font()->Name()),
            ToText(AddChart(NewSheet())->ChartArea()->Font()->Name()));
  EXPECT_EQ(ToDouble(plain->ChartArea()->Font()->Size()), 11);
}

// A chart with a value and a category axis, whose plot area has the layout `layout`.
document::ChartData ChartWithPlotLayout(std::optional<document::ManualLayoutData> layout) {
  document::ChartData chart;
  chart.axes.resize(2);
  chart.axes[1].element = document::AxisData::Element::Value;
  chart.axes[1].type = xl::kValue;
  chart.plotAreaLayout = std::move(layout);
  return chart;
}

TEST_F(LoadedDrawingsTest, AStoredOuterLayoutIsThePlotAreasOwnBoxAndScalesWithTheChart) {
  using Mode = document::ManualLayoutData::Mode;
  document::ManualLayoutData layout;
  layout.xMode = Mode::Edge;
  layout.yMode = Mode::Edge;
  layout.x = 0.1;
  layout.y = 0.2;
  layout.width = 0.6;
  layout.height = 0.55;
  auto chart = ChartFrom(ChartWithPlotLayout(layout), {0, 0, 247.5, 146.25});
  auto plot = chart->PlotArea();
  EXPECT_DOUBLE_EQ(plot->Height(), 80.4375);
  EXPECT_DOUBLE_EQ(plot->Top(), 29.25);
  EXPECT_DOUBLE_EQ(plot->Left(), 24.75);
  EXPECT_DOUBLE_EQ(plot->Width(), 148.5);
  EXPECT_LT(plot->InsideHeight(), plot->Height());
  auto object = ToObject<xl::ChartObject>(chart->Parent());
  object->SetHeight(292.5);
  EXPECT_DOUBLE_EQ(plot->Height(), 160.875);
}

TEST_F(LoadedDrawingsTest, AStoredFactorPositionIsAnOffsetFromTheAutomaticPlace) {
  auto automatic = ChartFrom(ChartWithPlotLayout(std::nullopt))->PlotArea();
  document::ManualLayoutData layout;
  layout.y = 0.05;
  layout.height = 0.5;
  layout.hMode = document::ManualLayoutData::Mode::Edge;
  auto offset = ChartFrom(ChartWithPlotLayout(layout))->PlotArea();
  EXPECT_DOUBLE_EQ(offset->Top(), automatic->Top() + 0.05 * 216);
  EXPECT_DOUBLE_EQ(offset->Height(), 0.5 * 216 - offset->Top());
  EXPECT_DOUBLE_EQ(offset->Left(), automatic->Left());
  EXPECT_DOUBLE_EQ(offset->Width(), automatic->Width());
}

TEST_F(LoadedDrawingsTest, AChartSheetTakesItsFrameHeight) {
  document::WorkbookData data;
  document::SheetData sheet;
  sheet.name = "Graphique";
  sheet.kind = document::SheetData::Kind::Chart;
  sheet.chartSheet = document::ChartSheetData{};
  sheet.chartSheet->chart = document::ChartData{};
  sheet.chartSheet->chart->plotAreaLayout = document::ManualLayoutData{};
  sheet.chartSheet->chart->plotAreaLayout->height = 0.5;
  sheet.chartSheet->frame = document::GeometryData{0, 0, 700, 480};
  data.sheets.push_back(sheet);
  document::SheetData table;
  table.name = "Feuil1";
  data.sheets.push_back(table);
  auto chart = ToObject<xl::Chart>(Variant(Build(data)->Sheets()->Item(Variant(1))));
  EXPECT_DOUBLE_EQ(chart->PlotArea()->Height(), 240);
  EXPECT_EQ(chart->ChartObjects()->Count(), 0);
}

}  // namespace
}  // namespace k27093::engine::testing
