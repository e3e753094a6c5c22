// The BOF record that opens each substream of a BIFF8 workbook stream: the format's version
// and the kind of substream (workbook globals, worksheet, chart, macro sheet).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace k27093::xls {

struct Record;
class RecordStream;

namespace substream_types {
inline constexpr std::uint16_t kGlobals = 0x0005;
inline constexpr std::uint16_t kWorksheet = 0x0010;  // also a dialog sheet
inline constexpr std::uint16_t kChart = 0x0020;
inline constexpr std::uint16_t kMacroSheet = 0x0040;
}  // namespace substream_types

// The substream type (dt) of the BIFF8 BOF `record`, which the stream has just given; `what`
// names the substream in fault reasons ("the workbook globals", "the sheet 'Sheet1'"). Raises
// document::ReadFault Refused for the BOF of Excel 5.0/95 (BIFF5) or an older format, Damaged
// for a missing record (nullopt), a record that is no BOF, a BOF followed by a CONTINUE record,
// or a BOF too short or of an unknown version.
std::uint16_t SubstreamTypeOf(const RecordStream& stream, const std::optional<Record>& record,
                              std::string_view what);

}  // namespace k27093::xls
