// The cells a worksheet's view selects as the workbook opens: the active pane's selection, the
// area of its active cell, and what a sheet that states no valid selection gives.
#include <gtest/gtest.h>

#include <string>

#include "readers/ooxml/reader.h"
#include "readers/ooxml/package_builder.h"

namespace k27093::ooxml {
namespace {

// The selection read from a worksheet whose <sheetViews> content is `views`.
std::string SelectionOf(const std::string& views) {
  testing::PackageParts package = testing::MinimalWorkbook();
  package.parts["xl/worksheets/sheet1.xml"] =
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
      "<sheetViews>" +
      views + "</sheetViews><sheetData/></worksheet>";
  return ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls").sheets.at(0).selection;
}

TEST(SheetView, TheSelectionIsTheAreaThatHoldsTheActiveCell) {
  EXPECT_EQ(SelectionOf("<sheetView workbookViewId=\"0\"><selection activeCell=\"D12\" "
                        "sqref=\"D12\"/></sheetView>"),
            "D12");
  EXPECT_EQ(SelectionOf("<sheetView workbookViewId=\"0\"><selection activeCell=\"F8\" "
                        "sqref=\"B2:C3 E5:G9\"/></sheetView>"),
            "E5:G9");
  EXPECT_EQ(SelectionOf("<sheetView><selection activeCell=\"B2\" sqref=\"C3:B2\"/></sheetView>"),
            "C3:B2");
  // An active cell outside every area: the first area.
  EXPECT_EQ(SelectionOf("<sheetView><selection activeCell=\"A1\" sqref=\"B2:C3 E5\"/>"
                        "</sheetView>"),
            "B2:C3");
}

TEST(SheetView, TheActivePanesSelectionIsTaken) {
  EXPECT_EQ(SelectionOf("<sheetView><pane xSplit=\"2\" ySplit=\"3\" topLeftCell=\"C4\" "
                        "activePane=\"bottomRight\" state=\"frozen\"/>"
                        "<selection pane=\"topRight\" activeCell=\"C1\" sqref=\"C1\"/>"
                        "<selection pane=\"bottomLeft\" activeCell=\"A4\" sqref=\"A4\"/>"
                        "<selection pane=\"bottomRight\" activeCell=\"E7\" sqref=\"E7:F8\"/>"
                        "</sheetView>"),
            "E7:F8");
  // LibreOffice writes the pane of an unsplit view.
  EXPECT_EQ(SelectionOf("<sheetView><selection pane=\"topLeft\" activeCell=\"A1\" "
                        "activeCellId=\"0\" sqref=\"A1\"/></sheetView>"),
            "A1");
  // No selection of the active pane: the first selection.
  EXPECT_EQ(SelectionOf("<sheetView><pane ySplit=\"1\" activePane=\"bottomLeft\"/>"
                        "<selection pane=\"topRight\" activeCell=\"B1\" sqref=\"B1\"/>"
                        "</sheetView>"),
            "B1");
}

TEST(SheetView, AnActiveCellAloneIsTheSelection) {
  EXPECT_EQ(SelectionOf("<sheetView><selection activeCell=\"$C$5\"/></sheetView>"), "$C$5");
  EXPECT_EQ(SelectionOf("<sheetView><selection activeCell=\"C5\" sqref=\"nowhere\"/>"
                        "</sheetView>"),
            "C5");
}

TEST(SheetView, ASheetWithoutAValidSelectionStatesNone) {
  EXPECT_EQ(SelectionOf(""), "");
  EXPECT_EQ(SelectionOf("<sheetView workbookViewId=\"0\"/>"), "");
  EXPECT_EQ(SelectionOf("<sheetView><selection activeCell=\"ZZZZ1\" sqref=\"A0\"/></sheetView>"),
            "");
}

}  // namespace
}  // namespace k27093::ooxml
