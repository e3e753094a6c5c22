#include "questions/question0413.h"

#include "api/text.h"
#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

constexpr std::string_view kAverage = "moyenne";  // lower-cased

// The 1-based index of the first series whose name, lower-cased, is "moyenne"; one past the
// count when there is none. The index and the count are 16-bit: more series overflow (6).
std::int16_t AverageIndex(const Variant& chart) {
  const std::int16_t count = ToInteger(CountOf(chart, "SeriesCollection"));
  std::int16_t i = 1;
  for (; i <= count; i = NextIndex(i)) {
    if (LowerCase(ToText(GetProperty(SeriesOf(chart, i), "Name"))) == kAverage) break;
  }
  return i;
}

}  // namespace

void Question0413::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  const std::int16_t average = AverageIndex(chart);
  check.Expect(!GreaterThan(Variant(average), CountOf(chart, "SeriesCollection")), "C");

  // From here on every error stores "A" (a chart of four series has no fifth one).
  check.AnyErrorGives("A", [&] {
    check.Expect(Equals(GetProperty(SeriesOf(chart, 5), "Type"), xl::gallery::kLine), "A");
    Tribool columns = true;
    for (std::int32_t i = 1; i <= 4; ++i) {
      columns = columns && Equals(GetProperty(SeriesOf(chart, i), "Type"), xl::gallery::kColumn);
    }
    check.Expect(columns, "B");
  });
}

}  // namespace k27093::questions
