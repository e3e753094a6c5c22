#include "readers/xls/record_stream.h"

#include <cstdio>

#include "document/read_fault.h"
#include "readers/xls/byte_reader.h"

namespace k27093::xls {
namespace {

constexpr std::size_t kHeaderBytes = 4;

std::string Hex16(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

}  // namespace

std::string Record::Joined() const {
  std::string joined(data);
  for (std::string_view piece : continues) joined.append(piece);
  return joined;
}

RecordStream::RecordStream(std::string_view stream, std::string streamName)
    : stream_(stream), name_(std::move(streamName)) {}

std::pair<std::uint16_t, std::size_t> RecordStream::HeaderAt(std::size_t offset) const {
  if (stream_.size() - offset < kHeaderBytes) {
    document::FailDamaged("the stream '" + name_ + "' ends inside a record header at offset " +
                          std::to_string(offset));
  }
  const std::uint16_t type = LittleEndian16(stream_.substr(offset));
  const std::size_t length = LittleEndian16(stream_.substr(offset + 2));
  if (length > kMaxRecordData) {
    document::FailDamaged("the record " + Hex16(type) + " at offset " + std::to_string(offset) +
                          " of the stream '" + name_ + "' declares " + std::to_string(length) +
                          " bytes, more than a record holds");
  }
  if (stream_.size() - offset - kHeaderBytes < length) {
    document::FailDamaged("the record " + Hex16(type) + " at offset " + std::to_string(offset) +
                          " of the stream '" + name_ + "' is longer than the stream");
  }
  return {type, length};
}

std::optional<Record> RecordStream::Next() {
  if (offset_ >= stream_.size()) return std::nullopt;
  Record record;
  record.offset = offset_;
  const auto [type, length] = HeaderAt(offset_);
  record.type = type;
  record.data = stream_.substr(offset_ + kHeaderBytes, length);
  offset_ += kHeaderBytes + length;
  // A damaged header after the record is the next record's fault, found when it is read.
  while (stream_.size() - offset_ >= kHeaderBytes &&
         LittleEndian16(stream_.substr(offset_)) == record_types::kContinue) {
    const std::size_t nextLength = HeaderAt(offset_).second;
    record.continues.push_back(stream_.substr(offset_ + kHeaderBytes, nextLength));
    offset_ += kHeaderBytes + nextLength;
  }
  return record;
}

std::optional<std::uint16_t> RecordStream::PeekType() const {
  if (offset_ >= stream_.size()) return std::nullopt;
  return HeaderAt(offset_).first;
}

bool RecordStream::SkipToSubstreamEnd() {
  std::size_t depth = 1;
  while (const std::optional<Record> record = Next()) {
    if (record->type == record_types::kBof) ++depth;
    if (record->type == record_types::kEof && --depth == 0) return true;
  }
  return false;
}

void RecordStream::Seek(std::size_t offset) {
  if (offset >= stream_.size()) {
    document::FailDamaged("the stream '" + name_ + "' has no record at offset " +
                          std::to_string(offset) + ", past its end");
  }
  offset_ = offset;
}

std::string RecordStream::Describe(const Record& record, std::string_view what) const {
  return "the record " + Hex16(record.type) + " at offset " + std::to_string(record.offset) +
         " of the stream '" + name_ + "' " + std::string(what);
}

}  // namespace k27093::xls
