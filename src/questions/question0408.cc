#include "questions/question0408.h"

#include "questions/chart_reads.h"

namespace k27093::questions {

// The axis is fetched anew for every property.
void Question0408::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  if (ToBoolean(GetProperty(CategoryAxis(chart), "HasMajorGridlines"))) return;
  check.Expect(!Equals(GetProperty(CategoryAxis(chart), "HasMinorGridlines"), true), "A");
  const Variant valueMinor = GetProperty(ValueAxis(chart), "HasMinorGridlines");
  const Variant valueMajor = GetProperty(ValueAxis(chart), "HasMajorGridlines");
  check.Expect(!(Equals(valueMinor, true) || Equals(valueMajor, false)), "B");
  check.Expect(false, "C");
}

}  // namespace k27093::questions
