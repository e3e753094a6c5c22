#include "readers/ooxml/workbook_part.h"

#include <array>
#include <charconv>

#include "document/read_fault.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

constexpr std::array<std::string_view, 5> kSpreadsheetTypes = {
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml",
    "application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml",
    "application/vnd.ms-excel.sheet.macroEnabled.main+xml",
    "application/vnd.ms-excel.template.macroEnabled.main+xml",
    "application/vnd.ms-excel.addin.macroEnabled.main+xml",
};

// The kind and root element of a sheet part, from its relationship type and, for a type this
// reader does not know, from the part's content type.
bool SheetKindOf(const Relationship& relationship, const ContentTypes& types, SheetEntry& entry) {
  struct Known {
    std::string_view relationshipType;
    std::string_view contentTypeEnd;
    document::SheetData::Kind kind;
    std::string_view root;
  };
  static constexpr std::array<Known, 5> kKnown = {{
      {"worksheet", ".worksheet+xml", document::SheetData::Kind::Worksheet, "worksheet"},
      {"chartsheet", ".chartsheet+xml", document::SheetData::Kind::Chart, "chartsheet"},
      {"dialogsheet", ".dialogsheet+xml", document::SheetData::Kind::Worksheet, "dialogsheet"},
      {"xlMacrosheet", ".macrosheet+xml", document::SheetData::Kind::Worksheet, "macrosheet"},
      {"xlIntlMacrosheet", ".intlmacrosheet+xml", document::SheetData::Kind::Worksheet,
       "macrosheet"},
  }};
  for (const Known& known : kKnown) {
    if (IsRelationshipType(relationship.type, known.relationshipType)) {
      entry.kind = known.kind;
      entry.rootElement = known.root;
      return true;
    }
  }
  const std::string contentType = types.Of(relationship.target);
  for (const Known& known : kKnown) {
    if (contentType.ends_with(known.contentTypeEnd)) {
      entry.kind = known.kind;
      entry.rootElement = known.root;
      return true;
    }
  }
  return false;
}

std::size_t ActiveTabOf(pugi::xml_node workbook, std::size_t sheetCount) {
  const pugi::xml_node view = ChildNamed(ChildNamed(workbook, "bookViews"), "workbookView");
  const std::string_view text = PlainAttribute(view, "activeTab").value();
  std::size_t tab = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), tab);
  if (error != std::errc() || end != text.data() + text.size() || tab >= sheetCount) return 0;
  return tab;
}

}  // namespace

std::string FindWorkbookPart(Package& package, const ContentTypes& types) {
  const Relationships root = ReadRelationships(package, "");
  const Relationship* main = root.FirstOfType("officeDocument");
  if (main == nullptr) document::FailNotWorkbook("the package has no workbook part");
  if (!package.Has(main->target)) {
    document::FailNotWorkbook("the package has no workbook part (" + Quoted(main->target) +
                              " is missing)");
  }
  const std::string contentType = types.Of(main->target);
  if (contentType.empty()) {
    document::FailDamaged("the part " + Quoted(main->target) + " has no content type");
  }
  for (std::string_view known : kSpreadsheetTypes) {
    if (contentType == known) return main->target;
  }
  document::FailNotWorkbook("the package holds a document of the type " + Quoted(contentType) +
                            ", not a workbook");
}

WorkbookPart ReadWorkbookPart(Package& package, const ContentTypes& types, std::string_view part) {
  // The relationships first: no other part is parsed while the workbook's tree is held.
  const Relationships relationships = ReadRelationships(package, part);
  const pugi::xml_document document = ParseXmlPart(package, part, "workbook");
  const pugi::xml_node workbook = document.document_element();

  WorkbookPart result;
  result.part = part;
  for (pugi::xml_node node : ChildNamed(workbook, "sheets").children()) {
    if (node.type() != pugi::node_element || LocalName(node.name()) != "sheet") continue;
    if (result.sheets.size() == kMaxSheets) {
      document::FailDamaged("the part " + Quoted(part) + " lists more than " +
                            std::to_string(kMaxSheets) + " sheets");
    }
    SheetEntry entry;
    entry.name = DecodeEscapes(PlainAttribute(node, "name").value());
    if (entry.name.empty())
      document::FailDamaged("a sheet of the part " + Quoted(part) + " has no name");
    const std::string id = RelationshipIdOf(node);
    if (id.empty()) {
      // A sheet that names no part at all opens as an empty worksheet under its name.
      result.sheets.push_back(std::move(entry));
      continue;
    }
    const Relationship* relationship = relationships.Find(id);
    if (relationship == nullptr || relationship->external) {
      document::FailDamaged("the sheet " + Quoted(entry.name) + " refers to the relationship " +
                            Quoted(id) + ", which " + Quoted(part) + " does not have");
    }
    entry.part = relationship->target;
    if (!SheetKindOf(*relationship, types, entry)) {
      document::FailDamaged("the sheet " + Quoted(entry.name) + " is stored in " +
                            Quoted(entry.part) + ", a part of an unknown kind");
    }
    result.sheets.push_back(std::move(entry));
  }
  if (result.sheets.empty()) document::FailDamaged("the part " + Quoted(part) + " lists no sheet");
  result.activeSheet = ActiveTabOf(workbook, result.sheets.size());
  if (const Relationship* strings = relationships.FirstOfType("sharedStrings")) {
    result.sharedStringsPart = strings->target;
  }
  if (const Relationship* theme = relationships.FirstOfType("theme")) {
    result.themePart = theme->target;
  }
  return result;
}

}  // namespace k27093::ooxml
