#include "readers/ooxml/sheet_view.h"

#include <optional>
#include <string_view>
#include <vector>

#include "readers/ooxml/cell_reference.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

constexpr std::string_view kDefaultPane = "topLeft";

struct Area {
  std::string text;  // as stored: "B2:C3", "D12"
  CellPosition first;
  CellPosition last;
};

std::string_view PaneOf(pugi::xml_node node, std::string_view attribute) {
  const std::string_view pane = PlainAttribute(node, attribute).value();
  return pane.empty() ? kDefaultPane : pane;
}

// An area "B2:C3" or "D12" of a sqref; nullopt when a corner is not a cell of the sheet.
std::optional<Area> AreaOf(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::optional<CellPosition> first = ParseCellReference(text.substr(0, colon));
  const std::optional<CellPosition> last =
      colon == std::string_view::npos ? first : ParseCellReference(text.substr(colon + 1));
  if (!first || !last) return std::nullopt;
  return Area{std::string(text), *first, *last};
}

std::vector<Area> AreasOf(std::string_view sqref) {
  std::vector<Area> areas;
  while (!sqref.empty()) {
    const std::size_t blank = sqref.find(' ');
    if (std::optional<Area> area = AreaOf(sqref.substr(0, blank))) areas.push_back(*area);
    sqref = blank == std::string_view::npos ? std::string_view() : sqref.substr(blank + 1);
  }
  return areas;
}

bool Holds(const Area& area, CellPosition cell) {
  auto within = [](std::int32_t value, std::int32_t a, std::int32_t b) {
    return (a <= value && value <= b) || (b <= value && value <= a);
  };
  return within(cell.row, area.first.row, area.last.row) &&
         within(cell.column, area.first.column, area.last.column);
}

// The selection element of the active pane; the first one when none names that pane.
pugi::xml_node ActiveSelection(pugi::xml_node view) {
  const std::string_view active = PaneOf(ChildNamed(view, "pane"), "activePane");
  pugi::xml_node first;
  for (pugi::xml_node selection : view.children()) {
    if (selection.type() != pugi::node_element || LocalName(selection.name()) != "selection") {
      continue;
    }
    if (PaneOf(selection, "pane") == active) return selection;
    if (!first) first = selection;
  }
  return first;
}

}  // namespace

std::string SelectedCellsOf(pugi::xml_node worksheet) {
  const pugi::xml_node view = ChildNamed(ChildNamed(worksheet, "sheetViews"), "sheetView");
  const pugi::xml_node selection = ActiveSelection(view);
  const std::string_view activeText = PlainAttribute(selection, "activeCell").value();
  const std::optional<CellPosition> activeCell = ParseCellReference(activeText);
  const std::vector<Area> areas = AreasOf(PlainAttribute(selection, "sqref").value());
  for (const Area& area : areas) {
    if (activeCell && Holds(area, *activeCell)) return area.text;
  }
  if (!areas.empty()) return areas.front().text;
  return activeCell ? std::string(activeText) : std::string();
}

}  // namespace k27093::ooxml
