// The TXO record of an object's text: the text's length in characters and the length of its
// formatting runs, then, in the CONTINUE records that follow, the characters (each record's
// piece after its own option byte: 8-bit or UTF-16) and the runs (each the first character
// it formats and its font index; a last entry closes them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace k27093::xls {

struct Record;
class RecordStream;

struct TextRun {
  std::uint16_t firstCharacter = 0;
  std::uint16_t font = 0;  // font index (WorkbookGlobals::FontOf)
};

struct TxoText {
  std::string text;  // UTF-8
  std::vector<TextRun> runs;
  std::uint16_t emptyFont = 0;  // the font of an object without text (ifntEmpty)
};

// Reads the TXO record `record` with its CONTINUE records. Raises document::ReadFault Damaged
// when the record is shorter than its fixed part, the characters or runs it announces are not
// all in its CONTINUE records, or a character is split between two of them.
TxoText ReadTxoRecord(const RecordStream& stream, const Record& record);

}  // namespace k27093::xls
