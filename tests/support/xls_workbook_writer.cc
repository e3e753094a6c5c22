#include "support/xls_workbook_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string_view>

#include "readers/xls/chart_records.h"
#include "support/biff_stream_builder.h"
#include "support/chart_stream_builder.h"
#include "support/compound_file_builder.h"
#include "support/drawing_builder.h"

namespace k27093::testsupport {
namespace {

using namespace xls::testing;
namespace chart_records = xls::chart_records;

namespace types {
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kSupBook = 0x01AE;
constexpr std::uint16_t kExternSheet = 0x0017;
constexpr std::uint16_t kSharedStrings = 0x00FC;
constexpr std::uint16_t kDefaultRowHeight = 0x0225;
constexpr std::uint16_t kDefaultColumnWidth = 0x0055;
constexpr std::uint16_t kColumnInfo = 0x007D;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kNote = 0x001C;
constexpr std::uint16_t kWindow2 = 0x023E;
constexpr std::uint16_t kProtect = 0x0012;
constexpr std::uint16_t kPassword = 0x0013;
constexpr std::uint16_t kSelection = 0x001D;
}  // namespace types

// OBJ types and OfficeArt shape types.
constexpr std::uint16_t kChartObject = 0x05;
constexpr std::uint16_t kTextBoxObject = 0x06;
constexpr std::uint16_t kNoteObject = 0x19;
constexpr std::uint16_t kAutoShapeObject = 0x1E;
constexpr std::uint16_t kHostControlShape = 201;  // msosptHostControl: a chart object
constexpr std::uint16_t kTextBoxShape = 202;
constexpr std::uint16_t kNotesSubrecord = 0x000D;  // ftNts
constexpr std::uint32_t kFirstShapeId = 1025;      // after the patriarch's 1024

// OfficeArt properties and their booleans (the low half the values, the high half which of
// them are stated).
constexpr std::uint16_t kLockAgainstGrouping = 0x007F;
constexpr std::uint16_t kFillType = 0x0180;
constexpr std::uint16_t kFillColor = 0x0181;
constexpr std::uint16_t kFillBlipName = 0x0187;
constexpr std::uint16_t kFillBooleans = 0x01BF;
constexpr std::uint16_t kLineColor = 0x01C0;
constexpr std::uint16_t kLineBooleans = 0x01FF;
constexpr std::uint32_t kFillTexture = 2;
constexpr std::uint32_t kFilled = 0x00100010, kNotFilled = 0x00100000;
constexpr std::uint32_t kLined = 0x00080008, kNotLined = 0x00080000;

// The sheet: 15-point rows, 64-pixel (48-point) columns of 9.140625 characters with their
// margins, as Excel's 1/256 of a character; the chart object at B11, 330 x 195 pixels.
constexpr std::uint16_t kRowTwips = 300;
constexpr std::uint16_t kBaseColumnWidth = 8;
constexpr std::uint16_t kColumnWidthUnits = 2340;
constexpr double kChartWidth = 247.5, kChartHeight = 146.25;  // points
constexpr double kChartUnits = 4000;  // a chart's own anchors: 1/4000 of the chart area

// Fonts by index: 0 to 3 Arial 10, 5 Arial 8 (the format has no index 4).
constexpr std::uint16_t kTextBoxFont = 5;
constexpr std::uint16_t kCellFormat = 15;  // the default cell XF

constexpr const char* kCurrentSheet = "Année N";
constexpr const char* kPreviousSheet = "Année N-1";
constexpr const char* kMarker =
    "Cette annotation est utilisée comme repère pour vérifier que la structure du tableau n'a "
    "pas été modifiée : MERCI de ne pas la supprimer !";
constexpr const char* kStrings[] = {"Trim 1",         "Trim 2",     "Téléviseurs",
                                    "Réfrigérateurs", "Lave-linge", "Cafetières"};
// The answer workbook of 421.
constexpr const char* kAnalysisSheet = "Analyse des résultats";
constexpr const char* kAnswersSheet = "Réponses";
constexpr const char* kInstructionName = "Consigne";
constexpr const char* kInstruction = "Cochez les bonnes réponses";
constexpr const char* kBoxName = "Case à cocher ";
constexpr const char* kBoxLabel = "Réponse ";
constexpr std::uint16_t kFirstProductRow = 3;  // 0-based: E4:G7
constexpr std::uint16_t kProducts = 4;

// 0xRRGGBB as the format's colour number (R + 256 G + 65536 B).
std::uint32_t ColorNumber(std::int32_t rgb) {
  const auto value = static_cast<std::uint32_t>(rgb);
  return ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
}

std::string RecordsOf(std::initializer_list<std::pair<std::uint16_t, std::string>> records) {
  std::string bytes;
  for (const auto& [type, data] : records) bytes += RecordBytes(type, data);
  return bytes;
}

// One shape of a drawing with the BIFF records that follow its piece of the drawing: its OBJ,
// its TXO (after a piece of its own holding the client text box) and, for a chart object, the
// chart's substream.
struct DrawnShape {
  std::string records;  // in its SpContainer: FSP, FOPT, anchor, client data
  std::string obj;
  std::string txo;  // "" when it has no text
  std::string after;
};

// The records of a drawing as Excel splits it: the drawing's OfficeArt records in MSODRAWING
// pieces, one per shape (the first with the drawing's own headers), each followed by the
// records of its object.
std::string DrawingRecords(const std::vector<DrawnShape>& shapes) {
  std::vector<std::string> containers;
  std::string shapeBytes;
  for (const DrawnShape& shape : shapes) {
    containers.push_back(Shape(shape.records + (shape.txo.empty() ? "" : ClientTextbox())));
    shapeBytes += containers.back();
  }
  const std::string drawing = Drawing(Patriarch() + shapeBytes);
  std::string piece = drawing.substr(0, drawing.size() - shapeBytes.size());
  const std::size_t textboxBytes = ClientTextbox().size();
  std::string records;
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    const std::string& container = containers[i];
    const bool text = !shapes[i].txo.empty();
    piece += container.substr(0, container.size() - (text ? textboxBytes : 0));
    records += MsoDrawing(piece) + shapes[i].obj;
    piece.clear();
    if (text)
      records += MsoDrawing(container.substr(container.size() - textboxBytes)) + shapes[i].txo;
    records += shapes[i].after;
  }
  return records;
}

std::string DefaultName(const XlsChartShape& shape) {
  const char* kind = shape.kind == XlsChartShape::Kind::TextBox ? "Text Box " : "AutoShape ";
  return kind + std::to_string(shape.objectId);
}

std::int32_t ChartUnits(double points, double span) {
  return static_cast<std::int32_t>(std::lround(points / span * kChartUnits));
}

DrawnShape ChartShape(const XlsChartShape& shape, std::uint32_t shapeId) {
  std::vector<Property> properties;
  if (shape.fill) properties.push_back({kFillColor, ColorNumber(*shape.fill)});
  properties.push_back({kFillBooleans, shape.fill ? kFilled : kNotFilled});
  if (shape.line) properties.push_back({kLineColor, ColorNumber(*shape.line)});
  properties.push_back({kLineBooleans, shape.line ? kLined : kNotLined});
  if (!shape.name.empty() && shape.name != DefaultName(shape))
    properties.push_back(Name(shape.name));
  const bool textBox = shape.kind == XlsChartShape::Kind::TextBox;
  DrawnShape drawn;
  drawn.records =
      Fsp(shape.shapeType, shapeId) + Fopt(properties) +
      ChartAnchor(ChartUnits(shape.left, kChartWidth), ChartUnits(shape.top, kChartHeight),
                  ChartUnits(shape.left + shape.width, kChartWidth),
                  ChartUnits(shape.top + shape.height, kChartHeight)) +
      ClientData();
  drawn.obj = Obj(textBox ? kTextBoxObject : kAutoShapeObject, shape.objectId);
  if (!shape.text.empty()) drawn.txo = Txo(Utf16Of(shape.text), kTextBoxFont);
  return drawn;
}

// The chart area's FRAME block: automatic line, the fill, and a texture's GELFRAME.
void ChartAreaFrame(ChartStream& chart, const XlsChartAreaFill& fill) {
  using Kind = XlsChartAreaFill::Kind;
  chart.Record(chart_records::kFrame, U16(0) + U16(0x0003)).Begin().LineFormat(0, true);
  if (fill.kind == Kind::Automatic) {
    chart.AreaFormat(ColorNumber(0xFFFFFF), 0x4E, true);
  } else if (fill.kind == Kind::Solid) {
    chart.AreaFormat(ColorNumber(fill.color), fill.paletteIndex, false);
  } else {
    chart.AreaFormat(ColorNumber(0xFFFFFF), 9, false);
    chart.Record(chart_records::kGelFrame, Fopt({{kFillType, kFillTexture},
                                                 {kFillBlipName, 0, Utf16(fill.textureName)},
                                                 {kFillBooleans, kFilled}}));
  }
  chart.End();
}

// A series of the chart: its name in E, its values in F:G of its product's row, the categories
// F3:G3, all on the sheet of the EXTERNSHEET entry `sheet`.
void ColumnSeries(ChartStream& chart, std::uint16_t sheet, std::uint16_t index) {
  const auto row = static_cast<std::uint16_t>(kFirstProductRow + index);
  chart.Record(chart_records::kSeries, U16(3) + U16(1) + U16(2) + U16(2) + U16(1) + U16(0)).Begin();
  chart.Brai(0, 2, Ref3D(sheet, row, 4)).Brai(1, 2, Area3D(sheet, row, row, 5, 6));
  chart.Brai(2, 2, Area3D(sheet, 2, 2, 5, 6)).Brai(3, 1);
  chart.DataFormat(0xFFFF, index, index).Begin().End();
  chart.SeriesToGroup(0).End();
}

std::string ChartSubstream(const XlsExerciseWorkbook& workbook) {
  ChartStream chart;
  chart.Bof();
  if (workbook.printSize) chart.Record(chart_records::kPrintSize, U16(*workbook.printSize));
  chart.Chart(kChartWidth, kChartHeight).Begin();
  ChartAreaFrame(chart, workbook.chartArea);
  for (std::uint16_t i = 0; i < kProducts; ++i) ColumnSeries(chart, workbook.chartSheet, i);
  chart.AxisParent(0).Begin();
  chart.Axis(0).Begin();
  chart.Record(chart_records::kCatSerRange, U16(1) + U16(1) + U16(1) + U16(1)).Tick(2, 0, 3).End();
  chart.Axis(1).Begin().ValueRange(0, 0, 0, 0, 0x1F).Tick(2, 0, 3).AxisLine(1).End();
  chart.ChartFormat().Begin().Bar(0).Legend(3).End();
  chart.End();
  std::vector<DrawnShape> shapes;
  std::uint32_t shapeId = kFirstShapeId;
  for (const XlsChartShape& shape : workbook.chartShapes)
    shapes.push_back(ChartShape(shape, shapeId++));
  // The chart's own drawing closes the chart's block.
  if (!shapes.empty()) chart.Append(DrawingRecords(shapes));
  return chart.End().Eof().bytes();
}

// A worksheet's drawing: the chart object (with its substream) on the first sheet, and the
// marker comment's note box.
std::string SheetDrawing(const XlsExerciseWorkbook* chart) {
  std::vector<DrawnShape> shapes;
  std::uint32_t shapeId = kFirstShapeId;
  std::uint16_t objectId = 1;
  if (chart != nullptr) {
    DrawnShape object;
    object.records = Fsp(kHostControlShape, shapeId++) +
                     Fopt({{kLockAgainstGrouping, 0x01040104}}) +
                     SheetAnchor(1, 0, 10, 0, 6, 160, 19, 192) + ClientData();
    object.obj = Obj(kChartObject, objectId++);
    object.after = ChartSubstream(*chart);
    shapes.push_back(std::move(object));
  }
  DrawnShape note;
  note.records = Fsp(kTextBoxShape, shapeId) + Fopt({{kFillColor, ColorNumber(0xFFFFE1)}}) +
                 SheetAnchor(7, 0, 7, 0, 9, 0, 12, 0) + ClientData();
  note.obj = Obj(kNoteObject, objectId, Subrecord(kNotesSubrecord, Zeros(22)));
  note.txo = Txo(Utf16Of(kMarker), 0);
  shapes.push_back(std::move(note));
  return DrawingRecords(shapes) +
         RecordBytes(types::kNote,
                     U16(8) + U16(6) + U16(0) + U16(objectId) + TextOf("Formateur") + U8(0));
}

std::string Cells(double scale) {
  StreamBuilder cells;
  const auto label = [&cells](std::uint16_t row, std::uint16_t column, std::uint32_t string) {
    cells.Add(types::kLabelSst, U16(row) + U16(column) + U16(kCellFormat) + U32(string));
  };
  label(2, 5, 0);
  label(2, 6, 1);
  for (std::uint16_t i = 0; i < kProducts; ++i) {
    const auto row = static_cast<std::uint16_t>(kFirstProductRow + i);
    label(row, 4, 2u + i);
    cells.Add(types::kNumber, U16(row) + U16(5) + U16(kCellFormat) + F64(scale * (120 + 40 * i)));
    cells.Add(types::kNumber, U16(row) + U16(6) + U16(kCellFormat) + F64(scale * (150 + 30 * i)));
  }
  return cells.bytes();
}

// A worksheet substream: its layout (15-point rows, 48-point columns), `content`, its window
// (the selected tab when `active`) and A1 selected.
std::string Worksheet(const std::string& content, bool active) {
  StreamBuilder sheet;
  sheet.Bof(0x0010)
      .Add(types::kDefaultRowHeight, U16(0x0001) + U16(kRowTwips))
      .Add(types::kDefaultColumnWidth, U16(kBaseColumnWidth))
      .Add(types::kColumnInfo,
           U16(0) + U16(6) + U16(kColumnWidthUnits) + U16(kCellFormat) + U16(0) + U16(0))
      .Append(content)
      .Add(types::kWindow2, U16(active ? 0x06B6 : 0x00B6) + U16(0) + U16(0) + U16(64) + Zeros(8))
      .Add(types::kSelection,
           U8(3) + U16(0) + U16(0) + U16(0) + U16(1) + U16(0) + U16(0) + U8(0) + U8(0));
  return sheet.Eof().bytes();
}

// A sheet of the exercise's table, the values `scale` times those of "Année N", with the chart
// of `chart` when not null.
std::string ExerciseSheet(double scale, bool active, const XlsExerciseWorkbook* chart) {
  const std::string dimensions =
      RecordBytes(types::kDimensions, U32(2) + U32(7) + U16(4) + U16(7) + U16(0));
  return Worksheet(dimensions + Cells(scale) + SheetDrawing(chart), active);
}

// A Forms check box of the answer sheet, named and labelled after its number `number`.
DrawnShape CheckBox(std::uint16_t number, std::uint16_t value, std::uint32_t shapeId) {
  const auto row = static_cast<std::uint16_t>(2 + 2 * number);
  DrawnShape box;
  box.records = Fsp(kHostControlShape, shapeId) +
                Fopt({Name(std::string(kBoxName) + std::to_string(number))}) +
                SheetAnchor(1, 0, row, 0, 3, 0, row + 1, 0) + ClientData();
  box.obj = CheckBoxObj(static_cast<std::uint16_t>(number + 1), value);
  box.txo = Txo(Utf16Of(std::string(kBoxLabel) + std::to_string(number)), 0);
  return box;
}

// The answer sheet: protected, the instruction's text box and the four check boxes.
std::string AnswerSheet(const XlsAnswerWorkbook& workbook) {
  std::string protection = RecordBytes(types::kProtect, U16(1));
  if (workbook.passwordHash)
    protection += RecordBytes(types::kPassword, U16(*workbook.passwordHash));
  DrawnShape instruction;
  instruction.records = Fsp(kTextBoxShape, kFirstShapeId) + Fopt({Name(kInstructionName)}) +
                        SheetAnchor(1, 0, 1, 0, 5, 0, 2, 0) + ClientData();
  instruction.obj = Obj(kTextBoxObject, 1);
  instruction.txo = Txo(Utf16Of(kInstruction), 0);
  std::vector<DrawnShape> shapes = {instruction};
  for (std::uint16_t i = 0; i < workbook.boxes.size(); ++i) {
    shapes.push_back(CheckBox(i + 1, workbook.boxes[i], kFirstShapeId + 1 + i));
  }
  return Worksheet(protection + DrawingRecords(shapes), false);
}

std::string Font(double points) {
  return U16(static_cast<std::uint16_t>(points * 20)) + U16(0) + U16(0x7FFF) + U16(400) + U16(0) +
         U8(0) + U8(0) + U8(0) + U8(0) + ShortTextOf("Arial");
}

// The globals before the BOUNDSHEET records: code page, window (the first tab active), fonts.
std::string GlobalsBeforeSheets() {
  std::string records =
      RecordsOf({{types::kCodePage, U16(1200)},
                 {types::kWindow1, U16(0) + U16(0) + U16(15000) + U16(9000) + U16(0x0038) + U16(0) +
                                       U16(0) + U16(1) + U16(600)}});
  for (double points : {10.0, 10.0, 10.0, 10.0, 8.0})
    records += RecordBytes(types::kFont, Font(points));
  return records;
}

// The globals after them: the workbook's own SUPBOOK and the EXTERNSHEET entries of both sheets
// (entry i is sheet i) that formulas use, and the shared strings `strings`, each used twice.
std::string GlobalsAfterSheets(const std::vector<std::string_view>& strings) {
  const auto unique = static_cast<std::uint32_t>(strings.size());
  std::string table = U32(2 * unique) + U32(unique);
  for (std::string_view text : strings) table += TextOf(text);
  return RecordsOf(
      {{types::kSupBook, U16(2) + U16(0x0401)},
       {types::kExternSheet, U16(2) + U16(0) + U16(0) + U16(0) + U16(0) + U16(1) + U16(1)},
       {types::kSharedStrings, table}});
}

// The compound file of a workbook of two sheets.
std::string CompoundFileOf(std::vector<SheetSubstream> sheets,
                           const std::vector<std::string_view>& strings) {
  const std::string stream =
      WorkbookStreamBytes(sheets, GlobalsBeforeSheets(), GlobalsAfterSheets(strings));
  return cfb::testing::CompoundFileBuilder(3).Stream("Workbook", stream).Build().bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
  if (!file) ADD_FAILURE() << "cannot write " << path;
}

}  // namespace

std::string XlsWorkbookBytes(const XlsExerciseWorkbook& workbook) {
  return CompoundFileOf(
      {{kCurrentSheet, 0, ExerciseSheet(1.0, true, workbook.chartSheet == 0 ? &workbook : nullptr)},
       {kPreviousSheet, 0,
        ExerciseSheet(0.9, false, workbook.chartSheet == 1 ? &workbook : nullptr)}},
      {std::begin(kStrings), std::end(kStrings)});
}

std::string XlsWorkbookBytes(const XlsAnswerWorkbook& workbook) {
  return CompoundFileOf(
      {{kAnalysisSheet, 0, Worksheet("", true)}, {kAnswersSheet, 0, AnswerSheet(workbook)}}, {});
}

void WriteXlsWorkbook(const std::string& path, const XlsExerciseWorkbook& workbook) {
  WriteBytes(path, XlsWorkbookBytes(workbook));
}

void WriteXlsWorkbook(const std::string& path, const XlsAnswerWorkbook& workbook) {
  WriteBytes(path, XlsWorkbookBytes(workbook));
}

}  // namespace k27093::testsupport
