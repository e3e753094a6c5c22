#include "readers/xls/chart_fills.h"

#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

using Kind = document::FillData::Kind;

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

std::optional<document::FillData> FillOf(const std::optional<AreaFormat>& area,
                                         const OfficeArtProperties* gel,
                                         const WorkbookGlobals& globals) {
  const OfficeArtProperty* type = gel != nullptr ? gel->Find(office_art::kFillType) : nullptr;
  if (type != nullptr &&
      (type->value == office_art::kFillTexture || type->value == office_art::kFillPicture)) {
    document::FillData fill = Filled(Kind::Picture, std::nullopt);
    fill.tiled = type->value == office_art::kFillTexture;
    fill.pictureName = gel->Text(office_art::kFillBlipName).value_or("");
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
