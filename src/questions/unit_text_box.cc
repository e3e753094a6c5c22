#include "questions/unit_text_box.h"

#include "api/text.h"
#include "questions/chart_reads.h"

namespace k27093::questions {

namespace {

constexpr std::string_view kUnit = "x1000";  // lower-cased

}  // namespace

std::int16_t UnitTextBoxIndex(const Variant& chart) {
  const std::int16_t count = ToInteger(CountOf(chart, "TextBoxes"));
  std::int16_t i = 1;
  for (; i <= count; i = NextIndex(i)) {
    const std::string text = ToText(GetProperty(TextBoxOf(chart, i), "Text"));
    if (LowerCase(text) == kUnit) break;
  }
  return i;
}

Tribool IsATextBox(const Variant& chart, std::int16_t index) {
  return !GreaterThan(Variant(index), CountOf(chart, "TextBoxes"));
}

}  // namespace k27093::questions
