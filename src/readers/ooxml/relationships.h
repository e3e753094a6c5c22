// The package's wiring: the relationships of a part (its .rels part) with their targets
// resolved to part names, relationship types compared in both the transitional and the
// strict namespaces, and the content types of [Content_Types].xml.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "readers/ooxml/package.h"

namespace k27093::ooxml {

struct Relationship {
  std::string id;
  std::string type;    // the full type URI
  std::string target;  // the part name the target resolves to ("" for an external target)
  bool external = false;
};

class Relationships {
 public:
  Relationships() = default;
  explicit Relationships(std::vector<Relationship> items);

  // The relationship with that id; nullptr when there is none.
  const Relationship* Find(std::string_view id) const;
  // The first internal relationship of the short type ("worksheet", "comments" ...); nullptr
  // when there is none.
  const Relationship* FirstOfType(std::string_view shortType) const;
  const std::vector<Relationship>& items() const { return items_; }

 private:
  std::vector<Relationship> items_;
  std::unordered_map<std::string, std::size_t> byId_;  // id -> its first item
};

// True when `type` is the relationship type named `shortType` in the transitional, the strict
// or Microsoft's own relationship namespace ("worksheet", "officeDocument", "xlMacrosheet").
bool IsRelationshipType(std::string_view type, std::string_view shortType);

// The name of the relationships part of `partName` ("xl/workbook.xml" ->
// "xl/_rels/workbook.xml.rels"; "" -> "_rels/.rels" for the package itself).
std::string RelationshipsPartOf(std::string_view partName);

// The part name that `target` designates from `sourcePart` ("" for the package): relative
// targets are resolved against the source's folder, "%20" escapes decoded, a leading "/"
// starts at the package root. Raises ReadFault Damaged for a target that leaves the
// package ("../../x").
std::string ResolveTarget(std::string_view sourcePart, std::string_view target);

// The relationships of `sourcePart`; none when it has no relationships part. Raises
// ReadFault Damaged when the relationships part is not well-formed.
Relationships ReadRelationships(Package& package, std::string_view sourcePart);

class ContentTypes {
 public:
  // The content type of the part: its override, else the default of its extension; "" when
  // neither is declared.
  std::string Of(std::string_view partName) const;

 private:
  friend ContentTypes ReadContentTypes(Package& package);
  std::map<std::string, std::string> defaults_;   // lower-cased extension -> type
  std::map<std::string, std::string> overrides_;  // lower-cased part name -> type
};

// Reads [Content_Types].xml. Raises ReadFault Damaged when it is missing or not
// well-formed.
ContentTypes ReadContentTypes(Package& package);

}  // namespace k27093::ooxml
