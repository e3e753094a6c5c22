#include "questions/question0417.h"

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

const Variant kShape("AutoShape 3");
const Variant kWhite(16777215), kBlack(0);

Variant ForeColour(const Variant& chart, std::string_view format) {
  return GetProperty(GetProperty(GetProperty(ShapeOf(chart, kShape), format), "ForeColor"), "RGB");
}

Variant AreaFill(const Variant& chart) {
  return GetProperty(GetProperty(chart, "ChartArea"), "Fill");
}

}  // namespace

// Steps 1, 4 and 5 run with errors ignored: a read that fails stores the step's letter.
void Question0417::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  check.Expect(Check::WithoutErrors([&] { GetProperty(ShapeOf(chart, kShape), "Name"); }), "A");
  check.Expect(!Equals(ForeColour(chart, "Fill"), kWhite), "B");
  check.Expect(!Equals(ForeColour(chart, "Line"), kBlack), "C");
  const bool textureNamed = Check::WithoutErrors(
      [&] { ToText(CallById(AreaFill(chart), xl::dispid::kFillTextureName, CallKind::Get)); });
  check.Expect(textureNamed, "D");
  const bool textureTyped = Check::WithoutErrors(
      [&] { ToLong(CallById(AreaFill(chart), xl::dispid::kFillTextureType, CallKind::Get)); });
  check.Expect(textureTyped, "D");
}

}  // namespace k27093::questions
