// ChartImpl: a chart, embedded in a chart frame of a worksheet's drawing or standing as a
// chart sheet of a workbook. It holds its series in plot order, its settings (ChartState) and
// its own drawing (shapes and text boxes, with their own name counter). Its chart type, the
// legacy Type/SubType, its category names and its automatic scale derive from its series.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/charts/chart_state.h"
#include "engine/drawings/drawing.h"
#include "engine/objects/node.h"
#include "engine/workbooks/sheet_node.h"
#include "spreadsheet/chart.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

class SeriesImpl;
class WorkbookImpl;
class WorksheetImpl;

class ChartImpl : public xl::Chart, public Node, public SheetNode {
 public:
  // A new chart in the chart frame `frame` of `host`'s drawing.
  static std::shared_ptr<ChartImpl> CreateEmbedded(std::shared_ptr<Session> session,
                                                   const std::shared_ptr<WorkbookImpl>& workbook,
                                                   const std::shared_ptr<WorksheetImpl>& host,
                                                   const std::shared_ptr<Drawing>& hostDrawing,
                                                   const std::shared_ptr<DrawnObject>& frame);
  // A new chart sheet `name` placed in `workbook` (not yet among its sheets).
  static std::shared_ptr<ChartImpl> CreateSheet(std::shared_ptr<Session> session,
                                                const std::shared_ptr<WorkbookImpl>& workbook,
                                                std::string name);

  // xl::Sheet. An embedded chart's name is "<sheet> <frame>"; it cannot be renamed, moved or
  // deleted as a sheet (1004), and activating or selecting it activates its chart object.
  std::string Name() override;
  void SetName(std::string_view name) override;
  std::int32_t Index() override;
  void Activate() override;
  void Select() override;
  void Move(std::int32_t before) override;
  void Delete() override;
  Ref<xl::ChartObjects> ChartObjects() override;
  Ref<xl::Shapes> Shapes() override;
  void Protect(std::string_view password) override;
  void Unprotect(std::string_view password) override;
  bool ProtectContents() override;

  // xl::Chart
  std::int32_t ChartType() override;
  // Raises 1004 for a value that is not a chart type; every series takes the type.
  void SetChartType(std::int32_t type) override;
  std::int32_t Type() override;
  std::int32_t SubType() override;
  Variant Parent() override;
  bool HasTitle() override;
  void SetHasTitle(bool has) override;
  Ref<xl::ChartTitle> ChartTitle() override;
  bool HasLegend() override;
  void SetHasLegend(bool has) override;
  Ref<xl::Legend> Legend() override;
  // Raises 1004 for an axis type other than 1 to 3 or a group other than 1 and 2.
  bool HasAxis(std::int32_t type, std::int32_t group) override;
  void SetHasAxis(std::int32_t type, std::int32_t group, bool has) override;
  Ref<xl::Axis> Axes(std::int32_t type, std::int32_t group) override;
  Ref<xl::SeriesCollection> SeriesCollection() override;
  Ref<xl::TextBoxes> TextBoxes() override;
  Ref<xl::ChartArea> ChartArea() override;
  Ref<xl::PlotArea> PlotArea() override;
  bool HasDataTable() override;
  void SetHasDataTable(bool has) override;
  Ref<xl::PageSetup> PageSetup() override;

  // SheetNode
  std::shared_ptr<xl::Sheet> AsSheet() override;
  void ShowSelection() override;

  // Engine side.
  ChartState& state() { return state_; }
  bool embedded() const { return !placed(); }
  // The workbook whose sheets the series refer to; nullptr once it is gone.
  std::shared_ptr<WorkbookImpl> book() const { return book_.lock(); }
  // The worksheet holding an embedded chart; nullptr for a chart sheet.
  std::shared_ptr<WorksheetImpl> hostSheet() const { return host_.lock(); }
  const std::shared_ptr<Drawing>& drawing() const { return drawing_; }
  // The chart's width and height in points (its frame's, or a chart sheet's page).
  double ChartWidth() const;
  double ChartHeight() const;
  // Gives a chart sheet's chart the size its file states (the frame it fills).
  void StoreSheetSize(double width, double height) {
    sheetWidth_ = width;
    sheetHeight_ = height;
  }

  // Series in plot order.
  const std::vector<std::shared_ptr<SeriesImpl>>& series() const { return series_; }
  // Adds a series of the chart's type, its colour the automatic colour of its plot position.
  std::shared_ptr<SeriesImpl> AddSeries();
  // The fill colour Excel 2003 gives the series of 0-based number `index`: the chart fill
  // colours of its palette (9999FF, 993366, FFFFCC, CCFFFF, 660066, FF8080, 0066CC, CCCCFF),
  // from the ninth series on again from the first.
  static std::int32_t AutomaticSeriesColor(std::size_t index);
  std::int32_t PlotOrderOf(const SeriesImpl& series) const;
  // Moves a series to the 1-based plot order `order` (clamped to the series count).
  void MoveSeries(const SeriesImpl& series, std::int32_t order);
  // The last argument of the series' formula: its plot order, or, in a chart that combines
  // kinds of plot, its 1-based place among the series of its own kind (its chart group).
  std::int32_t GroupOrderOf(const SeriesImpl& series) const;
  // Moves a series to `order` as GroupOrderOf counts it (clamped to its group).
  void MoveSeriesInGroup(const SeriesImpl& series, std::int32_t order);
  void RemoveSeries(const SeriesImpl& series);
  // Gives `series` the chart type `type`; the other series of the same kind of plot follow.
  void SetSeriesChartType(const SeriesImpl& series, std::int32_t type);

  // The state of the axis of type kCategory or kValue of `group` (kPrimary or kSecondary)
  // when the chart draws it; nullptr when the axis is absent (or the chart draws no axes, as
  // a pie).
  AxisState* VisibleAxis(std::int32_t type, std::int32_t group = xl::kPrimary);

  // ChartObject.Activate: the chart becomes the active chart and its chart area the
  // selection. Raises 1004 unless the chart's sheet is the active sheet.
  void ActivateEmbedded();
  // Prepares a selection inside the chart (it becomes the active chart); raises 1004
  // ("Select method of <className> class failed") unless its sheet is the active sheet.
  void PrepareInnerSelection(std::string_view className);

 private:
  ChartImpl(std::shared_ptr<Session> session, std::shared_ptr<Presence> presence);
  void CreateDrawing(std::shared_ptr<const Protection> protection);
  // The axis state of type kCategory or kValue of `group`; nullptr for another type.
  AxisState* AxisOf(std::int32_t type, std::int32_t group);
  bool DrawsAxes();
  // True when the series use more than one kind of plot (or one the engine does not know).
  bool CombinesKinds() const;

  ChartState state_;
  std::weak_ptr<WorkbookImpl> book_;
  std::weak_ptr<WorksheetImpl> host_;
  std::weak_ptr<Drawing> hostDrawing_;
  std::weak_ptr<DrawnObject> frame_;
  std::shared_ptr<Drawing> drawing_;
  std::vector<std::shared_ptr<SeriesImpl>> series_;
  double sheetWidth_ = 0;  // a chart sheet's size from its file; 0: the page's
  double sheetHeight_ = 0;
};

}  // namespace k27093::engine
