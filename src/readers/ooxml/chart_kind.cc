#include "readers/ooxml/chart_kind.h"

#include <array>
#include <string>

#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

enum class Grouping { Clustered, Stacked, Percent, Standard };

// The grouping of a bar, line or area group; absent: the format's default for the group.
Grouping GroupingOf(pugi::xml_node group, Grouping absent, const PartScope& scope) {
  const std::string_view value = scope.Val(group, "grouping");
  if (value.empty()) return absent;  // no element, or one without value: the format's default
  if (value == "clustered") return Grouping::Clustered;
  if (value == "stacked") return Grouping::Stacked;
  if (value == "percentStacked") return Grouping::Percent;
  if (value == "standard") return Grouping::Standard;
  scope.Fail("has the chart grouping " + Quoted(value) + ", which is not one of the format's");
}

bool IsColumn(pugi::xml_node group, const PartScope& scope) {
  const std::string_view direction = scope.Val(group, "barDir");
  if (direction.empty() || direction == "col") return true;
  if (direction == "bar") return false;
  scope.Fail("has the bar direction " + Quoted(direction) + ", which is neither 'col' nor 'bar'");
}

std::int32_t ByGrouping(Grouping grouping, std::array<std::int32_t, 4> types) {
  return types[static_cast<std::size_t>(grouping)];
}

// The 3-D bar shapes in the order of the type table below.
std::size_t ShapeIndex(std::string_view shape, const PartScope& scope) {
  if (shape.empty() || shape == "box") return 0;
  if (shape == "cylinder") return 1;
  if (shape == "cone" || shape == "coneToMax") return 2;
  if (shape == "pyramid" || shape == "pyramidToMax") return 3;
  scope.Fail("has the bar shape " + Quoted(shape) + ", which is not one of the format's");
}

// Types of 3-D bars by shape (box, cylinder, cone, pyramid), direction and grouping
// (clustered, stacked, 100%, standard: the 3-D column; bars have none and count as clustered).
constexpr std::int32_t k3DTypes[4][2][4] = {
    {{54, 55, 56, -4100}, {60, 61, 62, 60}},
    {{92, 93, 94, 98}, {95, 96, 97, 95}},
    {{99, 100, 101, 105}, {102, 103, 104, 102}},
    {{106, 107, 108, 112}, {109, 110, 111, 109}},
};

pugi::xml_node FirstSeries(pugi::xml_node group) { return ChildNamed(group, "ser"); }

std::int32_t Bar3DType(pugi::xml_node group, std::string_view shape, const PartScope& scope) {
  const std::size_t direction = IsColumn(group, scope) ? 0 : 1;
  const auto grouping = static_cast<std::size_t>(GroupingOf(group, Grouping::Clustered, scope));
  return k3DTypes[ShapeIndex(shape, scope)][direction][grouping];
}

// The bar shape of a 3-D bar group: its own, else its first series', else a box.
std::string_view GroupShape(pugi::xml_node group, const PartScope& scope) {
  if (ChildNamed(group, "shape")) return scope.Val(group, "shape");
  return scope.Val(FirstSeries(group), "shape");
}

// True when a line, radar or scatter series shows markers: its marker symbol, else the
// group's marker setting (shown unless the group says otherwise).
bool ShowsMarkers(pugi::xml_node group, pugi::xml_node series, const PartScope& scope) {
  const pugi::xml_node symbol = ChildNamed(ChildNamed(series, "marker"), "symbol");
  if (symbol) return std::string_view(PlainAttribute(symbol, "val").value()) != "none";
  return scope.FlagVal(group, "marker").value_or(true);
}

std::int32_t LineType(pugi::xml_node group, pugi::xml_node series, const PartScope& scope) {
  const Grouping grouping = GroupingOf(group, Grouping::Standard, scope);
  return ShowsMarkers(group, series, scope) ? ByGrouping(grouping, {65, 66, 67, 65})
                                            : ByGrouping(grouping, {4, 63, 64, 4});
}

std::int32_t AreaType(pugi::xml_node group, bool threeD, const PartScope& scope) {
  const Grouping grouping = GroupingOf(group, Grouping::Standard, scope);
  return threeD ? ByGrouping(grouping, {-4098, 78, 79, -4098})
                : ByGrouping(grouping, {1, 76, 77, 1});
}

std::int32_t ScatterType(pugi::xml_node group, pugi::xml_node series, const PartScope& scope) {
  const std::string_view style = scope.Val(group, "scatterStyle");
  const bool styleLines =
      style == "line" || style == "lineMarker" || style == "smooth" || style == "smoothMarker";
  const std::optional<document::FillData> line = LineOf(ChildNamed(series, "spPr"), scope);
  const bool lines = line ? line->kind != document::FillData::Kind::None : styleLines;
  if (!lines) return -4169;
  const pugi::xml_node symbol = ChildNamed(ChildNamed(series, "marker"), "symbol");
  const bool markers = symbol ? std::string_view(PlainAttribute(symbol, "val").value()) != "none"
                              : style != "line" && style != "smooth";
  const bool smooth =
      scope.FlagVal(series, "smooth").value_or(style == "smooth" || style == "smoothMarker");
  if (smooth) return markers ? 72 : 73;
  return markers ? 74 : 75;
}

bool Exploded(pugi::xml_node series, const PartScope& scope) {
  return scope.IntegerVal(series, "explosion").value_or(0) > 0;
}

// The type of `group` as `series` (its first series, or one of its own) shows it.
std::optional<std::int32_t> TypeFor(pugi::xml_node group, pugi::xml_node series,
                                    const PartScope& scope) {
  const std::string_view kind = LocalName(group.name());
  if (kind == "barChart") {
    const bool column = IsColumn(group, scope);
    const Grouping grouping = GroupingOf(group, Grouping::Clustered, scope);
    return column ? ByGrouping(grouping, {51, 52, 53, 51}) : ByGrouping(grouping, {57, 58, 59, 57});
  }
  if (kind == "bar3DChart") {
    const std::string_view own = scope.Val(series, "shape");
    return Bar3DType(group, own.empty() ? GroupShape(group, scope) : own, scope);
  }
  if (kind == "lineChart") return LineType(group, series, scope);
  if (kind == "line3DChart") return -4101;
  if (kind == "pieChart") return Exploded(series, scope) ? 69 : 5;
  if (kind == "pie3DChart") return Exploded(series, scope) ? 70 : -4102;
  if (kind == "doughnutChart") return Exploded(series, scope) ? 80 : -4120;
  if (kind == "ofPieChart") return scope.Val(group, "ofPieType") == "bar" ? 71 : 68;
  if (kind == "areaChart") return AreaType(group, false, scope);
  if (kind == "area3DChart") return AreaType(group, true, scope);
  if (kind == "scatterChart") return ScatterType(group, series, scope);
  if (kind == "radarChart") {
    if (scope.Val(group, "radarStyle") == "filled") return 82;
    return ShowsMarkers(group, series, scope) ? 81 : -4151;
  }
  if (kind == "bubbleChart") {
    const bool threeD = scope.FlagVal(series, "bubble3D")
                            .value_or(scope.FlagVal(group, "bubble3D").value_or(false));
    return threeD ? 87 : 15;
  }
  if (kind == "surfaceChart") return scope.FlagVal(group, "wireframe").value_or(false) ? 86 : 85;
  if (kind == "surface3DChart") {
    return scope.FlagVal(group, "wireframe").value_or(false) ? 84 : 83;
  }
  if (kind == "stockChart") {
    std::size_t count = 0;
    for (pugi::xml_node child : group.children()) {
      if (child.type() == pugi::node_element && LocalName(child.name()) == "ser") ++count;
    }
    if (count == 3) return 88;
    if (count == 4) return 89;
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> GroupChartType(pugi::xml_node group, const PartScope& scope) {
  return TypeFor(group, FirstSeries(group), scope);
}

std::optional<std::int32_t> SeriesChartType(pugi::xml_node group, pugi::xml_node series,
                                            const PartScope& scope) {
  return TypeFor(group, series, scope);
}

}  // namespace k27093::ooxml
