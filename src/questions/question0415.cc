#include "questions/question0415.h"

#include "questions/chart_reads.h"
#include "questions/unit_text_box.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

const Variant kLeft(0), kTop(111.75), kWidth(36.75), kHeight(12.75);
constexpr std::int32_t kHorizontalScroll = 102;  // msoShapeHorizontalScroll

void Select(const Variant& object) { CallByName(object, "Select", CallKind::Method); }

// Activates the active sheet's first chart object and selects the active chart's area.
void SelectChartArea(const Ref<xl::Application>& application) {
  const Variant app(application);
  const Variant chartObject =
      GetProperty(GetProperty(app, "ActiveSheet"), "ChartObjects", {Variant(1)});
  CallByName(chartObject, "Activate", CallKind::Method);
  Select(GetProperty(GetProperty(app, "ActiveChart"), "ChartArea"));
}

// The drawn shapes of the chart (msoAutoShape): how many, and the index of the last one.
struct DrawnShapes {
  std::int32_t count = 0;
  std::int16_t last = 0;
};

DrawnShapes CountDrawnShapes(const Variant& chart) {
  DrawnShapes shapes;
  const std::int16_t count = ToInteger(Variant(ToLong(CountOf(chart, "Shapes"))));
  for (std::int16_t j = 1; j <= count; j = NextIndex(j)) {
    if (ToLong(GetProperty(ShapeOf(chart, j), "Type")) != xl::kMsoAutoShape) continue;
    ++shapes.count;
    shapes.last = j;
  }
  return shapes;
}

}  // namespace

void Question0415::RunTests(Check& check) {
  const auto& app = application();
  const Variant chart = QuestionChart(app, kFirstSheet);
  check.Expect(!Equals(CountOf(chart, "TextBoxes"), 0), "A");
  Select(TextBoxOf(chart, 1));
  const std::int16_t unit = UnitTextBoxIndex(chart);
  check.Expect(IsATextBox(chart, unit), "A");
  SelectChartArea(app);

  const Variant box = TextBoxOf(chart, unit);
  const Variant left = GetProperty(box, "Left");
  const Variant top = GetProperty(box, "Top");
  const Variant width = GetProperty(box, "Width");
  const Variant height = GetProperty(box, "Height");
  check.Expect(
      Equals(left, kLeft) && Equals(top, kTop) && Equals(width, kWidth) && Equals(height, kHeight),
      "E");

  const DrawnShapes shapes = CountDrawnShapes(chart);
  check.Expect(shapes.count != 0, "B");
  check.Expect(shapes.count <= 1, "C");
  const Variant type = GetProperty(ShapeOf(chart, shapes.last), "AutoShapeType");
  check.Expect(ToLong(type) == kHorizontalScroll, "D");
}

}  // namespace k27093::questions
