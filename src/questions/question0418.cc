#include "questions/question0418.h"

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

// The cone chart types lie from 99 (xlConeColClustered) to 105 (xlConeCol).
const Variant kBelowCones(98), kAboveCones(106);

}  // namespace

void Question0418::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kSecondSheet);
  const Variant type = GetProperty(chart, "ChartType");
  const Variant typeAgain = GetProperty(chart, "ChartType");
  check.Expect(!(GreaterThan(type, kBelowCones) && LessThan(typeAgain, kAboveCones)), "B");
  check.Expect(Equals(GetProperty(chart, "ChartType"), xl::chart_type::kCombination), "A");
}

}  // namespace k27093::questions
