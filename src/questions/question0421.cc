#include "questions/question0421.h"

#include <array>

#include "questions/chart_reads.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

namespace {

const Variant kAnswers("Réponses");
constexpr std::string_view kBoxPrefix = "Case à cocher ";

void Call(const Variant& object, std::string_view method) {
  CallByName(object, method, CallKind::Method);
}

// The values of the four check boxes, each selected on the sheet and read as the selection.
std::array<std::int32_t, 4> BoxValues(const Ref<xl::Application>& application) {
  std::array<std::int32_t, 4> values{};
  for (std::size_t k = 1; k <= values.size(); ++k) {
    const Variant name(std::string(kBoxPrefix) + std::to_string(k));
    const Variant shapes = GetProperty(SheetOf(application, kAnswers), "Shapes");
    Call(GetProperty(shapes, "Item", {name}), "Select");
    values[k - 1] = ToLong(GetProperty(GetProperty(Variant(application), "Selection"), "Value"));
  }
  return values;
}

// The letter of an answer: nothing ticked "A", boxes 2 and 4 alone "", anything else "B".
std::string_view LetterOf(const std::array<std::int32_t, 4>& values) {
  if (values[0] != xl::kOff) return "B";
  if (values == std::array{xl::kOff, xl::kOff, xl::kOff, xl::kOff}) return "A";
  if (values == std::array{xl::kOff, xl::kOn, xl::kOff, xl::kOn}) return "";
  return "B";
}

}  // namespace

// The sheet "Réponses" is protected again whatever happens: after the answer is decided, and
// when a read fails on the way, before the error goes on, so that the learner's answer sheet
// never stays open to editing.
void Question0421::RunTests(Check& check) {
  const auto& app = application();
  const Variant workbook = GetProperty(Variant(app), "ActiveWorkbook");
  const Variant activeSheet = GetProperty(GetProperty(workbook, "ActiveSheet"), "Name");
  auto protectAnswers = [&] { Call(SheetOf(app, kAnswers), "Protect"); };
  std::string_view letter;
  try {
    Call(SheetOf(app, kAnswers), "Select");
    Call(GetProperty(workbook, "Worksheets", {kAnswers}), "Unprotect");
    const auto values = BoxValues(app);
    Call(SheetOf(app, activeSheet), "Select");
    letter = LetterOf(values);
  } catch (const Error&) {
    Check::WithoutErrors(protectAnswers);
    throw;
  }
  if (!letter.empty()) check.Store(letter);
  protectAnswers();
}

}  // namespace k27093::questions
