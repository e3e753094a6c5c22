// ChartState: the settings of a chart that its parts show (title, legend, axes, fonts, fill,
// plot area, data table, page setup), with the defaults of a new Excel 2003 chart: clustered
// columns, legend on the right, primary category and value axes (no secondary ones) with
// major gridlines on the value axis only, major tick marks outside, no minor tick marks,
// labels next to the axis, an automatic major unit, Arial 10 text and a 12-point title. Each
// text element (title, legend, each axis' tick labels, data table) has its own font.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/charts/plot_area_layout.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

// The font of one text element. A property that differs within the element (a title whose
// runs are set in different fonts) is nullopt: it reads Null.
struct FontState {
  std::optional<std::string> name = "Arial";
  std::optional<double> size = 10;
};

struct AxisState {
  bool present = true;
  bool hasTitle = false;
  bool majorGridlines = false;
  bool minorGridlines = false;
  std::int32_t majorTickMark = xl::kTickMarkOutside;
  std::int32_t minorTickMark = xl::kTickMarkNone;
  std::int32_t tickLabelPosition = xl::kTickLabelNextToAxis;
  bool majorUnitIsAuto = true;
  double majorUnit = 0;  // the fixed unit, when not automatic
  FontState tickLabelFont{};
};

struct ChartState {
  std::int32_t chartType = xl::chart_type::kColumnClustered;
  bool hasTitle = false;
  std::string titleText;
  FontState titleFont{"Arial", 12};
  bool hasLegend = true;
  std::int32_t legendPosition = xl::kLegendRight;
  FontState legendFont;
  AxisState categoryAxis;
  AxisState valueAxis{.majorGridlines = true};
  // The secondary axis group: a new chart has none; a chart from a file may plot series on it.
  bool hasSecondaryGroup = false;
  AxisState secondaryCategoryAxis{.present = false};
  AxisState secondaryValueAxis{.present = false};
  FontState areaFont;  // the chart's own text font, which its text elements inherit
  std::optional<std::int32_t> presetTexture;  // MsoPresetTexture of the chart area's fill
  // The chart area's fill is a texture of its own (a picture it tiles): the texture's name.
  std::optional<std::string> userTexture;
  std::optional<ManualPlotArea> plotArea;  // nullopt: laid out automatically
  bool hasDataTable = false;
  FontState dataTableFont;
  // XlObjectSize: xlFullPage, the documented default of a chart's page setup, for chart
  // sheets and embedded charts alike (.xlsx files do not store it).
  std::int32_t chartSize = 3;
};

}  // namespace k27093::engine
