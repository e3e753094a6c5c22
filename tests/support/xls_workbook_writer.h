// A writer of complete .xls workbooks for tests (BIFF8 records in the "Workbook" stream of a
// compound file), in the form Excel 2003 saves them. The answer workbook of 421 (below), and
// the exercise workbook of the chart exercises: the sheets "Année N" and "Année N-1" with the sales
// table E3:G7 and the marker comment of G9 by "Formateur", and on one of them a clustered column
// chart of the four products (series in rows) at B11, 247.5 x 146.25 pt, with its own drawing (text
// boxes and AutoShapes), its chart area's fill and its print size. "Année N" is the active sheet.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace k27093::testsupport {

// A shape drawn in the chart, placed in points from the chart area's top-left corner.
struct XlsChartShape {
  enum class Kind { TextBox, AutoShape };
  Kind kind = Kind::AutoShape;
  // The OBJ record's id. Excel names an object it was not asked to name after its kind and
  // this id ("Text Box 2", "AutoShape 3").
  std::uint16_t objectId = 1;
  // The name; empty or the default name: none stated (Excel writes wzName only for a name of
  // its own).
  std::string name;
  // The OfficeArt shape type: msosptTextBox 202, msosptRectangle 1, msosptVerticalScroll 97,
  // msosptHorizontalScroll 98.
  std::uint16_t shapeType = 202;
  double left = 0, top = 0, width = 0, height = 0;
  std::string text;  // UTF-8; a text box's text (written in Arial 8)
  // Colours as 0xRRGGBB; nullopt: not filled, no line.
  std::optional<std::int32_t> fill;
  std::optional<std::int32_t> line;
};

// The chart area's fill: automatic, a solid colour (0xRRGGBB), or a tiled picture (a texture)
// named `textureName`.
struct XlsChartAreaFill {
  enum class Kind { Automatic, Solid, Texture };
  Kind kind = Kind::Automatic;
  std::int32_t color = 0xFFFFFF;
  std::uint16_t paletteIndex = 26;  // the palette entry Excel gives `color` (26: FFFFCC)
  std::string textureName = "image1.png";
};

struct XlsExerciseWorkbook {
  std::vector<XlsChartShape> chartShapes;  // back-most first
  XlsChartAreaFill chartArea;
  // The chart's PRINTSIZE (1 the whole page, 2 fit to the page, 3 the size on screen);
  // nullopt: none.
  std::optional<std::uint16_t> printSize;
  // The sheet that holds the chart and whose table its series show: 0 "Année N", 1 "Année N-1".
  std::uint16_t chartSheet = 0;
};

// The answer workbook of 421: the sheets "Analyse des résultats" (active, empty) and
// "Réponses", protected, with the instruction's text box "Consigne" ("Cochez les bonnes
// réponses") and the Forms check boxes "Case à cocher 1" to "Case à cocher 4" (labels "Réponse
// 1" to "Réponse 4").
struct XlsAnswerWorkbook {
  std::array<std::uint16_t, 4> boxes{};       // each box's value: 0 unticked, 1 ticked, 2 mixed
  std::optional<std::uint16_t> passwordHash;  // PASSWORD's legacy hash; nullopt: no password
};

// The bytes of the workbook `workbook` as a compound file.
std::string XlsWorkbookBytes(const XlsExerciseWorkbook& workbook);
std::string XlsWorkbookBytes(const XlsAnswerWorkbook& workbook);

// Writes XlsWorkbookBytes(workbook) to `path`; fails the running test when it cannot.
void WriteXlsWorkbook(const std::string& path, const XlsExerciseWorkbook& workbook);
void WriteXlsWorkbook(const std::string& path, const XlsAnswerWorkbook& workbook);

}  // namespace k27093::testsupport
