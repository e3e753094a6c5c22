#include "readers/ooxml/xml_namespaces.h"

#include <algorithm>
#include <array>
#include <cstring>
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

// The prefix of a qualified name ("" for none), found without measuring the whole name.
std::string_view PrefixOf(const char* qualifiedName) {
  for (const char* c = qualifiedName; *c != '\0'; ++c) {
    if (*c == ':')
      return std::string_view(qualifiedName, static_cast<std::size_t>(c - qualifiedName));
  }
  return std::string_view();
}

// Whether elements of the namespace `space` are kept: markup-compatibility wrappers always,
// others when `vocabulary` names their namespace.
bool Keeps(const Vocabulary& vocabulary, std::string_view space) {
  return space == kMarkupCompatibility ||
         std::find(vocabulary.begin(), vocabulary.end(), space) != vocabulary.end();
}

// The namespace declarations in scope while the tree is walked: each element's own are pushed
// on entering it and dropped on leaving it. Whether a namespace is kept is decided once, when
// its declaration is met, not for every element that uses it.
class NamespaceScopes {
 public:
  explicit NamespaceScopes(const Vocabulary& vocabulary) : vocabulary_(vocabulary) {}

  // Enters `element`: binds the prefixes it declares. Returns how many it declared and sets
  // `prefixedAttributes` when it has prefixed attributes other than declarations.
  std::size_t Enter(pugi::xml_node element, bool& prefixedAttributes) {
    std::size_t declared = 0;
    prefixedAttributes = false;
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute;
         attribute = attribute.next_attribute()) {
      const char* name = attribute.name();
      if (std::strncmp(name, "xmlns", 5) == 0 && (name[5] == '\0' || name[5] == ':')) {
        const std::string_view space = attribute.value();
        bindings_.push_back({std::string_view(name[5] == '\0' ? name + 5 : name + 6), space,
                             Keeps(vocabulary_, space)});
        ++declared;
      } else if (!PrefixOf(name).empty()) {
        prefixedAttributes = true;
      }
    }
    return declared;
  }
  void Leave(std::size_t declared) { bindings_.resize(bindings_.size() - declared); }

  // The namespace `prefix` is bound to; nullopt for an unbound prefix. The empty prefix is
  // bound to no namespace ("") until a default declaration binds it.
  std::optional<std::string_view> Resolve(std::string_view prefix) const {
    if (prefix == "xml") return kXml;
    if (const Binding* binding = Find(prefix)) return binding->space;
    if (prefix.empty()) return std::string_view();
    return std::nullopt;
  }

  // Whether what `prefix` names is kept: false for an unbound prefix and for no namespace.
  bool KeepsPrefix(std::string_view prefix) const {
    const Binding* binding = Find(prefix);
    return binding != nullptr && binding->kept;
  }

 private:
  struct Binding {
    std::string_view prefix;
    std::string_view space;
    bool kept = false;
  };

  const Binding* Find(std::string_view prefix) const {
    for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
      if (binding->prefix == prefix) return &*binding;
    }
    return nullptr;
  }

  const Vocabulary& vocabulary_;
  std::vector<Binding> bindings_;
};

// Takes out of `root`'s subtree (the root itself already kept) every element and prefixed
// attribute that is outside the vocabulary. Walks without recursion, so that the depth of a
// part costs no stack.
void DropForeignContent(pugi::xml_node root, NamespaceScopes& scopes) {
  const auto dropForeignAttributes = [&scopes](pugi::xml_node element) {
    pugi::xml_attribute attribute = element.first_attribute();
    while (attribute) {
      const pugi::xml_attribute current = attribute;
      attribute = attribute.next_attribute();
      const char* name = current.name();
      const std::string_view prefix = PrefixOf(name);
      if (prefix.empty() || prefix == "xml" || prefix == "xmlns") continue;
      if (!scopes.KeepsPrefix(prefix)) element.remove_attribute(current);
    }
  };
  struct Level {
    pugi::xml_node node;
    std::size_t declared;
  };
  std::vector<Level> path;
  bool prefixedAttributes = false;
  path.push_back({root, scopes.Enter(root, prefixedAttributes)});
  if (prefixedAttributes) dropForeignAttributes(root);
  pugi::xml_node next = root.first_child();
  while (!path.empty()) {
    if (!next) {
      const Level done = path.back();
      path.pop_back();
      scopes.Leave(done.declared);
      if (!path.empty()) next = done.node.next_sibling();
      continue;
    }
    if (next.type() != pugi::node_element) {
      next = next.next_sibling();
      continue;
    }
    const std::size_t declared = scopes.Enter(next, prefixedAttributes);
    if (!scopes.KeepsPrefix(PrefixOf(next.name()))) {
      scopes.Leave(declared);
      const pugi::xml_node foreign = next;
      next = next.next_sibling();
      foreign.parent().remove_child(foreign);
      continue;
    }
    if (prefixedAttributes) dropForeignAttributes(next);
    path.push_back({next, declared});
    next = next.first_child();
  }
}

}  // namespace

void KeepOwnNamespaces(pugi::xml_document& document, std::string_view partName) {
  const pugi::xml_node root = document.document_element();
  const Vocabulary* vocabulary = VocabularyOf(LocalName(root.name()));
  if (vocabulary == nullptr) return;
  NamespaceScopes rootScope(*vocabulary);
  bool prefixedAttributes = false;
  const std::size_t declared = rootScope.Enter(root, prefixedAttributes);
  const std::optional<std::string_view> space = rootScope.Resolve(PrefixOf(root.name()));
  rootScope.Leave(declared);
  if (!space) {
    document::FailDamaged("the root element <" + std::string(root.name()) + "> of the part " +
                          Quoted(partName) + " uses a prefix that no declaration binds");
  }
  if (*space == kMarkupCompatibility || !Keeps(*vocabulary, *space)) {
    document::FailDamaged("the root element <" + std::string(root.name()) + "> of the part " +
                          Quoted(partName) + " is in the namespace \"" + std::string(*space) +
                          "\", not in one of a part of its kind");
  }
  NamespaceScopes scopes(*vocabulary);
  DropForeignContent(root, scopes);
}

}  // namespace k27093::ooxml
