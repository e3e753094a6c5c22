#include "questions/question0409.h"

#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

const Variant kMajorUnit(400);

Variant MajorUnit(const Variant& chart) { return GetProperty(ValueAxis(chart), "MajorUnit"); }

}  // namespace

// The axis is fetched anew for every property. A fixed unit of another value stores "B" and
// is given back, after one space, as the complement.
void Question0409::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  if (Equals(MajorUnit(chart), kMajorUnit).IsTrue()) return;
  check.Expect(!Equals(GetProperty(ValueAxis(chart), "MajorUnitIsAuto"), true), "A");
  check.Store("B");
  check.AddComplement(" " + ToText(MajorUnit(chart)));
}

HandlerVariant Question0409::Handler() const { return {{{errors::kApplication, "C"}}}; }

}  // namespace k27093::questions
