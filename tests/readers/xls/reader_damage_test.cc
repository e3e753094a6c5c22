// What damage costs a workbook: a chart or a drawing that cannot be read is lost on its own,
// the workbook opening without it; damage to what holds the workbook together refuses it.
#include <gtest/gtest.h>

#include "document/read_fault.h"
#include "readers/xls/workbook_stream.h"
#include "support/biff_stream_builder.h"
#include "support/drawing_builder.h"

namespace k27093::xls {
namespace {

using namespace testing;
using document::ReadFault;
using Kind = document::DrawingObjectData::Kind;

constexpr std::uint16_t kChartSubstream = 0x0020;
constexpr std::uint16_t kChartRecord = 0x1002;
constexpr std::uint16_t kEndRecord = 0x1034;  // an END without its BEGIN: the chart's damage

std::string Number(std::uint16_t row, std::uint16_t column, double value) {
  return U16(row) + U16(column) + U16(15) + F64(value);
}

// A chart substream: its BOF, a CHART of 400 x 300 points, `records`, its EOF.
std::string ChartOf(const StreamBuilder& records = {}) {
  return StreamBuilder()
      .Bof(kChartSubstream)
      .Add(kChartRecord, U32(0) + U32(0) + U32(400 << 16) + U32(300 << 16))
      .Append(records.bytes())
      .Eof()
      .bytes();
}
std::string DamagedChart() { return ChartOf(StreamBuilder().Add(kEndRecord)); }

// A note's drawn object (OBJ with its NTS subrecord) and text (TXO), and its NOTE record.
std::string NoteObject(std::uint16_t id, const std::string& text) {
  return Obj(0x19, id, Subrecord(0x0D, std::string(22, '\0'))) + Txo({text}, false, {{0, 0}});
}
std::string NoteRecord(std::uint16_t row, std::uint16_t column, std::uint16_t id) {
  return Biff(0x001C, U16(row) + U16(column) + U16(0) + U16(id) + Text16("Jane Doe") + U8(0));
}

// The drawing of a sheet whose shapes are two charts (objects 1 and 2) and a note (object 3):
// the OfficeArt in one MSODRAWING, then each chart's OBJ and substream, then the note's.
std::string SheetWithCharts(const std::string& firstChart, const std::string& secondChart,
                            const std::string& drawing = "") {
  const std::string anchor = SheetAnchor(1, 0, 1, 0, 3, 0, 5, 0);
  const std::string art =
      drawing.empty() ? Drawing(Patriarch() + Shape(Fsp(201, 1025) + anchor + ClientData()) +
                                Shape(Fsp(201, 1026) + anchor + ClientData()) +
                                Shape(Fsp(202, 1027) + anchor + ClientData() + ClientTextbox()))
                      : drawing;
  return Worksheet(StreamBuilder()
                       .Add(0x0203, Number(0, 0, 1.5))
                       .Append(MsoDrawing(art) + Obj(0x05, 1) + firstChart + Obj(0x05, 2) +
                               secondChart + NoteObject(3, "Note text"))
                       .Add(0x0203, Number(1, 0, 2.5))
                       .Append(NoteRecord(4, 1, 3)));
}

document::WorkbookData ReadSheets(const std::vector<SheetSpec>& sheets) {
  return ReadWorkbookStream(WorkbookStream(sheets));
}

ReadFault FaultOf(const std::string& worksheet) {
  try {
    ReadSheets({{"Sheet1", 0, worksheet}});
  } catch (const ReadFault& fault) {
    return fault;
  }
  ADD_FAILURE() << "the workbook was read";
  return ReadFault(ReadFault::Kind::NotWorkbook, "");
}

TEST(PartialDamage, AChartThatCannotBeReadLeavesItsObjectWithoutChartDataAndTheRestOpens) {
  const document::WorkbookData workbook =
      ReadSheets({{"Sheet1", 0, SheetWithCharts(DamagedChart(), ChartOf())},
                  {"Sheet2", 0, Worksheet(StreamBuilder().Add(0x0203, Number(2, 2, 3.5)))}});
  ASSERT_EQ(workbook.sheets.size(), 2u);
  const document::SheetData& sheet = workbook.sheets[0];
  ASSERT_EQ(sheet.drawing.size(), 2u);
  EXPECT_EQ(sheet.drawing[0].kind, Kind::Chart);
  EXPECT_EQ(sheet.drawing[0].name, "Chart 1");
  EXPECT_FALSE(sheet.drawing[0].chart);
  EXPECT_EQ(sheet.drawing[1].chart, std::optional<std::size_t>(0));
  EXPECT_EQ(sheet.charts.size(), 1u);
  // What follows the chart: the cell, the comment, the next sheet.
  ASSERT_EQ(sheet.cells.size(), 2u);
  EXPECT_DOUBLE_EQ(sheet.cells[1].value.AsDouble(), 2.5);
  ASSERT_EQ(sheet.comments.size(), 1u);
  EXPECT_EQ(sheet.comments[0].text, "Note text");
  EXPECT_EQ(workbook.sheets[1].cells.size(), 1u);
}

TEST(PartialDamage, ADamagedChartIsSkippedPastTheSubstreamsNestedInIt) {
  // After the damage, a nested substream whose EOF is not the chart's.
  const std::string nested = StreamBuilder().Bof(kChartSubstream).Eof().bytes();
  const document::WorkbookData workbook = ReadSheets(
      {{"Sheet1", 0,
        SheetWithCharts(ChartOf(StreamBuilder().Add(kEndRecord).Append(nested)), ChartOf())}});
  const document::SheetData& sheet = workbook.sheets.at(0);
  EXPECT_EQ(sheet.charts.size(), 1u);
  ASSERT_EQ(sheet.drawing.size(), 2u);
  EXPECT_FALSE(sheet.drawing[0].chart);
  EXPECT_EQ(sheet.drawing[1].chart, std::optional<std::size_t>(0));
  EXPECT_EQ(sheet.cells.size(), 2u);
}

TEST(PartialDamage, AChartSheetWhoseChartCannotBeReadShowsNoChart) {
  const document::WorkbookData workbook =
      ReadSheets({{"Chart1", 2, DamagedChart()}, {"Chart2", 2, ChartOf()}});
  ASSERT_EQ(workbook.sheets.size(), 2u);
  EXPECT_EQ(workbook.sheets[0].kind, document::SheetData::Kind::Chart);
  ASSERT_TRUE(workbook.sheets[0].chartSheet);
  EXPECT_FALSE(workbook.sheets[0].chartSheet->chart);
  ASSERT_TRUE(workbook.sheets[1].chartSheet);
  EXPECT_TRUE(workbook.sheets[1].chartSheet->chart);
}

TEST(PartialDamage, ADrawingThatCannotBeReadLeavesNoObjectsAndCommentsWithoutText) {
  // A container longer than the drawing, found when the shapes are placed; a text object too
  // short, found when its record is taken.
  const std::string overlong = Container(0xF002, Le32(0) + Le32(0x7FFFFFFF));
  const std::string shortText = Biff(0x01B6, "xx");
  const std::vector<std::string> sheets = {
      SheetWithCharts(ChartOf(), ChartOf(), overlong),
      Worksheet(StreamBuilder()
                    .Add(0x0203, Number(0, 0, 1.5))
                    .Append(MsoDrawing(Drawing(Patriarch())) + Obj(0x19, 3) + shortText)
                    .Append(NoteRecord(4, 1, 3)))};
  for (const std::string& worksheet : sheets) {
    const document::WorkbookData workbook = ReadSheets({{"Sheet1", 0, worksheet}});
    const document::SheetData& sheet = workbook.sheets.at(0);
    EXPECT_TRUE(sheet.drawing.empty());
    EXPECT_FALSE(sheet.cells.empty());
    ASSERT_EQ(sheet.comments.size(), 1u);
    EXPECT_EQ(sheet.comments[0].row, 5);
    EXPECT_EQ(sheet.comments[0].author, "Jane Doe");
    EXPECT_EQ(sheet.comments[0].text, "");
  }
}

TEST(PartialDamage, DamageToTheSheetsOwnRecordsOrStructureStillRefusesTheWorkbook) {
  // A chart without EOF: the stream ends inside it.
  const std::string endless = StreamBuilder().Bof(kChartSubstream).Add(kEndRecord).bytes();
  const ReadFault noEof = FaultOf(StreamBuilder().Bof(0x0010).Append(endless).bytes());
  EXPECT_EQ(noEof.kind(), ReadFault::Kind::Damaged);
  EXPECT_NE(noEof.reason().find("has no EOF"), std::string::npos) << noEof.reason();

  // A damaged chart whose record framing is broken: a record longer than the stream.
  const std::string cut = StreamBuilder().Bof(kChartSubstream).Add(kEndRecord).bytes() +
                          U16(0x1003) + U16(200) + "short";
  const ReadFault framing = FaultOf(StreamBuilder().Bof(0x0010).Append(cut).bytes());
  EXPECT_NE(framing.reason().find("longer than the stream"), std::string::npos) << framing.reason();

  // A cell that cannot be read, after a chart that could not.
  const ReadFault cell = FaultOf(
      Worksheet(StreamBuilder().Append(Obj(0x05, 1) + DamagedChart()).Add(0x0203, "three")));
  EXPECT_EQ(cell.kind(), ReadFault::Kind::Damaged);
  EXPECT_NE(cell.reason().find("0x0203"), std::string::npos) << cell.reason();

  // A chart saved by Excel 5.0/95 inside a sheet refuses the workbook.
  const std::string old =
      StreamBuilder().Add(0x0809, BofData(kChartSubstream, 0x0500)).Eof().bytes();
  EXPECT_EQ(FaultOf(Worksheet(StreamBuilder().Append(old))).kind(), ReadFault::Kind::Refused);
}

}  // namespace
}  // namespace k27093::xls
