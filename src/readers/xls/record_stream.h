// The records of a BIFF8 stream: each a 16-bit type, a 16-bit length and its data, read in
// order. A CONTINUE record carries on the data of the record before it; the stream gives a
// record together with the CONTINUE records that follow it. The stream never copies the
// bytes: records are views into the stream, which must outlive them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k27093::xls {

namespace record_types {
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kBof = 0x0809;
inline constexpr std::uint16_t kEof = 0x000A;
}  // namespace record_types

// The largest data a BIFF8 record may carry (8224 bytes); longer records are damage.
inline constexpr std::size_t kMaxRecordData = 8224;

struct Record {
  std::uint16_t type = 0;
  std::size_t offset = 0;  // of the record's header in its stream
  std::string_view data;   // the record's own data
  // The data of the CONTINUE records that directly follow it, in order.
  std::vector<std::string_view> continues;

  // The record's data followed by that of its CONTINUE records, as one piece.
  std::string Joined() const;
};

class RecordStream {
 public:
  // `streamName` names the stream in fault reasons ("Workbook").
  RecordStream(std::string_view stream, std::string streamName);

  // The next record with its CONTINUE records, or nullopt at the end of the stream. Raises
  // document::ReadFault Damaged for a record header or data that passes the end of the stream
  // or a record longer than kMaxRecordData. A CONTINUE with no record before it is given as a
  // record of its own.
  std::optional<Record> Next();

  // The next record's type without reading it; nullopt at the end of the stream.
  std::optional<std::uint16_t> PeekType() const;

  // Reads the records up to and with the EOF that closes the substream whose BOF was just
  // read, the substreams nested in it included; false when the stream ends before it.
  bool SkipToSubstreamEnd();

  // Moves to `offset` (the header of a record, as BOUNDSHEET gives a sheet's BOF). Raises
  // Damaged when the offset lies beyond the stream.
  void Seek(std::size_t offset);

  std::size_t offset() const { return offset_; }
  std::size_t size() const { return stream_.size(); }
  const std::string& name() const { return name_; }

  // A fault reason naming the stream and the record: "the record 0x00FC at offset 1234 of the
  // stream 'Workbook' <what>".
  std::string Describe(const Record& record, std::string_view what) const;

 private:
  // The header at `offset`: type and length; raises Damaged when it or its data is cut off.
  std::pair<std::uint16_t, std::size_t> HeaderAt(std::size_t offset) const;

  std::string_view stream_;
  std::string name_;
  std::size_t offset_ = 0;
};

}  // namespace k27093::xls
