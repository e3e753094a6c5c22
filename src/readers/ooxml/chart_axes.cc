#include "readers/ooxml/chart_axes.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

using Element = document::AxisData::Element;

struct Named {
  std::string_view name;
  std::int32_t value;
};

constexpr std::array<Named, 4> kTickMarks = {
    {{"none", -4142}, {"in", 2}, {"out", 3}, {"cross", 4}}};
constexpr std::array<Named, 4> kTickLabelPositions = {
    {{"nextTo", 4}, {"high", -4127}, {"low", -4134}, {"none", -4142}}};

// The value of the setting `child` of `axis` by the table: `absent` when the axis has no such
// element, `unvalued` (the format's default) when the element has no value.
template <std::size_t N>
std::int32_t Setting(pugi::xml_node axis, std::string_view child, const std::array<Named, N>& table,
                     std::int32_t absent, std::int32_t unvalued, const PartScope& scope) {
  const pugi::xml_node element = ChildNamed(axis, child);
  if (!element) return absent;
  const pugi::xml_attribute value = PlainAttribute(element, "val");
  if (!value) return unvalued;
  for (const Named& named : table) {
    if (named.name == value.value()) return named.value;
  }
  scope.Fail("has the axis setting <" + std::string(child) + " val=\"" + value.value() +
             "\">, which is not one of the format's");
}

std::optional<Element> ElementOf(std::string_view name) {
  if (name == "catAx") return Element::Category;
  if (name == "valAx") return Element::Value;
  if (name == "dateAx") return Element::Date;
  if (name == "serAx") return Element::Series;
  return std::nullopt;
}

struct Placement {
  std::int32_t type = 1;
  std::int32_t axisGroup = 1;
};

// Axis id -> the axis type and group of the first chart group that names it.
std::map<std::string, Placement> PlacementsOf(const std::vector<document::ChartGroupData>& groups) {
  std::map<std::string, Placement> placements;
  for (const document::ChartGroupData& group : groups) {
    for (std::size_t i = 0; i < group.axisIds.size(); ++i) {
      placements.emplace(group.axisIds[i],
                         Placement{static_cast<std::int32_t>(i) + 1, group.axisGroup});
    }
  }
  return placements;
}

// The axis type and group of the chart group that names the axis; else by its element.
void PlaceAxis(const std::map<std::string, Placement>& placements, document::AxisData& axis) {
  if (const auto found = placements.find(axis.id); found != placements.end()) {
    axis.type = found->second.type;
    axis.axisGroup = found->second.axisGroup;
    return;
  }
  axis.type = axis.element == Element::Value ? 2 : axis.element == Element::Series ? 3 : 1;
  axis.axisGroup = 1;
}

document::AxisData ReadAxis(pugi::xml_node node, Element element, PartScope& scope) {
  document::AxisData axis;
  axis.element = element;
  axis.id = scope.Val(node, "axId");
  axis.position = scope.Val(node, "axPos");
  axis.deleted = scope.FlagVal(node, "delete").value_or(false);
  axis.majorGridlines = static_cast<bool>(ChildNamed(node, "majorGridlines"));
  axis.minorGridlines = static_cast<bool>(ChildNamed(node, "minorGridlines"));
  // Without the element Excel's own value; with an element without value the format's.
  axis.majorTickMark = Setting(node, "majorTickMark", kTickMarks, 3, 4, scope);
  axis.minorTickMark = Setting(node, "minorTickMark", kTickMarks, -4142, 4, scope);
  axis.tickLabelPosition = Setting(node, "tickLblPos", kTickLabelPositions, 4, 4, scope);
  axis.majorUnit = scope.NumberVal(node, "majorUnit");
  axis.minorUnit = scope.NumberVal(node, "minorUnit");
  const pugi::xml_node scaling = ChildNamed(node, "scaling");
  axis.minimum = scope.NumberVal(scaling, "min");
  axis.maximum = scope.NumberVal(scaling, "max");
  if (const pugi::xml_node title = ChildNamed(node, "title")) axis.title = ReadTitle(title, scope);
  axis.tickLabelFont = DefaultFontOf(ChildNamed(node, "txPr"), scope);
  return axis;
}

// The cached text of a title linked to a cell: its first point.
std::string CachedTitleText(pugi::xml_node reference, PartScope& scope) {
  const pugi::xml_node point = ChildNamed(ChildNamed(reference, "strCache"), "pt");
  std::string text = ElementText(ChildNamed(point, "v"), scope.part());
  scope.Take(text.size());
  return text;
}

}  // namespace

void ReadAxes(pugi::xml_node plotArea, PartScope& scope, document::ChartData& chart) {
  const std::map<std::string, Placement> placements = PlacementsOf(chart.groups);
  for (pugi::xml_node node : plotArea.children()) {
    if (node.type() != pugi::node_element) continue;
    const std::optional<Element> element = ElementOf(LocalName(node.name()));
    if (!element) continue;
    scope.Take(0);
    document::AxisData axis = ReadAxis(node, *element, scope);
    PlaceAxis(placements, axis);
    chart.axes.push_back(std::move(axis));
  }
}

document::TitleData ReadTitle(pugi::xml_node title, PartScope& scope) {
  document::TitleData data;
  const pugi::xml_node text = ChildNamed(title, "tx");
  if (const pugi::xml_node rich = ChildNamed(text, "rich")) {
    data.text = TextOf(rich, scope);
    return data;
  }
  data.text.font = DefaultFontOf(ChildNamed(title, "txPr"), scope);
  if (const pugi::xml_node reference = ChildNamed(text, "strRef")) {
    data.reference = ElementText(ChildNamed(reference, "f"), scope.part());
    scope.Take(data.reference.size());
    data.text.text = CachedTitleText(reference, scope);
  } else {
    data.automatic = true;
  }
  return data;
}

}  // namespace k27093::ooxml
