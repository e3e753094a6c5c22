#include "cli/chart_view.h"

namespace k27093::client {

namespace {

template <class GetFont>
FontView ReadFont(GetFont font) {
  return {ReadingOf([&] { return font()->Name(); }), ReadingOf([&] { return font()->Size(); })};
}

std::vector<SeriesView> ReadSeries(xl::SeriesCollection& collection) {
  std::vector<SeriesView> views;
  for (std::int32_t i = 1, count = collection.Count(); i <= count; ++i) {
    Ref<xl::Series> series = collection.Item(Variant(i));
    views.push_back(
        {ReadingOf([&] { return series->Formula(); }), ReadingOf([&] { return series->Name(); }),
         ReadingOf([&] { return series->Type(); }), ReadingOf([&] { return series->ChartType(); }),
         ReadingOf([&] { return series->Interior()->Color(); })});
  }
  return views;
}

AxisView ReadAxis(std::int32_t type, xl::Axis& axis) {
  AxisView view;
  view.type = type;
  view.hasTitle = ReadingOf([&] { return axis.HasTitle(); });
  view.majorGridlines = ReadingOf([&] { return axis.HasMajorGridlines(); });
  view.minorGridlines = ReadingOf([&] { return axis.HasMinorGridlines(); });
  view.majorTickMark = ReadingOf([&] { return axis.MajorTickMark(); });
  view.minorTickMark = ReadingOf([&] { return axis.MinorTickMark(); });
  view.tickLabelPosition = ReadingOf([&] { return axis.TickLabelPosition(); });
  view.majorUnit = ReadingOf([&] { return axis.MajorUnit(); });
  view.majorUnitIsAuto = ReadingOf([&] { return axis.MajorUnitIsAuto(); });
  if (type == xl::kCategory) view.categoryNames = ReadingOf([&] { return axis.CategoryNames(); });
  return view;
}

// The primary axes the chart has, as HasAxis says; one that HasAxis gives but Axes cannot
// keeps the error of Axes.
std::vector<Reading<AxisView>> ReadAxes(xl::Chart& chart, const AxisPresence& presence) {
  std::vector<Reading<AxisView>> views;
  const std::pair<std::int32_t, const Reading<bool>*> axes[] = {
      {xl::kCategory, &presence.category},
      {xl::kValue, &presence.value},
      {xl::kSeriesAxis, &presence.series}};
  for (const auto& [axisType, has] : axes) {
    if (!has->ok() || !has->value()) continue;
    const std::int32_t type = axisType;  // a lambda may not capture a structured binding
    views.push_back(ReadingOf([&] { return ReadAxis(type, *chart.Axes(type, xl::kPrimary)); }));
  }
  return views;
}

PlotAreaView ReadPlotArea(xl::Chart& chart) {
  auto area = [&] { return chart.PlotArea(); };
  return {{ReadingOf([&] { return area()->Left(); }), ReadingOf([&] { return area()->Top(); }),
           ReadingOf([&] { return area()->Width(); }), ReadingOf([&] { return area()->Height(); })},
          {ReadingOf([&] { return area()->InsideLeft(); }),
           ReadingOf([&] { return area()->InsideTop(); }),
           ReadingOf([&] { return area()->InsideWidth(); }),
           ReadingOf([&] { return area()->InsideHeight(); })}};
}

ChartAreaView ReadChartArea(xl::Chart& chart) {
  return {ReadFont([&] { return chart.ChartArea()->Font(); }),
          ReadingOf([&] { return chart.ChartArea()->Fill()->TextureName(); }),
          ReadingOf([&] { return chart.ChartArea()->Fill()->TextureType(); })};
}

void ReadTitleAndLegend(xl::Chart& chart, ChartView& view) {
  view.hasTitle = ReadingOf([&] { return chart.HasTitle(); });
  if (view.hasTitle.ok() && view.hasTitle.value()) {
    view.title = ReadingOf([&] { return chart.ChartTitle()->Text(); });
    view.titleFont = ReadFont([&] { return chart.ChartTitle()->Font(); });
  }
  view.hasLegend = ReadingOf([&] { return chart.HasLegend(); });
  if (view.hasLegend.ok() && view.hasLegend.value()) {
    view.legendPosition = ReadingOf([&] { return chart.Legend()->Position(); });
  }
}

}  // namespace

ChartView ReadChart(std::string name, std::optional<PlaceView> place, xl::Chart& chart) {
  ChartView view;
  view.name = std::move(name);
  view.place = std::move(place);
  view.chartType = chart.ChartType();
  view.type = ReadingOf([&] { return chart.Type(); });
  view.subType = ReadingOf([&] { return chart.SubType(); });
  view.series = ReadingOf([&] { return ReadSeries(*chart.SeriesCollection()); });
  ReadTitleAndLegend(chart, view);
  auto has = [&](std::int32_t type) {
    return ReadingOf([&] { return chart.HasAxis(type, xl::kPrimary); });
  };
  view.hasAxis = {has(xl::kCategory), has(xl::kValue), has(xl::kSeriesAxis)};
  view.axes = ReadAxes(chart, view.hasAxis);
  view.plotArea = ReadPlotArea(chart);
  view.chartArea = ReadChartArea(chart);
  view.hasDataTable = ReadingOf([&] { return chart.HasDataTable(); });
  view.chartSize = ReadingOf([&] { return chart.PageSetup()->ChartSize(); });
  view.textBoxes = ReadingOf([&] { return ReadTextBoxes(*chart.TextBoxes()); });
  const std::vector<TextBoxView> noBoxes;
  view.shapes = ReadingOf([&] {
    return ReadShapes(*chart.Shapes(), view.textBoxes.ok() ? view.textBoxes.value() : noBoxes);
  });
  return view;
}

}  // namespace k27093::client
