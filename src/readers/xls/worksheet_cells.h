// The cell records of a worksheet substream and the values they hold, as the .xlsx reader
// gives them: numbers (NUMBER, RK, MULRK) as Double, texts (LABELSST from the shared strings,
// LABEL), Booleans and error values as their text ("#N/A") (BOOLERR), and a formula's cached
// result (FORMULA, with the STRING record that follows it for a text result). Cells without a
// value (BLANK, MULBLANK) are left out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/workbook_data.h"

namespace k27093::xls {

class ByteReader;
struct Record;
class RecordStream;

// The text of a BIFF error code (0x07 "#DIV/0!", 0x2A "#N/A" ...); nullopt for a code the
// format does not have.
std::optional<std::string> ErrorTextOf(std::uint8_t code);

class CellRecords {
 public:
  // Appends to `cells` (1-based rows and columns, file order); `sharedStrings` are the
  // workbook's. All three must outlive the reader.
  CellRecords(const RecordStream& stream, const std::vector<std::string>& sharedStrings,
              std::vector<document::CellData>& cells);

  // Takes `record` when it is a cell record or the STRING record of a formula's text result;
  // false for any other record. Raises document::ReadFault Damaged for a record too short, a
  // column beyond the sheet's 256, a shared string that does not exist, an unknown error code
  // or formula result type, or a number that is not finite.
  bool Take(const Record& record);

 private:
  void Add(std::int32_t row, std::int32_t column, Variant value);
  // The cached result of the FORMULA record whose cell start `reader` has read.
  void TakeFormulaResult(ByteReader& reader, std::int32_t row, std::int32_t column);

  const RecordStream& stream_;
  const std::vector<std::string>& sharedStrings_;
  std::vector<document::CellData>& cells_;
  // The cell of a formula whose text result the next STRING record holds.
  std::optional<std::pair<std::int32_t, std::int32_t>> pendingText_;
};

}  // namespace k27093::xls
