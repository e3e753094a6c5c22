// The late-bound face of the object model: names, dispatch identifiers, collections called
// with an index, argument conversion and the errors of a wrong call.
#include <gtest/gtest.h>

#include "fake_object_model.h"

namespace k27093::xl {
namespace {

using namespace fakes;

// Runs `call` and returns the number of the error it raised (0 when it raised none).
template <class F>
std::int32_t ErrorNumberOf(F call) {
  try {
    call();
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

// A worksheet and a chart sheet; the worksheet holds one embedded chart.
struct SheetFace : ::testing::Test {
  Ref<FakeWorksheet> worksheet = MakeRef<FakeWorksheet>();
  Ref<FakeChart> chartSheet = MakeRef<FakeChart>();
  Ref<FakeChartObjects> chartObjects = MakeRef<FakeChartObjects>();
  Ref<FakeChartObject> chartObject = MakeRef<FakeChartObject>();

  SheetFace() {
    worksheet->name = "Année N";
    worksheet->index = 1;
    chartSheet->name = "Graphique";
    chartSheet->index = 2;
    chartObjects->items.push_back(chartObject);
    worksheet->chartObjects = chartObjects;
    chartSheet->chartObjects = chartObjects;
  }
};

TEST_F(SheetFace, MemberNamesIgnoreCase) {
  EXPECT_EQ(GetProperty(worksheet, "Name").AsText(), "Année N");
  EXPECT_EQ(GetProperty(worksheet, "NAME").AsText(), "Année N");
  EXPECT_EQ(GetProperty(worksheet, "name").AsText(), "Année N");
}

TEST_F(SheetFace, PutWritesTheProperty) {
  SetProperty(worksheet, "Name", "Année N-1");
  EXPECT_EQ(worksheet->name, "Année N-1");
}

TEST_F(SheetFace, SheetMembersAnswerOnWorksheetAndChartSheet) {
  for (const Variant& sheet : {Variant(worksheet), Variant(chartSheet)}) {
    SetProperty(sheet, "Name", "Feuil");
    EXPECT_EQ(GetProperty(sheet, "Name").AsText(), "Feuil");
    CallByName(sheet, "Activate", CallKind::Method);
    CallByName(sheet, "Protect", CallKind::Method, {"secret"});
    CallByName(sheet, "Unprotect", CallKind::Method);
    EXPECT_TRUE(GetProperty(sheet, "ProtectContents").AsBoolean());
  }
  EXPECT_EQ(GetProperty(chartSheet, "Index").AsLong(), 2);
  EXPECT_EQ(chartSheet->activations, 1);
  EXPECT_EQ(chartSheet->protections, (std::vector<std::string>{"protect:secret", "unprotect:"}));
  EXPECT_EQ(worksheet->name, "Feuil");
}

TEST_F(SheetFace, ChartObjectsWithAnIndexGiveTheItem) {
  for (const Variant& sheet : {Variant(worksheet), Variant(chartSheet)}) {
    auto item = CallByName(sheet, "ChartObjects", CallKind::Method, {1});
    EXPECT_EQ(item.AsObject(), chartObject.shared());
    EXPECT_EQ(GetProperty(sheet, "ChartObjects").AsObject(), chartObjects.shared());
  }
  EXPECT_EQ(ToLong(chartObjects->lastIndex), 1);
}

TEST_F(SheetFace, ChartSheetHasNoRange) {
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(chartSheet, "Range", {"G9"}); }), 438);
  EXPECT_NO_THROW(GetProperty(worksheet, "Range", {"G9"}));
  EXPECT_EQ(worksheet->lastAddress, "G9");
}

TEST_F(SheetFace, UnknownMemberRaises438) {
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(worksheet, "Couleur"); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(chartObject, "Range", {"A1"}); }), 438);
}

TEST_F(SheetFace, UnknownDispatchIdentifierRaises438) {
  EXPECT_EQ(ErrorNumberOf([&] { CallById(worksheet->range, 999, CallKind::Get); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { CallById(chartSheet->pageSetup, 1644, CallKind::Get); }), 438);
}

TEST_F(SheetFace, WritingAReadOnlyPropertyRaises438) {
  EXPECT_EQ(ErrorNumberOf([&] { SetProperty(worksheet, "Index", 3); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { SetProperty(chartSheet, "Activate", true); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { SetProperty(chartObject, "Chart", Variant::Nothing()); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { CallById(chartObjects, 118, CallKind::Put, {4}); }), 438);
  EXPECT_EQ(worksheet->index, 1);
}

TEST_F(SheetFace, MoveGoesBeforeOrAfterAnotherSheet) {
  CallByName(worksheet, "Move", CallKind::Method, {Variant(), Variant(chartSheet)});
  EXPECT_EQ(worksheet->movedBefore, 3);
  CallByName(chartSheet, "Move", CallKind::Method, {Variant(worksheet)});
  EXPECT_EQ(chartSheet->movedBefore, 1);
}

TEST_F(SheetFace, MoveWithoutPlaceOrWithAValueFails) {
  EXPECT_EQ(ErrorNumberOf([&] { CallByName(worksheet, "Move", CallKind::Method); }), 1004);
  EXPECT_EQ(ErrorNumberOf([&] { CallByName(worksheet, "Move", CallKind::Method, {"x"}); }), 13);
  EXPECT_EQ(worksheet->movedBefore, 0);
}

TEST(Range, NoteTextByDispatchIdentifier) {
  auto range = MakeRef<FakeRange>();
  range->note = "Auteur:\nCommentaire";
  EXPECT_EQ(CallById(range, 1127, CallKind::Get).AsText(), "Auteur:\nCommentaire");
  CallById(range, 1127, CallKind::Put, {"Nouveau"});
  EXPECT_EQ(range->note, "Nouveau");
  EXPECT_EQ(CallByName(range, "notetext", CallKind::Method, {"Autre"}).AsText(), "Autre");
}

TEST(Range, NameIsAReadOnlyLateBoundProperty) {
  auto range = MakeRef<FakeRange>();
  EXPECT_EQ(GetProperty(range, "name").AsText(), "Ventes");
  EXPECT_EQ(ErrorNumberOf([&] { SetProperty(range, "Name", "Autre"); }), 438);
}

TEST(Range, ValueKeepsItsType) {
  auto range = MakeRef<FakeRange>();
  SetProperty(range, "Value", 12.5);
  EXPECT_EQ(GetProperty(range, "Value").AsDouble(), 12.5);
  EXPECT_TRUE(GetProperty(range, "Address").IsText());
}

TEST(Chart, AxesGroupDefaultsToPrimary) {
  auto chart = MakeRef<FakeChart>();
  CallByName(chart, "Axes", CallKind::Method, {xl::kValue});
  EXPECT_EQ(chart->lastAxes, std::make_pair(xl::kValue, xl::kPrimary));
  CallByName(chart, "Axes", CallKind::Method, {xl::kCategory, xl::kSecondary});
  EXPECT_EQ(chart->lastAxes, std::make_pair(xl::kCategory, xl::kSecondary));
  EXPECT_EQ(ErrorNumberOf([&] { CallByName(chart, "Axes", CallKind::Method); }), 449);
}

TEST(Chart, HasAxisReadsAndWritesWithTheValueLast) {
  auto chart = MakeRef<FakeChart>();
  CallByName(chart, "HasAxis", CallKind::Put, {xl::kValue, true});
  EXPECT_TRUE(chart->HasAxis(xl::kValue, xl::kPrimary));
  CallByName(chart, "HasAxis", CallKind::Put, {xl::kCategory, xl::kSecondary, true});
  EXPECT_TRUE(chart->HasAxis(xl::kCategory, xl::kSecondary));
  EXPECT_FALSE(chart->HasAxis(xl::kCategory, xl::kPrimary));
  EXPECT_TRUE(GetProperty(chart, "HasAxis", {xl::kValue}).AsBoolean());
  EXPECT_FALSE(GetProperty(chart, "HasAxis", {xl::kCategory}).AsBoolean());
  EXPECT_TRUE(GetProperty(chart, "HasAxis", {xl::kCategory, xl::kSecondary}).AsBoolean());
}

TEST(Chart, SeriesCollectionWithAnIndexGivesTheItem) {
  auto chart = MakeRef<FakeChart>();
  chart->series->items.resize(2);  // two series the test does not look into
  EXPECT_TRUE(CallByName(chart, "SeriesCollection", CallKind::Method, {2}).IsObject());
  EXPECT_EQ(ToLong(chart->series->lastIndex), 2);
  EXPECT_EQ(CallById(GetProperty(chart, "SeriesCollection"), 118, CallKind::Get).AsLong(), 2);
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(chart, "SeriesCollection", {3}); }), 9);
}

TEST(Chart, ArgumentOfTheWrongKindRaises13) {
  auto chart = MakeRef<FakeChart>();
  EXPECT_EQ(ErrorNumberOf([&] { SetProperty(chart, "ChartType", "colonnes"); }), 13);
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(chart, "Axes", {"valeurs"}); }), 13);
  EXPECT_EQ(chart->chartType, chart_type::kColumnClustered);
  SetProperty(chart, "ChartType", "57");  // a numeric text converts as the platform does
  EXPECT_EQ(chart->chartType, chart_type::kBarClustered);
}

TEST(Chart, PageSetupChartSizeByDispatchIdentifier) {
  auto chart = MakeRef<FakeChart>();
  auto pageSetup = GetProperty(chart, "PageSetup");
  EXPECT_EQ(CallById(pageSetup, 1012, CallKind::Get).AsLong(), 2);
  CallById(pageSetup, 1012, CallKind::Put, {1});
  EXPECT_EQ(chart->pageSetup->chartSize, 1);
}

TEST(ChartFillFormat, TextureByDispatchIdentifiers) {
  auto fill = MakeRef<FakeChartFillFormat>();
  EXPECT_EQ(CallById(fill, 1644, CallKind::Get).AsText(), "Papier journal");
  EXPECT_EQ(CallById(fill, 1645, CallKind::Get).AsLong(), 1);
  EXPECT_EQ(ErrorNumberOf([&] { CallById(fill, 1644, CallKind::Put, {"Marbre"}); }), 438);
}

struct ApplicationFace : ::testing::Test {
  Ref<FakeApplication> application = MakeRef<FakeApplication>();
  Ref<FakeWorkbook> workbook = MakeRef<FakeWorkbook>();
  Ref<FakeCommandBar> taskPane = MakeRef<FakeCommandBar>();

  ApplicationFace() {
    application->workbooks->items.push_back(workbook);
    application->windows->items.resize(3);
    application->commandBars->items.push_back(taskPane);
  }
};

TEST_F(ApplicationFace, CountIsDispatchIdentifier118) {
  EXPECT_EQ(CallById(GetProperty(application, "Windows"), 118, CallKind::Get).AsLong(), 3);
  EXPECT_EQ(CallById(application->workbooks, 118, CallKind::Get).AsLong(), 1);
  EXPECT_EQ(CallById(application->commandBars, 118, CallKind::Get).AsLong(), 1);
}

TEST_F(ApplicationFace, CollectionsCalledWithANameGiveTheItem) {
  auto found = CallByName(application, "Workbooks", CallKind::Method, {"Ventes.xls"});
  EXPECT_EQ(found.AsObject(), workbook.shared());
  EXPECT_EQ(application->workbooks->lastIndex.AsText(), "Ventes.xls");
  auto bar = GetProperty(application, "commandbars", {"Task Pane"});
  SetProperty(bar, "Visible", true);
  EXPECT_TRUE(taskPane->visible);
  EXPECT_EQ(GetProperty(application, "Workbooks").AsObject(), application->workbooks.shared());
}

TEST_F(ApplicationFace, RunPassesTheRemainingArguments) {
  auto result = CallByName(application, "Run", CallKind::Method,
                           {"X27093.xls!module1.ChangeRep", "/travail/", 7});
  EXPECT_EQ(result.AsText(), "/travail/");
  EXPECT_EQ(application->lastMacro, "X27093.xls!module1.ChangeRep");
  ASSERT_EQ(application->lastMacroArguments.size(), 2u);
  EXPECT_EQ(application->lastMacroArguments[0].AsText(), "/travail/");
  EXPECT_EQ(application->lastMacroArguments[1].AsLong(), 7);
  EXPECT_EQ(ErrorNumberOf([&] { CallByName(application, "Run", CallKind::Method); }), 449);
}

TEST_F(ApplicationFace, ApplicationIsItselfAndNothingStaysNothing) {
  EXPECT_EQ(GetProperty(application, "Application").AsObject(), application.shared());
  auto active = GetProperty(application, "ActiveWorkbook");
  ASSERT_TRUE(active.IsObject());
  EXPECT_EQ(active.AsObject(), nullptr);
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(active, "Name"); }), 91);
}

TEST_F(ApplicationFace, BooleanArgumentsConvertOrRaise13) {
  SetProperty(application, "Visible", "True");
  EXPECT_TRUE(application->visible);
  EXPECT_EQ(ErrorNumberOf([&] { SetProperty(application, "Visible", "oui"); }), 13);
  EXPECT_EQ(ErrorNumberOf([&] { SetProperty(application, "Visible", Variant::Null()); }), 94);
  EXPECT_TRUE(application->visible);
}

TEST_F(ApplicationFace, WrongNumberOfArgumentsIsRefused) {
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(application, "TemplatesPath", {1}); }), 450);
  EXPECT_EQ(ErrorNumberOf([&] { GetProperty(application, "Workbooks", {1, 2}); }), 450);
  EXPECT_EQ(ErrorNumberOf([&] { CallByName(workbook, "Close", CallKind::Method, {1, 2}); }), 450);
}

TEST_F(ApplicationFace, CloseWithoutSaveChangesDiscards) {
  CallByName(workbook, "Close", CallKind::Method);
  CallByName(workbook, "Close", CallKind::Method, {true});
  EXPECT_EQ(workbook->closes, (std::vector<std::string>{"discard", "save"}));
}

TEST_F(ApplicationFace, WindowHandleIsA32BitValue) {
  EXPECT_EQ(GetProperty(application, "Hwnd").AsLong(), 0x00010010);
}

}  // namespace
}  // namespace k27093::xl
