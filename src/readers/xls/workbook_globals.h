// What the workbook globals substream of a BIFF8 workbook states that the sheets and charts
// need: the sheets and where their substreams start, the shared strings, the colour palette,
// the fonts, the references to sheets that formulas use, the workbook's drawing group and its
// active sheet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/workbook_data.h"

namespace k27093::xls {

class RecordStream;

struct SheetEntry {
  std::string name;
  document::SheetData::Kind kind = document::SheetData::Kind::Worksheet;
  std::uint8_t type =
      0;  // BOUNDSHEET's sheet type: 0 worksheet, 1 macro sheet, 2 chart, 6 VB module
  std::uint8_t visibility = 0;   // 0 visible, 1 hidden, 2 very hidden
  std::size_t streamOffset = 0;  // of the sheet's BOF in the workbook stream
};

struct FontEntry {
  std::string name;    // "Arial"
  double points = 10;  // height / 20
  bool bold = false;   // weight >= 700
  bool italic = false;
  bool underline = false;             // any underline style
  std::uint16_t colorIndex = 0x7FFF;  // icv; 0x7FFF: the automatic colour
};

// An EXTERNSHEET entry: the supporting book and the first and last sheet it refers to.
struct ExternSheetEntry {
  std::uint16_t book = 0;
  std::int32_t firstSheet = 0;  // index into the workbook's sheets when the book is this one
  std::int32_t lastSheet = 0;
};

struct WorkbookGlobals {
  std::vector<SheetEntry> sheets;          // BOUNDSHEET order (tab order)
  std::size_t activeSheet = 0;             // WINDOW1's itabCur, kept within the sheets
  std::vector<std::string> sharedStrings;  // the SST, in UTF-8
  // The colour numbers (R + 256 G + 65536 B) of the palette's indices 8 to 63 as the PALETTE
  // record states them (indices it leaves out keep their default colours); empty when the
  // workbook has none (the default palette).
  std::vector<std::int32_t> palette;
  // Fonts by the index cells and charts give: the file's FONT records in order, with index 4
  // left out as the format numbers them (the fifth record has index 5).
  std::vector<FontEntry> fonts;
  std::vector<ExternSheetEntry> externSheets;
  // For each SUPBOOK in order: true when it is the workbook itself (internal references).
  std::vector<bool> selfBooks;
  // The MSODRAWINGGROUP data joined with its CONTINUE records ("" when there is none): the
  // drawing group's blip store that picture fills refer to.
  std::string drawingGroup;

  // The colour number of the palette index `icv`: 8 to 63 from the palette, 0 to 7 the fixed
  // colours (black, white, red, green, blue, yellow, magenta, cyan); nullopt for the system
  // and automatic colours (64 and above) and indices out of range.
  std::optional<std::int32_t> ColorOfIndex(std::uint16_t icv) const;
  // The font of index `index`; nullptr for an index the workbook does not have.
  const FontEntry* FontOf(std::uint16_t index) const;
  // The same as a text's font properties, its colour a colour number unless automatic; no
  // property stated for an index the workbook does not have (or none).
  document::FontData FontDataOf(std::optional<std::uint16_t> index) const;
  // How a formula names the sheets of the EXTERNSHEET entry `index`: "Sheet1", "'Sheet 1'" (a
  // name that needs quotes), "Sheet1:Sheet3" for a range of sheets; nullopt when the entry
  // does not exist or refers to another workbook or a deleted sheet.
  std::optional<std::string> SheetReference(std::uint16_t index) const;
};

// Excel's default colour palette: the colour numbers of indices 8 to 63.
const std::vector<std::int32_t>& DefaultPalette();

// Reads the globals substream from the start of `stream` (its BOF) to its EOF, leaving the
// stream after the EOF. Raises document::ReadFault: Refused for BIFF5 and older ("it is saved
// in a format older than Excel 97") and for an encrypted workbook (FILEPASS: "it is encrypted
// with a password"); Damaged for a missing BOF or EOF, records of the wrong length, SST counts
// that lie.
WorkbookGlobals ReadWorkbookGlobals(RecordStream& stream);

}  // namespace k27093::xls
