#include "readers/xls/shared_strings.h"

#include <algorithm>
#include <cstdint>

#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

// The fewest bytes a string takes: its character count and option byte.
constexpr std::size_t kSmallestString = 3;

}  // namespace

std::vector<std::string> ReadSharedStrings(const RecordStream& stream, const Record& record) {
  ByteReader reader(stream, record);
  reader.U32();  // cstTotal: the cells that refer to the table, not needed
  const std::uint32_t unique = reader.U32();
  std::vector<std::string> strings;
  // The count comes from the file: reserve no more than the bytes can hold.
  strings.reserve(std::min<std::size_t>(unique, reader.Remaining() / kSmallestString));
  for (std::uint32_t i = 0; i < unique; ++i) {
    if (reader.AtEnd()) {
      reader.Fail("announces " + std::to_string(unique) + " strings but holds only " +
                  std::to_string(i));
    }
    strings.push_back(reader.UnicodeString());
  }
  return strings;
}

}  // namespace k27093::xls
