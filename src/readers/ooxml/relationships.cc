#include "readers/ooxml/relationships.h"

#include <algorithm>
#include <array>
#include <vector>

#include "api/text.h"
#include "document/read_fault.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

constexpr std::array<std::string_view, 4> kRelationshipNamespaces = {
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/",
    "http://purl.oclc.org/ooxml/officeDocument/relationships/",
    "http://schemas.microsoft.com/office/2006/relationships/",
    "http://schemas.openxmlformats.org/package/2006/relationships/metadata/",
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = HexValue(text[i + 1]);
      const int low = HexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string FolderOf(std::string_view partName) {
  const std::size_t slash = partName.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(partName.substr(0, slash));
}

}  // namespace

Relationships::Relationships(std::vector<Relationship> items) : items_(std::move(items)) {
  for (std::size_t i = 0; i < items_.size(); ++i) byId_.emplace(items_[i].id, i);
}

const Relationship* Relationships::Find(std::string_view id) const {
  const auto found = byId_.find(std::string(id));
  return found == byId_.end() ? nullptr : &items_[found->second];
}

const Relationship* Relationships::FirstOfType(std::string_view shortType) const {
  for (const Relationship& item : items_) {
    if (!item.external && IsRelationshipType(item.type, shortType)) return &item;
  }
  return nullptr;
}

bool IsRelationshipType(std::string_view type, std::string_view shortType) {
  for (std::string_view prefix : kRelationshipNamespaces) {
    if (type.size() == prefix.size() + shortType.size() && type.starts_with(prefix) &&
        type.ends_with(shortType)) {
      return true;
    }
  }
  return false;
}

std::string RelationshipsPartOf(std::string_view partName) {
  const std::string folder = FolderOf(partName);
  const std::string_view file = folder.empty() ? partName : partName.substr(folder.size() + 1);
  return (folder.empty() ? std::string() : folder + "/") + "_rels/" + std::string(file) + ".rels";
}

std::string ResolveTarget(std::string_view sourcePart, std::string_view target) {
  const std::string decoded = PercentDecoded(target);
  std::string_view path = decoded;
  std::vector<std::string> segments;
  if (path.starts_with('/')) {
    path.remove_prefix(1);
  } else {
    const std::string folder = FolderOf(sourcePart);
    std::size_t start = 0;
    while (start < folder.size()) {
      const std::size_t slash = std::min(folder.find('/', start), folder.size());
      segments.emplace_back(folder.substr(start, slash - start));
      start = slash + 1;
    }
  }
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    const std::string_view segment = path.substr(start, slash - start);
    if (segment == "..") {
      if (segments.empty()) {
        document::FailDamaged("the relationship target '" + std::string(target) + "' of '" +
                    std::string(sourcePart) + "' lies outside the package");
      }
      segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.emplace_back(segment);
    }
    start = slash + 1;
  }
  std::string part;
  for (const std::string& segment : segments) {
    if (!part.empty()) part += '/';
    part += segment;
  }
  return part;
}

Relationships ReadRelationships(Package& package, std::string_view sourcePart) {
  const std::string relsPart = RelationshipsPartOf(sourcePart);
  if (!package.Has(relsPart)) return Relationships();
  const pugi::xml_document document = ParseXmlPart(package, relsPart, "Relationships");
  std::vector<Relationship> items;
  for (pugi::xml_node node : document.document_element().children()) {
    if (node.type() != pugi::node_element || LocalName(node.name()) != "Relationship") continue;
    Relationship item;
    item.id = PlainAttribute(node, "Id").value();
    item.type = PlainAttribute(node, "Type").value();
    item.external = std::string_view(PlainAttribute(node, "TargetMode").value()) == "External";
    if (!item.external)
      item.target = ResolveTarget(sourcePart, PlainAttribute(node, "Target").value());
    items.push_back(std::move(item));
  }
  return Relationships(std::move(items));
}

std::string ContentTypes::Of(std::string_view partName) const {
  const std::string name = AsciiLower(partName);
  if (auto found = overrides_.find(name); found != overrides_.end()) return found->second;
  const std::size_t dot = name.rfind('.');
  const std::size_t slash = name.rfind('/');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    if (auto found = defaults_.find(name.substr(dot + 1)); found != defaults_.end()) {
      return found->second;
    }
  }
  return std::string();
}

ContentTypes ReadContentTypes(Package& package) {
  const pugi::xml_document document = ParseXmlPart(package, "[Content_Types].xml", "Types");
  ContentTypes types;
  for (pugi::xml_node node : document.document_element().children()) {
    if (node.type() != pugi::node_element) continue;
    const std::string_view name = LocalName(node.name());
    const std::string type = PlainAttribute(node, "ContentType").value();
    if (name == "Default") {
      types.defaults_.emplace(AsciiLower(PlainAttribute(node, "Extension").value()), type);
    } else if (name == "Override") {
      std::string_view part = PlainAttribute(node, "PartName").value();
      if (part.starts_with('/')) part.remove_prefix(1);
      types.overrides_.emplace(AsciiLower(PercentDecoded(part)), type);
    }
  }
  return types;
}

}  // namespace k27093::ooxml
