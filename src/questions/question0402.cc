#include "questions/question0402.h"

#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

const Variant kWidth(247.5), kHeight(146.25);
const Variant kMostLeft(10), kMostTop(10);

}  // namespace

// The chart object is fetched again for every property.
void Question0402::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  const Variant width = GetProperty(ChartObjectOf(chart), "Width");
  const Variant height = GetProperty(ChartObjectOf(chart), "Height");
  check.Expect(Equals(width, kWidth) && Equals(height, kHeight), "A");
  const Variant left = GetProperty(ChartObjectOf(chart), "Left");
  const Variant top = GetProperty(ChartObjectOf(chart), "Top");
  check.Expect(!GreaterThan(left, kMostLeft) && !GreaterThan(top, kMostTop), "B");
}

}  // namespace k27093::questions
