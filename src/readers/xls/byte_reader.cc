#include "readers/xls/byte_reader.h"

#include <cstring>

#include "api/text.h"
#include "document/read_fault.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

constexpr std::uint8_t kHighByte = 0x01;  // characters are UTF-16, not 8-bit
constexpr std::uint8_t kExtended = 0x04;  // extended (phonetic) data follows the characters
constexpr std::uint8_t kRich = 0x08;      // rich-text runs follow the characters

}  // namespace

std::uint16_t LittleEndian16(std::string_view bytes) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[0]) |
                                    (static_cast<std::uint8_t>(bytes[1]) << 8));
}

std::uint32_t LittleEndian32(std::string_view bytes) {
  return static_cast<std::uint32_t>(LittleEndian16(bytes)) |
         (static_cast<std::uint32_t>(LittleEndian16(bytes.substr(2))) << 16);
}

ByteReader::ByteReader(const RecordStream& stream, const Record& record)
    : context_(stream.Describe(record, "")) {
  context_.pop_back();  // the blank before `what`
  pieces_.push_back(record.data);
  pieces_.insert(pieces_.end(), record.continues.begin(), record.continues.end());
}

ByteReader::ByteReader(std::string_view bytes, std::string context)
    : pieces_{bytes}, context_(std::move(context)) {}

void ByteReader::Fail(std::string_view what) const {
  document::FailDamaged(context_ + " " + std::string(what));
}

std::size_t ByteReader::Remaining() const {
  std::size_t left = pieces_[piece_].size() - position_;
  for (std::size_t i = piece_ + 1; i < pieces_.size(); ++i) left += pieces_[i].size();
  return left;
}

std::size_t ByteReader::RemainingInPiece() const { return pieces_[piece_].size() - position_; }

bool ByteReader::AtEnd() const { return Remaining() == 0; }

void ByteReader::Require(std::size_t count) {
  if (Remaining() < count) Fail("is shorter than its content");
  while (position_ == pieces_[piece_].size() && piece_ + 1 < pieces_.size()) {
    ++piece_;
    position_ = 0;
  }
}

std::string_view ByteReader::Take(std::size_t count) {
  const std::string_view taken = pieces_[piece_].substr(position_, count);
  position_ += taken.size();
  return taken;
}

std::string ByteReader::Bytes(std::size_t count) {
  Require(count);
  std::string bytes;
  bytes.reserve(count);
  while (bytes.size() < count) {
    Require(1);
    bytes.append(Take(count - bytes.size()));
  }
  return bytes;
}

void ByteReader::Skip(std::size_t count) {
  Require(count);
  while (count > 0) {
    Require(1);
    count -= Take(count).size();
  }
}

std::uint8_t ByteReader::U8() { return static_cast<std::uint8_t>(Bytes(1)[0]); }
std::uint16_t ByteReader::U16() { return LittleEndian16(Bytes(2)); }
std::int16_t ByteReader::I16() { return static_cast<std::int16_t>(U16()); }
std::uint32_t ByteReader::U32() { return LittleEndian32(Bytes(4)); }
std::int32_t ByteReader::I32() { return static_cast<std::int32_t>(U32()); }

double ByteReader::F64() {
  const std::string bytes = Bytes(8);
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<std::uint8_t>(bytes[i]);
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string ByteReader::Characters(std::size_t count, bool highByte) {
  if (count > Remaining()) Fail("announces more characters than it holds");
  std::u16string units;
  units.reserve(count);
  while (units.size() < count) {
    if (RemainingInPiece() == 0) {
      // The characters run on into the next CONTINUE record, after its own option byte.
      if (piece_ + 1 >= pieces_.size()) Fail("is shorter than its text");
      ++piece_;
      position_ = 0;
      highByte = (U8() & kHighByte) != 0;
      continue;
    }
    if (highByte) {
      if (RemainingInPiece() < 2) Fail("splits a character between two records");
      units.push_back(static_cast<char16_t>(LittleEndian16(Take(2))));
    } else {
      units.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(Take(1)[0])));
    }
  }
  return FromUtf16(units);
}

std::string ByteReader::UnicodeBody(std::size_t count) {
  const std::uint8_t options = U8();
  const std::uint16_t runs = (options & kRich) != 0 ? U16() : 0;
  const std::uint32_t extended = (options & kExtended) != 0 ? U32() : 0;
  std::string text = Characters(count, (options & kHighByte) != 0);
  Skip(std::size_t{runs} * 4);
  Skip(extended);
  return text;
}

std::string ByteReader::UnicodeString() { return UnicodeBody(U16()); }
std::string ByteReader::ShortUnicodeString() { return UnicodeBody(U8()); }

}  // namespace k27093::xls
