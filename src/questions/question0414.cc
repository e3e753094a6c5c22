#include "questions/question0414.h"

#include "questions/chart_reads.h"
#include "questions/unit_text_box.h"

namespace k27093::questions {

void Question0414::RunTests(Check& check) {
  const Variant chart = QuestionChart(application(), kFirstSheet);
  check.Expect(!Equals(CountOf(chart, "TextBoxes"), 0), "A");
  check.Expect(IsATextBox(chart, UnitTextBoxIndex(chart)), "B");
}

}  // namespace k27093::questions
