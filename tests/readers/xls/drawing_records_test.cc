// The pieces of a drawing read on their own: the property table, colour references, the OBJ
// and TXO records.
#include <gtest/gtest.h>

#include "document/read_fault.h"
#include "readers/xls/obj_record.h"
#include "readers/xls/office_art_fill.h"
#include "readers/xls/txo_record.h"
#include "support/drawing_builder.h"

namespace k27093::xls {
namespace {

using namespace testing;

// The table that an FOPT record built of `properties` holds (its header left off).
PropertyTable TableOf(const std::vector<Property>& properties) {
  const std::string record = Fopt(properties);
  return ReadPropertyTable(std::string_view(record).substr(8), properties.size(), "the table");
}

ObjRecord ReadObj(const std::string& records) {
  RecordStream stream(records, "Worksheet");
  return ReadObjRecord(stream, *stream.Next());
}

TxoText ReadTxo(const std::string& records) {
  RecordStream stream(records, "Worksheet");
  return ReadTxoRecord(stream, *stream.Next());
}

TEST(DrawingPropertyTable, GivesValuesComplexTextAndStatedFlags) {
  const PropertyTable table =
      TableOf({{0x0181, 0x123456}, Name("Chart 1"), {0x01BF, 0x00100000}, {0x01FF, 0x00000008}});
  EXPECT_EQ(table.Value(0x0181), 0x123456u);
  EXPECT_EQ(table.Text(0x0380), "Chart 1");
  EXPECT_EQ(table.Flag(0x01BF, 4), false);         // use bit set, flag clear
  EXPECT_EQ(table.Flag(0x01FF, 3), std::nullopt);  // flag set without its use bit
  EXPECT_EQ(table.Value(0x0180), std::nullopt);
}

TEST(DrawingPropertyTable, ComplexDataPastTheEndIsDamage) {
  std::string record = Fopt({Name("Chart 1")});
  record.resize(record.size() - 4);
  EXPECT_THROW(ReadPropertyTable(std::string_view(record).substr(8), 1, "the table"),
               document::ReadFault);
  EXPECT_THROW(ReadPropertyTable("", 1, "the table"), document::ReadFault);
}

// A table of complex entries (id without the fComplex bit, stated length) and their data.
std::string ComplexTable(const std::vector<std::pair<std::uint16_t, std::uint32_t>>& entries,
                         const std::string& data) {
  std::string table;
  for (const auto& [id, length] : entries) table += Le16(0xC000 | id) + Le32(length);
  return table + data;
}

// Two vertices of 8 bytes, with the array's header (count, allocated count, element size).
const std::string kTwoVertices = Le16(2) + Le16(2) + Le16(8) + std::string(16, '\x7F');

TEST(DrawingPropertyTable, ArrayStatedWithoutItsHeaderIsReadWithItAndTheNextEntryFollows) {
  const std::string bytes =
      ComplexTable({{0x0145, 16}, {0x0380, 24}}, kTwoVertices + Utf16("AutoShape 3"));
  const PropertyTable table = ReadPropertyTable(bytes, 2, "the table");
  EXPECT_EQ(table.Text(0x0380), "AutoShape 3");
  ASSERT_NE(table.Find(0x0145), nullptr);
  EXPECT_EQ(table.Find(0x0145)->complexData, kTwoVertices);
}

TEST(DrawingPropertyTable, ArrayLengthsAreTakenAsStatedWhenTheyAccountForTheTable) {
  // Stated with its header, as the format has it.
  const std::string withHeader =
      ComplexTable({{0x0145, 22}, {0x0380, 24}}, kTwoVertices + Utf16("AutoShape 3"));
  EXPECT_EQ(ReadPropertyTable(withHeader, 2, "the table").Text(0x0380), "AutoShape 3");
  // No bytes over: the array's header cannot have been left out of its length.
  const std::string exact = ComplexTable({{0x0145, 16}, {0x0380, 6}}, kTwoVertices);
  const PropertyTable table = ReadPropertyTable(exact, 2, "the table");
  ASSERT_NE(table.Find(0x0145), nullptr);
  EXPECT_EQ(table.Find(0x0145)->complexData, kTwoVertices.substr(0, 16));
}

TEST(DrawingColors, ReferencesAreRgbBytesOrIndicesIntoTheWorkbookPalette) {
  WorkbookGlobals globals;
  EXPECT_EQ(ColorOfReference(0x00336699, globals), 0x336699);
  EXPECT_EQ(ColorOfReference(0x08000000 | 8, globals), 0);          // palette 8: black
  EXPECT_EQ(ColorOfReference(0x08000000 | 24, globals), 0xFF9999);  // palette 24: 9999FF
  EXPECT_EQ(ColorOfReference(0x08000040, globals), 0);              // default foreground
  EXPECT_EQ(ColorOfReference(0x08000041, globals), 0xFFFFFF);       // default background
  EXPECT_EQ(ColorOfReference(0x10000005, globals), std::nullopt);   // a system colour
  globals.palette = std::vector<std::int32_t>(56, 0x010203);
  EXPECT_EQ(ColorOfReference(0x08000000 | 17, globals), 0x010203);
}

TEST(DrawingFill, TextureIsATiledPictureWithItsName) {
  const document::FillData fill =
      FillOfProperties(TableOf({{0x0180, 2}, {0x0187, 0, Utf16("Parchment")}}), WorkbookGlobals{});
  EXPECT_EQ(fill.kind, document::FillData::Kind::Picture);
  EXPECT_TRUE(fill.tiled);
  EXPECT_EQ(fill.pictureName, "Parchment");
}

TEST(DrawingObj, ReadsTypeIdCheckStateAndNoteMark) {
  const ObjRecord box = ReadObj(CheckBoxObj(4, 1));
  EXPECT_EQ(box.type, 0x0B);
  EXPECT_EQ(box.id, 4);
  EXPECT_EQ(box.checked, 1);
  EXPECT_TRUE(ReadObj(Obj(0x19, 1, Subrecord(0x0D, std::string(22, '\0')))).note);
  EXPECT_FALSE(ReadObj(Obj(0x02, 1)).note);
}

TEST(DrawingObj, IgnoresPaddingAfterTheEndAndAListsData) {
  EXPECT_EQ(ReadObj(Biff(0x5D, Cmo(0x02, 9) + Subrecord(0, "") + std::string(6, '\0'))).id, 9);
  // A drop-down's list data, whose length field is not its length, runs to the record's end.
  EXPECT_EQ(
      ReadObj(Biff(0x5D, Cmo(0x14, 5) + Le16(0x13) + Le16(0x1FEE) + std::string(20, '\0'))).id, 5);
}

TEST(DrawingObj, MalformedRecordsAreDamage) {
  EXPECT_THROW(ReadObj(Biff(0x5D, Cmo(0x02, 9))), document::ReadFault);  // no ftEnd
  EXPECT_THROW(ReadObj(Biff(0x5D, Subrecord(0x0A, std::string(12, '\0')) + Subrecord(0, ""))),
               document::ReadFault);  // no ftCmo first
  EXPECT_THROW(ReadObj(Biff(0x5D, Cmo(0x02, 9) + Le16(0x0D) + Le16(40) + std::string(4, '\0'))),
               document::ReadFault);  // a subrecord past the end
}

TEST(DrawingTxo, ReadsEightBitAndUtf16TextAcrossContinueRecords) {
  EXPECT_EQ(ReadTxo(Txo({"Caf\xE9"}, false, {{0, 0}})).text, "Caf\xC3\xA9");
  const TxoText split = ReadTxo(Txo({"Hello ", "world"}, true, {{0, 3}, {6, 7}}));
  EXPECT_EQ(split.text, "Hello world");
  ASSERT_EQ(split.runs.size(), 2u);
  EXPECT_EQ(split.runs[1].firstCharacter, 6);
  EXPECT_EQ(split.runs[1].font, 7);
}

TEST(DrawingTxo, TextLongerThanItsDataIsDamage) {
  EXPECT_THROW(ReadTxo(Txo({"short"}, false, {{0, 0}}, 40)), document::ReadFault);
  EXPECT_THROW(ReadTxo(Biff(0x01B6, std::string(10, '\0') + Le16(5) + Le16(16) + Le16(0))),
               document::ReadFault);  // characters announced, no CONTINUE
  EXPECT_THROW(ReadTxo(Biff(0x01B6, std::string(8, '\0'))), document::ReadFault);
}

}  // namespace
}  // namespace k27093::xls
