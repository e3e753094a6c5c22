#include "readers/xls/txo_record.h"

#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

constexpr std::size_t kRunSize = 8;         // first character, font, 4 unused bytes
constexpr std::size_t kBeforeLengths = 10;  // flags, rotation and 6 reserved (or control) bytes

// Moves to the start of the next CONTINUE record: the text and the runs each begin one.
void SkipRestOfPiece(ByteReader& reader) { reader.Skip(reader.RemainingInPiece()); }

}  // namespace

TxoText ReadTxoRecord(const RecordStream& stream, const Record& record) {
  ByteReader reader(stream, record);
  if (reader.RemainingInPiece() < kBeforeLengths + 6) reader.Fail("is shorter than a text object");
  reader.Skip(kBeforeLengths);
  const std::uint16_t characters = reader.U16();
  const std::uint16_t runBytes = reader.U16();
  TxoText text;
  text.emptyFont = reader.U16();
  if (characters == 0) return text;
  SkipRestOfPiece(reader);
  // Characters() reads the option byte that opens the CONTINUE record.
  text.text = reader.Characters(characters, false);
  const std::size_t runs = runBytes / kRunSize;
  if (runs == 0) return text;
  if (reader.Remaining() < runs * kRunSize) reader.Fail("is shorter than its formatting runs");
  for (std::size_t i = 0; i + 1 < runs; ++i) {
    TextRun run;
    run.firstCharacter = reader.U16();
    run.font = reader.U16();
    reader.Skip(4);
    text.runs.push_back(run);
  }
  return text;
}

}  // namespace k27093::xls
