// The record stream and the reading of record data: CONTINUE records joined to the record
// they carry on, records cut off or too long, strings whose characters run on into a
// CONTINUE record with a width of their own, and UTF-16 turned into UTF-8.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/read_fault.h"
#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

std::string Le16(std::uint16_t value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string RecordBytes(std::uint16_t type, const std::string& data) {
  return Le16(type) + Le16(static_cast<std::uint16_t>(data.size())) + data;
}

std::string DamageOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const document::ReadFault& fault) {
    EXPECT_EQ(fault.kind(), document::ReadFault::Kind::Damaged);
    return fault.reason();
  }
  return "no fault";
}

TEST(RecordStream, GivesEachRecordWithTheContinueRecordsThatFollowIt) {
  const std::string bytes = RecordBytes(0x00FC, "ab") + RecordBytes(0x003C, "cd") +
                            RecordBytes(0x003C, "e") + RecordBytes(0x000A, "");
  RecordStream stream(bytes, "Workbook");
  const auto first = stream.Next();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->type, 0x00FC);
  EXPECT_EQ(first->data, "ab");
  EXPECT_EQ(first->Joined(), "abcde");
  EXPECT_EQ(stream.PeekType(), std::optional<std::uint16_t>(0x000A));
  const auto last = stream.Next();
  ASSERT_TRUE(last);
  EXPECT_EQ(last->offset, 4u + 2 + 4 + 2 + 4 + 1);
  EXPECT_TRUE(last->continues.empty());
  EXPECT_FALSE(stream.Next());
}

TEST(RecordStream, RecordsCutOffOrTooLongAreDamageNamingTheStreamAndOffset) {
  const std::string cut = RecordBytes(0x000A, "") + Le16(0x0809) + Le16(16) + "short";
  RecordStream stream(cut, "Workbook");
  stream.Next();
  EXPECT_EQ(DamageOf([&] { stream.Next(); }),
            "the record 0x0809 at offset 4 of the stream 'Workbook' is longer than the stream");

  const std::string header = Le16(0x0809) + "\x01";
  RecordStream halfHeader(header, "Workbook");
  EXPECT_NE(DamageOf([&] { halfHeader.Next(); }).find("ends inside a record header"),
            std::string::npos);

  const std::string oversized = Le16(0x00FC) + Le16(9000) + std::string(9000, 'x');
  RecordStream tooLong(oversized, "Workbook");
  EXPECT_NE(DamageOf([&] { tooLong.Next(); }).find("declares 9000 bytes"), std::string::npos);

  RecordStream seeking(cut, "Workbook");
  EXPECT_NE(DamageOf([&] { seeking.Seek(500); }).find("no record at offset 500"),
            std::string::npos);
}

TEST(ByteReader, ReadsLittleEndianNumbersAcrossContinueRecords) {
  const std::string bytes = RecordBytes(0x0001, "\x01\x02\x03") + RecordBytes(0x003C, "\x04\xFF");
  RecordStream stream(bytes, "Workbook");
  const Record record = *stream.Next();
  ByteReader reader(stream, record);
  EXPECT_EQ(reader.U16(), 0x0201);
  EXPECT_EQ(reader.U16(), 0x0403);  // runs on into the CONTINUE record
  EXPECT_EQ(reader.U8(), 0xFF);
  EXPECT_TRUE(reader.AtEnd());
}

TEST(ByteReader, ReadingPastTheDataIsDamageNamingTheRecord) {
  const std::string bytes = RecordBytes(0x0203, "\x01\x02\x03");
  RecordStream stream(bytes, "Workbook");
  const Record record = *stream.Next();
  ByteReader reader(stream, record);
  EXPECT_EQ(DamageOf([&] { reader.U32(); }),
            "the record 0x0203 at offset 0 of the stream 'Workbook' is shorter than its content");
  ByteReader doubles(stream, record);
  EXPECT_NE(DamageOf([&] { doubles.F64(); }), "no fault");
}

TEST(ByteReader, StringCharactersRunOnIntoTheNextRecordWithAWidthOfTheirOwn) {
  // Five characters: "ab" 8-bit in the record, "cde" UTF-16 after the CONTINUE's option byte.
  const std::string utf16 = std::string("c\0d\0", 4) + std::string("\xE9\x00", 2);
  const std::string bytes = RecordBytes(0x00FC, Le16(5) + std::string("\x00", 1) + "ab") +
                            RecordBytes(0x003C, "\x01" + utf16);
  RecordStream stream(bytes, "Workbook");
  const Record record = *stream.Next();
  ByteReader reader(stream, record);
  EXPECT_EQ(reader.UnicodeString(), "abcd\xC3\xA9");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(ByteReader, RichAndExtendedStringsSkipTheirRunsAndData) {
  // Rich (2 runs of 4 bytes) and extended (3 bytes) 8-bit string "xy", then a 16-bit value.
  const std::string data = Le16(2) + std::string("\x0C", 1) + Le16(2) +
                           std::string("\x03\x00\x00\x00", 4) + "xy" + std::string(8, 'r') + "ext" +
                           Le16(0x1234);
  ByteReader reader(data, "the test data");
  EXPECT_EQ(reader.UnicodeString(), "xy");
  EXPECT_EQ(reader.U16(), 0x1234);

  const std::string shortString = std::string("\x03\x01", 2) + std::string("A\0B\0C\0", 6);
  ByteReader shortReader(shortString, "the test data");
  EXPECT_EQ(shortReader.ShortUnicodeString(), "ABC");
}

TEST(ByteReader, CharacterCountsBeyondTheDataAreDamage) {
  const std::string data = Le16(60000) + std::string("\x00", 1) + "abc";
  ByteReader reader(data, "the test data");
  EXPECT_EQ(DamageOf([&] { reader.UnicodeString(); }),
            "the test data announces more characters than it holds");
}

TEST(ByteReader, Utf16CharactersJoinSurrogatePairsAndReplaceUnpairedOnes) {
  // "A", U+1F600 as a pair, an unpaired low surrogate, the euro sign.
  const std::string data = Le16(5) + std::string("\x01", 1) + Le16(0x0041) + Le16(0xD83D) +
                           Le16(0xDE00) + Le16(0xDC00) + Le16(0x20AC);
  ByteReader reader(data, "the test data");
  EXPECT_EQ(reader.UnicodeString(), "A\xF0\x9F\x98\x80\xEF\xBF\xBD\xE2\x82\xAC");
}

}  // namespace
}  // namespace k27093::xls
