// The kind of a chart group of a chart substream (the record inside its CHARTFORMAT block:
// BAR, LINE, PIE, AREA, SCATTER, RADAR, RADARAREA, SURF, BOPPOP, with CHART3D for a 3-D group)
// in the terms of the .xlsx format's chart group elements ("barChart", "pie3DChart" ...), and
// the spreadsheet's chart type (XlChartType) of the group and of each of its series. Where the
// kind depends on a series (markers of lines, shapes of 3-D bars, lines of scatter charts,
// explosion of pies), the group's first series decides and each series has its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "readers/xls/chart_records.h"

namespace k27093::xls {

// What a series' own format (its DATAFORMAT for the whole series) states, as far as its kind
// depends on it; nullopt for what it leaves unsaid.
struct SeriesKindFormat {
  std::optional<MarkerFormat> marker;
  std::optional<LineFormat> line;
  std::optional<std::uint8_t> riser;  // CHART3DBARSHAPE: 0 rectangle, 1 ellipse
  std::optional<std::uint8_t> taper;  // 0 none, 1 to a point at the top, 2 to the maximum
  std::uint16_t explosion = 0;        // PIEFORMAT: percent of the radius
  bool smooth = false;                // SERFMT fSmoothedLine
  bool bubbles3D = false;             // SERFMT f3DBubbles
};

struct ChartGroupKind {
  std::uint16_t record = 0;  // BAR, LINE ... (chart_records); 0 when the group states none
  std::uint16_t flags = 0;   // that record's flags
  std::uint16_t donutHole = 0;         // PIE: pcDonut, the doughnut's hole in percent
  std::uint8_t pieOfPieType = 1;       // BOPPOP: 1 pie of pie, 2 bar of pie
  std::optional<View3D> view3D;        // CHART3D: the group is drawn in 3-D
  SeriesKindFormat defaults;           // the group's own DATAFORMAT, for all its series
};

// The .xlsx element of a group of `kind` ("barChart", "bar3DChart", "lineChart", "pieChart",
// "doughnutChart", "ofPieChart", "areaChart", "scatterChart", "bubbleChart", "radarChart",
// "surfaceChart", "surface3DChart" ...); "" for a group of no known kind.
std::string GroupElement(const ChartGroupKind& kind);

// The chart type of a group of `kind` as a series with the format `series` shows it (the
// group's first series for the group's own type; nullptr: a group without series); nullopt
// for a group of no known kind.
std::optional<std::int32_t> GroupChartType(const ChartGroupKind& kind,
                                           const SeriesKindFormat* series);

// True for a group whose bars are horizontal (BAR's fTranspose): its category axis is at the
// left.
bool HasHorizontalBars(const ChartGroupKind& kind);

}  // namespace k27093::xls
