#include "readers/ooxml/chartsheet_part.h"

#include <optional>
#include <string>

#include "document/read_fault.h"
#include "readers/ooxml/chart_part.h"
#include "readers/ooxml/drawing_part.h"
#include "readers/ooxml/relationships.h"
#include "readers/ooxml/sheet_protection.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {

void ReadChartSheetPart(Package& package, std::string_view part, std::string_view rootElement,
                        ContentBudget& budget, document::SheetData& sheet) {
  const PartScope scope(part, budget);
  document::ChartSheetData& chartSheet = sheet.chartSheet.emplace();
  std::optional<std::string> drawingId;
  {
    const pugi::xml_document document = ParseXmlPart(package, part, rootElement);
    const pugi::xml_node root = document.document_element();
    sheet.protection = ReadSheetProtection(ChildNamed(root, "sheetProtection"), "content", scope);
    if (const pugi::xml_node setup = ChildNamed(root, "pageSetup")) {
      chartSheet.pageSetup = ReadPageSetup(setup, scope);
    }
    if (const pugi::xml_node drawingElement = ChildNamed(root, "drawing")) {
      drawingId = RelationshipIdOf(drawingElement);
    }
  }
  // The drawing is read once the chart sheet's tree is released.
  if (!drawingId) return;
  const Relationships relationships = ReadRelationships(package, part);
  const Relationship* drawing = relationships.Find(*drawingId);
  if (drawing == nullptr || drawing->external || !IsRelationshipType(drawing->type, "drawing")) {
    scope.Fail("refers to the drawing '" + *drawingId + "', which leads to no drawing part");
  }
  ReadChartSheetDrawing(package, drawing->target, budget, chartSheet);
}

}  // namespace k27093::ooxml
