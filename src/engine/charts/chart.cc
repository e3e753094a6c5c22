// ChartImpl: creation, chart type and the series of the chart.
#include "engine/charts/chart.h"

#include <algorithm>

#include "engine/charts/chart_type.h"
#include "engine/charts/series.h"
#include "engine/objects/shared_from.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

namespace {

// The page a chart sheet fills, in points.
constexpr double kChartSheetWidth = 720, kChartSheetHeight = 540;

// Fill colours Excel 2003 gives series 1 to 8 (its palette's chart fills).
constexpr std::int32_t kSeriesColors[] = {16751001, 6697881, 13434879, 16777164,
                                          6684774,  8421631, 13395456, 16764108};

// True when two chart types draw the same kind of plot (the same chart group).
bool SamePlotKind(std::int32_t first, std::int32_t second) {
  auto a = GalleryOf(first);
  auto b = GalleryOf(second);
  return a && b ? a->type == b->type : first == second;
}

}  // namespace

ChartImpl::ChartImpl(std::shared_ptr<Session> session, std::shared_ptr<Presence> presence)
    : Node(std::move(session), presence), SheetNode(presence) {}

std::shared_ptr<ChartImpl> ChartImpl::CreateEmbedded(std::shared_ptr<Session> session,
                                                     const std::shared_ptr<WorkbookImpl>& workbook,
                                                     const std::shared_ptr<WorksheetImpl>& host,
                                                     const std::shared_ptr<Drawing>& hostDrawing,
                                                     const std::shared_ptr<DrawnObject>& frame) {
  std::shared_ptr<ChartImpl> chart(
      new ChartImpl(std::move(session), Presence::Under(frame->presence)));
  chart->book_ = workbook;
  chart->host_ = host;
  chart->hostDrawing_ = hostDrawing;
  chart->frame_ = frame;
  chart->CreateDrawing(hostDrawing->host().protection);
  frame->chart = chart;
  return chart;
}

std::shared_ptr<ChartImpl> ChartImpl::CreateSheet(std::shared_ptr<Session> session,
                                                  const std::shared_ptr<WorkbookImpl>& workbook,
                                                  std::string name) {
  std::shared_ptr<ChartImpl> chart(
      new ChartImpl(std::move(session), Presence::Under(workbook->ownPresence())));
  chart->book_ = workbook;
  chart->PlaceIn(workbook, std::move(name));
  chart->CreateDrawing(chart->protection());
  return chart;
}

void ChartImpl::CreateDrawing(std::shared_ptr<const Protection> protection) {
  DrawingHost host;
  host.protection = std::move(protection);
  std::weak_ptr<ChartImpl> weak = SharedFrom(*this);
  host.prepareSelection = [weak](std::string_view className) {
    auto chart = weak.lock();
    if (!chart) RaiseDisconnected();
    chart->PrepareInnerSelection(className);
  };
  drawing_ = std::make_shared<Drawing>(presence(), std::move(host));
}

double ChartImpl::ChartWidth() const {
  if (auto frame = frame_.lock()) return frame->geometry.width;
  return sheetWidth_ > 0 ? sheetWidth_ : kChartSheetWidth;
}

double ChartImpl::ChartHeight() const {
  if (auto frame = frame_.lock()) return frame->geometry.height;
  return sheetHeight_ > 0 ? sheetHeight_ : kChartSheetHeight;
}

bool ChartImpl::CombinesKinds() const {
  if (series_.empty()) return false;
  auto first = GalleryOf(series_.front()->chartType());
  for (const auto& series : series_) {
    auto gallery = GalleryOf(series->chartType());
    if (!first || !gallery || gallery->type != first->type) return true;
  }
  return false;
}

std::int32_t ChartImpl::ChartType() {
  Enter();
  if (series_.empty()) return state_.chartType;
  if (CombinesKinds()) return xl::chart_type::kCombination;
  return series_.front()->chartType();
}

void ChartImpl::SetChartType(std::int32_t type) {
  Enter();
  if (!GalleryOf(type)) RaiseUnableToSet("ChartType", "Chart");
  state_.chartType = type;
  for (const auto& series : series_) series->StoreChartType(type);
}

std::int32_t ChartImpl::Type() {
  Enter();
  auto type = ChartType();
  auto gallery = GalleryOf(type);
  return gallery ? gallery->type : type;
}

std::int32_t ChartImpl::SubType() {
  Enter();
  auto gallery = GalleryOf(ChartType());
  return gallery ? gallery->subType : 1;
}

std::int32_t ChartImpl::AutomaticSeriesColor(std::size_t index) {
  return kSeriesColors[index % std::size(kSeriesColors)];
}

std::shared_ptr<SeriesImpl> ChartImpl::AddSeries() {
  auto type = ChartType();
  if (type == xl::chart_type::kCombination) type = series_.front()->chartType();
  auto color = AutomaticSeriesColor(series_.size());
  auto series = std::make_shared<SeriesImpl>(session(), SharedFrom(*this),
                                             Presence::Under(presence()), type, color);
  series_.push_back(series);
  return series;
}

std::int32_t ChartImpl::PlotOrderOf(const SeriesImpl& series) const {
  for (std::size_t i = 0; i < series_.size(); ++i) {
    if (series_[i].get() == &series) return static_cast<std::int32_t>(i + 1);
  }
  RaiseDisconnected();
}

void ChartImpl::MoveSeries(const SeriesImpl& series, std::int32_t order) {
  auto from = static_cast<std::size_t>(PlotOrderOf(series) - 1);
  auto to =
      static_cast<std::size_t>(std::clamp(order, 1, static_cast<std::int32_t>(series_.size())) - 1);
  auto moving = series_[from];
  series_.erase(series_.begin() + static_cast<std::ptrdiff_t>(from));
  series_.insert(series_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
}

std::int32_t ChartImpl::GroupOrderOf(const SeriesImpl& series) const {
  if (!CombinesKinds()) return PlotOrderOf(series);
  std::int32_t order = 0;
  for (const auto& other : series_) {
    if (SamePlotKind(other->chartType(), series.chartType())) ++order;
    if (other.get() == &series) return order;
  }
  RaiseDisconnected();
}

void ChartImpl::MoveSeriesInGroup(const SeriesImpl& series, std::int32_t order) {
  if (!CombinesKinds()) {
    MoveSeries(series, order);
    return;
  }
  auto from = static_cast<std::size_t>(PlotOrderOf(series) - 1);
  auto moving = series_[from];
  series_.erase(series_.begin() + static_cast<std::ptrdiff_t>(from));
  // The places of the other series of the same group, once the moving one is out.
  std::vector<std::size_t> group;
  for (std::size_t i = 0; i < series_.size(); ++i) {
    if (SamePlotKind(series_[i]->chartType(), moving->chartType())) group.push_back(i);
  }
  auto wanted = static_cast<std::size_t>(
      std::clamp(order, 1, static_cast<std::int32_t>(group.size()) + 1) - 1);
  std::size_t to = from;
  if (wanted < group.size()) {
    to = group[wanted];
  } else if (!group.empty()) {
    to = group.back() + 1;
  }
  series_.insert(series_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
}

void ChartImpl::RemoveSeries(const SeriesImpl& series) {
  auto position = static_cast<std::size_t>(PlotOrderOf(series) - 1);
  series_[position]->MarkRemoved();
  series_.erase(series_.begin() + static_cast<std::ptrdiff_t>(position));
}

void ChartImpl::SetSeriesChartType(const SeriesImpl& series, std::int32_t type) {
  auto after = GalleryOf(type);
  for (const auto& other : series_) {
    auto kind = GalleryOf(other->chartType());
    bool sameGroup = other.get() == &series || (kind && after && kind->type == after->type);
    if (sameGroup) other->StoreChartType(type);
  }
  if (!series_.empty() && ChartType() != xl::chart_type::kCombination) state_.chartType = type;
}

}  // namespace k27093::engine
