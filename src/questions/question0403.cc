#include "questions/question0403.h"

#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

const Variant kSheetName("Année N");
const Variant kSeriesName("SUD");

Variant SelectionName(const Ref<xl::Application>& application) {
  return GetProperty(GetProperty(Variant(application), "Selection"), "Name");
}

}  // namespace

void Question0403::RunTests(Check& check) {
  const auto& app = application();
  const Variant activeSheet = GetProperty(Variant(app), "ActiveSheet");
  check.Expect(Equals(GetProperty(activeSheet, "Name"), kSheetName), "B");

  // From here on errors are ignored: a selection without a name (a cell range) fails its read.
  const bool named = Check::WithoutErrors([&] { ToText(SelectionName(app)); });
  check.Expect(named, "A");
  // A read that fails here runs the failure branch, as an ignored error in a condition does.
  Tribool isTheSeries = false;
  Check::WithoutErrors([&] { isTheSeries = Equals(SelectionName(app), kSeriesName); });
  check.Expect(isTheSeries, "A");
}

}  // namespace k27093::questions
