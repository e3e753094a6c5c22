// The drawn objects of a sheet or chart, as the collector makes them of the records.
#include <gtest/gtest.h>

#include "document/read_fault.h"
#include "support/drawing_builder.h"

namespace k27093::xls {
namespace {

using namespace testing;
using Kind = document::DrawingObjectData::Kind;

// A sheet shape: its FSP, properties, anchor and client data, then its OBJ (and TXO).
std::string SheetShape(std::uint16_t shapeType, std::uint32_t shapeId,
                       const std::vector<Property>& properties, const std::string& anchor,
                       const std::string& obj, const std::string& txo = "") {
  const std::string records = Fsp(shapeType, shapeId) + Fopt(properties) + anchor + ClientData();
  if (txo.empty()) return MsoDrawing(Shape(records)) + obj;
  return MsoDrawing(Shape(records + ClientTextbox())) + obj + txo;
}

// A drawing of one MSODRAWING that opens it (DgContainer and top group with their lengths
// covering `shapes`, the pieces that follow) and the shapes' own pieces.
std::string DrawingOf(const std::vector<std::string>& shapes) {
  // Lengths come from the shapes' OfficeArt bytes: rebuild them without the BIFF records.
  std::string art, biff;
  for (const std::string& shape : shapes) {
    RecordStream records(shape, "shape");
    while (std::optional<Record> record = records.Next()) {
      if (record->type == 0x00EC) art += std::string(record->data);
    }
  }
  const std::string whole = Drawing(Patriarch() + art);
  const std::size_t head = whole.size() - art.size();
  biff = MsoDrawing(whole.substr(0, head));
  for (const std::string& shape : shapes) biff += shape;
  return biff;
}

// Runs `read` and expects a Damaged fault whose reason holds `words`.
template <typename Read>
void ExpectDamaged(Read read, const std::string& words) {
  try {
    read();
    ADD_FAILURE() << "no fault";
  } catch (const document::ReadFault& fault) {
    EXPECT_EQ(fault.kind(), document::ReadFault::Kind::Damaged);
    EXPECT_NE(fault.reason().find(words), std::string::npos) << fault.reason();
  }
}

std::string Anchor() { return SheetAnchor(1, 0, 1, 0, 3, 0, 5, 0); }

class DrawingCollectorTest : public ::testing::Test {
 protected:
  DrawingCollectorTest() {
    globals_.fonts = {FontEntry{"Arial", 10}, FontEntry{"Arial", 10}, FontEntry{"Arial", 10},
                      FontEntry{"Arial", 10}, FontEntry{"Tahoma", 8, true}};
  }
  std::vector<DrawnObject> Read(const std::vector<std::string>& shapes) {
    placement_.sheet = &layout_;
    return Collect(DrawingOf(shapes), globals_, placement_);
  }
  WorkbookGlobals globals_;
  document::SheetLayout layout_;
  AnchorPlacement placement_;
};

TEST_F(DrawingCollectorTest, RectangleTakesItsColoursPresetAndExcelName) {
  const auto objects = Read({SheetShape(1, 1026, {{0x0181, 0x0000FFCC}, {0x01C0, 0x08000000 | 10}},
                                        Anchor(), Obj(0x02, 2))});
  ASSERT_EQ(objects.size(), 1u);
  const auto& object = objects[0].object;
  EXPECT_EQ(object.kind, Kind::AutoShape);
  EXPECT_EQ(object.preset, "rect");
  EXPECT_EQ(object.name, "Rectangle 2");
  EXPECT_EQ(object.id, 2);
  ASSERT_TRUE(object.fill && object.fill->color);
  EXPECT_EQ(object.fill->kind, document::FillData::Kind::Solid);
  EXPECT_EQ(object.fill->color->rgb, 0x00FFCC);  // R CC, G FF: 204 + 256 * 255
  ASSERT_TRUE(object.line && object.line->color);
  EXPECT_EQ(object.line->color->rgb, 0x0000FF);  // palette index 10: red
  EXPECT_FALSE(object.hidden);
}

TEST_F(DrawingCollectorTest, AbsentPropertiesTakeTheFormatsDefaults) {
  const auto objects = Read({SheetShape(3, 1026, {}, Anchor(), Obj(0x03, 2))});
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0].object.preset, "ellipse");
  EXPECT_EQ(objects[0].object.name, "Oval 2");
  EXPECT_EQ(objects[0].object.fill->color->rgb, 0xFFFFFF);
  EXPECT_EQ(objects[0].object.line->color->rgb, 0);
}

TEST_F(DrawingCollectorTest, FillAndLineOffAreNone) {
  // fFilled and fLine cleared with their use bits set; the shape hidden.
  const auto objects =
      Read({SheetShape(1, 1026, {{0x01BF, 0x00100000}, {0x01FF, 0x00080000}, {0x03BF, 0x00020002}},
                       Anchor(), Obj(0x02, 2))});
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0].object.fill->kind, document::FillData::Kind::None);
  EXPECT_EQ(objects[0].object.line->kind, document::FillData::Kind::None);
  EXPECT_TRUE(objects[0].object.hidden);
}

TEST_F(DrawingCollectorTest, StatedNameWinsOverExcelsName) {
  const auto objects = Read({SheetShape(201, 1025, {Name("Graphique 1")}, Anchor(), Obj(0x05, 1))});
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0].object.kind, Kind::Chart);
  EXPECT_EQ(objects[0].object.name, "Graphique 1");
  EXPECT_EQ(objects[0].object.preset, "");
  EXPECT_EQ(objects[0].objectType, 5);
}

TEST_F(DrawingCollectorTest, TextBoxTakesItsTextAndTheFirstRunsFont) {
  const auto objects = Read(
      {SheetShape(202, 1026, {}, Anchor(), Obj(0x06, 2), Txo({"Hello"}, false, {{0, 5}, {3, 0}}))});
  ASSERT_EQ(objects.size(), 1u);
  const auto& object = objects[0].object;
  EXPECT_EQ(object.kind, Kind::TextBox);
  EXPECT_EQ(object.name, "Text Box 2");
  EXPECT_EQ(object.preset, "rect");
  ASSERT_TRUE(object.text);
  EXPECT_EQ(object.text->text, "Hello");
  EXPECT_EQ(object.text->font.name, "Tahoma");
  EXPECT_EQ(object.text->font.size, 8);
  EXPECT_EQ(object.text->font.bold, true);
  ASSERT_EQ(object.text->runFonts.size(), 2u);
  EXPECT_EQ(object.text->runFonts[1].name, "Arial");
}

TEST_F(DrawingCollectorTest, CheckBoxesGiveTheirValueInExcelsTerms) {
  const auto objects = Read({SheetShape(201, 1026, {}, Anchor(), CheckBoxObj(2, 0)),
                             SheetShape(201, 1027, {}, Anchor(), CheckBoxObj(3, 1)),
                             SheetShape(201, 1028, {}, Anchor(), CheckBoxObj(4, 2))});
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0].object.kind, Kind::FormControl);
  EXPECT_EQ(objects[0].object.controlType, "CheckBox");
  EXPECT_EQ(objects[0].object.name, "Check Box 2");
  EXPECT_EQ(objects[0].object.checkValue, -4146);
  EXPECT_EQ(objects[1].object.checkValue, 1);
  EXPECT_EQ(objects[2].object.checkValue, 2);
}

TEST_F(DrawingCollectorTest, NoteIsGivenWithItsTextForTheComment) {
  const std::string nts = Subrecord(0x0D, std::string(22, '\0'));
  const auto objects = Read({SheetShape(202, 1026, {{0x03BF, 0x00020002}}, Anchor(),
                                        Obj(0x19, 7, nts), Txo({"Note text"}, false, {{0, 0}}))});
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_EQ(objects[0].objectType, 25);
  EXPECT_EQ(objects[0].objectId, 7);
  EXPECT_EQ(objects[0].object.text->text, "Note text");
}

TEST_F(DrawingCollectorTest, ObjectsComeBackMostFirstWithTheirOwnObjAndTxo) {
  const auto objects =
      Read({SheetShape(202, 1026, {}, Anchor(), Obj(0x06, 2), Txo({"first"}, false, {{0, 0}})),
            SheetShape(1, 1027, {}, Anchor(), Obj(0x02, 3)),
            SheetShape(202, 1028, {}, Anchor(), Obj(0x06, 4), Txo({"third"}, false, {{0, 0}}))});
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0].object.name, "Text Box 2");
  EXPECT_EQ(objects[0].object.text->text, "first");
  EXPECT_EQ(objects[1].object.name, "Rectangle 3");
  EXPECT_FALSE(objects[1].object.text);
  EXPECT_EQ(objects[2].object.name, "Text Box 4");
  ASSERT_TRUE(objects[2].object.text);
  EXPECT_EQ(objects[2].object.text->text, "third");
}

TEST_F(DrawingCollectorTest, SheetAnchorFollowsCustomColumnWidthsAndRowHeights) {
  document::SheetLayoutSource source;
  source.columns.push_back({2, 2, 20.0, false});  // column B: 140 pixels, 105 points
  source.rows.push_back({2, 30.0});               // row 2: 30 points
  layout_ = document::SheetLayout(source);
  // From B2, half a column and half a row in, to C3.
  const auto objects =
      Read({SheetShape(1, 1026, {}, SheetAnchor(1, 512, 1, 128, 2, 0, 2, 0), Obj(0x02, 2))});
  ASSERT_EQ(objects.size(), 1u);
  const auto& geometry = objects[0].object.geometry;
  EXPECT_DOUBLE_EQ(geometry.left, 48 + 52.5);
  EXPECT_DOUBLE_EQ(geometry.top, 15 + 15);
  EXPECT_DOUBLE_EQ(geometry.width, 52.5);
  EXPECT_DOUBLE_EQ(geometry.height, 15);
}

TEST_F(DrawingCollectorTest, ChartAnchorIsInThousandthsOfTheChartArea) {
  placement_.chartWidth = 400;
  placement_.chartHeight = 200;
  const std::string stream =
      DrawingOf({SheetShape(202, 1026, {}, ChartAnchor(1000, 2000, 3000, 4000), Obj(0x06, 2))});
  placement_.sheet = nullptr;
  const auto objects = Collect(stream, globals_, placement_);
  ASSERT_EQ(objects.size(), 1u);
  EXPECT_DOUBLE_EQ(objects[0].object.geometry.left, 100);
  EXPECT_DOUBLE_EQ(objects[0].object.geometry.top, 100);
  EXPECT_DOUBLE_EQ(objects[0].object.geometry.width, 200);
  EXPECT_DOUBLE_EQ(objects[0].object.geometry.height, 100);
}

TEST_F(DrawingCollectorTest, GroupMembersArePlacedThroughTheGroupsFrameAndAnchor) {
  // The group spans A1:C5 (0 to 96 points across, 0 to 60 down) over a frame of 0..1000.
  const std::string groupShape = Shape(Fspgr(0, 0, 1000, 1000) + Fsp(0, 1026, 0x0201) +
                                       SheetAnchor(0, 0, 0, 0, 2, 0, 4, 0) + ClientData());
  const std::string first =
      Shape(Fsp(1, 1027, 0x0A02) + ChildAnchor(0, 0, 500, 500) + ClientData());
  const std::string second =
      Shape(Fsp(3, 1028, 0x0A02) + ChildAnchor(500, 500, 1000, 1000) + ClientData());
  const std::string art = Group(groupShape + first + second);
  const std::string whole = Drawing(Patriarch() + art);
  const std::string stream =
      MsoDrawing(whole.substr(0, whole.size() - art.size() + 8 + groupShape.size())) +
      Obj(0x00, 2) + MsoDrawing(first) + Obj(0x02, 3) + MsoDrawing(second) + Obj(0x03, 4);
  placement_.sheet = &layout_;
  const auto objects = Collect(stream, globals_, placement_);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0].object.name, "Rectangle 3");
  EXPECT_DOUBLE_EQ(objects[0].object.geometry.left, 0);
  EXPECT_DOUBLE_EQ(objects[0].object.geometry.width, 48);
  EXPECT_DOUBLE_EQ(objects[0].object.geometry.height, 30);
  EXPECT_EQ(objects[1].object.name, "Oval 4");
  EXPECT_DOUBLE_EQ(objects[1].object.geometry.left, 48);
  EXPECT_DOUBLE_EQ(objects[1].object.geometry.top, 30);
}

TEST_F(DrawingCollectorTest, RecordsOfOtherKindsAreNotTaken) {
  DrawingCollector collector(globals_, "the sheet 'Sheet1'");
  const std::string stream = Biff(0x0208, std::string(16, '\0'));
  RecordStream records(stream, "Worksheet");
  EXPECT_FALSE(collector.Take(records, *records.Next()));
  EXPECT_TRUE(collector.Objects(placement_).empty());
}

TEST_F(DrawingCollectorTest, ContainerLongerThanItsParentIsDamage) {
  const std::string shape = Shape(Fsp(1, 1026) + Anchor() + ClientData());
  std::string whole = Drawing(Patriarch() + shape);
  // Make the shape container claim four bytes more than the group holds.
  const std::size_t at = whole.size() - shape.size() + 4;
  whole.replace(at, 4, Le32(static_cast<std::uint32_t>(shape.size() - 8 + 4)));
  placement_.sheet = &layout_;
  ExpectDamaged([&] { Collect(MsoDrawing(whole) + Obj(0x02, 2), globals_, placement_); },
                "the drawing of the sheet 'Sheet1' has an OfficeArt record 0xF004 longer than its "
                "container at offset");
}

TEST_F(DrawingCollectorTest, ContainersNestedTooDeeplyAreDamage) {
  std::string nested = Shape(Fsp(1, 1026) + Anchor() + ClientData());
  for (int i = 0; i < 20; ++i) nested = Group(nested);
  placement_.sheet = &layout_;
  ExpectDamaged([&] { Collect(MsoDrawing(Drawing(Patriarch() + nested)), globals_, placement_); },
                "nests its containers too deeply");
}

TEST_F(DrawingCollectorTest, AnchorBeyondTheSheetsColumnsIsDamage) {
  placement_.sheet = &layout_;
  ExpectDamaged(
      [&] {
        Read({SheetShape(1, 1026, {}, SheetAnchor(20000, 0, 0, 0, 20001, 0, 1, 0), Obj(0x02, 2))});
      },
      "anchors a shape outside the sheet");
}

}  // namespace
}  // namespace k27093::xls
