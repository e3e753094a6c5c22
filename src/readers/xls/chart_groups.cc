#include "readers/xls/chart_groups.h"

#include <array>

namespace k27093::xls {
namespace {

namespace records = chart_records;

// The flags of BAR, LINE and AREA.
constexpr std::uint16_t kBarHorizontal = 0x0001;  // BAR fTranspose
constexpr std::uint16_t kBarStacked = 0x0002;
constexpr std::uint16_t kBarPercent = 0x0004;
constexpr std::uint16_t kLineStacked = 0x0001;  // LINE and AREA
constexpr std::uint16_t kLinePercent = 0x0002;
constexpr std::uint16_t kScatterBubbles = 0x0001;  // SCATTER fBubbles
constexpr std::uint16_t kSurfaceFilled = 0x0001;   // SURF fFillCurve

enum class Grouping { Clustered, Stacked, Percent, Standard };

Grouping GroupingOf(std::uint16_t flags, std::uint16_t stacked, std::uint16_t percent,
                    Grouping otherwise) {
  if ((flags & percent) != 0) return Grouping::Percent;
  if ((flags & stacked) != 0) return Grouping::Stacked;
  return otherwise;
}

std::int32_t ByGrouping(Grouping grouping, std::array<std::int32_t, 4> types) {
  return types[static_cast<std::size_t>(grouping)];
}

// A format the series states, else the group's.
template <typename T>
std::optional<T> Stated(const std::optional<T>& own, const std::optional<T>& group) {
  return own ? own : group;
}

// Types of 3-D bars by shape (box, cylinder, cone, pyramid), direction (columns, bars) and
// grouping (clustered, stacked, 100%, standard: the 3-D column; bars count as clustered).
constexpr std::int32_t k3DTypes[4][2][4] = {
    {{54, 55, 56, -4100}, {60, 61, 62, 60}},
    {{92, 93, 94, 98}, {95, 96, 97, 95}},
    {{99, 100, 101, 105}, {102, 103, 104, 102}},
    {{106, 107, 108, 112}, {109, 110, 111, 109}},
};

// The shape of a 3-D bar: box, cylinder, cone or pyramid, as its riser and taper give it.
std::size_t ShapeIndex(const ChartGroupKind& kind, const SeriesKindFormat& series) {
  const std::uint8_t riser = Stated(series.riser, kind.defaults.riser).value_or(0);
  const std::uint8_t taper = Stated(series.taper, kind.defaults.taper).value_or(0);
  if (riser == 1) return taper == 0 ? 1 : 2;
  return taper == 0 ? 0 : 3;
}

std::int32_t BarType(const ChartGroupKind& kind, const SeriesKindFormat& series) {
  const bool horizontal = HasHorizontalBars(kind);
  if (!kind.view3D) {
    const Grouping grouping = GroupingOf(kind.flags, kBarStacked, kBarPercent, Grouping::Clustered);
    return horizontal ? ByGrouping(grouping, {57, 58, 59, 57})
                      : ByGrouping(grouping, {51, 52, 53, 51});
  }
  // A 3-D column group that is not clustered puts its series one behind the other.
  const Grouping otherwise = (kind.view3D->flags & kView3DClustered) != 0 || horizontal
                                 ? Grouping::Clustered
                                 : Grouping::Standard;
  const Grouping grouping = GroupingOf(kind.flags, kBarStacked, kBarPercent, otherwise);
  return k3DTypes[ShapeIndex(kind, series)][horizontal ? 1 : 0][static_cast<std::size_t>(grouping)];
}

// Markers shown: the series' marker format, else the group's; a series without either has
// the automatic markers.
bool ShowsMarkers(const ChartGroupKind& kind, const SeriesKindFormat& series) {
  const std::optional<MarkerFormat> marker = Stated(series.marker, kind.defaults.marker);
  return !marker || marker->automatic || marker->symbol != 0;
}

std::int32_t LineType(const ChartGroupKind& kind, const SeriesKindFormat& series) {
  if (kind.view3D) return -4101;
  const Grouping grouping = GroupingOf(kind.flags, kLineStacked, kLinePercent, Grouping::Standard);
  return ShowsMarkers(kind, series) ? ByGrouping(grouping, {65, 66, 67, 65})
                                    : ByGrouping(grouping, {4, 63, 64, 4});
}

std::int32_t AreaType(const ChartGroupKind& kind) {
  const Grouping grouping = GroupingOf(kind.flags, kLineStacked, kLinePercent, Grouping::Standard);
  return kind.view3D ? ByGrouping(grouping, {-4098, 78, 79, -4098})
                     : ByGrouping(grouping, {1, 76, 77, 1});
}

std::int32_t PieType(const ChartGroupKind& kind, const SeriesKindFormat& series) {
  const bool exploded = series.explosion > 0;
  if (kind.donutHole > 0) return exploded ? 80 : -4120;
  if (kind.view3D) return exploded ? 70 : -4102;
  return exploded ? 69 : 5;
}

// A scatter series with a line (one that is not "none") is a line scatter type, smoothed or
// not, with or without markers; without a line it is the markers-only xlXYScatter.
std::int32_t ScatterType(const ChartGroupKind& kind, const SeriesKindFormat& series) {
  if ((kind.flags & kScatterBubbles) != 0) return series.bubbles3D ? 87 : 15;
  const std::optional<LineFormat> line = Stated(series.line, kind.defaults.line);
  if (!line || line->style == kLineStyleNone) return -4169;
  const bool markers = ShowsMarkers(kind, series);
  if (series.smooth) return markers ? 72 : 73;
  return markers ? 74 : 75;
}

// A surface seen from straight above, flat, is the contour (2-D surface) chart.
bool IsContour(const ChartGroupKind& kind) {
  return kind.view3D && kind.view3D->elevation == 90 && kind.view3D->rotation == 0 &&
         (kind.view3D->flags & 0x0001) == 0;
}

}  // namespace

bool HasHorizontalBars(const ChartGroupKind& kind) {
  return kind.record == records::kBar && (kind.flags & kBarHorizontal) != 0;
}

std::string GroupElement(const ChartGroupKind& kind) {
  const bool threeD = kind.view3D.has_value();
  switch (kind.record) {
    case records::kBar:
      return threeD ? "bar3DChart" : "barChart";
    case records::kLine:
      return threeD ? "line3DChart" : "lineChart";
    case records::kPie:
      if (kind.donutHole > 0) return "doughnutChart";
      return threeD ? "pie3DChart" : "pieChart";
    case records::kPieOfPie:
      return "ofPieChart";
    case records::kArea:
      return threeD ? "area3DChart" : "areaChart";
    case records::kScatter:
      return (kind.flags & kScatterBubbles) != 0 ? "bubbleChart" : "scatterChart";
    case records::kRadar:
    case records::kRadarArea:
      return "radarChart";
    case records::kSurface:
      return IsContour(kind) ? "surfaceChart" : "surface3DChart";
    default:
      return "";
  }
}

std::optional<std::int32_t> GroupChartType(const ChartGroupKind& kind,
                                           const SeriesKindFormat* series) {
  const SeriesKindFormat none;
  const SeriesKindFormat& format = series != nullptr ? *series : none;
  switch (kind.record) {
    case records::kBar:
      return BarType(kind, format);
    case records::kLine:
      return LineType(kind, format);
    case records::kPie:
      return PieType(kind, format);
    case records::kPieOfPie:
      return kind.pieOfPieType == 2 ? 71 : 68;
    case records::kArea:
      return AreaType(kind);
    case records::kScatter:
      return ScatterType(kind, format);
    case records::kRadar:
      return ShowsMarkers(kind, format) ? 81 : -4151;
    case records::kRadarArea:
      return 82;
    case records::kSurface: {
      const bool wireframe = (kind.flags & kSurfaceFilled) == 0;
      if (IsContour(kind)) return wireframe ? 86 : 85;
      return wireframe ? 84 : 83;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace k27093::xls
