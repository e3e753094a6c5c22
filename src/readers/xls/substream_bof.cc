#include "readers/xls/substream_bof.h"

#include <array>
#include <string>

#include "document/read_fault.h"
#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

constexpr std::uint16_t kBiff8Version = 0x0600;
// The BOF records of BIFF2, BIFF3 and BIFF4, whose record types differ from BIFF5's and 8's.
constexpr std::array<std::uint16_t, 3> kOlderBofTypes = {0x0009, 0x0209, 0x0409};

constexpr std::string_view kOlderFormat = "it is saved in a format older than Excel 97";

}  // namespace

std::uint16_t SubstreamTypeOf(const RecordStream& stream, const std::optional<Record>& record,
                              std::string_view what) {
  if (!record) {
    document::FailDamaged(std::string(what) + " in the stream '" + stream.name() +
                          "' has no BOF record");
  }
  for (std::uint16_t older : kOlderBofTypes) {
    if (record->type == older) document::FailRefused(std::string(kOlderFormat));
  }
  if (record->type != record_types::kBof) {
    document::FailDamaged(
        stream.Describe(*record, "should open " + std::string(what) + " with a BOF record"));
  }
  // A BOF's data has a fixed size; a CONTINUE after it is out of place.
  if (!record->continues.empty()) {
    document::FailDamaged(stream.Describe(*record, "is followed by a CONTINUE record"));
  }
  ByteReader reader(stream, *record);
  const std::uint16_t version = reader.U16();
  const std::uint16_t type = reader.U16();
  if (version < kBiff8Version) document::FailRefused(std::string(kOlderFormat) + " (BIFF5)");
  if (version != kBiff8Version) reader.Fail("has the unknown version " + std::to_string(version));
  return type;
}

}  // namespace k27093::xls
