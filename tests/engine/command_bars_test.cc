// The command bars: Office 2003's list, look-up by name ignoring case, state changes.
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

using CommandBarsTest = EngineTest;

TEST_F(CommandBarsTest, ListsMoreThanEighteenBarsInOfficeOrder) {
  auto bars = app->CommandBars();
  ASSERT_GT(bars->Count(), 18);
  EXPECT_EQ(bars->Item(Variant(1))->Name(), "Worksheet Menu Bar");
  EXPECT_EQ(bars->Item(Variant(2))->Name(), "Chart Menu Bar");
  EXPECT_EQ(bars->Item(Variant(3))->Name(), "Standard");
  EXPECT_EQ(bars->Item(Variant(4))->Name(), "Formatting");
  for (const char* name : {"PivotTable",
                           "Chart",
                           "Reviewing",
                           "Forms",
                           "Stop Recording",
                           "External Data",
                           "Formula Auditing",
                           "Full Screen",
                           "Circular Reference",
                           "Visual Basic",
                           "Web",
                           "Control Toolbox",
                           "Exit Design Mode",
                           "Refresh",
                           "Watch Window",
                           "PivotTable Field List",
                           "Borders",
                           "Protection",
                           "Text To Speech",
                           "Drawing",
                           "Task Pane"}) {
    EXPECT_EQ(bars->Item(Variant(name))->Name(), name);
  }
}

TEST_F(CommandBarsTest, FindsBarsIgnoringCase) {
  auto bars = app->CommandBars();
  EXPECT_EQ(bars->Item(Variant("task pane"))->Name(), "Task Pane");
  EXPECT_EQ(bars->Item(Variant("Task pane"))->Name(), "Task Pane");
  EXPECT_EQ(bars->Item(Variant("STANDARD"))->Name(), "Standard");
}

TEST_F(CommandBarsTest, MissingBarsRaiseInvalidArgument) {
  auto bars = app->CommandBars();
  EXPECT_EQ(CaughtError([&] { bars->Item(Variant("Nowhere")); }).number(), 5);
  EXPECT_EQ(CaughtError([&] { bars->Item(Variant(bars->Count() + 1)); }).number(), 5);
  EXPECT_EQ(CaughtError([&] { bars->Item(Variant(0)); }).number(), 5);
}

TEST_F(CommandBarsTest, StartWithTheMainToolbarsShownAndDocked) {
  auto bars = app->CommandBars();
  auto standard = bars->Item(Variant("Standard"));
  auto formatting = bars->Item(Variant("Formatting"));
  auto drawing = bars->Item(Variant("Drawing"));
  auto taskPane = bars->Item(Variant("Task Pane"));
  EXPECT_TRUE(standard->Visible());
  EXPECT_EQ(standard->Position(), xl::kBarTop);
  EXPECT_TRUE(formatting->Visible());
  EXPECT_EQ(formatting->Position(), xl::kBarTop);
  EXPECT_FALSE(drawing->Visible());
  EXPECT_EQ(drawing->Position(), xl::kBarBottom);
  EXPECT_TRUE(taskPane->Visible());
  EXPECT_EQ(taskPane->Position(), xl::kBarRight);
  EXPECT_TRUE(taskPane->Enabled());
  EXPECT_FALSE(bars->Item(Variant("Reviewing"))->Visible());
}

TEST_F(CommandBarsTest, ChangesLastAcrossLookUps) {
  auto drawing = app->CommandBars()->Item(Variant("drawing"));
  drawing->SetVisible(true);
  drawing->SetPosition(xl::kBarLeft);
  auto again = app->CommandBars()->Item(Variant("Drawing"));
  EXPECT_TRUE(again->Visible());
  EXPECT_EQ(again->Position(), xl::kBarLeft);
  EXPECT_EQ(CaughtError([&] { again->SetPosition(9); }).number(), 5);
}

TEST_F(CommandBarsTest, DisabledBarReadsHiddenAndStaysHidden) {
  auto taskPane = app->CommandBars()->Item(Variant("Task Pane"));
  taskPane->SetEnabled(false);
  EXPECT_FALSE(taskPane->Enabled());
  EXPECT_FALSE(taskPane->Visible());
  taskPane->SetVisible(true);
  EXPECT_FALSE(taskPane->Visible());
  taskPane->SetEnabled(true);
  EXPECT_TRUE(taskPane->Visible());
}

// The position of the bar named `name` in the collection; 0 when it is not there.
std::int32_t PositionOf(xl::CommandBars& bars, std::string_view name) {
  for (std::int32_t i = 1; i <= bars.Count(); ++i) {
    if (bars.Item(Variant(i))->Name() == name) return i;
  }
  return 0;
}

TEST_F(CommandBarsTest, KeepsTheMainToolbarsFirstAndTheSharedBarsBeyondTheEighteenth) {
  auto bars = app->CommandBars();
  ASSERT_GT(bars->Count(), 18);
  EXPECT_EQ(PositionOf(*bars, "Standard"), 3);
  EXPECT_EQ(PositionOf(*bars, "Formatting"), 4);
  EXPECT_EQ(PositionOf(*bars, "Drawing"), 26);
  EXPECT_EQ(PositionOf(*bars, "Task Pane"), 27);
  EXPECT_EQ(bars->Item(Variant(18))->Name(), "Refresh");
}

TEST_F(CommandBarsTest, BarsAreHiddenMovedAndShownAgain) {
  auto bars = app->CommandBars();
  auto standard = bars->Item(Variant("standard"));
  standard->SetVisible(false);
  EXPECT_FALSE(standard->Visible());
  for (std::int32_t position : {xl::kBarTop, xl::kBarRight, xl::kBarBottom}) {
    standard->SetPosition(position);
    EXPECT_EQ(bars->Item(Variant(3))->Position(), position);
    EXPECT_FALSE(bars->Item(Variant(3))->Visible());
  }
  standard->SetVisible(true);
  EXPECT_TRUE(bars->Item(Variant(3))->Visible());
  EXPECT_EQ(bars->Item(Variant(3))->Position(), xl::kBarBottom);
}

TEST_F(CommandBarsTest, ADisabledTaskPaneReadsHiddenCannotBeShownButCanBeMoved) {
  auto taskPane = app->CommandBars()->Item(Variant("Task Pane"));
  taskPane->SetVisible(false);
  taskPane->SetEnabled(false);
  taskPane->SetVisible(true);
  EXPECT_FALSE(taskPane->Visible());
  taskPane->SetPosition(xl::kBarBottom);
  EXPECT_EQ(taskPane->Position(), xl::kBarBottom);
  taskPane->SetEnabled(true);
  EXPECT_FALSE(taskPane->Visible());
  taskPane->SetVisible(true);
  EXPECT_TRUE(taskPane->Visible());
}

TEST_F(CommandBarsTest, EachApplicationHasItsOwnBars) {
  app->CommandBars()->Item(Variant("Standard"))->SetVisible(false);
  auto other = StartApplication(desktop, nullptr, EngineSettings{});
  EXPECT_TRUE(other->CommandBars()->Item(Variant("Standard"))->Visible());
  EXPECT_FALSE(app->CommandBars()->Item(Variant("Standard"))->Visible());
}

}  // namespace
}  // namespace k27093::engine::testing
