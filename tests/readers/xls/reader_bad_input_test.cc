// Bad input end to end: compound files built around built Workbook streams, damaged in the
// container, in the record framing or in the records, each refused with the spreadsheet's
// error 1004 naming the file and the reason (or, where only a chart is lost, opened).
#include <gtest/gtest.h>

#include "api/error.h"
#include "readers/xls/reader.h"
#include "support/biff_stream_builder.h"
#include "support/compound_file_builder.h"

namespace k27093::xls {
namespace {

using cfb::testing::BuiltFile;
using cfb::testing::CompoundFileBuilder;
using namespace testing;

constexpr std::string_view kFileName = "Ventes 2024.xls";
constexpr std::uint16_t kContinue = 0x003C;

std::string Number(std::uint16_t row, std::uint16_t column, double value) {
  return U16(row) + U16(column) + U16(15) + F64(value);
}

// A formula cell whose result is text, given by the STRING record after it.
std::string TextFormula(std::uint16_t row, std::uint16_t column) {
  return U16(row) + U16(column) + U16(15) + U16(0) + U16(0) + U16(0) + U16(0xFFFF) + U16(0) +
         U32(0) + U16(0);
}

// A chart substream with one series record.
std::string Chart(const StreamBuilder& records) {
  return StreamBuilder()
      .Bof(0x0020)
      .Add(0x1002, U32(0) + U32(0) + U32(400 << 16) + U32(300 << 16))
      .Append(records.bytes())
      .Eof()
      .bytes();
}

// The Workbook stream of one worksheet "Sheet1" holding `records`; `globals` go after the
// globals' BOF.
std::string OneSheetStream(const StreamBuilder& records, const StreamBuilder& globals = {}) {
  return WorkbookStream({{"Sheet1", 0, Worksheet(records)}}, globals);
}
std::string OneCellStream() {
  return OneSheetStream(StreamBuilder().Add(0x0203, Number(0, 0, 1.5)));
}

BuiltFile FileOf(const std::string& workbookStream, const std::string& name = "Workbook") {
  return CompoundFileBuilder().Stream(name, workbookStream).Build();
}

// The description of the error 1004 that reading `bytes` raises.
std::string ErrorOf(const std::string& bytes) {
  try {
    ReadWorkbookBytes(bytes, kFileName);
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 1004);
    EXPECT_EQ(error.source(), "Microsoft Office Excel");
    return error.description();
  }
  ADD_FAILURE() << "the workbook was read";
  return "";
}

// Expects the description to name the file, say how it failed and give the reason's words.
void ExpectRefusal(const std::string& bytes, std::string_view how,
                   std::vector<std::string_view> reasonWords) {
  const std::string description = ErrorOf(bytes);
  EXPECT_EQ(description.rfind("'" + std::string(kFileName) + "' " + std::string(how), 0), 0u)
      << description;
  for (std::string_view words : reasonWords) {
    EXPECT_NE(description.find(words), std::string::npos) << words << " in: " << description;
  }
}
void ExpectDamaged(const std::string& bytes, std::vector<std::string_view> reasonWords) {
  ExpectRefusal(bytes, "is damaged and cannot be opened: ", std::move(reasonWords));
}

TEST(BadInput, AWellFormedFileOpens) {
  const document::WorkbookData workbook =
      ReadWorkbookBytes(FileOf(OneCellStream()).bytes, kFileName);
  ASSERT_EQ(workbook.sheets.size(), 1u);
  EXPECT_EQ(workbook.sheets[0].cells.size(), 1u);
}

TEST(BadInput, DamagedCompoundFilesAreRefusedNamingTheFileAndTheStructure) {
  // Large enough for regular sectors: a record the globals skip.
  const std::string large =
      OneSheetStream(StreamBuilder(), StreamBuilder().Add(0x01C1, std::string(5000, '\0')));
  const BuiltFile whole = FileOf(large);

  ExpectDamaged(whole.bytes.substr(0, whole.bytes.size() / 2),
                {"the stream 'Workbook'", "more than the file holds"});
  ExpectDamaged(whole.bytes.substr(0, 300), {"header is truncated"});

  BuiltFile looping = whole;
  const std::vector<std::uint32_t>& chain = looping.streamSectors.at("Workbook");
  looping.SetFatLink(chain[3], chain[1]);
  ExpectDamaged(looping.bytes, {"chain of the stream 'Workbook' loops"});

  BuiltFile huge = whole;
  huge.SetUint32(huge.EntryOffset("Workbook") + cfb::testing::kSizeField, 0xFFFFFFF0u);
  ExpectDamaged(huge.bytes, {"declares 4294967280 bytes for the stream 'Workbook'"});

  ExpectDamaged(FileOf("").bytes, {"has no BOF record"});
  ExpectRefusal(CompoundFileBuilder().Stream("Other", OneCellStream()).Build().bytes,
                "is not a workbook: ", {"no workbook stream"});
}

TEST(BadInput, RecordsThatCannotBeFramedAreRefusedWithTheirOffset) {
  const std::string stream = OneCellStream();
  // The last record (the sheet's EOF) declares more bytes than follow it.
  std::string longer = stream;
  longer.replace(longer.size() - 2, 2, U16(40));
  ExpectDamaged(FileOf(longer).bytes, {"0x000A at offset " + std::to_string(stream.size() - 4),
                                       "longer than the stream"});

  std::string huge = stream;
  huge.replace(huge.size() - 2, 2, U16(0xFFFF));
  ExpectDamaged(FileOf(huge).bytes, {"declares 65535 bytes, more than a record holds"});

  ExpectDamaged(FileOf(stream.substr(0, stream.size() - 2)).bytes, {"inside a record header"});
}

TEST(BadInput, SharedStringCountsThatLieAreRefused) {
  const std::string twoStrings = U32(2) + U32(2) + Text16("Trim 1") + Text16("Trim 2");
  std::string claimsThree = twoStrings;
  claimsThree.replace(4, 4, U32(3));
  ExpectDamaged(
      FileOf(OneSheetStream(StreamBuilder(), StreamBuilder().Add(0x00FC, claimsThree))).bytes,
      {"0x00FC", "announces 3 strings but holds only 2"});
  std::string claimsAll = twoStrings;
  claimsAll.replace(4, 4, U32(0xFFFFFFFF));
  ExpectDamaged(
      FileOf(OneSheetStream(StreamBuilder(), StreamBuilder().Add(0x00FC, claimsAll))).bytes,
      {"announces 4294967295 strings but holds only 2"});

  // The table says one string; a cell refers to the second.
  std::string claimsOne = twoStrings;
  claimsOne.replace(4, 4, U32(1));
  const StreamBuilder cell = StreamBuilder().Add(0x00FD, U16(0) + U16(0) + U16(15) + U32(1));
  ExpectDamaged(FileOf(OneSheetStream(cell, StreamBuilder().Add(0x00FC, claimsOne))).bytes,
                {"0x00FD", "shared string 1, which does not exist"});
}

TEST(BadInput, ContinueRecordsOutOfPlace) {
  // First in the stream: no BOF opens the globals.
  ExpectDamaged(FileOf(StreamBuilder().Add(kContinue, "xx").bytes() + OneCellStream()).bytes,
                {"0x003C at offset 0", "with a BOF record"});

  // After the globals' BOF and after a sheet's.
  std::string afterBof = OneCellStream();
  afterBof.insert(20, StreamBuilder().Add(kContinue, "xx").bytes());
  ExpectDamaged(FileOf(afterBof).bytes, {"0x0809 at offset 0", "followed by a CONTINUE"});
  ExpectDamaged(FileOf(OneSheetStream(StreamBuilder().Add(kContinue, "xx"))).bytes,
                {"0x0809", "followed by a CONTINUE"});

  // Between a FORMULA and its STRING the CONTINUE carries on the formula's data, which the
  // reader does not read: the STRING still gives the cell its text.
  const document::WorkbookData formula =
      ReadWorkbookBytes(FileOf(OneSheetStream(StreamBuilder()
                                                  .Add(0x0006, TextFormula(0, 0))
                                                  .Add(kContinue, "xx")
                                                  .Add(0x0207, Text16("Trim 1"))))
                            .bytes,
                        kFileName);
  ASSERT_EQ(formula.sheets.at(0).cells.size(), 1u);
  EXPECT_EQ(formula.sheets[0].cells[0].value.AsText(), "Trim 1");

  // Inside a chart: after a record that holds no more, a chart that opens; after the chart's
  // BOF, the workbook's damage.
  const document::WorkbookData chart = ReadWorkbookBytes(
      FileOf(OneSheetStream(StreamBuilder().Append(
                 Chart(StreamBuilder().Add(0x1033).Add(kContinue, "xx").Add(0x1034)))))
          .bytes,
      kFileName);
  EXPECT_EQ(chart.sheets.at(0).charts.size(), 1u);
  std::string chartBof = Chart(StreamBuilder());
  chartBof.insert(20, StreamBuilder().Add(kContinue, "xx").bytes());
  ExpectDamaged(FileOf(OneSheetStream(StreamBuilder().Append(chartBof))).bytes,
                {"followed by a CONTINUE"});
}

TEST(BadInput, EncryptedAndOlderWorkbooksAreRefusedAsSuch) {
  const StreamBuilder filePass = StreamBuilder().Add(0x002F, U16(1) + std::string(52, '\0'));
  ExpectRefusal(FileOf(OneSheetStream(StreamBuilder(), filePass)).bytes,
                "cannot be opened: ", {"encrypted with a password"});

  const std::string biff5 = StreamBuilder().Add(0x0809, BofData(0x0005, 0x0500)).Eof().bytes();
  ExpectRefusal(FileOf(biff5, "Book").bytes, "cannot be opened: ", {"older than Excel 97"});
  ExpectRefusal(FileOf(biff5).bytes, "cannot be opened: ", {"older than Excel 97 (BIFF5)"});
}

TEST(BadInput, AWorkbookWhoseChartIsDamagedOpensWithoutThatChart) {
  // An END without its BEGIN; the cell after the chart is still read.
  const std::string stream = OneSheetStream(
      StreamBuilder().Append(Chart(StreamBuilder().Add(0x1034))).Add(0x0203, Number(0, 0, 1.5)));
  const document::WorkbookData workbook = ReadWorkbookBytes(FileOf(stream).bytes, kFileName);
  EXPECT_TRUE(workbook.sheets.at(0).charts.empty());
  EXPECT_EQ(workbook.sheets[0].cells.size(), 1u);
}

}  // namespace
}  // namespace k27093::xls
