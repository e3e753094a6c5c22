#include "questions/question0410.h"

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

const Variant kNoTickMarks(xl::kTickMarkNone);

}  // namespace

// The axis is fetched anew for every property.
void Question0410::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  check.Expect(Equals(GetProperty(chart, "HasAxis", {Variant(xl::kValue)}), true), "C");
  check.Expect(Equals(GetProperty(ValueAxis(chart), "MajorTickMark"), kNoTickMarks), "A");
  check.Expect(Equals(GetProperty(ValueAxis(chart), "MinorTickMark"), kNoTickMarks), "B");
}

HandlerVariant Question0410::Handler() const { return {{{errors::kApplication, "D"}}}; }

}  // namespace k27093::questions
