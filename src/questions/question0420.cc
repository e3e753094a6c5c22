#include "questions/question0420.h"

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

constexpr std::int32_t kScreenSize = 1;  // xlScreenSize

}  // namespace

void Question0420::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kSecondSheet);
  const Variant pageSetup = GetProperty(chart, "PageSetup");
  const Variant size = CallById(pageSetup, xl::dispid::kPageSetupChartSize, CallKind::Get);
  check.Expect(ToLong(size) == kScreenSize, "A");
}

}  // namespace k27093::questions
