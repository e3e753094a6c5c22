#include <array>

#include <gtest/gtest.h>

#include "document/read_fault.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"
#include "readers/xls/worksheet_content.h"
#include "support/biff_stream_builder.h"

namespace k27093::xls {
namespace {

using namespace testing;
using document::ReadFault;

struct Content {
  document::SheetData sheet;
  document::SheetLayoutSource layout;
  std::vector<NoteEntry> notes;
  std::vector<std::uint16_t> untaken;  // the records the content did not take
};

Content ContentOf(const StreamBuilder& records, const WorkbookGlobals& globals = {}) {
  Content content;
  RecordStream stream(records.bytes(), "Workbook");
  WorksheetContent reader(stream, globals, content.sheet);
  while (const std::optional<Record> record = stream.Next()) {
    if (!reader.Take(*record)) content.untaken.push_back(record->type);
  }
  reader.Finish();
  content.layout = reader.layout();
  content.notes = reader.notes();
  return content;
}

bool IsDamage(const StreamBuilder& records, const WorkbookGlobals& globals = {}) {
  try {
    ContentOf(records, globals);
  } catch (const ReadFault& fault) {
    return fault.kind() == ReadFault::Kind::Damaged;
  }
  return false;
}

std::string Cell(std::uint16_t row, std::uint16_t column) {
  return U16(row) + U16(column) + U16(15);
}

std::string Formula(std::uint16_t row, std::uint16_t column, const std::string& result) {
  return Cell(row, column) + result + U16(0) + U32(0) + U16(0);
}

// A formula result that is no number: its kind, a detail byte, and 0xFFFF at the end.
std::string SpecialResult(std::uint8_t kind, std::uint8_t detail = 0) {
  return U8(kind) + U8(0) + U8(detail) + U8(0) + U16(0) + U16(0xFFFF);
}

const Variant& ValueAt(const Content& content, std::int32_t row, std::int32_t column) {
  for (const document::CellData& cell : content.sheet.cells) {
    if (cell.row == row && cell.column == column) return cell.value;
  }
  static const Variant missing;
  ADD_FAILURE() << "no cell at row " << row << ", column " << column;
  return missing;
}

TEST(WorksheetCells, ReadsTextsNumbersAndBooleansAtOneBasedPositions) {
  WorkbookGlobals globals;
  globals.sharedStrings = {"first", "blocked"};
  StreamBuilder records;
  records.Add(0x00FD, Cell(82, 0) + U32(1))
      .Add(0x0204, Cell(0, 1) + Text16("label"))
      .Add(0x0203, Cell(2, 255) + F64(-12.75))
      .Add(0x0205, Cell(3, 3) + U8(1) + U8(0))
      .Add(0x0205, Cell(3, 4) + U8(0) + U8(0));
  const Content content = ContentOf(records, globals);
  ASSERT_EQ(content.sheet.cells.size(), 5u);
  EXPECT_EQ(content.sheet.cells[0].row, 83);
  EXPECT_EQ(content.sheet.cells[0].column, 1);
  EXPECT_EQ(content.sheet.cells[0].value.AsText(), "blocked");
  EXPECT_EQ(ValueAt(content, 1, 2).AsText(), "label");
  EXPECT_DOUBLE_EQ(ValueAt(content, 3, 256).AsDouble(), -12.75);
  EXPECT_EQ(ValueAt(content, 4, 4).AsBoolean(), true);
  EXPECT_EQ(ValueAt(content, 4, 5).AsBoolean(), false);
}

TEST(WorksheetCells, ErrorCellsHoldTheirTextAsTheXlsxReaderGivesThem) {
  StreamBuilder records;
  const std::uint8_t codes[] = {0x00, 0x07, 0x0F, 0x17, 0x1D, 0x24, 0x2A};
  for (std::uint16_t i = 0; i < 7; ++i) records.Add(0x0205, Cell(0, i) + U8(codes[i]) + U8(1));
  const Content content = ContentOf(records);
  std::vector<std::string> texts;
  for (const document::CellData& cell : content.sheet.cells) texts.push_back(cell.value.AsText());
  EXPECT_EQ(texts, (std::vector<std::string>{"#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?",
                                             "#NUM!", "#N/A"}));
}

TEST(WorksheetCells, DecodesEachFormOfRkNumbers) {
  StreamBuilder records;
  records
      .Add(0x027E, Cell(0, 0) + U32((5u << 2) | 0x02))     // integer
      .Add(0x027E, Cell(0, 1) + U32((1234u << 2) | 0x03))  // integer / 100
      .Add(0x027E, Cell(0, 2) + U32(0x3FF80000))           // double 1.5
      .Add(0x027E, Cell(0, 3) + U32(0x3FF40000 | 0x01))    // double 1.25 / 100
      .Add(0x027E, Cell(0, 4) + U32(static_cast<std::uint32_t>(-3 * 4) | 0x02));  // -3
  const Content content = ContentOf(records);
  EXPECT_DOUBLE_EQ(ValueAt(content, 1, 1).AsDouble(), 5);
  EXPECT_DOUBLE_EQ(ValueAt(content, 1, 2).AsDouble(), 12.34);
  EXPECT_DOUBLE_EQ(ValueAt(content, 1, 3).AsDouble(), 1.5);
  EXPECT_DOUBLE_EQ(ValueAt(content, 1, 4).AsDouble(), 0.0125);
  EXPECT_DOUBLE_EQ(ValueAt(content, 1, 5).AsDouble(), -3);
}

TEST(WorksheetCells, MulRkGivesOneCellPerNumberFromItsFirstColumn) {
  StreamBuilder records;
  records.Add(0x00BD,
              U16(4) + U16(2) + U16(15) + U32((7u << 2) | 2) + U16(15) + U32(0x3FF80000) + U16(3));
  const Content content = ContentOf(records);
  ASSERT_EQ(content.sheet.cells.size(), 2u);
  EXPECT_DOUBLE_EQ(ValueAt(content, 5, 3).AsDouble(), 7);
  EXPECT_DOUBLE_EQ(ValueAt(content, 5, 4).AsDouble(), 1.5);
}

TEST(WorksheetCells, FormulasGiveTheirCachedResult) {
  StreamBuilder records;
  records.Add(0x0006, Formula(0, 0, F64(42.5)))
      .Add(0x0006, Formula(1, 0, SpecialResult(0)))
      .Add(0x04BC, "shared formula")  // may come between a formula and its STRING
      .Add(0x0207, Text16("text result"))
      .Add(0x0006, Formula(2, 0, SpecialResult(1, 1)))
      .Add(0x0006, Formula(3, 0, SpecialResult(2, 0x2A)))
      .Add(0x0006, Formula(4, 0, SpecialResult(3)));
  const Content content = ContentOf(records);
  ASSERT_EQ(content.sheet.cells.size(), 5u);
  EXPECT_DOUBLE_EQ(ValueAt(content, 1, 1).AsDouble(), 42.5);
  EXPECT_EQ(ValueAt(content, 2, 1).AsText(), "text result");
  EXPECT_EQ(ValueAt(content, 3, 1).AsBoolean(), true);
  EXPECT_EQ(ValueAt(content, 4, 1).AsText(), "#N/A");
  EXPECT_EQ(ValueAt(content, 5, 1).AsText(), "");
}

TEST(WorksheetCells, FormulaTextRunsOnIntoContinueRecords) {
  StreamBuilder records;
  records.Add(0x0006, Formula(0, 0, SpecialResult(0)))
      .Add(0x0207, U16(6) + U8(0) + "abc")
      .Add(0x003C, U8(1) + U16(u'd') + U16(u'e') + U16(0x20AC));
  EXPECT_EQ(ValueAt(ContentOf(records), 1, 1).AsText(), "abcde\xE2\x82\xAC");
}

TEST(WorksheetCells, BlankCellsAreLeftOutButTaken) {
  StreamBuilder records;
  records.Add(0x0201, Cell(0, 0)).Add(0x00BE, U16(0) + U16(1) + U16(15) + U16(15) + U16(2));
  const Content content = ContentOf(records);
  EXPECT_TRUE(content.sheet.cells.empty());
  EXPECT_TRUE(content.untaken.empty());
}

TEST(WorksheetCells, UnreadableCellsAreDamage) {
  WorkbookGlobals globals;
  globals.sharedStrings = {"only"};
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(0x00FD, Cell(0, 0) + U32(1)), globals));
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(0x0203, Cell(0, 256) + F64(1))));
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(0x0203, Cell(0, 0) + "1234")));
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(0x0205, Cell(0, 0) + U8(0x99) + U8(1))));
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(0x0006, Formula(0, 0, SpecialResult(9)))));
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(0x0203, Cell(0, 0) + U32(0) + U32(0x7FF00000))));
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(
      0x00BD, U16(0) + U16(250) + U16(15) + std::string(6 * 7 - 2, '\0') + U16(0))));
}

TEST(WorksheetLayout, ReadsDefaultWidthColumnSpansDefaultHeightAndRows) {
  StreamBuilder records;
  records.Add(0x0055, U16(10))
      .Add(0x007D, U16(1) + U16(3) + U16(2340) + U16(15) + U16(0) + U16(0))
      .Add(0x007D, U16(4) + U16(4) + U16(2340) + U16(15) + U16(1) + U16(0))
      .Add(0x007D, U16(200) + U16(256) + U16(512) + U16(15) + U16(0) + U16(0))
      .Add(0x0225, U16(0) + U16(300))
      .Add(0x0208, U16(1) + U16(0) + U16(1) + U16(600) + U16(0) + U16(0) + U32(0x0140))
      .Add(0x0208, U16(2) + U16(0) + U16(1) + U16(255) + U16(0) + U16(0) + U32(0x0160));
  const Content content = ContentOf(records);
  const document::SheetLayoutSource& layout = content.layout;
  EXPECT_EQ(layout.baseColumnWidth, 10);
  ASSERT_EQ(layout.columns.size(), 3u);
  EXPECT_EQ(layout.columns[0].first, 2);
  EXPECT_EQ(layout.columns[0].last, 4);
  EXPECT_DOUBLE_EQ(*layout.columns[0].width, 9.140625);
  EXPECT_FALSE(layout.columns[0].hidden);
  EXPECT_TRUE(layout.columns[1].hidden);
  EXPECT_EQ(layout.columns[2].last, 256);
  EXPECT_EQ(layout.defaultRowHeight, 15);
  ASSERT_EQ(layout.rows.size(), 2u);
  EXPECT_EQ(layout.rows[0], std::make_pair(2, 30.0));
  EXPECT_EQ(layout.rows[1], std::make_pair(3, 0.0));

  // Placed as the spreadsheet places objects: column A 80 pixels wide (10 characters and
  // padding, to a multiple of 8), B to D 64 pixels, E hidden; row 2 30 points, row 3 hidden.
  const document::SheetLayout placed(layout);
  EXPECT_DOUBLE_EQ(placed.ColumnLeft(1), 60);
  EXPECT_DOUBLE_EQ(placed.ColumnLeft(4), 60 + 3 * 48);
  EXPECT_DOUBLE_EQ(placed.ColumnLeft(5), 60 + 3 * 48);
  EXPECT_DOUBLE_EQ(placed.RowTop(4), 15 + 30 + 0 + 15);
}

TEST(WorksheetLayout, RowsHiddenByDefaultTakeNoRoom) {
  StreamBuilder records;
  records.Add(0x0225, U16(0x0002) + U16(300));
  EXPECT_EQ(ContentOf(records).layout.defaultRowHeight, 0);
  EXPECT_TRUE(IsDamage(
      StreamBuilder().Add(0x007D, U16(5) + U16(4) + U16(2340) + U16(15) + U16(0) + U16(0))));
}

std::string Selection(std::uint8_t pane, std::uint16_t row, std::uint16_t column,
                      const std::vector<std::array<std::uint16_t, 4>>& areas) {
  std::string data =
      U8(pane) + U16(row) + U16(column) + U16(0) + U16(static_cast<std::uint16_t>(areas.size()));
  for (const auto& area : areas) {
    data += U16(area[0]) + U16(area[1]) + U8(static_cast<std::uint8_t>(area[2])) +
            U8(static_cast<std::uint8_t>(area[3]));
  }
  return data;
}

TEST(WorksheetSelection, GivesTheActivePanesAreaThatHoldsTheActiveCell) {
  StreamBuilder records;
  records.Add(0x0041, U16(0) + U16(1200) + U16(2) + U16(0) + U8(0) + U8(0))
      .Add(0x001D, Selection(3, 0, 0, {{0, 0, 0, 0}}))
      .Add(0x001D, Selection(0, 4, 2, {{1, 2, 1, 2}, {4, 5, 2, 3}}));
  EXPECT_EQ(ContentOf(records).sheet.selection, "C5:D6");
}

TEST(WorksheetSelection, WithoutPaneTheTopLeftPanesSelectionCounts) {
  StreamBuilder single;
  single.Add(0x001D, Selection(3, 11, 3, {{11, 11, 3, 3}}));
  EXPECT_EQ(ContentOf(single).sheet.selection, "D12");
  StreamBuilder activeOutside;
  activeOutside.Add(0x001D, Selection(3, 0, 0, {{1, 99, 26, 27}}));
  EXPECT_EQ(ContentOf(activeOutside).sheet.selection, "AA2:AB100");
  StreamBuilder noArea;
  noArea.Add(0x001D, Selection(3, 65535, 255, {}));
  EXPECT_EQ(ContentOf(noArea).sheet.selection, "IV65536");
  EXPECT_EQ(ContentOf(StreamBuilder()).sheet.selection, "");
  EXPECT_TRUE(IsDamage(StreamBuilder().Add(0x001D, U8(3) + U16(0) + U16(0) + U16(0) + U16(2))));
}

TEST(WorksheetProtection, ProtectAndPasswordGiveTheProtectionAndItsLegacyHash) {
  StreamBuilder records;
  records.Add(0x0012, U16(1)).Add(0x0013, U16(0xCBEB));
  const Content locked = ContentOf(records);
  EXPECT_TRUE(locked.sheet.protection.on);
  EXPECT_EQ(locked.sheet.protection.password.legacy, 0xCBEB);

  StreamBuilder withoutPassword;
  withoutPassword.Add(0x0012, U16(1)).Add(0x0013, U16(0));
  const Content open = ContentOf(withoutPassword);
  EXPECT_TRUE(open.sheet.protection.on);
  EXPECT_FALSE(open.sheet.protection.password.stated());
  EXPECT_FALSE(ContentOf(StreamBuilder().Add(0x0012, U16(0))).sheet.protection.on);
}

TEST(WorksheetNotes, NoteRecordsGiveCellAuthorAndObject) {
  StreamBuilder records;
  records.Add(0x001C, U16(3) + U16(1) + U16(0) + U16(7) + Text16("Jane Doe") + U8(0));
  const Content content = ContentOf(records);
  ASSERT_EQ(content.notes.size(), 1u);
  EXPECT_EQ(content.notes[0].row, 4);
  EXPECT_EQ(content.notes[0].column, 2);
  EXPECT_EQ(content.notes[0].objectId, 7);
  EXPECT_EQ(content.notes[0].author, "Jane Doe");
}

TEST(WorksheetContentRecords, LeavesDrawingRecordsToTheDrawing) {
  StreamBuilder records;
  records.Add(0x00EC, "drawing").Add(0x005D, "object").Add(0x01B6, "text");
  EXPECT_EQ(ContentOf(records).untaken, (std::vector<std::uint16_t>{0x00EC, 0x005D, 0x01B6}));
}

}  // namespace
}  // namespace k27093::xls
