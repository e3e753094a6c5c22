// ChartView: what the object model shows of one chart, embedded or a chart sheet: its type,
// series, title, legend, axes, plot and chart areas, data table, print size and its own
// drawn objects, the members the exercise checks read. Every property is a Reading: a read
// that raises (a deleted axis, a fill that is not a texture) keeps its error number and the
// rest of the chart is read all the same. A part the chart says it lacks (HasTitle,
// HasLegend, HasAxis False) is not read at all and shows as absent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "api/variant.h"
#include "cli/drawing_view.h"
#include "cli/reading.h"
#include "spreadsheet/object_model.h"

namespace k27093::client {

// Name (text) and Size (number) of a Font; each Null when the text mixes several.
struct FontView {
  Reading<Variant> name;
  Reading<Variant> size;
};

struct SeriesView {
  Reading<std::string> formula;  // "=SERIES(...)"
  Reading<std::string> name;
  Reading<std::int32_t> type;           // legacy gallery type: xlColumn 3, xlLine 4 ...
  Reading<std::int32_t> chartType;      // XlChartType
  Reading<std::int32_t> interiorColor;  // Interior.Color, R + 256*G + 65536*B
};

// A primary axis that the chart has.
struct AxisView {
  std::int32_t type = 0;  // XlAxisType: 1 category, 2 value, 3 series
  Reading<bool> hasTitle;
  Reading<bool> majorGridlines;
  Reading<bool> minorGridlines;
  Reading<std::int32_t> majorTickMark;      // XlTickMark
  Reading<std::int32_t> minorTickMark;      // XlTickMark
  Reading<std::int32_t> tickLabelPosition;  // XlTickLabelPosition
  Reading<double> majorUnit;
  Reading<bool> majorUnitIsAuto;
  // CategoryNames (an array with lower bound 1); read on the category axis only.
  std::optional<Reading<Variant>> categoryNames;
};

// Whether the chart has each primary axis (HasAxis(type, xlPrimary)).
struct AxisPresence {
  Reading<bool> category, value, series;
};

struct PlotAreaView {
  PlaceView outer;   // Left, Top, Width, Height: the plot with its tick labels
  PlaceView inside;  // InsideLeft, InsideTop, InsideWidth, InsideHeight
};

struct ChartAreaView {
  FontView font;
  Reading<std::string> textureName;   // Fill's 1644; raises 1004 unless the fill is a texture
  Reading<std::int32_t> textureType;  // Fill's 1645: msoTexturePreset 1, msoTextureUserDefined 2
};

struct ChartView {
  std::string name;  // the chart object's name; the sheet's name for a chart sheet
  // The chart object's place as ChartObjects reports it; nullopt for a chart sheet.
  std::optional<PlaceView> place;
  std::int32_t chartType = 0;               // XlChartType
  Reading<std::int32_t> type;               // legacy gallery type
  Reading<std::int32_t> subType;            // legacy gallery subtype
  Reading<std::vector<SeriesView>> series;  // in plot order
  Reading<bool> hasTitle;
  std::optional<Reading<std::string>> title;  // the title's text; nullopt without a title
  std::optional<FontView> titleFont;          // nullopt without a title
  Reading<bool> hasLegend;
  std::optional<Reading<std::int32_t>> legendPosition;  // XlLegendPosition; nullopt: no legend
  AxisPresence hasAxis;
  // Category, value and series axis: those HasAxis gives; the error of Axes for one that
  // HasAxis gives and Axes cannot.
  std::vector<Reading<AxisView>> axes;
  PlotAreaView plotArea;
  ChartAreaView chartArea;
  Reading<bool> hasDataTable;
  Reading<std::int32_t> chartSize;              // PageSetup.ChartSize (1012): XlObjectSize
  Reading<std::vector<TextBoxView>> textBoxes;  // Chart.TextBoxes
  Reading<std::vector<ShapeView>> shapes;       // Chart.Shapes
};

// Reads `chart`; `place` is the chart object's place (nullopt for a chart sheet). Only the
// chart type is read outside a Reading: a chart without it is not a chart.
ChartView ReadChart(std::string name, std::optional<PlaceView> place, xl::Chart& chart);

}  // namespace k27093::client
