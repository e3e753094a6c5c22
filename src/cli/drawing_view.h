// DrawingView: the drawn objects of a sheet or of a chart as the object model shows them:
// the Shapes collection (every drawn object, with the place and size it stores), the
// TextBoxes collection (the text boxes with their text, placed in whole screen pixels) and,
// on a worksheet, the Forms check boxes. Every property is a Reading: a read that raises
// keeps its error number and the rest goes on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/reading.h"
#include "spreadsheet/object_model.h"

namespace k27093::client {

// Left, Top, Width and Height in points, as the collection the object came from reports
// them (Shapes: the stored value; ChartObjects, TextBoxes, CheckBoxes: whole pixels).
struct PlaceView {
  Reading<double> left, top, width, height;
};

struct ShapeView {
  std::string name;
  std::int32_t type = 0;                // MsoShapeType
  Reading<std::int32_t> autoShapeType;  // MsoAutoShapeType; -2 for what is not an auto shape
  PlaceView place;
  Reading<std::int32_t> zOrderPosition;  // 1: the back-most object of the drawing
  Reading<std::int32_t> fillColor;       // Fill.ForeColor.RGB, R + 256*G + 65536*B
  Reading<std::int32_t> lineColor;       // Line.ForeColor.RGB
  // The text of the drawing's text box of the same name; nullopt when no text box has it.
  std::optional<std::string> text;
};

struct TextBoxView {
  Reading<std::string> name;
  Reading<std::string> text;
  PlaceView place;
};

struct CheckBoxView {
  Reading<std::string> name;
  Reading<std::int32_t> value;  // xlOn 1, xlOff -4146, xlMixed 2
  PlaceView place;
};

// Each list below raises what the collection's Count or Item raises (and, for shapes, what
// Name or Type raises): the caller keeps that as the whole list's Reading.

// The text boxes of a TextBoxes collection, in its order.
std::vector<TextBoxView> ReadTextBoxes(xl::TextBoxes& boxes);

// The drawn objects of a Shapes collection in z-order, each with the text of the text box of
// the same name among `textBoxes`.
std::vector<ShapeView> ReadShapes(xl::Shapes& shapes, const std::vector<TextBoxView>& textBoxes);

// The Forms check boxes of a CheckBoxes collection, in its order.
std::vector<CheckBoxView> ReadCheckBoxes(xl::CheckBoxes& boxes);

// The place of any object with Left, Top, Width and Height members.
template <class Placed>
PlaceView ReadPlace(Placed& object) {
  return {ReadingOf([&] { return object.Left(); }), ReadingOf([&] { return object.Top(); }),
          ReadingOf([&] { return object.Width(); }), ReadingOf([&] { return object.Height(); })};
}

}  // namespace k27093::client
