#include "readers/xls/workbook_globals.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace k27093::xls {
namespace {

// Colour number of an RGB colour written as 0xRRGGBB.
constexpr std::int32_t FromRgb(std::uint32_t rgb) {
  return static_cast<std::int32_t>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

// The first eight indices: black, white, red, green, blue, yellow, magenta, cyan.
constexpr std::array<std::uint32_t, 8> kFixedColors = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                                       0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};

bool NeedsQuotes(const std::string& name) {
  if (name.empty()) return true;
  if (std::isdigit(static_cast<unsigned char>(name.front()))) return true;
  return std::any_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return !(std::isalnum(u) || c == '_' || c == '.' || u >= 0x80);
  });
}

std::string Escaped(const std::string& name) {
  std::string escaped;
  for (char c : name) {
    escaped.push_back(c);
    if (c == '\'') escaped.push_back('\'');
  }
  return escaped;
}

}  // namespace

const std::vector<std::int32_t>& DefaultPalette() {
  static const std::vector<std::int32_t> palette = [] {
    constexpr std::array<std::uint32_t, 56> kRgb = {
        0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
        0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
        0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
        0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
        0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
        0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
        0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};
    std::vector<std::int32_t> colors;
    for (std::uint32_t rgb : kRgb) colors.push_back(FromRgb(rgb));
    return colors;
  }();
  return palette;
}

std::optional<std::int32_t> WorkbookGlobals::ColorOfIndex(std::uint16_t icv) const {
  if (icv < kFixedColors.size()) return FromRgb(kFixedColors[icv]);
  const std::vector<std::int32_t>& colors = palette.empty() ? DefaultPalette() : palette;
  if (icv - 8u < colors.size()) return colors[icv - 8u];
  return std::nullopt;
}

const FontEntry* WorkbookGlobals::FontOf(std::uint16_t index) const {
  // The format never uses font index 4: the fifth FONT record has index 5.
  if (index == 4) return nullptr;
  const std::size_t position = index < 4 ? index : index - 1u;
  return position < fonts.size() ? &fonts[position] : nullptr;
}

document::FontData WorkbookGlobals::FontDataOf(std::optional<std::uint16_t> index) const {
  document::FontData font;
  const FontEntry* entry = index ? FontOf(*index) : nullptr;
  if (entry == nullptr) return font;
  font.name = entry->name;
  font.size = entry->points;
  font.bold = entry->bold;
  font.italic = entry->italic;
  font.underline = entry->underline;
  font.color = ColorOfIndex(entry->colorIndex);  // nullopt for the automatic colour 0x7FFF
  return font;
}

std::optional<std::string> WorkbookGlobals::SheetReference(std::uint16_t index) const {
  if (index >= externSheets.size()) return std::nullopt;
  const ExternSheetEntry& entry = externSheets[index];
  if (entry.book >= selfBooks.size() || !selfBooks[entry.book]) return std::nullopt;
  const auto valid = [this](std::int32_t sheet) {
    return sheet >= 0 && static_cast<std::size_t>(sheet) < sheets.size();
  };
  if (!valid(entry.firstSheet) || !valid(entry.lastSheet)) return std::nullopt;
  std::string names = sheets[entry.firstSheet].name;
  bool quoted = NeedsQuotes(names);
  if (entry.lastSheet != entry.firstSheet) {
    const std::string& last = sheets[entry.lastSheet].name;
    quoted = quoted || NeedsQuotes(last);
    names += ":" + last;
  }
  return quoted ? "'" + Escaped(names) + "'" : names;
}

}  // namespace k27093::xls
