// The property table of an OfficeArt shape (OfficeArtFOPT, OfficeArtTertiaryFOPT) or of a
// chart element's frame (GELFRAME): entries of a 16-bit property id and a 32-bit value, then
// the complex data of the entries that have some (names, pictures), in the entries' order.
// Boolean properties pack their flags in one value, each flag with a "use" flag 16 bits above
// it that says whether the flag is stated at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace k27093::xls {

namespace office_art_properties {
inline constexpr std::uint16_t kFillType = 0x0180;
inline constexpr std::uint16_t kFillColor = 0x0181;
inline constexpr std::uint16_t kFillBlip = 0x0186;      // a blip id into the blip store
inline constexpr std::uint16_t kFillBlipName = 0x0187;  // the fill picture's name (complex)
inline constexpr std::uint16_t kFillBooleans = 0x01BF;
inline constexpr std::uint16_t kLineColor = 0x01C0;
inline constexpr std::uint16_t kLineBooleans = 0x01FF;
inline constexpr std::uint16_t kShapeName = 0x0380;  // wzName
inline constexpr std::uint16_t kGroupBooleans = 0x03BF;
// Bits of the boolean properties (the flag; its "use" flag is 16 bits higher).
inline constexpr unsigned kFilledBit = 4;  // fFilled of kFillBooleans
inline constexpr unsigned kLineBit = 3;    // fLine of kLineBooleans
inline constexpr unsigned kHiddenBit = 1;  // fHidden of kGroupBooleans
}  // namespace office_art_properties

struct OfficeArtProperty {
  std::uint32_t value = 0;  // for a complex property, the length stated for its complex data
  bool blipId = false;      // fBid: the value is a blip id (1-based, into the blip store)
  bool complex = false;     // fComplex: the value states the length of `complexData`
  std::string complexData;
};

class PropertyTable {
 public:
  // The property `id` (the id without its fBid and fComplex bits); nullptr when absent.
  const OfficeArtProperty* Find(std::uint16_t id) const;
  // The value of the property `id`; nullopt when absent.
  std::optional<std::uint32_t> Value(std::uint16_t id) const;
  // The text a complex property holds (UTF-16LE up to its terminating NUL) in UTF-8; nullopt
  // when the property is absent or not complex.
  std::optional<std::string> Text(std::uint16_t id) const;
  // Flag `bit` of the boolean property `id`: nullopt when the property is absent or its "use"
  // flag (bit + 16) is clear.
  std::optional<bool> Flag(std::uint16_t id, unsigned bit) const;

  // Adds the property unless the table already holds `id` (the first statement wins).
  void Add(std::uint16_t id, OfficeArtProperty property);
  // Adds the properties of `other` that this table does not hold.
  void AddMissing(const PropertyTable& other);
  bool empty() const { return properties_.empty(); }

 private:
  std::map<std::uint16_t, OfficeArtProperty> properties_;
};

// Most entries one table may hold; more is damage.
inline constexpr std::size_t kMaxProperties = 4096;

// Reads `count` property entries and their complex data from the start of `bytes`. An array's
// complex data (vertices, segments ...) opens with a 6-byte header that some writers leave out
// of the length they state: when the stated lengths leave bytes over and an array's header
// counts exactly the stated length in elements, its data is taken with the header. Raises
// document::ReadFault Damaged ("<context> ... at offset N") when the entries or their complex
// data run past `bytes` or count exceeds kMaxProperties. Bytes after the complex data are
// ignored.
PropertyTable ReadPropertyTable(std::string_view bytes, std::size_t count,
                                std::string_view context);

}  // namespace k27093::xls
