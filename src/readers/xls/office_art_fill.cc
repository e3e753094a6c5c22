#include "readers/xls/office_art_fill.h"

#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

namespace properties = office_art_properties;
using FillKind = document::FillData::Kind;

constexpr std::uint32_t kSchemeIndexFlag = 0x08000000;
constexpr std::uint32_t kSystemIndexFlag = 0x10000000;
constexpr std::uint32_t kPaletteIndexFlag = 0x01000000;
constexpr std::uint32_t kDefaultFillColor = 0x00FFFFFF;
constexpr std::uint32_t kDefaultLineColor = 0x00000000;
constexpr std::int32_t kBlack = 0;
constexpr std::int32_t kWhite = 0xFFFFFF;

// Indices past the palette: the default foreground and background colours of the sheet (64,
// 65) and of charts (77, 78), and the chart neutral colour (79).
std::optional<std::int32_t> ColorOfTableIndex(std::uint16_t index, const WorkbookGlobals& globals) {
  switch (index) {
    case 0x40:
    case 0x4D:
    case 0x4F:
      return kBlack;
    case 0x41:
    case 0x4E:
      return kWhite;
    default:
      return globals.ColorOfIndex(index);
  }
}

// fillType: solid 0, pattern 1, texture 2, picture 3, shades 4 to 8, background 9.
FillKind FillKindOf(std::uint32_t type) {
  switch (type) {
    case 1:
      return FillKind::Pattern;
    case 2:
    case 3:
      return FillKind::Picture;
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
      return FillKind::Gradient;
    default:
      return FillKind::Solid;
  }
}

std::optional<document::ColorData> ColorDataOf(std::uint32_t color,
                                               const WorkbookGlobals& globals) {
  const std::optional<std::int32_t> rgb = ColorOfReference(color, globals);
  if (!rgb) return std::nullopt;
  document::ColorData data;
  data.rgb = rgb;
  return data;
}

}  // namespace

std::optional<std::int32_t> ColorOfReference(std::uint32_t color, const WorkbookGlobals& globals) {
  if ((color & kSchemeIndexFlag) != 0) {
    return ColorOfTableIndex(static_cast<std::uint16_t>(color & 0xFFFF), globals);
  }
  if ((color & (kSystemIndexFlag | kPaletteIndexFlag)) != 0) return std::nullopt;
  return static_cast<std::int32_t>(color & 0xFFFFFF);  // red, green, blue: R + 256 G + 65536 B
}

document::FillData FillOfProperties(const PropertyTable& table, const WorkbookGlobals& globals) {
  document::FillData fill;
  if (!table.Flag(properties::kFillBooleans, properties::kFilledBit).value_or(true)) {
    fill.kind = FillKind::None;
    return fill;
  }
  fill.kind = FillKindOf(table.Value(properties::kFillType).value_or(0));
  if (fill.kind == FillKind::Picture) {
    fill.tiled = table.Value(properties::kFillType) == 2u;
    fill.pictureName = table.Text(properties::kFillBlipName).value_or("");
    return fill;
  }
  fill.color =
      ColorDataOf(table.Value(properties::kFillColor).value_or(kDefaultFillColor), globals);
  return fill;
}

document::FillData LineOfProperties(const PropertyTable& table, const WorkbookGlobals& globals) {
  document::FillData line;
  if (!table.Flag(properties::kLineBooleans, properties::kLineBit).value_or(true)) {
    line.kind = FillKind::None;
    return line;
  }
  line.color =
      ColorDataOf(table.Value(properties::kLineColor).value_or(kDefaultLineColor), globals);
  return line;
}

}  // namespace k27093::xls
