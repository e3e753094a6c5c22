// The application: its window, settings, printer, windows, macros, quitting and the learner
// closing it.
#include "engine/application/application_control.h"
#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

using ApplicationTest = EngineTest;

TEST_F(ApplicationTest, StartsWithAHiddenMainWindowShownByVisible) {
  Hwnd window = desktop.FindWindowA("XLMAIN", std::nullopt);
  ASSERT_NE(window, 0u);
  EXPECT_EQ(app->Hwnd(), window);
  EXPECT_FALSE(desktop.IsWindowVisible(window));
  EXPECT_FALSE(app->Visible());
  app->SetVisible(true);
  EXPECT_TRUE(desktop.IsWindowVisible(window));
  EXPECT_TRUE(app->Visible());
  std::string title;
  desktop.GetWindowTextA(window, title, 255);
  EXPECT_EQ(title.rfind("Microsoft Excel", 0), 0u);
}

TEST_F(ApplicationTest, RegistersItselfAsRunning) {
  auto running = registry.GetObject("Excel.application.11");
  EXPECT_EQ(running.get(), app.get());
}

TEST_F(ApplicationTest, CreateObjectStartsAnotherApplicationWithItsOwnWindow) {
  RegisterEngine(registry, desktop, EngineSettings{});
  auto created = ToObject<xl::Application>(Variant(registry.CreateObject("Excel.application.11")));
  EXPECT_FALSE(created.Is(app));
  EXPECT_NE(created->Hwnd(), app->Hwnd());
  EXPECT_EQ(created->Workbooks()->Count(), 0);
}

TEST_F(ApplicationTest, HasTheDefaultsOfAFreshSpreadsheet) {
  EXPECT_TRUE(app->ShowToolTips());
  EXPECT_EQ(app->DisplayCommentIndicator(), -1);
  EXPECT_TRUE(app->ShowStartupDialog());
  EXPECT_FALSE(app->DisplayFullScreen());
  EXPECT_EQ(app->TemplatesPath(), "/modeles/");
  EXPECT_TRUE(app->ApplicationObject().Is(app));
  EXPECT_TRUE(app->ActiveWorkbook().IsNothing());
  EXPECT_TRUE(app->ActiveSheet().IsNothing());
  EXPECT_TRUE(app->ActiveChart().IsNothing());
  EXPECT_TRUE(app->ActiveWindow().IsNothing());
  EXPECT_TRUE(app->Selection().IsObject());
  EXPECT_FALSE(app->Selection().AsObject());
}

TEST_F(ApplicationTest, KeepsTheSettingsItIsGiven) {
  app->SetShowToolTips(false);
  app->SetDisplayCommentIndicator(0);
  app->SetShowStartupDialog(false);
  app->SetDisplayFullScreen(true);
  EXPECT_FALSE(app->ShowToolTips());
  EXPECT_EQ(app->DisplayCommentIndicator(), 0);
  EXPECT_FALSE(app->ShowStartupDialog());
  EXPECT_TRUE(app->DisplayFullScreen());
  EXPECT_EQ(CaughtError([&] { app->SetDisplayCommentIndicator(7); }).number(), 1004);
}

TEST_F(ApplicationTest, ActivePrinterNamesThePrinterOrSaysThereIsNone) {
  EXPECT_EQ(app->ActivePrinter(), "Imprimante PDF");
  Control(app).SetPrinter("");
  EXPECT_EQ(app->ActivePrinter(), "Imprimante non définie. Vérifiez le panneau de configuration.");
}

TEST_F(ApplicationTest, WindowsCountTheOpenWorkbooks) {
  EXPECT_EQ(app->Windows()->Count(), 0);
  app->Workbooks()->Add();
  auto second = app->Workbooks()->Add();
  EXPECT_EQ(app->Windows()->Count(), 2);
  EXPECT_EQ(app->ActiveWindow()->Caption(), "Classeur2");
  EXPECT_EQ(app->Windows()->Item(Variant(1))->Caption(), "Classeur2");
  EXPECT_EQ(app->Windows()->Item(Variant("classeur1"))->Caption(), "Classeur1");
  EXPECT_EQ(CaughtError([&] { app->Windows()->Item(Variant(3)); }).number(), 9);
  second->Close(false);
  EXPECT_EQ(app->Windows()->Count(), 1);
}

TEST_F(ApplicationTest, ActiveWindowStateCanBeMaximizedMinimizedOrNormal) {
  app->Workbooks()->Add();
  auto window = app->ActiveWindow();
  window->SetWindowState(xl::kMinimized);
  EXPECT_EQ(app->ActiveWindow()->WindowState(), xl::kMinimized);
  window->SetWindowState(xl::kMaximized);
  EXPECT_EQ(window->WindowState(), xl::kMaximized);
  EXPECT_EQ(CaughtError([&] { window->SetWindowState(1); }).number(), 1004);
}

TEST_F(ApplicationTest, QuitRemovesTheWindowAndTheRunningEntry) {
  Hwnd window = app->Hwnd();
  app->Quit();
  EXPECT_FALSE(desktop.Exists(window));
  EXPECT_EQ(desktop.FindWindowA("XLMAIN", std::nullopt), 0u);
  EXPECT_EQ(CaughtError([&] { registry.GetObject("Excel.application.11"); }).number(), 429);
}

TEST_F(ApplicationTest, EveryObjectRaises462AfterQuit) {
  auto workbook = OpenSales();
  auto sheet = AsWorksheet(workbook->Sheets()->Item(Variant(1)));
  auto range = sheet->Range("G9");
  auto chart = AddChart(sheet);
  auto bars = app->CommandBars();
  auto bar = bars->Item(Variant("Standard"));
  auto shapes = sheet->Shapes();
  auto windows = app->Windows();
  app->Quit();
  std::vector<std::function<void()>> calls = {
      [&] { app->Workbooks(); },
      [&] { app->ActivePrinter(); },
      [&] { app->Quit(); },
      [&] { windows->Count(); },
      [&] { workbook->Name(); },
      [&] { sheet->Name(); },
      [&] { range->NoteText(); },
      [&] { chart->ChartType(); },
      [&] { bars->Count(); },
      [&] { bar->Visible(); },
      [&] { shapes->Count(); },
      [&] { app->Hwnd(); },
      [&] { chart->SeriesCollection(); },
  };
  for (const auto& call : calls) {
    Error error = CaughtError(call);
    EXPECT_EQ(error.number(), 462);
    EXPECT_EQ(error.description(), "The remote server machine does not exist or is unavailable");
  }
}

TEST_F(ApplicationTest, TheLearnerClosingTheSpreadsheetEndsIt) {
  auto workbooks = app->Workbooks();
  Hwnd window = app->Hwnd();
  Control(app).SimulateUserClose();
  EXPECT_FALSE(desktop.Exists(window));
  EXPECT_FALSE(Control(app).IsRunning());
  EXPECT_EQ(CaughtError([&] { workbooks->Count(); }).number(), 462);
  EXPECT_EQ(CaughtError([&] { app->Windows(); }).number(), 462);
}

TEST_F(ApplicationTest, BusyApplicationRejectsEveryCallUntilItIsFree) {
  auto workbook = app->Workbooks()->Add();
  Control(app).SetBusy(true);
  for (const auto& call : std::vector<std::function<void()>>{[&] { app->Windows()->Count(); },
                                                             [&] { workbook->Name(); }}) {
    Error error = CaughtError(call);
    EXPECT_EQ(error.number(), -2147418111);
    EXPECT_EQ(error.description(), "Call was rejected by callee.");
  }
  EXPECT_NE(desktop.FindWindowA("XLMAIN", std::nullopt), 0u);
  Control(app).SetBusy(false);
  EXPECT_EQ(workbook->Name(), "Classeur1");
}

TEST_F(ApplicationTest, CloseMessageToTheMainWindowEndsIt) {
  desktop.SendMessageA(app->Hwnd(), win::kWmClose, 0, 0);
  EXPECT_EQ(desktop.FindWindowA("XLMAIN", std::nullopt), 0u);
  EXPECT_EQ(CaughtError([&] { app->Visible(); }).number(), 462);
}

TEST_F(ApplicationTest, ReleasingTheApplicationShutsItDown) {
  Hwnd window = app->Hwnd();
  auto workbook = app->Workbooks()->Add();
  app = nullptr;
  EXPECT_FALSE(desktop.Exists(window));
  EXPECT_EQ(CaughtError([&] { workbook->Name(); }).number(), 462);
}

// The running table as a client attaching later sees it.
Ref<xl::Application> Running(platform::Registry& registry) {
  return ToObject<xl::Application>(Variant(registry.GetObject("Excel.application.11")));
}

TEST_F(ApplicationTest, AVisibleApplicationRunsOnWithItsWorkbooksWhenItsLastReferenceGoes) {
  app->SetVisible(true);
  app->Workbooks()->Add();
  const Hwnd window = app->Hwnd();
  const xl::Application* started = app.get();
  app = nullptr;

  EXPECT_TRUE(desktop.IsWindowVisible(window));
  auto attached = Running(registry);
  EXPECT_EQ(attached.get(), started);
  EXPECT_EQ(attached->Workbooks()->Count(), 1);
  EXPECT_EQ(attached->Workbooks()->Item(Variant(1))->Name(), "Classeur1");
}

TEST_F(ApplicationTest, AnApplicationHiddenAgainEndsWithItsLastReference) {
  app->SetVisible(true);
  app->SetVisible(false);
  const Hwnd window = app->Hwnd();
  app = nullptr;
  EXPECT_FALSE(desktop.Exists(window));
  EXPECT_EQ(CaughtError([&] { registry.GetObject("Excel.application.11"); }).number(), 429);
}

TEST_F(ApplicationTest, ARunningVisibleApplicationEndsWhenItQuitsOrItsWindowIsClosed) {
  app->SetVisible(true);
  const Hwnd window = app->Hwnd();
  app = nullptr;
  Running(registry)->Quit();
  EXPECT_FALSE(desktop.Exists(window));
  EXPECT_EQ(CaughtError([&] { registry.GetObject("Excel.application.11"); }).number(), 429);

  // The learner closes the window of one that nothing else holds.
  auto second = StartApplication(desktop, &registry, EngineSettings{});
  second->SetVisible(true);
  second->Workbooks()->Add();
  const Hwnd secondWindow = second->Hwnd();
  second = nullptr;
  desktop.SendMessageA(secondWindow, win::kWmClose, 0, 0);
  EXPECT_FALSE(desktop.Exists(secondWindow));
  EXPECT_EQ(CaughtError([&] { registry.GetObject("Excel.application.11"); }).number(), 429);
}

TEST_F(ApplicationTest, AVisibleApplicationOutsideTheRunningTableEndsWithItsLastReference) {
  auto unlisted = StartApplication(desktop, nullptr, EngineSettings{});
  unlisted->SetVisible(true);
  const Hwnd window = unlisted->Hwnd();
  unlisted = nullptr;
  EXPECT_FALSE(desktop.Exists(window));
}

TEST_F(ApplicationTest, RunsABuiltInMacroOnlyWhileItsWorkbookIsOpen) {
  Control(app).RegisterMacro(
      "Classeur1", "module1.Double",
      [](ApplicationControl&, Arguments arguments) { return Variant(ToLong(arguments[0]) * 2); });
  std::vector<Variant> arguments = {Variant(21)};
  Error missing = CaughtError([&] { app->Run("Classeur1!module1.Double", arguments); });
  EXPECT_EQ(missing.number(), 1004);
  EXPECT_EQ(missing.description(), "The macro 'Classeur1!module1.Double' cannot be found.");
  app->Workbooks()->Add();
  EXPECT_EQ(ToLong(app->Run("CLASSEUR1!Module1.double", arguments)), 42);
  EXPECT_EQ(ToLong(app->Run("'Classeur1'!module1.Double", arguments)), 42);
  EXPECT_EQ(CaughtError([&] { app->Run("Classeur1!module1.Triple", arguments); }).number(), 1004);
}

TEST_F(ApplicationTest, ControlRefusesWhatIsNotAnEngineApplication) {
  EXPECT_EQ(CaughtError([] { Control(Ref<xl::Application>()); }).number(), 91);
}

}  // namespace
}  // namespace k27093::engine::testing
