#include "readers/ooxml/theme_part.h"

#include <array>

#include "readers/ooxml/drawingml.h"
#include "readers/ooxml/xml_part.h"

namespace k27093::ooxml {
namespace {

constexpr std::array<std::string_view, 12> kSchemeColors = {
    "dk1",     "lt1",     "dk2",     "lt2",     "accent1", "accent2",
    "accent3", "accent4", "accent5", "accent6", "hlink",   "folHlink"};

// The typeface of the child `script` (a:latin, a:ea, a:cs) of a theme font.
std::string TypefaceOf(pugi::xml_node font, std::string_view script, PartScope& scope) {
  std::string typeface = PlainAttribute(ChildNamed(font, script), "typeface").value();
  scope.Take(typeface.size());
  return typeface;
}

document::ThemeFontData ReadThemeFont(pugi::xml_node font, PartScope& scope) {
  document::ThemeFontData data;
  data.latin = TypefaceOf(font, "latin", scope);
  data.eastAsian = TypefaceOf(font, "ea", scope);
  data.complexScript = TypefaceOf(font, "cs", scope);
  return data;
}

// The first colour element of a scheme colour (a:dk1 ...).
pugi::xml_node ColorElementOf(pugi::xml_node schemeColor) {
  return schemeColor.find_child(
      [](pugi::xml_node child) { return child.type() == pugi::node_element; });
}

void ReadColorScheme(pugi::xml_node scheme, PartScope& scope, document::ThemeData& theme) {
  for (std::string_view name : kSchemeColors) {
    const pugi::xml_node color = ColorElementOf(ChildNamed(scheme, name));
    scope.Take(0);
    if (const std::optional<std::int32_t> number = RgbColorOf(color, scope)) {
      theme.colors.emplace(std::string(name), *number);
    }
  }
}

// The styles of one of the format scheme's lists: each fill element, or for a line style list
// each outline's fill (None when it states none).
std::vector<document::FillData> ReadStyles(pugi::xml_node list, PartScope& scope, bool lines) {
  std::vector<document::FillData> styles;
  for (pugi::xml_node style : list.children()) {
    if (style.type() != pugi::node_element) continue;
    scope.Take(0);
    std::optional<document::FillData> fill =
        lines ? FillOf(style, scope) : FillOfElement(style, scope);
    if (!fill && lines) fill = document::FillData{.kind = document::FillData::Kind::None};
    if (fill) styles.push_back(std::move(*fill));
  }
  return styles;
}

void ReadFormatScheme(pugi::xml_node scheme, PartScope& scope, document::ThemeData& theme) {
  theme.fillStyles = ReadStyles(ChildNamed(scheme, "fillStyleLst"), scope, false);
  theme.lineStyles = ReadStyles(ChildNamed(scheme, "lnStyleLst"), scope, true);
  theme.backgroundFillStyles = ReadStyles(ChildNamed(scheme, "bgFillStyleLst"), scope, false);
}

}  // namespace

document::ThemeData ReadTheme(Package& package, std::string_view part, ContentBudget& budget) {
  const pugi::xml_document document = ParseXmlPart(package, part, "theme");
  PartScope scope(part, budget);
  const pugi::xml_node elements = ChildNamed(document.document_element(), "themeElements");
  const pugi::xml_node fonts = ChildNamed(elements, "fontScheme");
  document::ThemeData theme;
  theme.majorFont = ReadThemeFont(ChildNamed(fonts, "majorFont"), scope);
  theme.minorFont = ReadThemeFont(ChildNamed(fonts, "minorFont"), scope);
  ReadColorScheme(ChildNamed(elements, "clrScheme"), scope, theme);
  ReadFormatScheme(ChildNamed(elements, "fmtScheme"), scope, theme);
  return theme;
}

std::optional<std::string> EffectiveTypeface(std::string_view typeface,
                                             const std::optional<document::ThemeData>& theme) {
  if (typeface.empty()) return std::nullopt;
  if (typeface.front() != '+') return std::string(typeface);
  if (!theme || typeface.size() != 6 || typeface[3] != '-') return std::nullopt;
  const std::string_view font = typeface.substr(1, 2);
  const std::string_view script = typeface.substr(4);
  const document::ThemeFontData* faces = font == "mj"   ? &theme->majorFont
                                         : font == "mn" ? &theme->minorFont
                                                        : nullptr;
  if (faces == nullptr) return std::nullopt;
  std::string face;
  if (script == "ea") {
    face = faces->eastAsian;
  } else if (script == "cs") {
    face = faces->complexScript;
  } else if (script != "lt") {
    return std::nullopt;
  }
  if (face.empty()) face = faces->latin;
  if (face.empty()) return std::nullopt;
  return face;
}

}  // namespace k27093::ooxml
