#include "readers/xls/chart_text.h"

#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kDeleted = 0x0040;

}  // namespace

bool IsDeleted(const ChartText& text) { return (text.flags & kDeleted) != 0; }

document::TitleData TitleOf(const ChartText& text, const WorkbookGlobals& globals) {
  document::TitleData title;
  title.automatic = !text.text && text.reference.empty();
  title.reference = text.reference;
  title.text.text = text.text.value_or("");
  title.text.font = globals.FontDataOf(text.font);
  // Characters before the first run are in the text's own font.
  if (!text.runs.empty() && text.runs.front().firstCharacter > 0) {
    title.text.runFonts.push_back(title.text.font);
  }
  for (const RichTextRun& run : text.runs) {
    title.text.runFonts.push_back(globals.FontDataOf(run.font));
  }
  return title;
}

}  // namespace k27093::xls
