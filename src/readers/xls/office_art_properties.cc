#include "readers/xls/office_art_properties.h"

#include "api/text.h"

#include <algorithm>
#include <array>
#include <vector>

#include "document/read_fault.h"
#include "readers/xls/byte_reader.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kIdMask = 0x3FFF;
constexpr std::uint16_t kBlipIdBit = 0x4000;
constexpr std::uint16_t kComplexBit = 0x8000;
constexpr std::size_t kEntrySize = 6;

// The properties whose complex data is an array (IMsoArray): the geometry's vertices, segments,
// connection sites, handles, guides and text rectangles, the fill's shade colours, the line's
// dash style and the wrap polygon.
constexpr std::array<std::uint16_t, 10> kArrayProperties = {0x0145, 0x0146, 0x0151, 0x0152, 0x0155,
                                                            0x0156, 0x0157, 0x0197, 0x01CF, 0x0383};
// An array's header: element count, allocated count, element size.
constexpr std::size_t kArrayHeaderSize = 6;
constexpr std::uint16_t kTruncatedElements = 0xFFF0;  // 8-byte elements stored in 4 bytes

bool IsArrayProperty(std::uint16_t id) {
  return std::find(kArrayProperties.begin(), kArrayProperties.end(), id) != kArrayProperties.end();
}

// Whether the array at the start of `data` holds exactly `length` bytes of elements, so that
// `length` leaves its header out (some writers state an array's length so).
bool LengthLeavesOutArrayHeader(std::string_view data, std::uint32_t length) {
  if (data.size() < kArrayHeaderSize) return false;
  const std::uint16_t elements = LittleEndian16(data);
  const std::uint16_t elementSize = LittleEndian16(data.substr(4));
  const std::uint32_t bytes = elementSize == kTruncatedElements ? 4u : elementSize;
  return static_cast<std::uint64_t>(elements) * bytes == length;
}

[[noreturn]] void FailAt(std::string_view context, std::size_t offset, std::string_view what) {
  document::FailDamaged(std::string(context) + " " + std::string(what) + " at offset " +
                        std::to_string(offset));
}

}  // namespace

const OfficeArtProperty* PropertyTable::Find(std::uint16_t id) const {
  const auto found = properties_.find(id);
  return found == properties_.end() ? nullptr : &found->second;
}

std::optional<std::uint32_t> PropertyTable::Value(std::uint16_t id) const {
  const OfficeArtProperty* property = Find(id);
  if (property == nullptr) return std::nullopt;
  return property->value;
}

std::optional<std::string> PropertyTable::Text(std::uint16_t id) const {
  const OfficeArtProperty* property = Find(id);
  if (property == nullptr || !property->complex) return std::nullopt;
  std::u16string units;
  const std::string& data = property->complexData;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const std::uint16_t unit = LittleEndian16(std::string_view(data).substr(i));
    if (unit == 0) break;
    units.push_back(static_cast<char16_t>(unit));
  }
  return FromUtf16(units);
}

std::optional<bool> PropertyTable::Flag(std::uint16_t id, unsigned bit) const {
  const std::optional<std::uint32_t> value = Value(id);
  if (!value || ((*value >> (bit + 16)) & 1u) == 0) return std::nullopt;
  return ((*value >> bit) & 1u) != 0;
}

void PropertyTable::Add(std::uint16_t id, OfficeArtProperty property) {
  properties_.emplace(id, std::move(property));
}

void PropertyTable::AddMissing(const PropertyTable& other) {
  for (const auto& [id, property] : other.properties_) properties_.emplace(id, property);
}

PropertyTable ReadPropertyTable(std::string_view bytes, std::size_t count,
                                std::string_view context) {
  if (count > kMaxProperties) FailAt(context, 0, "holds too many properties");
  if (count * kEntrySize > bytes.size()) {
    FailAt(context, bytes.size(), "has property entries that run past its end");
  }
  std::vector<std::pair<std::uint16_t, OfficeArtProperty>> entries;
  entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view entry = bytes.substr(i * kEntrySize, kEntrySize);
    const std::uint16_t opid = LittleEndian16(entry);
    OfficeArtProperty property;
    property.value = LittleEndian32(entry.substr(2));
    property.blipId = (opid & kBlipIdBit) != 0;
    property.complex = (opid & kComplexBit) != 0;
    entries.emplace_back(static_cast<std::uint16_t>(opid & kIdMask), std::move(property));
  }
  std::size_t offset = count * kEntrySize;
  // The bytes the stated lengths leave unaccounted for: room for the arrays' headers that a
  // writer left out of their lengths.
  std::uint64_t stated = 0;
  for (const auto& [id, property] : entries) stated += property.complex ? property.value : 0;
  std::uint64_t unaccounted = bytes.size() - offset > stated ? bytes.size() - offset - stated : 0;
  PropertyTable table;
  for (auto& [id, property] : entries) {
    if (property.complex) {
      if (property.value > bytes.size() - offset) {
        FailAt(context, offset, "has complex property data that runs past its end");
      }
      std::size_t length = property.value;
      if (unaccounted >= kArrayHeaderSize && IsArrayProperty(id) &&
          LengthLeavesOutArrayHeader(bytes.substr(offset), property.value) &&
          length + kArrayHeaderSize <= bytes.size() - offset) {
        length += kArrayHeaderSize;
        unaccounted -= kArrayHeaderSize;
      }
      property.complexData = std::string(bytes.substr(offset, length));
      offset += length;
    }
    table.Add(id, std::move(property));
  }
  return table;
}

}  // namespace k27093::xls
