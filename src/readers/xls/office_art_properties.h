// An OfficeArt property table (OfficeArtFOPT, and the tertiary table OfficeArtTertiaryFOPT
// that may follow it): the properties of a shape or of a chart element's fill (the GELFRAME
// record), each a 14-bit id with a 32-bit value, a complex property's value being the size of
// its data, which follows the table.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace k27093::xls {

namespace office_art {
inline constexpr std::uint16_t kFillType = 0x0180;      // 0 solid, 1 pattern, 2 texture, 3 picture ...
inline constexpr std::uint16_t kFillColor = 0x0181;     // an OfficeArtCOLORREF
inline constexpr std::uint16_t kFillBlipName = 0x0186;  // complex: the picture's name, UTF-16
inline constexpr std::uint16_t kFillTexture = 2;
inline constexpr std::uint16_t kFillPicture = 3;
}  // namespace office_art

struct OfficeArtProperty {
  std::uint32_t value = 0;
  std::string complexData;  // the data of a complex property; "" for another
};

class OfficeArtProperties {
 public:
  // Reads the property tables at the start of `bytes`, one after another, until the bytes
  // end or a record that is no property table comes. Raises document::ReadFault Damaged,
  // "<context> ...", for a table whose header, properties or complex data pass its end.
  static OfficeArtProperties Read(std::string_view bytes, const std::string& context);

  // The property `id`; nullptr when the tables do not state it. A later table's value wins.
  const OfficeArtProperty* Find(std::uint16_t id) const;
  // A complex property's data as UTF-16LE text up to its terminating zero, in UTF-8;
  // nullopt when the property is absent.
  std::optional<std::string> Text(std::uint16_t id) const;

 private:
  std::map<std::uint16_t, OfficeArtProperty> properties_;
};

}  // namespace k27093::xls
