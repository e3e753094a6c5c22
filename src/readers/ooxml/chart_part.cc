#include "readers/ooxml/chart_part.h"

#include <array>
#include <limits>
#include <string>

#include "readers/ooxml/chart_axes.h"
#include "readers/ooxml/chart_series.h"
#include "readers/ooxml/drawing_part.h"
#include "readers/ooxml/relationships.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

std::optional<std::int32_t> Int32Attribute(pugi::xml_node node, std::string_view name,
                                           const PartScope& scope) {
  const std::optional<std::int64_t> value = scope.Integer(node, name);
  if (!value) return std::nullopt;
  if (*value < std::numeric_limits<std::int32_t>::min() ||
      *value > std::numeric_limits<std::int32_t>::max()) {
    scope.Fail("has the " + std::string(name) + " " + std::to_string(*value) + ", out of range");
  }
  return static_cast<std::int32_t>(*value);
}

// The layout mode stored in `child` of `manual`; factor, the format's default, when absent.
document::ManualLayoutData::Mode LayoutMode(pugi::xml_node manual, std::string_view child,
                                            const PartScope& scope) {
  const std::string_view value = scope.Val(manual, child);
  if (value.empty() || value == "factor") return document::ManualLayoutData::Mode::Factor;
  if (value == "edge") return document::ManualLayoutData::Mode::Edge;
  scope.Fail("has the layout mode " + Quoted(value) + ", which is not one of the format's");
}

// Whether `manual` places the inner box of the plot area; the outer one, the format's
// default, when absent.
bool InnerTarget(pugi::xml_node manual, const PartScope& scope) {
  const std::string_view value = scope.Val(manual, "layoutTarget");
  if (value.empty() || value == "outer") return false;
  if (value == "inner") return true;
  scope.Fail("has the layout target " + Quoted(value) + ", which is not one of the format's");
}

std::optional<document::ManualLayoutData> ReadLayout(pugi::xml_node layout,
                                                     const PartScope& scope) {
  const pugi::xml_node manual = ChildNamed(layout, "manualLayout");
  if (!manual) return std::nullopt;
  document::ManualLayoutData data;
  data.inner = InnerTarget(manual, scope);
  data.xMode = LayoutMode(manual, "xMode", scope);
  data.yMode = LayoutMode(manual, "yMode", scope);
  data.wMode = LayoutMode(manual, "wMode", scope);
  data.hMode = LayoutMode(manual, "hMode", scope);
  data.x = scope.NumberVal(manual, "x");
  data.y = scope.NumberVal(manual, "y");
  data.width = scope.NumberVal(manual, "w");
  data.height = scope.NumberVal(manual, "h");
  return data;
}

std::int32_t LegendPosition(pugi::xml_node legend, const PartScope& scope) {
  struct Position {
    std::string_view name;
    std::int32_t value;
  };
  static constexpr std::array<Position, 5> kPositions = {
      {{"r", -4152}, {"b", -4107}, {"t", -4160}, {"l", -4131}, {"tr", 2}}};
  if (!ChildNamed(legend, "legendPos")) return -4152;
  const std::string_view value = scope.Val(legend, "legendPos");
  // The format's default position, for an element without its value, is the right.
  if (value.empty()) return -4152;
  for (const Position& position : kPositions) {
    if (position.name == value) return position.value;
  }
  scope.Fail("has the legend position " + Quoted(value) + ", which is not one of the format's");
}

document::LegendData ReadLegend(pugi::xml_node legend, PartScope& scope) {
  document::LegendData data;
  data.position = LegendPosition(legend, scope);
  data.layout = ReadLayout(ChildNamed(legend, "layout"), scope);
  data.overlay = scope.FlagVal(legend, "overlay").value_or(false);
  data.font = DefaultFontOf(ChildNamed(legend, "txPr"), scope);
  for (pugi::xml_node entry : legend.children()) {
    if (entry.type() != pugi::node_element || LocalName(entry.name()) != "legendEntry") continue;
    scope.Take(0);
    const std::optional<std::int64_t> index = scope.IntegerVal(entry, "idx");
    if (index && *index >= 0 && *index <= std::numeric_limits<std::int32_t>::max() &&
        scope.FlagVal(entry, "delete").value_or(false)) {
      data.deletedEntries.push_back(static_cast<std::int32_t>(*index));
    }
  }
  return data;
}

document::DataTableData ReadDataTable(pugi::xml_node table, const PartScope& scope) {
  document::DataTableData data;
  data.horizontalBorder = scope.FlagVal(table, "showHorzBorder");
  data.verticalBorder = scope.FlagVal(table, "showVertBorder");
  data.outline = scope.FlagVal(table, "showOutline");
  data.showKeys = scope.FlagVal(table, "showKeys");
  data.font = DefaultFontOf(ChildNamed(table, "txPr"), scope);
  return data;
}

// The chart's own drawing `id`, through the chart part's relationships.
std::vector<document::DrawingObjectData> ReadUserShapes(Package& package,
                                                        const Relationships& relationships,
                                                        const std::string& id, double width,
                                                        double height, PartScope& scope) {
  const Relationship* drawing = relationships.Find(id);
  if (drawing == nullptr || drawing->external ||
      !IsRelationshipType(drawing->type, "chartUserShapes")) {
    scope.Fail("names its shapes drawing " + Quoted(id) + ", which leads to no drawing part");
  }
  return ReadChartShapes(package, drawing->target, width, height, scope.budget());
}

// Names a picture fill's picture by the file name of its part, as the chart part's
// relationships give it (left "" when they do not lead to one).
void NamePicture(const Relationships& relationships, document::FillData& fill) {
  const Relationship* picture = relationships.Find(fill.pictureId);
  if (picture != nullptr && !picture->external) {
    fill.pictureName = picture->target.substr(picture->target.rfind('/') + 1);
  }
}

}  // namespace

document::ChartData ReadChart(Package& package, std::string_view part, double width, double height,
                              ContentBudget& budget) {
  PartScope scope(part, budget);
  document::ChartData chart;
  chart.part = part;
  std::optional<std::string> userShapesId;
  {
    const pugi::xml_document document = ParseXmlPart(package, part, "chartSpace");
    const pugi::xml_node space = document.document_element();
    const pugi::xml_node chartNode = ChildNamed(space, "chart");
    if (const pugi::xml_node title = ChildNamed(chartNode, "title")) {
      chart.title = ReadTitle(title, scope);
    }
    chart.autoTitleDeleted = scope.FlagVal(chartNode, "autoTitleDeleted");
    const pugi::xml_node plotArea = ChildNamed(chartNode, "plotArea");
    ReadChartGroups(plotArea, scope, chart);
    ReadAxes(plotArea, scope, chart);
    chart.plotAreaLayout = ReadLayout(ChildNamed(plotArea, "layout"), scope);
    if (const pugi::xml_node table = ChildNamed(plotArea, "dTable")) {
      chart.dataTable = ReadDataTable(table, scope);
    }
    if (const pugi::xml_node legend = ChildNamed(chartNode, "legend")) {
      chart.legend = ReadLegend(legend, scope);
    }
    chart.areaFill = FillOf(ChildNamed(space, "spPr"), scope);
    chart.areaFont = DefaultFontOf(ChildNamed(space, "txPr"), scope);
    if (const pugi::xml_node setup = ChildNamed(ChildNamed(space, "printSettings"), "pageSetup")) {
      chart.pageSetup = ReadPageSetup(setup, scope);
    }
    if (const pugi::xml_node userShapes = ChildNamed(space, "userShapes")) {
      userShapesId = RelationshipIdOf(userShapes);
    }
  }
  // The parts the chart leads to are read once its tree is released.
  const bool namesPicture = chart.areaFill && !chart.areaFill->pictureId.empty();
  if (!namesPicture && !userShapesId) return chart;
  const Relationships relationships = ReadRelationships(package, part);
  if (namesPicture) NamePicture(relationships, *chart.areaFill);
  if (userShapesId) {
    chart.shapes = ReadUserShapes(package, relationships, *userShapesId, width, height, scope);
  }
  return chart;
}

document::PageSetupData ReadPageSetup(pugi::xml_node pageSetup, const PartScope& scope) {
  document::PageSetupData data;
  data.paperSize = Int32Attribute(pageSetup, "paperSize", scope);
  data.orientation = PlainAttribute(pageSetup, "orientation").value();
  data.firstPageNumber = Int32Attribute(pageSetup, "firstPageNumber", scope);
  data.horizontalDpi = Int32Attribute(pageSetup, "horizontalDpi", scope);
  data.verticalDpi = Int32Attribute(pageSetup, "verticalDpi", scope);
  data.copies = Int32Attribute(pageSetup, "copies", scope);
  data.blackAndWhite = scope.Boolean(pageSetup, "blackAndWhite");
  data.draft = scope.Boolean(pageSetup, "draft");
  return data;
}

}  // namespace k27093::ooxml
