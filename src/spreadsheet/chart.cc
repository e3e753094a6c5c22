// Late-bound face of charts: the chart objects of a sheet, the chart (with the members every
// sheet has, for chart sheets) and its parts.
#include "spreadsheet/chart.h"

#include "spreadsheet/late_binding.h"
#include "spreadsheet/object_model.h"
#include "spreadsheet/sheet_members.h"

namespace k27093::xl {

namespace {

const DispatchTable<Font>& FontTable() {
  static const auto table = late::BuildTable<Font>([](late::Members<Font>& members) {
    members.Property("Name", &Font::Name, &Font::SetName)
        .Property("Size", &Font::Size, &Font::SetSize);
  });
  return table;
}

const DispatchTable<ChartTitle>& ChartTitleTable() {
  static const auto table = late::BuildTable<ChartTitle>([](late::Members<ChartTitle>& members) {
    members.Property("Text", &ChartTitle::Text, &ChartTitle::SetText)
        .Get("Font", &ChartTitle::Font);
  });
  return table;
}

const DispatchTable<ChartFillFormat>& ChartFillFormatTable() {
  using F = ChartFillFormat;
  static const auto table = late::BuildTable<F>([](late::Members<F>& members) {
    members.Get("TextureName", &F::TextureName, dispid::kFillTextureName)
        .Get("TextureType", &F::TextureType, dispid::kFillTextureType)
        .Method("PresetTextured", &F::PresetTextured);
  });
  return table;
}

const DispatchTable<ChartArea>& ChartAreaTable() {
  static const auto table = late::BuildTable<ChartArea>([](late::Members<ChartArea>& members) {
    members.Get("Font", &ChartArea::Font)
        .Get("Fill", &ChartArea::Fill)
        .Method("Select", &ChartArea::Select);
  });
  return table;
}

const DispatchTable<PlotArea>& PlotAreaTable() {
  static const auto table = late::BuildTable<PlotArea>([](late::Members<PlotArea>& members) {
    members.Get("Left", &PlotArea::Left)
        .Get("Top", &PlotArea::Top)
        .Get("Width", &PlotArea::Width)
        .Property("Height", &PlotArea::Height, &PlotArea::SetHeight)
        .Get("InsideLeft", &PlotArea::InsideLeft)
        .Get("InsideTop", &PlotArea::InsideTop)
        .Get("InsideWidth", &PlotArea::InsideWidth)
        .Get("InsideHeight", &PlotArea::InsideHeight);
  });
  return table;
}

const DispatchTable<Legend>& LegendTable() {
  static const auto table = late::BuildTable<Legend>([](late::Members<Legend>& members) {
    members.Property("Position", &Legend::Position, &Legend::SetPosition);
  });
  return table;
}

const DispatchTable<PageSetup>& PageSetupTable() {
  static const auto table = late::BuildTable<PageSetup>([](late::Members<PageSetup>& members) {
    members.Property("ChartSize", &PageSetup::ChartSize, &PageSetup::SetChartSize,
                     dispid::kPageSetupChartSize);
  });
  return table;
}

// The axis group argument of Axes and HasAxis: xlPrimary when omitted.
std::int32_t AxisGroup(const Variant& group) { return group.IsEmpty() ? kPrimary : ToLong(group); }

// `Axes(Type[, AxisGroup])`. The collection of all axes (no argument) is not provided: the
// type is required.
Variant Axes(Chart& self, CallKind kind, Arguments arguments) {
  late::CheckRead(kind);
  late::CheckCount(arguments, 1, 2);
  std::int32_t type = ToLong(arguments[0]);
  return Variant(self.Axes(type, AxisGroup(ArgumentOrMissing(arguments, 1))));
}

// `HasAxis(Index1[, Index2])`, read and written; a write takes the value last.
Variant HasAxis(Chart& self, CallKind kind, Arguments arguments) {
  if (kind != CallKind::Put) {
    late::CheckCount(arguments, 1, 2);
    std::int32_t type = ToLong(arguments[0]);
    return Variant(self.HasAxis(type, AxisGroup(ArgumentOrMissing(arguments, 1))));
  }
  late::CheckCount(arguments, 2, 3);
  Arguments indices = arguments.first(arguments.size() - 1);
  std::int32_t type = ToLong(indices[0]);
  std::int32_t group = AxisGroup(ArgumentOrMissing(indices, 1));
  self.SetHasAxis(type, group, ToBoolean(arguments.back()));
  return Variant();
}

const DispatchTable<Chart>& ChartTable() {
  using C = Chart;
  static const auto table = late::BuildTable<C>([](late::Members<C>& members) {
    late::AddSheetMembers(members);
    members.Property("ChartType", &C::ChartType, &C::SetChartType)
        .Get("Type", &C::Type)
        .Get("SubType", &C::SubType)
        .Get("Parent", &C::Parent)
        .Property("HasTitle", &C::HasTitle, &C::SetHasTitle)
        .Get("ChartTitle", &C::ChartTitle)
        .Property("HasLegend", &C::HasLegend, &C::SetHasLegend)
        .Get("Legend", &C::Legend)
        .Custom("HasAxis", &HasAxis)
        .Custom("Axes", &Axes)
        .Collection("SeriesCollection", &C::SeriesCollection)
        .Collection("TextBoxes", &C::TextBoxes)
        .Get("ChartArea", &C::ChartArea)
        .Get("PlotArea", &C::PlotArea)
        .Property("HasDataTable", &C::HasDataTable, &C::SetHasDataTable)
        .Get("PageSetup", &C::PageSetup);
  });
  return table;
}

const DispatchTable<ChartObject>& ChartObjectTable() {
  using O = ChartObject;
  static const auto table = late::BuildTable<O>([](late::Members<O>& members) {
    members.Get("Name", &O::Name)
        .Get("Chart", &O::Chart)
        .Method("Activate", &O::Activate)
        .Method("Select", &O::Select)
        .Method("Delete", &O::Delete)
        .Property("Left", &O::Left, &O::SetLeft)
        .Property("Top", &O::Top, &O::SetTop)
        .Property("Width", &O::Width, &O::SetWidth)
        .Property("Height", &O::Height, &O::SetHeight);
  });
  return table;
}

const DispatchTable<ChartObjects>& ChartObjectsTable() {
  using O = ChartObjects;
  static const auto table = late::BuildTable<O>([](late::Members<O>& members) {
    members.Get("Count", &O::Count, dispid::kCount).Method("Item", &O::Item).Method("Add", &O::Add);
  });
  return table;
}

}  // namespace

Variant Font::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return FontTable().Invoke(*this, member, kind, arguments);
}

Variant ChartTitle::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ChartTitleTable().Invoke(*this, member, kind, arguments);
}

Variant ChartFillFormat::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ChartFillFormatTable().Invoke(*this, member, kind, arguments);
}

Variant ChartFillFormat::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return ChartFillFormatTable().InvokeById(*this, dispid, kind, arguments);
}

Variant ChartArea::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ChartAreaTable().Invoke(*this, member, kind, arguments);
}

Variant PlotArea::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return PlotAreaTable().Invoke(*this, member, kind, arguments);
}

Variant Legend::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return LegendTable().Invoke(*this, member, kind, arguments);
}

Variant PageSetup::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return PageSetupTable().Invoke(*this, member, kind, arguments);
}

Variant PageSetup::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return PageSetupTable().InvokeById(*this, dispid, kind, arguments);
}

Variant Chart::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ChartTable().Invoke(*this, member, kind, arguments);
}

Variant ChartObject::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ChartObjectTable().Invoke(*this, member, kind, arguments);
}

Variant ChartObjects::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return ChartObjectsTable().Invoke(*this, member, kind, arguments);
}

Variant ChartObjects::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return ChartObjectsTable().InvokeById(*this, dispid, kind, arguments);
}

}  // namespace k27093::xl
