#include "engine/charts/series.h"

#include "engine/charts/chart.h"
#include "engine/charts/chart_type.h"
#include "engine/objects/collection.h"
#include "engine/objects/shared_from.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/worksheet.h"

namespace k27093::engine {

namespace {

[[noreturn]] void RaiseBadFormula() { RaiseUnableToSet("Formula", "Series"); }

// A source bound from a parsed argument; raises the bad-formula 1004 when it cannot be bound
// or is a text where values are expected.
SeriesSource Bind(const FormulaArgument& argument, const WorkbookImpl& workbook,
                  const std::shared_ptr<WorksheetImpl>& defaultSheet, bool textAllowed) {
  if (!textAllowed && argument.kind == FormulaArgument::Kind::Text) RaiseBadFormula();
  auto source = BindArgument(argument, workbook, defaultSheet);
  if (!source) RaiseBadFormula();
  return std::move(*source);
}

}  // namespace

SeriesImpl::SeriesImpl(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart,
                       std::shared_ptr<Presence> presence, std::int32_t chartType,
                       std::int32_t color)
    : Node(std::move(session), presence),
      chart_(chart),
      ownPresence_(std::move(presence)),
      chartType_(chartType),
      color_(color) {}

ChartImpl& SeriesImpl::chart() const {
  auto chart = chart_.lock();
  if (!chart) RaiseDisconnected();
  return *chart;
}

std::shared_ptr<WorksheetImpl> SeriesImpl::DefaultSheet() const { return chart().hostSheet(); }

std::string SeriesImpl::Formula() {
  Enter();
  SeriesFormula formula;
  formula.name = ArgumentOf(name_);
  formula.categories = ArgumentOf(categories_);
  formula.values = ArgumentOf(values_);
  formula.order = chart().GroupOrderOf(*this);
  return FormatSeriesFormula(formula);
}

void SeriesImpl::SetFormula(std::string_view text) {
  Enter();
  auto formula = ParseSeriesFormula(text);
  auto workbook = chart().book();
  if (!formula || !workbook) RaiseBadFormula();
  auto defaultSheet = DefaultSheet();
  auto name = Bind(formula->name, *workbook, defaultSheet, true);
  auto categories = Bind(formula->categories, *workbook, defaultSheet, false);
  auto values = Bind(formula->values, *workbook, defaultSheet, false);
  StoreSources(std::move(name), std::move(categories), std::move(values));
  chart().MoveSeriesInGroup(*this, formula->order);
}

void SeriesImpl::StoreSources(SeriesSource name, SeriesSource categories, SeriesSource values) {
  name_ = std::move(name);
  categories_ = std::move(categories);
  values_ = std::move(values);
}

std::string SeriesImpl::Name() {
  Enter();
  if (name_.kind == SeriesSource::Kind::None) {
    return "Series" + std::to_string(chart().PlotOrderOf(*this));
  }
  std::string text;
  for (const auto& value : SourceValues(name_)) {
    if (!text.empty()) text += ' ';
    text += ToText(value);
  }
  return text;
}

void SeriesImpl::SetName(std::string_view name) {
  Enter();
  if (name.empty() || name.front() != '=') {
    name_ = SeriesSource();
    name_.kind = SeriesSource::Kind::Text;
    name_.text = name;
    return;
  }
  auto argument = ParseFormulaArgument(name.substr(1));
  auto workbook = chart().book();
  if (!argument || argument->kind != FormulaArgument::Kind::Reference || !workbook) {
    RaiseUnableToSet("Name", "Series");
  }
  auto source = BindArgument(*argument, *workbook, DefaultSheet());
  if (!source) RaiseUnableToSet("Name", "Series");
  name_ = std::move(*source);
}

std::int32_t SeriesImpl::Type() {
  Enter();
  auto gallery = GalleryOf(chartType_);
  return gallery ? gallery->type : chartType_;
}

std::int32_t SeriesImpl::ChartType() {
  Enter();
  return chartType_;
}

void SeriesImpl::SetChartType(std::int32_t type) {
  Enter();
  if (!GalleryOf(type)) RaiseUnableToSet("ChartType", "Series");
  chart().SetSeriesChartType(*this, type);
}

Ref<xl::Interior> SeriesImpl::Interior() {
  Enter();
  return MakeRef<InteriorImpl>(session(), SharedFrom(*this));
}

void SeriesImpl::Select() {
  Enter();
  chart().PrepareInnerSelection(TypeName());
  session()->Select(SharedFrom(*this), presence());
}

void SeriesImpl::Delete() {
  Enter();
  chart().RemoveSeries(*this);
}

SeriesCollectionImpl::SeriesCollectionImpl(std::shared_ptr<Session> session,
                                           std::shared_ptr<ChartImpl> chart)
    : Node(std::move(session), chart->presence()), chart_(std::move(chart)) {}

std::int32_t SeriesCollectionImpl::Count() {
  Enter();
  return static_cast<std::int32_t>(chart_->series().size());
}

Ref<xl::Series> SeriesCollectionImpl::Item(const Variant& index) {
  Enter();
  auto series = FindItem(chart_->series(), index, [](SeriesImpl& item) { return item.Name(); });
  if (!series) RaiseUnableToGet("SeriesCollection", "Chart");
  return series;
}

Ref<xl::Series> SeriesCollectionImpl::NewSeries() {
  Enter();
  return chart_->AddSeries();
}

InteriorImpl::InteriorImpl(std::shared_ptr<Session> session, std::shared_ptr<SeriesImpl> series)
    : Node(std::move(session), series->presence()), series_(std::move(series)) {}

std::int32_t InteriorImpl::Color() {
  Enter();
  return series_->color();
}

void InteriorImpl::SetColor(std::int32_t color) {
  Enter();
  if (color < 0 || color > 16777215) RaiseUnableToSet("Color", "Interior");
  series_->StoreColor(color);
}

}  // namespace k27093::engine
