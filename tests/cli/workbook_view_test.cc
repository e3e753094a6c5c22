// WorkbookView: reading an open workbook through the object model.
#include "cli/workbook_view.h"

#include <gtest/gtest.h>

#include "cli/embedded_environment.h"
#include "spreadsheet/object_model.h"
#include "support/temporary_folder.h"
#include "support/workbook_fixtures.h"

namespace k27093 {
namespace {

using client::EmbeddedEnvironment;
using client::EmbeddedOptions;

class WorkbookView : public ::testing::Test {
 protected:
  client::WorkbookView Read(const testsupport::VentesOptions& options = {}) {
    std::string path = folder_.File("Ventes.xls");
    testsupport::WriteVentesWorkbook(path, options);
    EmbeddedOptions settings;
    settings.templatesPath = folder_.path();
    settings.currentFolder = folder_.path();
    EmbeddedEnvironment embedded(settings);
    auto application =
        ToObject<xl::Application>(Variant(embedded.registry().CreateObject(engine::kProgId)));
    Ref<xl::Workbook> book = application->Workbooks()->Open(path);
    client::WorkbookView view = client::ReadWorkbookView(*book);
    book->Close(false);
    application->Quit();
    return view;
  }

  testsupport::TemporaryFolder folder_;
};

TEST_F(WorkbookView, ListsCellsByRowsThenColumns) {
  client::WorkbookView view = Read();
  EXPECT_EQ(view.name, "Ventes.xls");
  ASSERT_EQ(view.sheets.size(), 2u);
  const auto& cells = view.sheets[0].cells;
  ASSERT_EQ(cells.size(), 14u);
  EXPECT_EQ(cells[0].address, "F3");
  EXPECT_EQ(cells[1].address, "G3");
  EXPECT_EQ(cells[2].address, "E4");
  EXPECT_EQ(cells[13].address, "G7");
  EXPECT_EQ(ToDouble(cells[13].value), testsupport::SalesFigure(false, 3, 1));
}

TEST_F(WorkbookView, ReadsTheLabelOfE3WhenThereIsOne) {
  testsupport::VentesOptions options;
  options.sheets[0].tableLabel = "Ventes par région";
  client::WorkbookView view = Read(options);
  const auto& cells = view.sheets[0].cells;
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(cells[0].address, "E3");
  EXPECT_EQ(ToText(cells[0].value), "Ventes par région");
}

TEST_F(WorkbookView, FindsCommentsAnywhereInTheScannedArea) {
  testsupport::VentesOptions options;
  options.sheets[1].markerCell = "Z100";
  client::WorkbookView view = Read(options);
  ASSERT_EQ(view.sheets[1].comments.size(), 1u);
  EXPECT_EQ(view.sheets[1].comments[0].address, "Z100");
  EXPECT_EQ(view.sheets[0].comments[0].address, "G9");
}

TEST_F(WorkbookView, ASheetWithoutTableOrMarkerIsEmpty) {
  testsupport::VentesOptions options;
  testsupport::VentesSheet blank;
  blank.name = "Feuil3";
  blank.withTable = false;
  blank.marker.reset();
  options.sheets.push_back(blank);
  client::WorkbookView view = Read(options);
  ASSERT_EQ(view.sheets.size(), 3u);
  EXPECT_EQ(view.sheets[2].name, "Feuil3");
  EXPECT_TRUE(view.sheets[2].cells.empty());
  EXPECT_TRUE(view.sheets[2].comments.empty());
}

TEST(CellAddress, SpellsColumnsAsTheSpreadsheetDoes) {
  EXPECT_EQ(client::CellAddress(1, 1), "A1");
  EXPECT_EQ(client::CellAddress(9, 7), "G9");
  EXPECT_EQ(client::CellAddress(100, 26), "Z100");
  EXPECT_EQ(client::CellAddress(1, 27), "AA1");
  EXPECT_EQ(client::CellAddress(3, 52), "AZ3");
  EXPECT_EQ(client::CellAddress(3, 703), "AAA3");
}

}  // namespace
}  // namespace k27093
