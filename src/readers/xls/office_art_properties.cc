#include "readers/xls/office_art_properties.h"

#include <vector>

#include "readers/xls/byte_reader.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kPropertyTable = 0xF00B;          // OfficeArtFOPT
constexpr std::uint16_t kTertiaryPropertyTable = 0xF122;  // OfficeArtTertiaryFOPT
constexpr std::size_t kHeaderBytes = 8;
constexpr std::uint16_t kComplex = 0x8000;
constexpr std::uint16_t kIdBits = 0x3FFF;

}  // namespace

OfficeArtProperties OfficeArtProperties::Read(std::string_view bytes, const std::string& context) {
  OfficeArtProperties properties;
  ByteReader reader(bytes, context);
  while (reader.Remaining() >= kHeaderBytes) {
    const std::uint16_t versionAndCount = reader.U16();
    const std::uint16_t type = reader.U16();
    const std::uint32_t length = reader.U32();
    if (type != kPropertyTable && type != kTertiaryPropertyTable) break;
    if (length > reader.Remaining()) reader.Fail("has a property table longer than its data");
    const std::string tableBytes = reader.Bytes(length);
    ByteReader table(tableBytes, context);
    const std::size_t count = versionAndCount >> 4;  // recInstance: the number of properties
    if (count * 6 > length) table.Fail("announces more properties than its table holds");
    std::vector<std::pair<std::uint16_t, bool>> order;
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint16_t id = table.U16();
      OfficeArtProperty& property = properties.properties_[id & kIdBits];
      property = OfficeArtProperty{table.U32(), {}};
      order.emplace_back(id & kIdBits, (id & kComplex) != 0);
    }
    // The complex properties' data follow the table, in the order of the properties.
    for (const auto& [id, complex] : order) {
      if (!complex) continue;
      OfficeArtProperty& property = properties.properties_[id];
      if (property.value > table.Remaining()) table.Fail("has complex data beyond its table");
      property.complexData = table.Bytes(property.value);
    }
  }
  return properties;
}

const OfficeArtProperty* OfficeArtProperties::Find(std::uint16_t id) const {
  const auto found = properties_.find(id);
  return found == properties_.end() ? nullptr : &found->second;
}

std::optional<std::string> OfficeArtProperties::Text(std::uint16_t id) const {
  const OfficeArtProperty* property = Find(id);
  if (property == nullptr) return std::nullopt;
  std::vector<std::uint16_t> units;
  const std::string& data = property->complexData;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const std::uint16_t unit = LittleEndian16(std::string_view(data).substr(i));
    if (unit == 0) break;
    units.push_back(unit);
  }
  std::string text;
  AppendUtf16AsUtf8(units, text);
  return text;
}

}  // namespace k27093::xls
