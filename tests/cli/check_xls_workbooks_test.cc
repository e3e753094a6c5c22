// The `k27093 check` command on .xls workbooks that the tests write as Excel 2003 saves them:
// the chart's own drawing of 414 to 417 (a text box "Text Box 2", a horizontal scroll
// "AutoShape 3") and the chart area's texture, the print sizes of 420 and the check boxes of
// 421. Each case holds what the committed .xlsx workbook of the same case holds and gets its
// verdict, but where the binary format cannot state it (416's places, below).
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/run_program.h"
#include "support/temporary_folder.h"
#include "support/xls_workbook_writer.h"

namespace k27093 {
namespace {

using nlohmann::json;
using testsupport::XlsAnswerWorkbook;
using testsupport::XlsChartAreaFill;
using testsupport::XlsChartShape;
using testsupport::XlsExerciseWorkbook;

const std::string kCommand = K27093_BINARY_DIR "/k27093";

constexpr std::uint16_t kRectangle = 1, kVerticalScroll = 97, kHorizontalScroll = 98;
constexpr std::int32_t kTurquoise = 0xCCFFFF, kRed = 0xFF0000;

struct Place {
  double left, top, width, height;
};
// The exercise's places in the chart area, in points.
constexpr Place kUnitBox{0, 111.7395, 36.77457, 12.76425};
constexpr Place kScroll{0, 105.7759, 32.98276, 23.99394};

XlsChartShape TextBox(const std::string& name, std::uint16_t id, Place place,
                      const std::string& text = "x1000") {
  XlsChartShape shape;
  shape.kind = XlsChartShape::Kind::TextBox;
  shape.objectId = id;
  shape.name = name;
  shape.left = place.left, shape.top = place.top, shape.width = place.width,
  shape.height = place.height;
  shape.text = text;
  return shape;
}

XlsChartShape AutoShape(const std::string& name, std::uint16_t id, Place place,
                        std::uint16_t type = kHorizontalScroll, std::int32_t fill = kTurquoise,
                        std::int32_t line = kRed) {
  XlsChartShape shape = TextBox(name, id, place, "");
  shape.kind = XlsChartShape::Kind::AutoShape;
  shape.shapeType = type;
  shape.fill = fill;
  shape.line = line;
  return shape;
}

// The scroll behind the unit's text box, as the exercise asks.
std::vector<XlsChartShape> RightDrawing(XlsChartShape scroll = AutoShape("AutoShape 3", 3,
                                                                         kScroll)) {
  return {scroll, TextBox("Text Box 2", 2, kUnitBox)};
}

XlsExerciseWorkbook Drawn(std::vector<XlsChartShape> shapes, XlsChartAreaFill::Kind area = {}) {
  XlsExerciseWorkbook workbook;
  workbook.chartShapes = std::move(shapes);
  workbook.chartArea.kind = area;
  return workbook;
}

XlsExerciseWorkbook Textured(std::vector<XlsChartShape> shapes) {
  return Drawn(std::move(shapes), XlsChartAreaFill::Kind::Texture);
}

struct XlsCase {
  const char* name;  // "414-right": the exercise, then the case (as excel2007-414-right.xlsx)
  std::variant<XlsExerciseWorkbook, XlsAnswerWorkbook> workbook;
  int status;
  const char* cause;
  const char* printer = nullptr;  // the machine's printer; none when null
};

std::ostream& operator<<(std::ostream& out, const XlsCase& xlsCase) { return out << xlsCase.name; }

// "Case414_right" for the case "414-right".
std::string CaseName(const ::testing::TestParamInfo<XlsCase>& info) {
  std::string name = info.param.name;
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  return "Case" + name;
}

class CheckOfXlsWorkbooks : public ::testing::Test {
 protected:
  // Writes `workbook` as `name`.xls and checks it for `exercise`, with the printer `printer`
  // when not null; expects the exit status `status` and gives the JSON verdict.
  json CheckWritten(const std::variant<XlsExerciseWorkbook, XlsAnswerWorkbook>& workbook,
                    const std::string& name, const std::string& exercise, int status,
                    const char* printer = nullptr) {
    const std::string path = folder_.File(name + ".xls");
    std::visit([&path](const auto& content) { testsupport::WriteXlsWorkbook(path, content); },
               workbook);
    std::vector<std::string> arguments = {kCommand, "check", exercise, path, "--json"};
    if (printer != nullptr) arguments.insert(arguments.end(), {"--printer", printer});
    const testsupport::ProgramResult result =
        testsupport::RunProgram(arguments, {{"TMPDIR", temporary_.path()}});
    EXPECT_EQ(result.status, status) << result.out << result.err;
    return json::parse(result.out);
  }

  void TearDown() override { EXPECT_EQ(temporary_.EntryCount(), 0) << "a working folder was left"; }

  testsupport::TemporaryFolder folder_;
  testsupport::TemporaryFolder temporary_;
};

class CheckOfWrittenXlsWorkbooks : public CheckOfXlsWorkbooks,
                                   public ::testing::WithParamInterface<XlsCase> {};

TEST_P(CheckOfWrittenXlsWorkbooks, GivesTheVerdictOfItsCase) {
  const XlsCase& expected = GetParam();
  const std::string exercise = std::string(expected.name).substr(0, 3);
  const json answer = CheckWritten(expected.workbook, std::string("excel2003-") + expected.name,
                                   exercise, expected.status, expected.printer);
  EXPECT_EQ(answer["ErreurGenerale"], false);
  EXPECT_EQ(answer["CauseErreur"], expected.cause);
}

INSTANTIATE_TEST_SUITE_P(
    Exercises414To417AsExcelWrites, CheckOfWrittenXlsWorkbooks,
    ::testing::Values(
        XlsCase{"414-right", Drawn(RightDrawing()), 0, ""},
        XlsCase{"414-upper-case", Drawn({TextBox("Text Box 2", 2, kUnitBox, "X1000")}), 0, ""},
        XlsCase{"414-no-text-box", Drawn({AutoShape("AutoShape 3", 3, kScroll)}), 1, "A"},
        XlsCase{"414-other-text", Drawn({TextBox("Text Box 2", 2, kUnitBox, "x 1000")}), 1, "B"},
        XlsCase{"415-right", Drawn(RightDrawing()), 0, ""},
        XlsCase{"415-no-text-box", Drawn({AutoShape("AutoShape 3", 3, kScroll)}), 1, "A"},
        XlsCase{"415-moved",
                Drawn({AutoShape("AutoShape 3", 3, kScroll),
                       TextBox("Text Box 2", 2, {0, 100.5, 36.77457, 12.76425})}),
                1, "E"},
        XlsCase{"415-no-shape", Drawn({TextBox("Text Box 2", 2, kUnitBox)}), 1, "B"},
        XlsCase{"415-two-shapes",
                [] {
                  std::vector<XlsChartShape> shapes = RightDrawing();
                  shapes.push_back(AutoShape("AutoShape 4", 4, {150, 10, 40, 20}, kRectangle));
                  return Drawn(shapes);
                }(),
                1, "C"},
        XlsCase{"415-vertical-scroll",
                Drawn(RightDrawing(AutoShape("AutoShape 3", 3, kScroll, kVerticalScroll))), 1, "D"},
        XlsCase{"416-excel-names",
                Drawn({AutoShape("Horizontal Scroll 2", 3, kScroll),
                       TextBox("TextBox 1", 2, kUnitBox)}),
                1, "A"},
        XlsCase{"416-moved",
                Drawn({AutoShape("AutoShape 3", 3, {0, 100, 32.98276, 23.99394}),
                       TextBox("Text Box 2", 2, kUnitBox)}),
                1, "B"},
        XlsCase{"417-right", Textured(RightDrawing()), 0, ""},
        XlsCase{"417-no-shape", Textured({TextBox("Text Box 2", 2, kUnitBox)}), 1, "A"},
        XlsCase{"417-white-fill",
                Textured(RightDrawing(AutoShape("AutoShape 3", 3, kScroll, kHorizontalScroll,
                                                0xFFFFFF))),
                1, "B"},
        XlsCase{"417-black-line",
                Textured(RightDrawing(AutoShape("AutoShape 3", 3, kScroll, kHorizontalScroll,
                                                kTurquoise, 0x000000))),
                1, "C"},
        XlsCase{"417-untextured", Drawn(RightDrawing(), XlsChartAreaFill::Kind::Solid), 1, "D"}),
    CaseName);

// A chart's own shapes are anchored in 1/4000 of the chart area: 0.0366 pt in a chart 146.25
// pt high, which cannot state the text box's top 111.7395 (the nearest anchors give 111.735 and
// 111.7716). 416 checks its places to seven digits, so the right drawing gives B here where its
// .xlsx, with fractions of the area to every digit of a double, passes; and so does the shape
// in front, whose C comes after B.
INSTANTIATE_TEST_SUITE_P(Exercise416OnTheChartAnchorGrid, CheckOfWrittenXlsWorkbooks,
                         ::testing::Values(XlsCase{"416-right", Drawn(RightDrawing()), 1, "B"},
                                           XlsCase{"416-shape-in-front",
                                                   [] {
                                                     std::vector<XlsChartShape> shapes =
                                                         RightDrawing();
                                                     std::swap(shapes[0], shapes[1]);
                                                     return Drawn(shapes);
                                                   }(),
                                                   1, "B"}),
                         CaseName);

XlsExerciseWorkbook PrintedChart(std::uint16_t printSize) {
  XlsExerciseWorkbook workbook;
  workbook.chartSheet = 1;
  workbook.printSize = printSize;
  return workbook;
}

// 420 asks for the chart of "Année N-1" printed at its size on screen: PRINTSIZE 3.
INSTANTIATE_TEST_SUITE_P(
    Exercise420PrintSizes, CheckOfWrittenXlsWorkbooks,
    ::testing::Values(XlsCase{"420-screen-size", PrintedChart(3), 0, "", "PDF"},
                      XlsCase{"420-full-page", PrintedChart(1), 1, "A", "PDF"},
                      XlsCase{"420-fit-to-page", PrintedChart(2), 1, "A", "PDF"}),
    CaseName);

XlsAnswerWorkbook Ticked(std::array<std::uint16_t, 4> boxes) {
  XlsAnswerWorkbook workbook;
  workbook.boxes = boxes;
  return workbook;
}

// Boxes 2 and 4 ticked pass; none "A"; 1, 2 and 4, or 2 alone, or 2 and 3 "B"; a mixed box is
// not ticked.
INSTANTIATE_TEST_SUITE_P(
    Exercise421TickedAnswers, CheckOfWrittenXlsWorkbooks,
    ::testing::Values(XlsCase{"421-right", Ticked({0, 1, 0, 1}), 0, ""},
                      XlsCase{"421-nothing", Ticked({0, 0, 0, 0}), 1, "A"},
                      XlsCase{"421-one-two-four", Ticked({1, 1, 0, 1}), 1, "B"},
                      XlsCase{"421-two-only", Ticked({0, 1, 0, 0}), 1, "B"},
                      XlsCase{"421-check-boxes", Ticked({0, 1, 1, 0}), 1, "B"},
                      XlsCase{"421-mixed-first", Ticked({2, 1, 0, 1}), 1, "B"}),
    CaseName);

// The check unprotects "Réponses" without a password: a sheet protected with one refuses.
TEST_F(CheckOfXlsWorkbooks, AnswersProtectedWithAPasswordEndInTheRefusal1004) {
  XlsAnswerWorkbook workbook = Ticked({1, 0, 0, 0});
  workbook.passwordHash = 0xDAA7;  // "secret"
  const json verdict = CheckWritten(workbook, "excel2003-421-password", "421", 3);
  EXPECT_EQ(verdict["CauseErreur"], nullptr);
  EXPECT_EQ(verdict["error"]["number"], 1004);
}

}  // namespace
}  // namespace k27093
