// ChartImpl: its parts (title, legend, axes ...), its members as a sheet, and activation.
#include "engine/charts/chart.h"

#include "engine/charts/axis.h"
#include "engine/charts/chart_objects.h"
#include "engine/charts/chart_parts.h"
#include "engine/charts/chart_type.h"
#include "engine/charts/series.h"
#include "engine/drawings/shapes.h"
#include "engine/objects/shared_from.h"
#include "engine/drawings/text_boxes.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

namespace {

constexpr std::string_view kDefaultTitle = "Titre du graphique";

bool IsKnownAxis(std::int32_t type, std::int32_t group) {
  return type >= xl::kCategory && type <= xl::kSeriesAxis &&
         (group == xl::kPrimary || group == xl::kSecondary);
}

}  // namespace

bool ChartImpl::HasTitle() {
  Enter();
  return state_.hasTitle;
}

void ChartImpl::SetHasTitle(bool has) {
  Enter();
  if (has && !state_.hasTitle) state_.titleText = kDefaultTitle;
  if (!has) state_.titleText.clear();
  state_.hasTitle = has;
}

Ref<xl::ChartTitle> ChartImpl::ChartTitle() {
  Enter();
  if (!state_.hasTitle) RaiseUnableToGet("ChartTitle", "Chart");
  return MakeRef<ChartTitleImpl>(session(), SharedFrom(*this));
}

bool ChartImpl::HasLegend() {
  Enter();
  return state_.hasLegend;
}

void ChartImpl::SetHasLegend(bool has) {
  Enter();
  state_.hasLegend = has;
}

Ref<xl::Legend> ChartImpl::Legend() {
  Enter();
  if (!state_.hasLegend) RaiseUnableToGet("Legend", "Chart");
  return MakeRef<LegendImpl>(session(), SharedFrom(*this));
}

AxisState* ChartImpl::AxisOf(std::int32_t type, std::int32_t group) {
  bool secondary = group == xl::kSecondary;
  if (type == xl::kCategory) {
    return secondary ? &state_.secondaryCategoryAxis : &state_.categoryAxis;
  }
  if (type == xl::kValue) return secondary ? &state_.secondaryValueAxis : &state_.valueAxis;
  return nullptr;
}

bool ChartImpl::DrawsAxes() { return !DrawsWithoutAxes(ChartType()); }

AxisState* ChartImpl::VisibleAxis(std::int32_t type, std::int32_t group) {
  if (group == xl::kSecondary && !state_.hasSecondaryGroup) return nullptr;
  AxisState* axis = AxisOf(type, group);
  return axis && axis->present && DrawsAxes() ? axis : nullptr;
}

bool ChartImpl::HasAxis(std::int32_t type, std::int32_t group) {
  Enter();
  if (!IsKnownAxis(type, group)) RaiseUnableToGet("HasAxis", "Chart");
  return VisibleAxis(type, group) != nullptr;
}

void ChartImpl::SetHasAxis(std::int32_t type, std::int32_t group, bool has) {
  Enter();
  if (!IsKnownAxis(type, group)) RaiseUnableToSet("HasAxis", "Chart");
  bool groupExists = group == xl::kPrimary || state_.hasSecondaryGroup;
  AxisState* axis = groupExists ? AxisOf(type, group) : nullptr;
  if (!axis || !DrawsAxes()) {
    if (has) RaiseUnableToSet("HasAxis", "Chart");
    return;
  }
  axis->present = has;
}

Ref<xl::Axis> ChartImpl::Axes(std::int32_t type, std::int32_t group) {
  Enter();
  if (!IsKnownAxis(type, group) || !VisibleAxis(type, group)) RaiseUnableToGet("Axes", "Chart");
  return MakeRef<AxisImpl>(session(), SharedFrom(*this), type, group);
}

Ref<xl::SeriesCollection> ChartImpl::SeriesCollection() {
  Enter();
  return MakeRef<SeriesCollectionImpl>(session(), SharedFrom(*this));
}

Ref<xl::TextBoxes> ChartImpl::TextBoxes() {
  Enter();
  return MakeRef<TextBoxesImpl>(session(), drawing_, "Chart");
}

Ref<xl::ChartArea> ChartImpl::ChartArea() {
  Enter();
  return MakeRef<ChartAreaImpl>(session(), SharedFrom(*this));
}

Ref<xl::PlotArea> ChartImpl::PlotArea() {
  Enter();
  return MakeRef<PlotAreaImpl>(session(), SharedFrom(*this));
}

bool ChartImpl::HasDataTable() {
  Enter();
  return state_.hasDataTable;
}

void ChartImpl::SetHasDataTable(bool has) {
  Enter();
  state_.hasDataTable = has;
}

Ref<xl::PageSetup> ChartImpl::PageSetup() {
  Enter();
  return MakeRef<PageSetupImpl>(session(), SharedFrom(*this));
}

Variant ChartImpl::Parent() {
  Enter();
  if (!embedded()) return Variant(book());
  auto drawing = hostDrawing_.lock();
  auto frame = frame_.lock();
  if (!drawing || !frame) RaiseDisconnected();
  return Variant(std::make_shared<ChartObjectImpl>(session(), drawing, frame));
}

std::string ChartImpl::Name() {
  Enter();
  if (!embedded()) return name();
  auto host = hostSheet();
  auto frame = frame_.lock();
  return (host ? host->name() + " " : std::string()) + (frame ? frame->name : std::string());
}

void ChartImpl::SetName(std::string_view name) {
  Enter();
  if (embedded()) RaiseUnableToSet("Name", "Chart");
  Rename(name);
}

std::int32_t ChartImpl::Index() {
  Enter();
  if (embedded()) RaiseUnableToGet("Index", "Chart");
  return TabIndex();
}

void ChartImpl::Activate() {
  Enter();
  if (embedded()) {
    ActivateEmbedded();
  } else {
    ActivateTab();
  }
}

void ChartImpl::Select() {
  Enter();
  if (embedded()) {
    ActivateEmbedded();
  } else {
    ActivateTab();
  }
}

void ChartImpl::Move(std::int32_t before) {
  Enter();
  if (embedded()) RaiseMethodFailed("Move", "Chart");
  MoveTab(before);
}

void ChartImpl::Delete() {
  Enter();
  if (embedded()) RaiseMethodFailed("Delete", "Chart");
  DeleteTab();
}

Ref<xl::ChartObjects> ChartImpl::ChartObjects() {
  Enter();
  ChartMaker refuse = [](const std::shared_ptr<DrawnObject>&) -> std::shared_ptr<ChartImpl> {
    RaiseMethodFailed("Add", "ChartObjects");
  };
  return MakeRef<ChartObjectsImpl>(session(), drawing_, "Chart", std::move(refuse));
}

Ref<xl::Shapes> ChartImpl::Shapes() {
  Enter();
  return MakeRef<ShapesImpl>(session(), drawing_);
}

void ChartImpl::Protect(std::string_view password) {
  Enter();
  protection()->Protect(password);
}

void ChartImpl::Unprotect(std::string_view password) {
  Enter();
  protection()->Unprotect(password);
}

bool ChartImpl::ProtectContents() {
  Enter();
  return protection()->on();
}

std::shared_ptr<xl::Sheet> ChartImpl::AsSheet() { return SharedFrom(*this); }

void ChartImpl::ShowSelection() {
  session()->Select(std::make_shared<ChartAreaImpl>(session(), SharedFrom(*this)), presence());
  session()->SetActivatedChart(nullptr);
}

void ChartImpl::PrepareInnerSelection(std::string_view className) {
  if (embedded()) {
    auto host = hostSheet();
    if (!host || !host->IsActiveSheet()) RaiseMethodFailed("Select", className);
    session()->SetActivatedChart(SharedFrom(*this));
    return;
  }
  if (!IsActiveSheet()) RaiseMethodFailed("Select", className);
}

void ChartImpl::ActivateEmbedded() {
  auto host = hostSheet();
  if (!host || !host->IsActiveSheet()) RaiseMethodFailed("Activate", "ChartObject");
  session()->SetActivatedChart(SharedFrom(*this));
  session()->Select(std::make_shared<ChartAreaImpl>(session(), SharedFrom(*this)), presence());
}

}  // namespace k27093::engine
