#include "readers/ooxml/chartsheet_part.h"

#include <string>

#include "readers/ooxml/chart_part.h"
#include "readers/ooxml/drawing_part.h"
#include "document/read_fault.h"
#include "readers/ooxml/relationships.h"
#include "readers/ooxml/sheet_protection.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {

void ReadChartSheetPart(Package& package, std::string_view part, std::string_view rootElement,
                        ContentBudget& budget, document::SheetData& sheet) {
  const pugi::xml_document document = ParseXmlPart(package, part, rootElement);
  const pugi::xml_node root = document.document_element();
  const PartScope scope(part, budget);
  sheet.protection = ReadSheetProtection(ChildNamed(root, "sheetProtection"), "content", scope);
  document::ChartSheetData& chartSheet = sheet.chartSheet.emplace();
  if (const pugi::xml_node setup = ChildNamed(root, "pageSetup")) {
    chartSheet.pageSetup = ReadPageSetup(setup, scope);
  }
  const pugi::xml_node drawingElement = ChildNamed(root, "drawing");
  if (!drawingElement) return;
  const std::string id = RelationshipIdOf(drawingElement);
  const Relationships relationships = ReadRelationships(package, part);
  const Relationship* drawing = relationships.Find(id);
  if (drawing == nullptr || drawing->external || !IsRelationshipType(drawing->type, "drawing")) {
    scope.Fail("refers to the drawing '" + id + "', which leads to no drawing part");
  }
  ReadChartSheetDrawing(package, drawing->target, budget, chartSheet);
}

}  // namespace k27093::ooxml
