#include "questions/question0419.h"

#include "questions/chart_reads.h"

namespace k27093::questions {

void Question0419::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kSecondSheet);
  check.Expect(Equals(GetProperty(chart, "HasDataTable"), true), "A");
}

}  // namespace k27093::questions
