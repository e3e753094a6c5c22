#include "questions/question0404.h"

#include "api/text.h"
#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

constexpr std::string_view kTitle = "ventes";  // lower-cased

std::string TitleText(const Variant& chart) {
  return ToText(GetProperty(GetProperty(chart, "ChartTitle"), "Text"));
}

}  // namespace

void Question0404::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  if (ToBoolean(GetProperty(chart, "HasTitle"))) {
    if (LowerCase(TitleText(chart)) == kTitle) return;
    check.Store("C");
    check.AddComplement(" " + TitleText(chart));
    return;
  }
  const Variant textBoxes = GetProperty(chart, "TextBoxes");
  check.Expect(!GreaterThan(GetProperty(textBoxes, "Count"), 0), "B");
  check.Expect(false, "A");
}

}  // namespace k27093::questions
