#include "questions/question0406.h"

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

Variant LegendPosition(const Variant& chart) {
  return GetProperty(GetProperty(chart, "Legend"), "Position");
}

}  // namespace

// The legend is fetched again for each read. A position that cannot be taken as a number
// (Null) raises 94, which the handler turns into "B".
void Question0406::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  check.Expect(Equals(GetProperty(chart, "HasLegend"), true), "A");
  ToLong(LegendPosition(chart));
  check.Expect(ToLong(LegendPosition(chart)) == xl::kLegendBottom, "C");
}

HandlerVariant Question0406::Handler() const {
  return {{{errors::kInvalidNull, "B"}, {errors::kApplication, "D"}}};
}

}  // namespace k27093::questions
