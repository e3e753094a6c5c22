#include "readers/ooxml/xml_namespaces.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/read_fault.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

// Each vocabulary in its transitional and (where there is one) strict form.
constexpr std::string_view kSpreadsheet =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kSpreadsheetStrict = "http://purl.oclc.org/ooxml/spreadsheetml/main";
constexpr std::string_view kSpreadsheet2009 =
    "http://schemas.microsoft.com/office/spreadsheetml/2009/9/main";
constexpr std::string_view kRelationshipId =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kRelationshipIdStrict =
    "http://purl.oclc.org/ooxml/officeDocument/relationships";
constexpr std::string_view kDrawing = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr std::string_view kDrawingStrict = "http://purl.oclc.org/ooxml/drawingml/main";
constexpr std::string_view kDrawing2010 = "http://schemas.microsoft.com/office/drawing/2010/main";
constexpr std::string_view kSheetDrawing =
    "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
constexpr std::string_view kSheetDrawingStrict =
    "http://purl.oclc.org/ooxml/drawingml/spreadsheetDrawing";
constexpr std::string_view kChart = "http://schemas.openxmlformats.org/drawingml/2006/chart";
constexpr std::string_view kChartStrict = "http://purl.oclc.org/ooxml/drawingml/chart";
constexpr std::string_view kChartDrawing =
    "http://schemas.openxmlformats.org/drawingml/2006/chartDrawing";
constexpr std::string_view kChartDrawingStrict =
    "http://purl.oclc.org/ooxml/drawingml/chartDrawing";
constexpr std::string_view kMarkupCompatibility =
    "http://schemas.openxmlformats.org/markup-compatibility/2006";
constexpr std::string_view kContentTypes =
    "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr std::string_view kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::string_view kCustomProperties =
    "http://schemas.openxmlformats.org/officeDocument/2006/custom-properties";
constexpr std::string_view kCustomPropertiesStrict =
    "http://purl.oclc.org/ooxml/officeDocument/customProperties";
constexpr std::string_view kPropertyTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";
constexpr std::string_view kPropertyTypesStrict =
    "http://purl.oclc.org/ooxml/officeDocument/docPropsVTypes";
// The namespace that the prefix "xml" is bound to without a declaration.
constexpr std::string_view kXml = "http://www.w3.org/XML/1998/namespace";

using Vocabulary = std::vector<std::string_view>;

// The namespaces a part may use, by the local name of its root element; nullptr for a kind
// that is read as it stands. Markup-compatibility wrappers may appear in every kind.
const Vocabulary* VocabularyOf(std::string_view rootLocalName) {
  static const std::vector<std::pair<std::vector<std::string_view>, Vocabulary>> kinds = {
      {{"workbook", "worksheet", "chartsheet", "dialogsheet", "sst", "comments"},
       {kSpreadsheet, kSpreadsheetStrict, kRelationshipId, kRelationshipIdStrict}},
      {{"formControlPr"}, {kSpreadsheet2009}},
      {{"wsDr"},
       {kSheetDrawing, kSheetDrawingStrict, kDrawing, kDrawingStrict, kDrawing2010, kChart,
        kChartStrict, kRelationshipId, kRelationshipIdStrict}},
      {{"chartSpace", "userShapes"},
       {kChart, kChartStrict, kChartDrawing, kChartDrawingStrict, kDrawing, kDrawingStrict,
        kRelationshipId, kRelationshipIdStrict}},
      {{"theme"}, {kDrawing, kDrawingStrict}},
      {{"Types"}, {kContentTypes}},
      {{"Relationships"}, {kPackageRelationships}},
      {{"Properties"},
       {kCustomProperties, kCustomPropertiesStrict, kPropertyTypes, kPropertyTypesStrict}},
  };
  for (const auto& [roots, vocabulary] : kinds) {
    if (std::find(roots.begin(), roots.end(), rootLocalName) != roots.end()) return &vocabulary;
  }
  return nullptr;
}

std::string_view PrefixOf(std::string_view qualifiedName) {
  const std::size_t colon = qualifiedName.find(':');
  return colon == std::string_view::npos ? std::string_view() : qualifiedName.substr(0, colon);
}

// The namespace declarations in scope while the tree is walked: each element's own are pushed
// on entering it and dropped on leaving it.
class NamespaceScopes {
 public:
  // Enters `element`: binds the prefixes it declares. Returns how many it declared.
  std::size_t Enter(pugi::xml_node element) {
    std::size_t declared = 0;
    for (pugi::xml_attribute attribute : element.attributes()) {
      const std::string_view name = attribute.name();
      if (name == "xmlns") {
        bindings_.emplace_back(std::string_view(), attribute.value());
        ++declared;
      } else if (name.starts_with("xmlns:")) {
        bindings_.emplace_back(name.substr(6), attribute.value());
        ++declared;
      }
    }
    return declared;
  }
  void Leave(std::size_t declared) { bindings_.resize(bindings_.size() - declared); }

  // The namespace `prefix` is bound to; nullopt for an unbound prefix. The empty prefix is
  // bound to no namespace ("") until a default declaration binds it.
  std::optional<std::string_view> Resolve(std::string_view prefix) const {
    if (prefix == "xml") return kXml;
    for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
      if (binding->first == prefix) return binding->second;
    }
    if (prefix.empty()) return std::string_view();
    return std::nullopt;
  }

 private:
  std::vector<std::pair<std::string_view, std::string_view>> bindings_;
};

bool IsDeclaration(std::string_view attributeName) {
  return attributeName == "xmlns" || attributeName.starts_with("xmlns:");
}

class NamespaceFilter {
 public:
  explicit NamespaceFilter(const Vocabulary& vocabulary) : vocabulary_(vocabulary) {}

  bool Keeps(std::optional<std::string_view> space) const {
    if (!space) return false;
    return *space == kMarkupCompatibility ||
           std::find(vocabulary_.begin(), vocabulary_.end(), *space) != vocabulary_.end();
  }

  // Takes out of `element`'s subtree (the element itself already kept) every element and
  // prefixed attribute that is outside the vocabulary. Walks without recursion, so that the
  // depth of a part costs no stack.
  void Filter(pugi::xml_node element) {
    struct Level {
      pugi::xml_node node;
      std::size_t declared;
    };
    std::vector<Level> path;
    path.push_back({element, scopes_.Enter(element)});
    DropForeignAttributes(element);
    pugi::xml_node next = element.first_child();
    while (!path.empty()) {
      if (!next) {
        const Level done = path.back();
        path.pop_back();
        scopes_.Leave(done.declared);
        if (!path.empty()) next = done.node.next_sibling();
        continue;
      }
      if (next.type() != pugi::node_element) {
        next = next.next_sibling();
        continue;
      }
      const std::size_t declared = scopes_.Enter(next);
      if (!Keeps(scopes_.Resolve(PrefixOf(next.name())))) {
        scopes_.Leave(declared);
        const pugi::xml_node foreign = next;
        next = next.next_sibling();
        foreign.parent().remove_child(foreign);
        continue;
      }
      DropForeignAttributes(next);
      path.push_back({next, declared});
      next = next.first_child();
    }
  }

 private:
  void DropForeignAttributes(pugi::xml_node element) {
    pugi::xml_attribute attribute = element.first_attribute();
    while (attribute) {
      const pugi::xml_attribute current = attribute;
      attribute = attribute.next_attribute();
      const std::string_view name = current.name();
      const std::string_view prefix = PrefixOf(name);
      if (prefix.empty() || IsDeclaration(name) || prefix == "xml") continue;
      if (!Keeps(scopes_.Resolve(prefix))) element.remove_attribute(current);
    }
  }

  const Vocabulary& vocabulary_;
  NamespaceScopes scopes_;
};

}  // namespace

void KeepOwnNamespaces(pugi::xml_document& document, std::string_view partName) {
  const pugi::xml_node root = document.document_element();
  const Vocabulary* vocabulary = VocabularyOf(LocalName(root.name()));
  if (vocabulary == nullptr) return;
  NamespaceFilter filter(*vocabulary);
  NamespaceScopes rootScope;
  rootScope.Enter(root);
  const std::optional<std::string_view> space = rootScope.Resolve(PrefixOf(root.name()));
  if (!space) {
    document::FailDamaged("the root element <" + std::string(root.name()) + "> of the part " +
                          Quoted(partName) + " uses a prefix that no declaration binds");
  }
  if (!filter.Keeps(space) || *space == kMarkupCompatibility) {
    document::FailDamaged("the root element <" + std::string(root.name()) + "> of the part " +
                          Quoted(partName) + " is in the namespace \"" + std::string(*space) +
                          "\", not in one of a part of its kind");
  }
  filter.Filter(root);
}

}  // namespace k27093::ooxml
