#include "questions/question0412.h"

#include "api/text.h"
#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

constexpr std::string_view kNameAndOpening = "=SERIES('Année N'!$E$8,";
constexpr std::string_view kValuesAndOrder = ",'Année N'!$F$8:$G$8,5)";
constexpr std::string_view kNoCategories = ",,";
constexpr std::string_view kCategories = "'Année N'!$F$3:$G$3";

std::string FifthFormula(const Variant& chart) {
  return ToText(GetProperty(SeriesOf(chart, 5), "Formula"));
}

}  // namespace

// Positions and lengths count characters; a part of a shorter text is what there is.
void Question0412::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  check.Expect(Equals(CountOf(chart, "SeriesCollection"), 5), "A");
  const std::string start = LeftChars(FifthFormula(chart), 23);
  const std::string end = RightChars(FifthFormula(chart), 23);
  check.Expect(start == kNameAndOpening && end == kValuesAndOrder, "B");
  const std::string empty = MidChars(FifthFormula(chart), 23, 2);
  const std::string categories = MidChars(FifthFormula(chart), 24, 19);
  check.Expect(empty == kNoCategories || categories == kCategories, "C");
}

}  // namespace k27093::questions
