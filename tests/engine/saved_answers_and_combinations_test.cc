// Workbooks LibreOffice Calc saved for exercises 413, 418 and 421, read through the object
// model: each series' own kind of plot beside columns, the whole chart's type, and the answer
// sheet's drawn objects, check boxes and protection.
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace k27093::engine::testing {
namespace {

namespace type = xl::chart_type;
namespace gallery = xl::gallery;

const std::string kTestData = std::string(K27093_TEST_DATA) + "/";

class SavedAnswersAndCombinationsTest : public EngineTest {
 protected:
  Ref<xl::Worksheet> SheetOf(const std::string& file, int sheet) {
    auto book = app->Workbooks()->Open(kTestData + file);
    return AsWorksheet(book->Sheets()->Item(Variant(sheet)));
  }
  Ref<xl::Chart> ChartOf(const std::string& file, int sheet) {
    return SheetOf(file, sheet)->ChartObjects()->Item(Variant(1))->Chart();
  }
  // Name and legacy Type of every series of `chart`, in the collection's order.
  static std::vector<std::pair<std::string, std::int32_t>> NamesAndTypes(
      const Ref<xl::Chart>& chart) {
    std::vector<std::pair<std::string, std::int32_t>> seen;
    auto series = chart->SeriesCollection();
    for (std::int32_t i = 1; i <= series->Count(); ++i) {
      auto one = series->Item(Variant(i));
      seen.emplace_back(one->Name(), one->Type());
    }
    return seen;
  }
};

using NamedTypes = std::vector<std::pair<std::string, std::int32_t>>;

TEST_F(SavedAnswersAndCombinationsTest, AnAverageMovedToALineIsTheFifthSeriesDrawnAsALine) {
  auto chart = ChartOf("libreoffice-413-right.xlsx", 1);
  EXPECT_EQ(chart->ChartType(), type::kCombination);
  EXPECT_EQ(NamesAndTypes(chart), (NamedTypes{{"NORD", gallery::kColumn},
                                              {"SUD", gallery::kColumn},
                                              {"EST", gallery::kColumn},
                                              {"OUEST", gallery::kColumn},
                                              {"Moyenne", gallery::kLine}}));
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(5))->ChartType(), type::kLine);
}

TEST_F(SavedAnswersAndCombinationsTest, SeriesOfThreeKindsOfPlotComeGroupByGroup) {
  // Calc saved the area group between the columns and the line.
  auto chart = ChartOf("libreoffice-413-third-area.xlsx", 1);
  EXPECT_EQ(chart->ChartType(), type::kCombination);
  EXPECT_EQ(NamesAndTypes(chart), (NamedTypes{{"NORD", gallery::kColumn},
                                              {"SUD", gallery::kColumn},
                                              {"OUEST", gallery::kColumn},
                                              {"EST", gallery::kArea},
                                              {"Moyenne", gallery::kLine}}));
}

TEST_F(SavedAnswersAndCombinationsTest, ColumnsAndALineOnTheSecondSheetAreACombination) {
  EXPECT_EQ(ChartOf("libreoffice-418-right.xlsx", 2)->ChartType(), type::kCombination);
  app->ActiveWorkbook()->Close(false);
  EXPECT_EQ(ChartOf("libreoffice-418-columns.xlsx", 2)->ChartType(), type::kColumnClustered);
}

TEST_F(SavedAnswersAndCombinationsTest, SavedConeColumnsAreClusteredConeColumns) {
  auto chart = ChartOf("libreoffice-418-cone.xlsx", 2);
  EXPECT_EQ(chart->ChartType(), type::kConeColClustered);
  EXPECT_EQ(chart->SeriesCollection()->Item(Variant(5))->ChartType(), type::kConeColClustered);
}

TEST_F(SavedAnswersAndCombinationsTest, TheAnswerSheetHoldsTheInstructionAndFourCheckBoxes) {
  auto answers = SheetOf("libreoffice-421-right.xlsx", 2);
  EXPECT_TRUE(answers->ProtectContents());
  auto shapes = answers->Shapes();
  ASSERT_EQ(shapes->Count(), 5);
  EXPECT_EQ(shapes->Item(Variant(1))->Name(), "Consigne");
  EXPECT_EQ(shapes->Item(Variant(1))->Type(), xl::kMsoTextBox);
  for (std::int32_t i = 2; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(shapes->Item(Variant(i))->Type(), xl::kMsoFormControl);
  }
  auto boxes = answers->CheckBoxes();
  ASSERT_EQ(boxes->Count(), 4);
  std::vector<std::int32_t> values;
  for (std::int32_t i = 1; i <= 4; ++i) values.push_back(boxes->Item(Variant(i))->Value());
  EXPECT_EQ(values, (std::vector<std::int32_t>{xl::kOff, xl::kOn, xl::kOff, xl::kOn}));
  EXPECT_EQ(answers->TextBoxes()->Count(), 1);
}

}  // namespace
}  // namespace k27093::engine::testing
