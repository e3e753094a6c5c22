#include "readers/ooxml/custom_properties.h"


#include <filesystem>
#include <fstream>
#include <iterator>

#include "api/error.h"
#include "readers/ooxml/package.h"
#include "document/read_fault.h"
#include "readers/ooxml/reader.h"
#include "readers/ooxml/relationships.h"
#include "readers/ooxml/text_pieces.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

constexpr std::string_view kExcelSource = "Microsoft Office Excel";
// Largest file read; the same bound as the workbook reader's.
constexpr std::uintmax_t kMaxFileBytes = 256ull * 1024 * 1024;

[[noreturn]] void RaiseReadError(std::string description) {
  Raise(errors::kApplication, std::move(description), std::string(kExcelSource));
}

// The properties of the part `partName`, refused beyond the size bound.
std::vector<std::pair<std::string, std::string>> ReadPropertiesPart(Package& package,
                                                                    const std::string& partName) {
  const std::string bytes = package.Read(partName);
  if (bytes.size() > kMaxCustomPropertiesBytes) {
    document::FailDamaged("the custom properties part " + Quoted(partName) + " is larger than " +
                std::to_string(kMaxCustomPropertiesBytes / 1024) + " KiB");
  }
  const pugi::xml_document document = ParseXmlBytes(bytes, partName, "Properties");
  std::vector<std::pair<std::string, std::string>> properties;
  for (pugi::xml_node property : document.document_element().children()) {
    if (property.type() != pugi::node_element || LocalName(property.name()) != "property") {
      continue;
    }
    const std::string name = PlainAttribute(property, "name").value();
    const pugi::xml_node value = property.find_child(
        [](pugi::xml_node child) { return child.type() == pugi::node_element; });
    properties.emplace_back(name, value ? value.text().get() : "");
  }
  return properties;
}

std::vector<std::pair<std::string, std::string>> ReadFromPackage(std::string_view bytes) {
  if (!LooksLikePackage(bytes)) document::FailNotWorkbook("it is not a zip package");
  Package package(bytes);
  const Relationships relationships = ReadRelationships(package, "");
  const Relationship* custom = relationships.FirstOfType("custom-properties");
  if (custom == nullptr) return {};
  return ReadPropertiesPart(package, custom->target);
}

std::string ReadFileBytes(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    RaiseReadError(Quoted(path) + " could not be found.");
  }
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > kMaxFileBytes) RaiseReadError(Quoted(path) + " is too large to read.");
  std::ifstream file(path, std::ios::binary | std::ios::in);
  if (!file) RaiseReadError(Quoted(path) + " cannot be read.");
  std::string bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>{});
  if (file.bad() || bytes.size() > kMaxFileBytes) {
    RaiseReadError(Quoted(path) + " cannot be read completely.");
  }
  return bytes;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ReadCustomPropertiesBytes(
    std::string_view bytes, std::string_view displayName) {
  try {
    return ReadFromPackage(bytes);
  } catch (const document::ReadFault& fault) {
    const bool foreign = fault.kind() == document::ReadFault::Kind::NotWorkbook;
    RaiseReadError(Quoted(displayName) +
                   (foreign ? " is not a workbook: " : " is damaged and cannot be opened: ") +
                   fault.reason() + ".");
  }
}

std::vector<std::pair<std::string, std::string>> ReadCustomProperties(const std::string& path) {
  return ReadCustomPropertiesBytes(ReadFileBytes(path), path);
}

}  // namespace k27093::ooxml
