#include "readers/xls/chart_fills.h"

#include "readers/xls/byte_reader.h"
#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

using Kind = document::FillData::Kind;

constexpr std::uint16_t kPropertyTable = 0xF00B;          // OfficeArtFOPT
constexpr std::uint16_t kTertiaryPropertyTable = 0xF122;  // OfficeArtTertiaryFOPT
constexpr std::size_t kTableHeaderBytes = 8;
constexpr std::uint32_t kFillTexture = 2;
constexpr std::uint32_t kFillPicture = 3;
constexpr std::uint32_t kFirstGradient = 4;  // msofillShade ... msofillShadeTitle
constexpr std::uint32_t kLastGradient = 8;

document::ColorData ColorOf(std::uint16_t index, std::int32_t stated,
                            const WorkbookGlobals& globals) {
  document::ColorData color;
  color.rgb = globals.ColorOfIndex(index).value_or(stated);
  return color;
}

document::FillData Filled(Kind kind, std::optional<document::ColorData> color) {
  document::FillData fill;
  fill.kind = kind;
  fill.color = std::move(color);
  return fill;
}

}  // namespace

PropertyTable ReadGelFrame(std::string_view bytes, const std::string& context) {
  PropertyTable properties;
  ByteReader reader(bytes, context);
  while (reader.Remaining() >= kTableHeaderBytes) {
    const std::uint16_t versionAndCount = reader.U16();
    const std::uint16_t type = reader.U16();
    const std::uint32_t length = reader.U32();
    if (type != kPropertyTable && type != kTertiaryPropertyTable) break;
    if (length > reader.Remaining()) reader.Fail("has a property table longer than its data");
    const std::string table = reader.Bytes(length);
    // recInstance: the number of properties.
    properties.AddMissing(ReadPropertyTable(table, versionAndCount >> 4, context));
  }
  return properties;
}

std::optional<document::FillData> FillOf(const std::optional<AreaFormat>& area,
                                         const PropertyTable* gel, const WorkbookGlobals& globals) {
  const OfficeArtProperty* type =
      gel != nullptr ? gel->Find(office_art_properties::kFillType) : nullptr;
  if (type != nullptr && (type->value == kFillTexture || type->value == kFillPicture)) {
    document::FillData fill = Filled(Kind::Picture, std::nullopt);
    fill.tiled = type->value == kFillTexture;
    fill.pictureName = gel->Text(office_art_properties::kFillBlipName).value_or("");
    return fill;
  }
  if (!area || area->automatic) return std::nullopt;
  if (area->pattern == 0) return Filled(Kind::None, std::nullopt);
  const document::ColorData color = ColorOf(area->foregroundIndex, area->foreground, globals);
  if (type != nullptr && type->value >= kFirstGradient && type->value <= kLastGradient) {
    return Filled(Kind::Gradient, color);
  }
  return Filled(area->pattern == 1 ? Kind::Solid : Kind::Pattern, color);
}

std::optional<document::FillData> LineOf(const std::optional<LineFormat>& line,
                                         const WorkbookGlobals& globals) {
  if (!line || line->automatic) return std::nullopt;
  if (line->style == kLineStyleNone) return Filled(Kind::None, std::nullopt);
  return Filled(Kind::Solid, ColorOf(line->colorIndex, line->color, globals));
}

}  // namespace k27093::xls
