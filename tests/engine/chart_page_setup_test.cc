// The page setup of charts of workbook files: their ChartSize (dispatch identifier 1012),
// which the file format does not store, is Excel's default, xlFullPage, for embedded charts
// and chart sheets alike, and keeps what the object model sets.
#include <string>

#include "engine_fixture.h"
#include "spreadsheet/constants.h"

namespace k27093::engine::testing {
namespace {

constexpr std::int32_t kScreenSize = 1, kFitToPage = 2, kFullPage = 3;

class ChartPageSetupTest : public EngineTest {
 protected:
  Ref<xl::Chart> EmbeddedChartOfAFile() {
    auto book =
        app->Workbooks()->Open(std::string(K27093_TEST_DATA) + "/libreoffice-3d-shapes.xlsx");
    return AsWorksheet(book->Sheets()->Item(Variant(2)))->ChartObjects()->Item(Variant(1))->Chart();
  }
  static std::int32_t ChartSizeById(const Ref<xl::Chart>& chart) {
    return ToLong(CallById(GetProperty(Variant(chart), "PageSetup"),
                           xl::dispid::kPageSetupChartSize, CallKind::Get));
  }
};

TEST_F(ChartPageSetupTest, ChartsOfFilesArePrintedOnTheFullPage) {
  auto embedded = EmbeddedChartOfAFile();
  EXPECT_EQ(embedded->PageSetup()->ChartSize(), kFullPage);
  EXPECT_EQ(ChartSizeById(embedded), kFullPage);
  // A chart sheet whose file states a page setup (paper, orientation): still the full page.
  auto book = app->Workbooks()->Open(std::string(K27093_EXCEL_FILES) + "/chartsheet07.xlsx");
  auto sheetChart = ToObject<xl::Chart>(Variant(book->Sheets()->Item(Variant("Chart1"))));
  EXPECT_EQ(ChartSizeById(sheetChart), kFullPage);
}

TEST_F(ChartPageSetupTest, ChartSizeSetThroughItsDispatchIdentifierIsKept) {
  auto chart = EmbeddedChartOfAFile();
  for (std::int32_t size : {kFitToPage, kScreenSize, kFullPage}) {
    CallById(GetProperty(Variant(chart), "PageSetup"), xl::dispid::kPageSetupChartSize,
             CallKind::Put, {Variant(size)});
    EXPECT_EQ(chart->PageSetup()->ChartSize(), size);
    EXPECT_EQ(ChartSizeById(chart), size);
  }
  const Error error = CaughtError([&] {
    CallById(GetProperty(Variant(chart), "PageSetup"), xl::dispid::kPageSetupChartSize,
             CallKind::Put, {Variant(0)});
  });
  EXPECT_EQ(error.number(), 1004);
  EXPECT_EQ(ChartSizeById(chart), kFullPage);
}

}  // namespace
}  // namespace k27093::engine::testing
