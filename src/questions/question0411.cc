#include "questions/question0411.h"

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

const Variant kPaleColour(16777164);

}  // namespace

void Question0411::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  check.Expect(Equals(GetProperty(chart, "ChartType"), xl::chart_type::kColumnClustered), "C");
  check.Expect(Equals(CountOf(chart, "SeriesCollection"), 4), "B");
  const Variant fourth = GetProperty(GetProperty(SeriesOf(chart, 4), "Interior"), "Color");
  check.Expect(!Equals(fourth, kPaleColour), "A");
}

}  // namespace k27093::questions
