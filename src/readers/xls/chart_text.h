// A text of a chart (a TEXT record with what its block holds: OBJECTLINK, SERIESTEXT, BRAI,
// FONTX, ALRUNS) and what the chart makes of it: a title, automatic or of its own text, linked
// to a cell or not, and the fonts of its text and its runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/workbook_data.h"

namespace k27093::xls {

struct WorkbookGlobals;

// OBJECTLINK's wLinkObj: what the text is the text of.
namespace text_links {
inline constexpr std::uint16_t kChartTitle = 1;
inline constexpr std::uint16_t kValueAxis = 2;
inline constexpr std::uint16_t kCategoryAxis = 3;
inline constexpr std::uint16_t kSeriesAxis = 7;
}  // namespace text_links

struct RichTextRun {
  std::uint16_t firstCharacter = 0;
  std::uint16_t font = 0;  // font index
};

struct ChartText {
  std::uint16_t flags = 0;           // TEXT's first flags (fAutoText 0x10, fDeleted 0x40 ...)
  std::optional<std::uint16_t> link;  // OBJECTLINK's wLinkObj
  std::optional<std::string> text;    // SERIESTEXT
  std::string reference;              // the BRAI's formula text when it refers to cells
  std::optional<std::uint16_t> font;  // FONTX
  std::vector<RichTextRun> runs;      // ALRUNS
};

// True when the text was deleted (an automatic title the user removed).
bool IsDeleted(const ChartText& text);

// The title `text` makes: its own text (the cached text of a linked one) with its fonts, or an
// automatic title when it states neither text nor reference.
document::TitleData TitleOf(const ChartText& text, const WorkbookGlobals& globals);

}  // namespace k27093::xls
