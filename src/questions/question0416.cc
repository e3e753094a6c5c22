#include "questions/question0416.h"

#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

const Variant kTextBox("Text Box 2");
const Variant kShape("AutoShape 3");

// A position or size as the check compares it: in single precision, written as Str writes it
// (" 111.7395").
std::string Written(const Variant& shape, std::string_view property) {
  return StrOfNumber(ToDouble(GetProperty(shape, property)), true);
}

// The positions of the chart's shapes whose name is "Text Box 2" or "AutoShape 3" (exact
// case). The count is copied to 16 bits: more shapes overflow (6).
std::int32_t NamedShapeCount(const Variant& chart) {
  const std::int16_t count = ToInteger(Variant(ToLong(CountOf(chart, "Shapes"))));
  std::int32_t named = 0;
  for (std::int16_t j = 1; j <= count; j = NextIndex(j)) {
    const Variant first = GetProperty(ShapeOf(chart, j), "Name");
    const Variant second = GetProperty(ShapeOf(chart, j), "Name");
    if ((Equals(first, kTextBox) || Equals(second, kShape)).IsTrue()) ++named;
  }
  return named;
}

}  // namespace

void Question0416::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  check.Expect(ToLong(CountOf(chart, "Shapes")) != 0, "A");
  check.Expect(NamedShapeCount(chart) == 2, "A");

  const Variant box = ShapeOf(chart, kTextBox);
  const std::string boxLeft = Written(box, "Left"), boxTop = Written(box, "Top");
  const std::string boxWidth = Written(box, "Width"), boxHeight = Written(box, "Height");
  check.Expect(boxLeft == " 0" && boxTop == " 111.7395" && boxWidth == " 36.77457" &&
                   boxHeight == " 12.76425",
               "B");

  const Variant shape = ShapeOf(chart, kShape);
  const std::string left = Written(shape, "Left"), top = Written(shape, "Top");
  const std::string width = Written(shape, "Width"), widthAgain = Written(shape, "Width");
  const std::string height = Written(shape, "Height");
  check.Expect(left == " 0" && top == " 105.7759" &&
                   (width == " 32.98276" || widthAgain == " 32.14016") && height == " 23.99394",
               "B");

  const std::int32_t shapeOrder = ToLong(GetProperty(ShapeOf(chart, kShape), "ZOrderPosition"));
  const std::int32_t boxOrder = ToLong(GetProperty(ShapeOf(chart, kTextBox), "ZOrderPosition"));
  check.Expect(shapeOrder <= boxOrder, "C");
}

}  // namespace k27093::questions
