// Exercises 402 to 410 start from the chart that exercise 401 asks for, on the first sheet of
// the sales workbook. The fixture stages such a workbook, written by an independent writer,
// starts the exercise and lets a test play the learner through the object model or write the
// learner's workbook as a file.
#pragma once

#include "module/module_fixture.h"
#include "questions/question_classes.h"

namespace k27093::testing {

class ChartExerciseTest : public ModuleTest {
 protected:
  // The chart of exercise 401, as handed out for the following exercises: four series in
  // rows, 480 x 288 pixels at B11, with the title "Ventes".
  static testsupport::FixtureChart HandedOutChart() {
    testsupport::FixtureChart chart;
    chart.title = "Ventes";
    return chart;
  }

  // The sheet that holds the chart of exercise `number`: the second for 418 to 420, else the
  // first (0-based).
  static std::size_t ChartSheetOf(std::int32_t number) {
    return number >= 418 && number <= 420 ? 1 : 0;
  }

  // Stages exercise `number` with `chart` on its sheet (no chart when nullopt) and starts it.
  void StartWith(std::int32_t number, std::optional<testsupport::FixtureChart> chart,
                 testsupport::VentesOptions options = {}) {
    if (chart) options.sheets[ChartSheetOf(number)].charts.push_back(*chart);
    StageModel(number, options);
    Start(number);
  }

  // A fresh start of exercise `number` on the learner's workbook, then its verdict.
  std::string VerdictOn(std::int32_t number, std::optional<testsupport::FixtureChart> chart,
                        testsupport::VentesOptions options = {}) {
    StartWith(number, std::move(chart), std::move(options));
    return Verdict();
  }

  // The question of exercise `number` alone, without the module's structure check (which
  // stops a workbook without exactly one chart first): it is prepared on the workbook with
  // `chart` on its first sheet, opened in the module's spreadsheet in place of the exercise's.
  // `through`, when given, is the application the question is given instead of the module's.
  Ref<questions::Question> QuestionAlone(std::int32_t number,
                                         std::optional<testsupport::FixtureChart> chart,
                                         testsupport::VentesOptions options = {},
                                         Ref<xl::Application> through = {}) {
    StartWith(number, HandedOutChart());
    Workbook()->Close(false);
    if (chart) options.sheets[ChartSheetOf(number)].charts.push_back(*chart);
    testsupport::WriteVentesWorkbook(alone_.File("Ventes.xls"), options);
    auto question = questions::CreateQuestion(number);
    Ref<xl::Application> application = through.IsNothing() ? application_ : through;
    question->Prepare(application, alone_.path());
    return question;
  }

  // The first chart object of sheet `sheet` (1-based) and its chart.
  Ref<xl::ChartObject> ChartObject(std::int32_t sheet = 1) {
    return Sheet(sheet)->ChartObjects()->Item(Variant(1));
  }
  Ref<xl::Chart> ChartOf(std::int32_t sheet) { return ChartObject(sheet)->Chart(); }
  Ref<xl::Chart> Chart() { return ChartObject()->Chart(); }
  Ref<xl::Axis> ValueAxis() { return Chart()->Axes(xl::kValue, xl::kPrimary); }
  Ref<xl::Axis> CategoryAxis() { return Chart()->Axes(xl::kCategory, xl::kPrimary); }

  // The complementary texts of the last check.
  std::vector<std::string> Complements() {
    std::vector<std::string> texts;
    auto list = module_.Complement();
    for (std::int32_t i = 1; i <= list->count(); ++i) texts.push_back(list->item(i));
    return texts;
  }

 private:
  testsupport::TemporaryFolder alone_;
};

}  // namespace k27093::testing
