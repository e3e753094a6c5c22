#include <gtest/gtest.h>

#include <optional>

#include "document/read_fault.h"
#include "readers/xls/workbook_stream.h"
#include "support/biff_stream_builder.h"

namespace k27093::xls {
namespace {

using namespace testing;
using document::ReadFault;

std::string Number(std::uint16_t row, std::uint16_t column, double value) {
  return U16(row) + U16(column) + U16(15) + F64(value);
}

ReadFault FaultOf(const std::string& stream) {
  try {
    ReadWorkbookStream(stream);
  } catch (const ReadFault& fault) {
    return fault;
  }
  ADD_FAILURE() << "the workbook was read";
  return ReadFault(ReadFault::Kind::NotWorkbook, "");
}

TEST(WorkbookStream, ReadsEachSheetsSubstreamWhereItsBoundSheetSays) {
  // The third tab is active; the VB module before it is no sheet, so it is the second sheet.
  StreamBuilder globals;
  globals.Add(0x003D, U16(0) + U16(0) + U16(100) + U16(100) + U16(0x38) + U16(2) + U16(0) + U16(1) +
                          U16(600));
  const std::string stream = WorkbookStream(
      {{"Module1", 6, ""},
       {"First", 0, Worksheet(StreamBuilder().Add(0x0203, Number(0, 0, 1.5)))},
       {"Second", 0, Worksheet(StreamBuilder().Add(0x0203, Number(1, 1, 2.5)))},
       {"Macro1", 1, Worksheet(StreamBuilder().Add(0x0203, Number(2, 2, 3.5)), 0x0040)}},
      globals);
  const document::WorkbookData workbook = ReadWorkbookStream(stream);
  ASSERT_EQ(workbook.sheets.size(), 3u);
  EXPECT_EQ(workbook.activeSheet, 1u);
  const std::pair<std::int32_t, double> expected[] = {{1, 1.5}, {2, 2.5}, {3, 3.5}};
  for (std::size_t i = 0; i < 3; ++i) {
    const document::SheetData& sheet = workbook.sheets[i];
    EXPECT_EQ(sheet.kind, document::SheetData::Kind::Worksheet);
    ASSERT_EQ(sheet.cells.size(), 1u) << sheet.name;
    EXPECT_EQ(sheet.cells[0].row, expected[i].first);
    EXPECT_EQ(sheet.cells[0].column, expected[i].first);
    EXPECT_DOUBLE_EQ(sheet.cells[0].value.AsDouble(), expected[i].second);
  }
  EXPECT_EQ(workbook.sheets[0].name, "First");
  EXPECT_EQ(workbook.sheets[2].name, "Macro1");
}

TEST(WorkbookStream, SheetsWhoseOffsetLeadsNowhereAreDamageNamingTheSheet) {
  const std::string body = Worksheet(StreamBuilder());
  const ReadFault beyond = FaultOf(WorkbookStream({{"Lost", 0, body, 100000}}));
  EXPECT_EQ(beyond.kind(), ReadFault::Kind::Damaged);
  EXPECT_NE(beyond.reason().find("'Lost'"), std::string::npos) << beyond.reason();

  // An offset inside the globals, at the BOUNDSHEET record: no BOF there.
  const ReadFault noBof = FaultOf(WorkbookStream({{"Astray", 0, body, 20}}));
  EXPECT_EQ(noBof.kind(), ReadFault::Kind::Damaged);
  EXPECT_NE(noBof.reason().find("'Astray'"), std::string::npos) << noBof.reason();

  // Two bytes before the end: a record header cut off.
  const std::string whole = WorkbookStream({{"Cut", 0, body}});
  const ReadFault cut =
      FaultOf(WorkbookStream({{"Cut", 0, body, static_cast<std::uint32_t>(whole.size() - 2)}}));
  EXPECT_NE(cut.reason().find("'Cut'"), std::string::npos) << cut.reason();
}

TEST(WorkbookStream, SubstreamsThatAreNoSheetOrNeverEndAreDamage) {
  EXPECT_EQ(FaultOf(WorkbookStream({{"Globals", 0, Worksheet(StreamBuilder(), 0x0005)}})).kind(),
            ReadFault::Kind::Damaged);
  const std::string endless = StreamBuilder().Bof(0x0010).Add(0x0203, Number(0, 0, 1)).bytes();
  EXPECT_EQ(FaultOf(WorkbookStream({{"Endless", 0, endless}})).kind(), ReadFault::Kind::Damaged);
  // A substream inside a worksheet must be a chart.
  const std::string nested = Worksheet(StreamBuilder().Bof(0x0010).Eof());
  EXPECT_EQ(FaultOf(WorkbookStream({{"Nested", 0, nested}})).kind(), ReadFault::Kind::Damaged);
}

TEST(WorkbookStream, WorksheetsKeepTheirSelectionAndProtection) {
  StreamBuilder records;
  records.Add(0x0012, U16(1))
      .Add(0x0013, U16(0x83AF))
      .Add(0x001D, U8(3) + U16(4) + U16(1) + U16(0) + U16(1) + U16(4) + U16(4) + U8(1) + U8(1));
  const document::WorkbookData workbook =
      ReadWorkbookStream(WorkbookStream({{"Locked", 0, Worksheet(records)}}));
  const document::SheetData& sheet = workbook.sheets.at(0);
  EXPECT_TRUE(sheet.protection.on);
  EXPECT_EQ(sheet.protection.password.legacy, 0x83AF);
  EXPECT_EQ(sheet.selection, "B5");
}

}  // namespace
}  // namespace k27093::xls
