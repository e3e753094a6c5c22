#include "readers/ooxml/reader.h"

#include <algorithm>
#include <iterator>

#include "document/read_fault.h"
#include "document/sheet_layout.h"
#include "document/workbook_file.h"
#include "readers/ooxml/chartsheet_part.h"
#include "readers/ooxml/comments_part.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/drawing_part.h"
#include "readers/ooxml/package.h"
#include "readers/ooxml/relationships.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/theme_part.h"
#include "readers/ooxml/vml_drawing.h"
#include "readers/ooxml/workbook_part.h"
#include "readers/ooxml/worksheet_part.h"

namespace k27093::ooxml {
namespace {

// Why bytes that do not start like a zip package are no workbook.
std::string ForeignBytesReason(std::string_view bytes) {
  if (bytes.empty()) return "the file is empty";
  if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
    return "it is a compound document (a binary workbook or another binary file), not an "
           "Office Open XML package";
  }
  return "it is not a zip package";
}

// The target of the relationship `id` of the part `part`, which must lead, by a relationship
// of type `type`, to the `what` part; raises Damaged otherwise.
std::string RelatedPart(const Relationships& relationships, const std::string& id,
                        std::string_view type, std::string_view part, std::string_view what) {
  const Relationship* related = relationships.Find(id);
  if (related == nullptr || related->external || !IsRelationshipType(related->type, type)) {
    document::FailDamaged("the part " + Quoted(part) + " refers to the " + std::string(what) + " " +
                          Quoted(id) + ", which leads to no " + std::string(what) + " part");
  }
  return related->target;
}

// Drawn object id -> the part of its form-control properties, for the worksheet's controls.
// A control whose relationship leads to no part is left out: its shape is read as it is drawn.
ControlParts ControlPartsOf(const Package& package, const Relationships& relationships,
                            const std::vector<WorksheetInfo::Control>& controls) {
  ControlParts parts;
  for (const WorksheetInfo::Control& control : controls) {
    const Relationship* properties = relationships.Find(control.relationshipId);
    if (properties == nullptr || properties->external ||
        !IsRelationshipType(properties->type, "ctrlProp") || !package.Has(properties->target)) {
      continue;
    }
    parts.emplace(control.shapeId, properties->target);
  }
  return parts;
}

bool HasFormControl(const document::SheetData& sheet) {
  return std::any_of(sheet.drawing.begin(), sheet.drawing.end(),
                     [](const document::DrawingObjectData& o) {
                       return o.kind == document::DrawingObjectData::Kind::FormControl;
                     });
}

// The worksheet's cells, selection, comments, protection and drawing (chart objects, text boxes,
// shapes, form controls). A workbook saved by Excel 2007 keeps its form controls in the legacy VML
// drawing only: its controls are read from there when the drawing has none. The comment lists,
// the drawing and the legacy drawing are parts the sheet opens without: when one is missing or
// damaged, what it held is absent (but a chart that the drawing shows must be read).
void ReadWorksheet(Package& package, const SheetEntry& entry, const SharedStrings& sharedStrings,
                   ContentBudget& budget, document::SheetData& sheet) {
  if (entry.part.empty()) return;
  WorksheetInfo info;
  ReadWorksheetCells(package, entry.part, entry.rootElement, sharedStrings, budget, sheet, info);
  sheet.protection = info.protection;
  Relationships relationships;
  document::ReadUnlessDamaged([&] { relationships = ReadRelationships(package, entry.part); });
  for (const Relationship& relationship : relationships.items()) {
    if (relationship.external || !IsRelationshipType(relationship.type, "comments")) continue;
    document::ReadUnlessDamaged([&] {
      std::vector<document::CommentData> comments =
          ReadComments(package, relationship.target, budget);
      std::move(comments.begin(), comments.end(), std::back_inserter(sheet.comments));
    });
  }
  if (info.drawingId.empty() && info.legacyDrawingId.empty()) return;
  const document::SheetLayout layout(info.layout);
  if (!info.drawingId.empty()) {
    WorksheetDrawing drawing;
    document::ReadUnlessDamaged([&] {
      drawing = ReadWorksheetDrawing(
          package, RelatedPart(relationships, info.drawingId, "drawing", entry.part, "drawing"),
          layout, ControlPartsOf(package, relationships, info.controls), budget);
    });
    PlaceWorksheetDrawing(package, std::move(drawing), budget, sheet);
  }
  if (!info.legacyDrawingId.empty() && !HasFormControl(sheet)) {
    document::ReadUnlessDamaged([&] {
      std::vector<document::DrawingObjectData> controls =
          ReadVmlControls(package,
                          RelatedPart(relationships, info.legacyDrawingId, "vmlDrawing", entry.part,
                                      "legacy drawing"),
                          layout, budget);
      std::move(controls.begin(), controls.end(), std::back_inserter(sheet.drawing));
    });
  }
}

document::WorkbookData ReadPackage(std::string_view bytes) {
  if (!LooksLikePackage(bytes)) document::FailNotWorkbook(ForeignBytesReason(bytes));
  Package package(bytes);
  if (!package.Has("[Content_Types].xml") && !package.Has("_rels/.rels")) {
    document::FailNotWorkbook("the zip archive is not an Office Open XML package");
  }
  const ContentTypes types = ReadContentTypes(package);
  const WorkbookPart workbook = ReadWorkbookPart(package, types, FindWorkbookPart(package, types));
  const SharedStrings sharedStrings = ReadSharedStrings(package, workbook.sharedStringsPart);

  document::WorkbookData data;
  data.activeSheet = workbook.activeSheet;
  ContentBudget budget;
  // Without its theme (missing or damaged) the workbook takes the default one.
  if (!workbook.themePart.empty()) {
    document::ReadUnlessDamaged(
        [&] { data.theme = ReadTheme(package, workbook.themePart, budget); });
  }
  for (const SheetEntry& entry : workbook.sheets) {
    document::SheetData sheet;
    sheet.name = entry.name;
    sheet.kind = entry.kind;
    if (entry.kind == document::SheetData::Kind::Chart) {
      ReadChartSheetPart(package, entry.part, entry.rootElement, budget, sheet);
    } else {
      ReadWorksheet(package, entry, sharedStrings, budget, sheet);
    }
    data.sheets.push_back(std::move(sheet));
  }
  return data;
}

}  // namespace

bool LooksLikePackage(std::string_view firstBytes) {
  return firstBytes.starts_with(std::string_view("PK\x03\x04", 4)) ||
         firstBytes.starts_with(std::string_view("PK\x05\x06", 4));
}

document::WorkbookData ReadWorkbookBytes(std::string_view bytes, std::string_view displayName) {
  try {
    return ReadPackage(bytes);
  } catch (const document::ReadFault& fault) {
    document::RaiseOpenError(document::OpenFaultDescription(displayName, fault));
  }
}

document::WorkbookData ReadWorkbookFile(const std::string& path) {
  return ReadWorkbookBytes(document::ReadWorkbookFileBytes(path), path);
}

}  // namespace k27093::ooxml
