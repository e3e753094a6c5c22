#include "readers/ooxml/chart_series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "readers/ooxml/chart_kind.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

bool IsElement(pugi::xml_node node, std::string_view localName) {
  return node.type() == pugi::node_element && LocalName(node.name()) == localName;
}

bool IsGroupElement(pugi::xml_node node) {
  return node.type() == pugi::node_element && LocalName(node.name()).ends_with("Chart");
}

std::optional<std::int32_t> Int32Val(pugi::xml_node parent, std::string_view child,
                                     const PartScope& scope) {
  const std::optional<std::int64_t> value = scope.IntegerVal(parent, child);
  if (!value) return std::nullopt;
  if (*value < 0 || *value > std::numeric_limits<std::int32_t>::max()) {
    scope.Fail("has a series " + std::string(child) + " out of range");
  }
  return static_cast<std::int32_t>(*value);
}

std::optional<double> ParseNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '+')) text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// A text as a formula literal: in double quotes, quotes inside doubled.
std::string QuotedLiteral(std::string_view text) {
  std::string literal = "\"";
  for (char c : text) {
    literal += c;
    if (c == '"') literal += '"';
  }
  return literal + "\"";
}

// The points of a cache or literal (c:numCache, c:strCache, c:numLit, c:strLit) by index.
// `raw` receives each point's stored text, for literals.
std::vector<Variant> ReadPoints(pugi::xml_node points, bool numeric, PartScope& scope,
                                std::vector<std::string>* raw) {
  std::vector<Variant> values;
  const std::optional<std::int64_t> count = scope.IntegerVal(points, "ptCount");
  if (count && (*count < 0 || static_cast<std::uint64_t>(*count) > kMaxPoints)) {
    scope.Fail("has a series of more than " + std::to_string(kMaxPoints) + " points");
  }
  values.resize(count ? static_cast<std::size_t>(*count) : 0);
  if (raw != nullptr) raw->assign(values.size(), std::string());
  for (pugi::xml_node point : points.children()) {
    if (!IsElement(point, "pt")) continue;
    const std::optional<std::int64_t> index = scope.Integer(point, "idx");
    if (!index || *index < 0 || static_cast<std::uint64_t>(*index) >= kMaxPoints) {
      scope.Fail("has a series point whose index is missing or beyond " +
                 std::to_string(kMaxPoints));
    }
    const auto at = static_cast<std::size_t>(*index);
    std::string text = ElementText(ChildNamed(point, "v"), scope.part());
    scope.Take(text.size());
    if (at >= values.size()) {
      values.resize(at + 1);
      if (raw != nullptr) raw->resize(at + 1);
    }
    if (numeric) {
      const std::optional<double> number = ParseNumber(text);
      if (!number) scope.Fail("has the series point '" + text.substr(0, 40) + "', not a number");
      values[at] = Variant(*number);
    } else {
      values[at] = Variant(text);
    }
    if (raw != nullptr) (*raw)[at] = std::move(text);
  }
  return values;
}

// The formula text of a literal: "{1,2}" or "{\"a\",\"b\"}".
std::string LiteralText(const std::vector<std::string>& raw, bool numeric) {
  std::string text = "{";
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (i > 0) text += ',';
    text += numeric ? raw[i] : QuotedLiteral(raw[i]);
  }
  return text + "}";
}

// A reference with its cache (c:numRef, c:strRef, c:multiLvlStrRef) or a literal
// (c:numLit, c:strLit) inside `holder` (c:cat, c:val, c:xVal, c:yVal).
document::SeriesSourceData ReadSource(pugi::xml_node holder, PartScope& scope) {
  document::SeriesSourceData source;
  for (pugi::xml_node child : holder.children()) {
    if (child.type() != pugi::node_element) continue;
    const std::string_view kind = LocalName(child.name());
    if (kind == "numRef" || kind == "strRef" || kind == "multiLvlStrRef") {
      source.reference = ElementText(ChildNamed(child, "f"), scope.part());
      scope.Take(source.reference.size());
      if (kind == "multiLvlStrRef") {
        // The first level of a multi-level cache holds the innermost category names.
        const pugi::xml_node cache = ChildNamed(child, "multiLvlStrCache");
        source.points = ReadPoints(ChildNamed(cache, "lvl"), false, scope, nullptr);
      } else {
        const bool numeric = kind == "numRef";
        source.points = ReadPoints(ChildNamed(child, numeric ? "numCache" : "strCache"), numeric,
                                   scope, nullptr);
      }
      return source;
    }
    if (kind == "numLit" || kind == "strLit") {
      const bool numeric = kind == "numLit";
      std::vector<std::string> raw;
      source.points = ReadPoints(child, numeric, scope, &raw);
      source.literal = LiteralText(raw, numeric);
      return source;
    }
  }
  return source;
}

// The series' name (c:tx): a reference with its cached text, or a literal text.
std::optional<document::SeriesSourceData> ReadName(pugi::xml_node series, PartScope& scope) {
  const pugi::xml_node name = ChildNamed(series, "tx");
  if (!name) return std::nullopt;
  if (const pugi::xml_node literal = ChildNamed(name, "v")) {
    document::SeriesSourceData source;
    const std::string text = ElementText(literal, scope.part());
    scope.Take(text.size());
    source.literal = QuotedLiteral(text);
    source.points.emplace_back(text);
    return source;
  }
  return ReadSource(name, scope);
}

document::SeriesData ReadSeries(pugi::xml_node group, pugi::xml_node series, std::size_t groupIndex,
                                PartScope& scope) {
  document::SeriesData data;
  data.group = groupIndex;
  data.index = Int32Val(series, "idx", scope);
  data.order = Int32Val(series, "order", scope);
  data.chartType = SeriesChartType(group, series, scope);
  data.name = ReadName(series, scope);
  const bool scatter = LocalName(group.name()) == "scatterChart";
  data.categories = ReadSource(ChildNamed(series, scatter ? "xVal" : "cat"), scope);
  data.values = ReadSource(ChildNamed(series, scatter ? "yVal" : "val"), scope);
  const pugi::xml_node properties = ChildNamed(series, "spPr");
  data.fill = FillOf(properties, scope);
  data.line = LineOf(properties, scope);
  const pugi::xml_node symbol = ChildNamed(ChildNamed(series, "marker"), "symbol");
  if (symbol) data.markers = std::string_view(PlainAttribute(symbol, "val").value()) != "none";
  return data;
}

document::ChartGroupData ReadGroup(pugi::xml_node group, PartScope& scope) {
  document::ChartGroupData data;
  data.element = LocalName(group.name());
  data.chartType = GroupChartType(group, scope);
  // A group names its category (X), value (Y) and, in 3-D, series axis; more are not read.
  for (pugi::xml_node child : group.children()) {
    if (!IsElement(child, "axId") || data.axisIds.size() == 3) continue;
    data.axisIds.emplace_back(PlainAttribute(child, "val").value());
  }
  return data;
}

// Groups that share no axis with the first group are on the secondary axes.
void AssignAxisGroups(std::vector<document::ChartGroupData>& groups) {
  if (groups.empty()) return;
  const std::vector<std::string>& primary = groups.front().axisIds;
  for (document::ChartGroupData& group : groups) {
    const bool shares =
        std::any_of(group.axisIds.begin(), group.axisIds.end(), [&](const std::string& id) {
          return std::find(primary.begin(), primary.end(), id) != primary.end();
        });
    group.axisGroup = shares || group.axisIds.empty() ? 1 : 2;
  }
}

}  // namespace

void ReadChartGroups(pugi::xml_node plotArea, PartScope& scope, document::ChartData& chart) {
  for (pugi::xml_node group : plotArea.children()) {
    if (!IsGroupElement(group)) continue;
    scope.Take(0);
    chart.groups.push_back(ReadGroup(group, scope));
    for (pugi::xml_node series : group.children()) {
      if (!IsElement(series, "ser")) continue;
      if (chart.series.size() == kMaxSeries) {
        scope.Fail("holds more than " + std::to_string(kMaxSeries) + " series");
      }
      chart.series.push_back(ReadSeries(group, series, chart.groups.size() - 1, scope));
    }
  }
  AssignAxisGroups(chart.groups);
  chart.chartType = ChartTypeOf(chart.groups);
}

}  // namespace k27093::ooxml
