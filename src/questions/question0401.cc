#include "questions/question0401.h"

#include <array>

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

const Variant kSheet("année n");

constexpr std::array<std::string_view, 4> kFormulas = {
    "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,1)",
    "=SERIES('Année N'!$E$5,'Année N'!$F$3:$G$3,'Année N'!$F$5:$G$5,2)",
    "=SERIES('Année N'!$E$6,'Année N'!$F$3:$G$3,'Année N'!$F$6:$G$6,3)",
    "=SERIES('Année N'!$E$7,'Année N'!$F$3:$G$3,'Année N'!$F$7:$G$7,4)",
};

Variant ChartObjectCount(const Ref<xl::Application>& application) {
  return GetProperty(GetProperty(SheetOf(application, kSheet), "ChartObjects"), "Count");
}

}  // namespace

void Question0401::RunTests(Check& check) {
  const auto& app = application();
  check.Expect(!Equals(ChartObjectCount(app), 0), "H");
  check.Expect(!GreaterThan(ChartObjectCount(app), 1), "I");

  const Variant chart = QuestionChart(app, kSheet);
  const Variant type = GetProperty(chart, "Type");
  const Variant subType = GetProperty(chart, "SubType");
  check.Expect(Equals(type, xl::gallery::kColumn) && Equals(subType, 1), "A");

  const Variant series = GetProperty(chart, "SeriesCollection");
  check.Expect(!LessThan(GetProperty(series, "Count"), 4), "B");
  check.Expect(!GreaterThan(GetProperty(series, "Count"), 4), "C");

  check.Expect(!Equals(HasPrimaryAxis(chart, xl::kValue), false), "E");
  check.Expect(!Equals(HasPrimaryAxis(chart, xl::kCategory), false), "F");
  check.Expect(!Equals(GetProperty(CategoryAxis(chart), "TickLabelPosition"), xl::kTickLabelNone),
               "E");
  check.Expect(Equals(ArrayOf(GetProperty(CategoryAxis(chart), "CategoryNames")).upper(), 2), "F");
  const VariantArray names = ArrayOf(GetProperty(CategoryAxis(chart), "CategoryNames"));
  const Variant& first = names.at(1);
  const Variant& second = names.at(2);
  check.Expect(Equals(first, "Trim 1") && Equals(second, "Trim 2"), "F");

  std::array<Variant, 4> formulas;
  for (std::size_t i = 0; i < formulas.size(); ++i) {
    const Variant item = GetProperty(series, "Item", {Variant(static_cast<std::int32_t>(i + 1))});
    formulas[i] = GetProperty(item, "Formula");
  }
  Tribool sameFormulas = true;
  for (std::size_t i = 0; i < formulas.size(); ++i) {
    sameFormulas = sameFormulas && Equals(formulas[i], kFormulas[i]);
  }
  check.Expect(sameFormulas, "D");

  const Variant chartTitle = GetProperty(chart, "HasTitle");
  const Variant categoryTitle = GetProperty(CategoryAxis(chart), "HasTitle");
  const Variant valueTitle = GetProperty(ValueAxis(chart), "HasTitle");
  check.Expect(
      Equals(chartTitle, false) && Equals(categoryTitle, false) && Equals(valueTitle, false), "G");
}

}  // namespace k27093::questions
