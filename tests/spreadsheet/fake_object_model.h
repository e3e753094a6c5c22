// Minimal in-memory objects of the spreadsheet object model, for testing its late-bound face
// without the engine. Each keeps its state in public fields and records the arguments it got;
// members no test reaches throw std::logic_error.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "spreadsheet/object_model.h"

namespace k27093::xl::fakes {

[[noreturn]] inline void NotFaked() { throw std::logic_error("member not faked"); }

// Count and Item of a collection: a number is a 1-based position, a name gives the first item.
template <class Collection, class Element>
class FakeCollection : public Collection {
 public:
  std::vector<Ref<Element>> items;
  Variant lastIndex;

  std::int32_t Count() override { return static_cast<std::int32_t>(items.size()); }
  Ref<Element> Item(const Variant& index) override {
    lastIndex = index;
    if (index.IsText()) return items.at(0);
    auto position = ToLong(index);
    if (position < 1 || position > Count()) Raise(errors::kSubscript);
    return items[position - 1];
  }
};

class FakeRange : public Range {
 public:
  std::string note;
  Variant value;
  std::string Address() override { return "$G$9"; }
  Variant Value() override { return value; }
  void SetValue(const Variant& newValue) override { value = newValue; }
  std::string NoteText() override { return note; }
  void SetNoteText(std::string_view text) override { note = text; }
  void ClearComments() override { note.clear(); }
  void Select() override {}
  Variant Name() override { return Variant("Ventes"); }
};

class FakeChartObjects;

// What every sheet has, for a worksheet or a chart.
template <class Kind>
class FakeSheet : public Kind {
 public:
  std::string name;
  std::int32_t index = 1;
  std::int32_t movedBefore = 0;
  int activations = 0;
  std::vector<std::string> protections;  // "protect:<password>" / "unprotect:<password>"
  Ref<xl::ChartObjects> chartObjects;

  std::string Name() override { return name; }
  void SetName(std::string_view newName) override { name = newName; }
  std::int32_t Index() override { return index; }
  void Activate() override { ++activations; }
  void Select() override {}
  void Move(std::int32_t before) override { movedBefore = before; }
  void Delete() override { NotFaked(); }
  Ref<xl::ChartObjects> ChartObjects() override { return chartObjects; }
  Ref<xl::Shapes> Shapes() override { return nullptr; }
  void Protect(std::string_view password) override {
    protections.push_back("protect:" + std::string(password));
  }
  void Unprotect(std::string_view password) override {
    protections.push_back("unprotect:" + std::string(password));
  }
  bool ProtectContents() override { return !protections.empty(); }
};

class FakeWorksheet : public FakeSheet<Worksheet> {
 public:
  Ref<FakeRange> range = MakeRef<FakeRange>();
  std::string lastAddress;
  Ref<xl::Range> Range(std::string_view address) override {
    lastAddress = address;
    return range;
  }
  Ref<xl::TextBoxes> TextBoxes() override { return nullptr; }
  Ref<xl::CheckBoxes> CheckBoxes() override { return nullptr; }
};

class FakeChartFillFormat : public ChartFillFormat {
 public:
  std::string TextureName() override { return "Papier journal"; }
  std::int32_t TextureType() override { return 1; }
  void PresetTextured(std::int32_t) override { NotFaked(); }
};

class FakePageSetup : public PageSetup {
 public:
  std::int32_t chartSize = 2;
  std::int32_t ChartSize() override { return chartSize; }
  void SetChartSize(std::int32_t size) override { chartSize = size; }
};

class FakeSeriesCollection : public FakeCollection<SeriesCollection, Series> {
 public:
  Ref<Series> NewSeries() override { NotFaked(); }
};

class FakeChart : public FakeSheet<Chart> {
 public:
  std::int32_t chartType = chart_type::kColumnClustered;
  std::map<std::pair<std::int32_t, std::int32_t>, bool> axes;  // (type, group) -> present
  std::pair<std::int32_t, std::int32_t> lastAxes;
  Ref<FakeSeriesCollection> series = MakeRef<FakeSeriesCollection>();
  Ref<FakePageSetup> pageSetup = MakeRef<FakePageSetup>();

  std::int32_t ChartType() override { return chartType; }
  void SetChartType(std::int32_t type) override { chartType = type; }
  std::int32_t Type() override { return gallery::kColumn; }
  std::int32_t SubType() override { return 1; }
  Variant Parent() override { return Variant::Nothing(); }
  bool HasTitle() override { return false; }
  void SetHasTitle(bool) override { NotFaked(); }
  Ref<xl::ChartTitle> ChartTitle() override { NotFaked(); }
  bool HasLegend() override { return true; }
  void SetHasLegend(bool) override { NotFaked(); }
  Ref<xl::Legend> Legend() override { NotFaked(); }
  bool HasAxis(std::int32_t type, std::int32_t group) override { return axes[{type, group}]; }
  void SetHasAxis(std::int32_t type, std::int32_t group, bool has) override {
    axes[{type, group}] = has;
  }
  Ref<xl::Axis> Axes(std::int32_t type, std::int32_t group) override {
    lastAxes = {type, group};
    return nullptr;
  }
  Ref<xl::SeriesCollection> SeriesCollection() override { return series; }
  Ref<xl::TextBoxes> TextBoxes() override { return nullptr; }
  Ref<xl::ChartArea> ChartArea() override { NotFaked(); }
  Ref<xl::PlotArea> PlotArea() override { NotFaked(); }
  bool HasDataTable() override { return false; }
  void SetHasDataTable(bool) override { NotFaked(); }
  Ref<xl::PageSetup> PageSetup() override { return pageSetup; }
};

class FakeChartObject : public ChartObject {
 public:
  Ref<FakeChart> chart = MakeRef<FakeChart>();
  std::string Name() override { return "Chart 1"; }
  Ref<xl::Chart> Chart() override { return chart; }
  void Activate() override {}
  void Select() override {}
  void Delete() override { NotFaked(); }
  double Left() override { return 10; }
  double Top() override { return 20; }
  double Width() override { return 300; }
  double Height() override { return 200; }
  void SetLeft(double) override { NotFaked(); }
  void SetTop(double) override { NotFaked(); }
  void SetWidth(double) override { NotFaked(); }
  void SetHeight(double) override { NotFaked(); }
};

class FakeChartObjects : public FakeCollection<ChartObjects, ChartObject> {
 public:
  Ref<ChartObject> Add(double, double, double, double) override { NotFaked(); }
};

class FakeWorkbook : public Workbook {
 public:
  std::vector<std::string> closes;  // "save" / "discard"
  std::string Name() override { return "Ventes.xls"; }
  std::string Path() override { return "/travail"; }
  std::string FullName() override { return "/travail/Ventes.xls"; }
  void Activate() override {}
  void Close(bool saveChanges) override { closes.push_back(saveChanges ? "save" : "discard"); }
  Ref<xl::Sheets> Sheets() override { NotFaked(); }
  Ref<xl::Sheets> Worksheets() override { NotFaked(); }
  Ref<xl::Sheet> ActiveSheet() override { NotFaked(); }
};

class FakeWorkbooks : public FakeCollection<Workbooks, Workbook> {
 public:
  Ref<Workbook> Open(std::string_view) override { NotFaked(); }
  Ref<Workbook> Add() override { NotFaked(); }
};

class FakeWindows : public FakeCollection<Windows, Window> {};

class FakeCommandBar : public CommandBar {
 public:
  bool visible = false;
  std::string Name() override { return "Task Pane"; }
  bool Enabled() override { return true; }
  void SetEnabled(bool) override { NotFaked(); }
  bool Visible() override { return visible; }
  void SetVisible(bool show) override { visible = show; }
  std::int32_t Position() override { return kBarRight; }
  void SetPosition(std::int32_t) override { NotFaked(); }
};

class FakeCommandBars : public FakeCollection<CommandBars, CommandBar> {};

class FakeApplication : public Application {
 public:
  Ref<FakeWorkbooks> workbooks = MakeRef<FakeWorkbooks>();
  Ref<FakeWindows> windows = MakeRef<FakeWindows>();
  Ref<FakeCommandBars> commandBars = MakeRef<FakeCommandBars>();
  std::string lastMacro;
  std::vector<Variant> lastMacroArguments;
  bool visible = false;

  Ref<xl::Application> ApplicationObject() override {
    return std::static_pointer_cast<xl::Application>(shared_from_this());
  }
  Ref<xl::Workbooks> Workbooks() override { return workbooks; }
  Ref<xl::Workbook> ActiveWorkbook() override { return nullptr; }
  Ref<xl::Sheet> ActiveSheet() override { return nullptr; }
  Ref<xl::Chart> ActiveChart() override { return nullptr; }
  Ref<xl::Window> ActiveWindow() override { return nullptr; }
  Variant Selection() override { return Variant::Nothing(); }
  std::string ActivePrinter() override { return "PDF"; }
  Ref<xl::Windows> Windows() override { return windows; }
  Ref<xl::CommandBars> CommandBars() override { return commandBars; }
  Variant Run(std::string_view macro, Arguments arguments) override {
    lastMacro = macro;
    lastMacroArguments.assign(arguments.begin(), arguments.end());
    return "/travail/";
  }
  void Quit() override { NotFaked(); }
  bool Visible() override { return visible; }
  void SetVisible(bool show) override { visible = show; }
  bool DisplayFullScreen() override { return false; }
  void SetDisplayFullScreen(bool) override { NotFaked(); }
  std::string TemplatesPath() override { return "/modeles/"; }
  bool ShowToolTips() override { return true; }
  void SetShowToolTips(bool) override { NotFaked(); }
  std::int32_t DisplayCommentIndicator() override { return kCommentIndicatorOnly; }
  void SetDisplayCommentIndicator(std::int32_t) override { NotFaked(); }
  bool ShowStartupDialog() override { return true; }
  void SetShowStartupDialog(bool) override { NotFaked(); }
  k27093::Hwnd Hwnd() override { return 0x00010010; }
};

}  // namespace k27093::xl::fakes
