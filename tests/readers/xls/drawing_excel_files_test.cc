// The drawn objects of workbooks saved by Excel, read from their Workbook stream: each sheet's
// records from its BOF to its EOF, the substreams of embedded charts left out.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "readers/cfb/compound_file.h"
#include "readers/xls/byte_reader.h"
#include "readers/xls/drawing_collector.h"
#include "readers/xls/record_stream.h"
#include "readers/xls/workbook_globals.h"

namespace k27093::xls {
namespace {

using Kind = document::DrawingObjectData::Kind;

constexpr std::uint16_t kBoundSheet = 0x0085;

std::string WorkbookStreamOf(const std::string& name) {
  std::ifstream file(std::string(K27093_EXCEL_FILES_XLS) + "/" + name, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return cfb::CompoundFile(bytes).ReadRootStream("Workbook").value();
}

// Where the substream of the sheet `sheet` starts, from the globals' BOUNDSHEET records.
std::size_t SheetOffset(const std::string& workbook, const std::string& sheet) {
  RecordStream records(workbook, "Workbook");
  while (std::optional<Record> record = records.Next()) {
    if (record->type != kBoundSheet) continue;
    ByteReader reader(records, *record);
    const std::size_t offset = reader.U32();
    reader.Skip(2);
    if (reader.ShortUnicodeString() == sheet) return offset;
  }
  ADD_FAILURE() << "no sheet " << sheet;
  return 0;
}

// The drawn objects of the worksheet `sheet` of the Excel file `file`.
std::vector<DrawnObject> ObjectsOf(const std::string& file, const std::string& sheet) {
  const std::string workbook = WorkbookStreamOf(file);
  RecordStream records(workbook, "Workbook");
  records.Seek(SheetOffset(workbook, sheet));
  const WorkbookGlobals globals;
  DrawingCollector collector(globals, "the sheet '" + sheet + "'");
  int depth = 0;
  while (std::optional<Record> record = records.Next()) {
    if (record->type == record_types::kBof) ++depth;
    if (record->type == record_types::kEof && --depth == 0) break;
    if (depth == 1) collector.Take(records, *record);
  }
  const document::SheetLayout layout;
  AnchorPlacement placement;
  placement.sheet = &layout;
  return collector.Objects(placement);
}

std::vector<std::string> NamesOf(const std::vector<DrawnObject>& objects) {
  std::vector<std::string> names;
  for (const DrawnObject& object : objects) names.push_back(object.object.name);
  return names;
}

TEST(DrawingExcelFiles, SheetWithPictureButtonAndDropDownNamesThemByKindAndId) {
  const auto objects = ObjectsOf("50939.xls", "sheet2");
  EXPECT_EQ(NamesOf(objects),
            (std::vector<std::string>{"Picture 132", "Button 540", "Drop Down 415"}));
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0].object.kind, Kind::Picture);
  EXPECT_EQ(objects[1].object.kind, Kind::FormControl);
  EXPECT_EQ(objects[1].object.controlType, "Button");
  ASSERT_TRUE(objects[1].object.text);
  EXPECT_EQ(objects[1].object.text->text, "Repair Results\nColumns");
  EXPECT_EQ(objects[2].object.controlType, "Drop");
}

TEST(DrawingExcelFiles, ChartObjectsTakeTheNamesTheFileStates) {
  EXPECT_EQ(NamesOf(ObjectsOf("44861.xls", "reporting")),
            (std::vector<std::string>{"Graphique 1", "Graphique 5", "Graphique 1"}));
  EXPECT_EQ(NamesOf(ObjectsOf("WithThreeCharts.xls", "Sheet2")),
            (std::vector<std::string>{"Chart 1", "Chart 2"}));
  const auto objects = ObjectsOf("WithChart.xls", "Sheet2");
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0].object.kind, Kind::Chart);
  EXPECT_EQ(objects[0].object.name, "Chart 1");
  EXPECT_GT(objects[0].object.geometry.width, 0);
}

}  // namespace
}  // namespace k27093::xls
