// Late-bound face of a chart's series collection, a series and its interior.
#include "spreadsheet/series.h"

#include "spreadsheet/constants.h"
#include "spreadsheet/late_binding.h"

namespace k27093::xl {

namespace {

const DispatchTable<Interior>& InteriorTable() {
  static const auto table = late::BuildTable<Interior>([](late::Members<Interior>& members) {
    members.Property("Color", &Interior::Color, &Interior::SetColor);
  });
  return table;
}

const DispatchTable<Series>& SeriesTable() {
  static const auto table = late::BuildTable<Series>([](late::Members<Series>& members) {
    members.Property("Formula", &Series::Formula, &Series::SetFormula)
        .Property("Name", &Series::Name, &Series::SetName)
        .Get("Type", &Series::Type)
        .Property("ChartType", &Series::ChartType, &Series::SetChartType)
        .Get("Interior", &Series::Interior)
        .Method("Select", &Series::Select)
        .Method("Delete", &Series::Delete);
  });
  return table;
}

const DispatchTable<SeriesCollection>& SeriesCollectionTable() {
  using S = SeriesCollection;
  static const auto table = late::BuildTable<S>([](late::Members<S>& members) {
    members.Get("Count", &S::Count, dispid::kCount)
        .Method("Item", &S::Item)
        .Method("NewSeries", &S::NewSeries);
  });
  return table;
}

}  // namespace

Variant Interior::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return InteriorTable().Invoke(*this, member, kind, arguments);
}

Variant Series::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return SeriesTable().Invoke(*this, member, kind, arguments);
}

Variant SeriesCollection::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return SeriesCollectionTable().Invoke(*this, member, kind, arguments);
}

Variant SeriesCollection::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return SeriesCollectionTable().InvokeById(*this, dispid, kind, arguments);
}

}  // namespace k27093::xl
