#include "questions/question0405.h"

#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

const Variant kFontName("Arial");
const Variant kFontSize(11);

Variant AreaFont(const Variant& chart) {
  return GetProperty(GetProperty(chart, "ChartArea"), "Font");
}

Variant TitleFont(const Variant& chart) {
  return GetProperty(GetProperty(chart, "ChartTitle"), "Font");
}

}  // namespace

void Question0405::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  const Variant areaSize = GetProperty(AreaFont(chart), "Size");
  const Variant areaName = GetProperty(AreaFont(chart), "Name");
  check.Expect(!Equals(areaSize, kFontSize) && Equals(areaName, kFontName), "D");
  check.Expect(Equals(GetProperty(chart, "HasTitle"), true), "A");
  check.Expect(!Equals(GetProperty(TitleFont(chart), "Name"), kFontName), "C");
  check.Expect(Equals(GetProperty(TitleFont(chart), "Size"), kFontSize), "B");
}

}  // namespace k27093::questions
