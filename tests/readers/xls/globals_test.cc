#include <gtest/gtest.h>

#include "document/read_fault.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"
#include "support/biff_stream_builder.h"

namespace k27093::xls {
namespace {

using namespace testing;
using document::ReadFault;

constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kSst = 0x00FC;

std::string BoundSheet(std::uint32_t offset, std::uint8_t visibility, std::uint8_t type,
                       std::string_view name) {
  return U32(offset) + U8(visibility) + U8(type) + ShortText(name);
}

// The globals of a substream holding `records` between its BOF and EOF.
WorkbookGlobals GlobalsOf(const StreamBuilder& records) {
  StreamBuilder stream;
  stream.Bof(0x0005).Append(records.bytes()).Eof();
  RecordStream reader(stream.bytes(), "Workbook");
  return ReadWorkbookGlobals(reader);
}

ReadFault::Kind FaultOf(const StreamBuilder& stream) {
  RecordStream reader(stream.bytes(), "Workbook");
  try {
    ReadWorkbookGlobals(reader);
  } catch (const ReadFault& fault) {
    return fault.kind();
  }
  ADD_FAILURE() << "the globals were read";
  return ReadFault::Kind::NotWorkbook;
}

ReadFault::Kind FaultOfGlobals(const StreamBuilder& records) {
  StreamBuilder stream;
  stream.Bof(0x0005).Append(records.bytes()).Eof();
  return FaultOf(stream);
}

TEST(GlobalsSheets, ListsSheetsInTabOrderWithTheirKindAndOffset) {
  StreamBuilder records;
  records.Add(0x0085, BoundSheet(1000, 0, 0, "Data"))
      .Add(0x0085, BoundSheet(2000, 1, 2, "Chart1"))
      .Add(0x0085, BoundSheet(3000, 2, 1, "Macro1"));
  const WorkbookGlobals globals = GlobalsOf(records);
  ASSERT_EQ(globals.sheets.size(), 3u);
  EXPECT_EQ(globals.sheets[0].name, "Data");
  EXPECT_EQ(globals.sheets[0].streamOffset, 1000u);
  EXPECT_EQ(globals.sheets[0].kind, document::SheetData::Kind::Worksheet);
  EXPECT_EQ(globals.sheets[1].name, "Chart1");
  EXPECT_EQ(globals.sheets[1].kind, document::SheetData::Kind::Chart);
  EXPECT_EQ(globals.sheets[1].visibility, 1);
  EXPECT_EQ(globals.sheets[2].type, 1);
  EXPECT_EQ(globals.sheets[2].visibility, 2);
  EXPECT_EQ(globals.sheets[2].streamOffset, 3000u);
}

TEST(GlobalsSheets, ReadsUnicodeSheetNames) {
  StreamBuilder records;
  records.Add(0x0085, U32(0) + U8(0) + U8(0) + WideShortText(u"Feuil\u00e9\u4e00"));
  EXPECT_EQ(GlobalsOf(records).sheets.at(0).name, "Feuil\xC3\xA9\xE4\xB8\x80");
}

std::string Window1(std::uint16_t activeTab) {
  return U16(0) + U16(0) + U16(0x3000) + U16(0x2000) + U16(0x38) + U16(activeTab) + U16(0) +
         U16(1) + U16(600);
}

TEST(GlobalsSheets, ActiveSheetIsWindow1sCurrentTabWithinTheSheets) {
  StreamBuilder records;
  records.Add(0x003D, Window1(1))
      .Add(0x0085, BoundSheet(0, 0, 0, "A"))
      .Add(0x0085, BoundSheet(0, 0, 0, "B"));
  EXPECT_EQ(GlobalsOf(records).activeSheet, 1u);

  StreamBuilder beyond;
  beyond.Add(0x003D, Window1(7)).Add(0x0085, BoundSheet(0, 0, 0, "A"));
  EXPECT_EQ(GlobalsOf(beyond).activeSheet, 0u);
}

TEST(GlobalsSharedStrings, ReadsStringsAcrossContinueRecords) {
  // "abc" 8-bit, then "xy" whose characters switch to UTF-16 at the CONTINUE boundary, then a
  // UTF-16 string read whole in the CONTINUE.
  const std::string first = U32(5) + U32(3) + Text16("abc") + U16(5) + U8(0) + "xyz";
  const std::string second = U8(1) + U16(0x00E9) + U16(0x4E00) + WideText16(u"\u00fcber");
  StreamBuilder records;
  records.Add(kSst, first).Add(kContinue, second);
  const WorkbookGlobals globals = GlobalsOf(records);
  ASSERT_EQ(globals.sharedStrings.size(), 3u);
  EXPECT_EQ(globals.sharedStrings[0], "abc");
  EXPECT_EQ(globals.sharedStrings[1], "xyz\xC3\xA9\xE4\xB8\x80");
  EXPECT_EQ(globals.sharedStrings[2],
            "\xC3\xBC"
            "ber");
}

TEST(GlobalsSharedStrings, SkipsRichRunsAndExtendedDataEvenAcrossContinueRecords) {
  // A rich string (2 runs of 4 bytes), whose runs run on into the CONTINUE, then a string with
  // 3 bytes of phonetic data, then a plain one.
  const std::string rich = U16(4) + U8(0x08) + U16(2) + "bold" + U32(0x00010000) + U8(2);
  const std::string continued =
      U8(0) + U16(3) + U16(3) + U8(0x04) + U32(3) + "kan" + "\x01\x02\x03" + Text16("end");
  StreamBuilder records;
  records.Add(kSst, U32(3) + U32(3) + rich).Add(kContinue, continued);
  const WorkbookGlobals globals = GlobalsOf(records);
  EXPECT_EQ(globals.sharedStrings, (std::vector<std::string>{"bold", "kan", "end"}));
}

TEST(GlobalsSharedStrings, MoreStringsAnnouncedThanPresentIsDamage) {
  StreamBuilder records;
  records.Add(kSst, U32(3) + U32(3) + Text16("one") + Text16("two"));
  EXPECT_EQ(FaultOfGlobals(records), ReadFault::Kind::Damaged);
}

TEST(GlobalsSharedStrings, AHugeCountWithFewBytesIsDamageNotAnAllocation) {
  StreamBuilder records;
  records.Add(kSst, U32(0xFFFFFFFF) + U32(0xFFFFFFFF) + Text16("one"));
  EXPECT_EQ(FaultOfGlobals(records), ReadFault::Kind::Damaged);
}

TEST(GlobalsSharedStrings, AStringLongerThanItsRecordsIsDamage) {
  StreamBuilder records;
  records.Add(kSst, U32(1) + U32(1) + U16(40) + U8(0) + "short");
  EXPECT_EQ(FaultOfGlobals(records), ReadFault::Kind::Damaged);
}

TEST(GlobalsRefusal, EncryptedWorkbookIsRefused) {
  StreamBuilder records;
  records.Add(0x002F, U16(1) + std::string(52, '\0'));
  StreamBuilder stream;
  stream.Bof(0x0005).Append(records.bytes()).Eof();
  RecordStream reader(stream.bytes(), "Workbook");
  try {
    ReadWorkbookGlobals(reader);
    FAIL() << "an encrypted workbook was read";
  } catch (const ReadFault& fault) {
    EXPECT_EQ(fault.kind(), ReadFault::Kind::Refused);
    EXPECT_NE(fault.reason().find("encrypted"), std::string::npos);
  }
}

TEST(GlobalsRefusal, Biff5AndOlderBofsAreRefused) {
  StreamBuilder biff5;
  biff5.Add(0x0809, BofData(0x0005, 0x0500)).Eof();
  EXPECT_EQ(FaultOf(biff5), ReadFault::Kind::Refused);
  StreamBuilder biff4;
  biff4.Add(0x0409, U16(0) + U16(0x0100)).Eof();
  EXPECT_EQ(FaultOf(biff4), ReadFault::Kind::Refused);
}

TEST(GlobalsDamage, StreamWithoutGlobalsBofOrEofIsDamaged) {
  StreamBuilder worksheetFirst;
  worksheetFirst.Bof(0x0010).Eof();
  EXPECT_EQ(FaultOf(worksheetFirst), ReadFault::Kind::Damaged);
  StreamBuilder noBof;
  noBof.Add(0x0085, BoundSheet(0, 0, 0, "A")).Eof();
  EXPECT_EQ(FaultOf(noBof), ReadFault::Kind::Damaged);
  StreamBuilder noEof;
  noEof.Bof(0x0005).Add(0x0085, BoundSheet(0, 0, 0, "A"));
  EXPECT_EQ(FaultOf(noEof), ReadFault::Kind::Damaged);
  EXPECT_EQ(FaultOf(StreamBuilder()), ReadFault::Kind::Damaged);
}

TEST(GlobalsDamage, TruncatedRecordsAreDamaged) {
  StreamBuilder sheet;
  sheet.Add(0x0085, U32(0) + U8(0));
  EXPECT_EQ(FaultOfGlobals(sheet), ReadFault::Kind::Damaged);
  StreamBuilder font;
  font.Add(0x0031, U16(200) + U16(0));
  EXPECT_EQ(FaultOfGlobals(font), ReadFault::Kind::Damaged);
  StreamBuilder references;
  references.Add(0x0017, U16(3) + U16(0) + U16(0) + U16(0));
  EXPECT_EQ(FaultOfGlobals(references), ReadFault::Kind::Damaged);
}

TEST(GlobalsPalette, StatedColoursReplaceTheDefaultsAsColourNumbers) {
  StreamBuilder records;
  // Index 8 becomes R 0x11 G 0x22 B 0x33, index 9 pure blue; the rest keep their defaults.
  records.Add(0x0092,
              U16(2) + std::string("\x11\x22\x33\x00", 4) + std::string("\x00\x00\xFF\x00", 4));
  const WorkbookGlobals globals = GlobalsOf(records);
  EXPECT_EQ(globals.ColorOfIndex(8), 0x11 + 256 * 0x22 + 65536 * 0x33);
  EXPECT_EQ(globals.ColorOfIndex(9), 0xFF * 65536);
  EXPECT_EQ(globals.ColorOfIndex(10), DefaultPalette()[2]);
  StreamBuilder tooMany;
  tooMany.Add(0x0092, U16(57) + std::string(57 * 4, '\0'));
  EXPECT_EQ(FaultOfGlobals(tooMany), ReadFault::Kind::Damaged);
}

std::string Font(std::uint16_t twips, std::uint16_t grbit, std::uint16_t icv, std::uint16_t weight,
                 std::uint8_t underline, std::string_view name) {
  return U16(twips) + U16(grbit) + U16(icv) + U16(weight) + U16(0) + U8(underline) + U8(2) + U8(0) +
         U8(0) + ShortText(name);
}

TEST(GlobalsFonts, ReadsEachFontAndNumbersThemWithoutIndexFour) {
  StreamBuilder records;
  records.Add(0x0031, Font(200, 0, 0x7FFF, 400, 0, "Arial"))
      .Add(0x0031, Font(240, 0x0002, 10, 700, 1, "Times New Roman"))
      .Add(0x0031, Font(200, 0, 0x7FFF, 400, 0, "Arial"))
      .Add(0x0031, Font(200, 0, 0x7FFF, 400, 0, "Arial"))
      .Add(0x0031, Font(360, 0, 12, 400, 0, "Verdana"));
  const WorkbookGlobals globals = GlobalsOf(records);
  ASSERT_EQ(globals.fonts.size(), 5u);
  const FontEntry* second = globals.FontOf(1);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->name, "Times New Roman");
  EXPECT_DOUBLE_EQ(second->points, 12);
  EXPECT_TRUE(second->bold);
  EXPECT_TRUE(second->italic);
  EXPECT_TRUE(second->underline);
  EXPECT_EQ(second->colorIndex, 10);
  const FontEntry* first = globals.FontOf(0);
  EXPECT_FALSE(first->bold || first->italic || first->underline);
  EXPECT_EQ(globals.FontOf(4), nullptr);
  ASSERT_NE(globals.FontOf(5), nullptr);
  EXPECT_EQ(globals.FontOf(5)->name, "Verdana");
  EXPECT_DOUBLE_EQ(globals.FontOf(5)->points, 18);
}

std::string Xti(std::uint16_t book, std::int16_t first, std::int16_t last) {
  return U16(book) + U16(static_cast<std::uint16_t>(first)) + U16(static_cast<std::uint16_t>(last));
}

TEST(GlobalsReferences, SheetReferencesQuoteNamesAndSkipOtherBooksAndSpecialSheets) {
  StreamBuilder records;
  records.Add(0x0085, BoundSheet(0, 0, 0, "Sheet1"))
      .Add(0x0085, BoundSheet(0, 0, 0, "Template 1"))
      .Add(0x01AE, U16(2) + U16(0x0401))                                 // this workbook
      .Add(0x01AE, U16(1) + U16(0) + U8(0) + Text16("x.xls").substr(2))  // another file
      .Add(0x01AE, U16(1) + U16(0x3A01))                                 // add-in functions
      .Add(0x0017,
           U16(5) + Xti(0, 1, 1) + Xti(0, 0, 1) + Xti(1, 0, 0) + Xti(0, -2, -2) + Xti(2, 0, 0));
  const WorkbookGlobals globals = GlobalsOf(records);
  ASSERT_EQ(globals.selfBooks, (std::vector<bool>{true, false, false}));
  EXPECT_EQ(globals.SheetReference(0), "'Template 1'");
  EXPECT_EQ(globals.SheetReference(1), "'Sheet1:Template 1'");
  EXPECT_EQ(globals.SheetReference(2), std::nullopt);
  EXPECT_EQ(globals.SheetReference(3), std::nullopt);
  EXPECT_EQ(globals.SheetReference(4), std::nullopt);
  EXPECT_EQ(globals.SheetReference(5), std::nullopt);
}

TEST(GlobalsDrawingGroup, JoinsTheDrawingGroupWithItsContinueRecords) {
  StreamBuilder records;
  records.Add(0x00EB, "abc").Add(kContinue, "def");
  EXPECT_EQ(GlobalsOf(records).drawingGroup, "abcdef");
}

}  // namespace
}  // namespace k27093::xls
