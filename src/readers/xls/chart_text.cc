#include "readers/xls/chart_text.h"

#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kDeleted = 0x0040;
constexpr std::uint16_t kAutomaticColor = 0x7FFF;

}  // namespace

bool IsDeleted(const ChartText& text) { return (text.flags & kDeleted) != 0; }

document::FontData FontOfIndex(std::optional<std::uint16_t> index, const WorkbookGlobals& globals) {
  document::FontData font;
  const FontEntry* entry = index ? globals.FontOf(*index) : nullptr;
  if (entry == nullptr) return font;
  font.name = entry->name;
  font.size = entry->points;
  font.bold = entry->bold;
  font.italic = entry->italic;
  font.underline = entry->underline;
  if (entry->colorIndex != kAutomaticColor) font.color = globals.ColorOfIndex(entry->colorIndex);
  return font;
}

document::TitleData TitleOf(const ChartText& text, const WorkbookGlobals& globals) {
  document::TitleData title;
  title.automatic = !text.text && text.reference.empty();
  title.reference = text.reference;
  title.text.text = text.text.value_or("");
  title.text.font = FontOfIndex(text.font, globals);
  // Characters before the first run are in the text's own font.
  if (!text.runs.empty() && text.runs.front().firstCharacter > 0) {
    title.text.runFonts.push_back(title.text.font);
  }
  for (const RichTextRun& run : text.runs) {
    title.text.runFonts.push_back(FontOfIndex(run.font, globals));
  }
  return title;
}

}  // namespace k27093::xls
