// Manual layouts of chart elements (c:manualLayout): the target, the four modes and their
// defaults, the stored fractions, and layouts that are not the format's; from chart parts
// built in the test and from workbooks saved by Excel.
#include <gtest/gtest.h>

#include <string>

#include "api/error.h"
#include "readers/ooxml/package_builder.h"
#include "readers/ooxml/reader.h"

namespace k27093::ooxml {
namespace {

using testing::AddDrawing;
using testing::ChartFrame;
using testing::ChartSpaceXml;
using testing::MinimalWorkbook;
using testing::PackageParts;
using testing::TwoCellAnchor;
using Mode = document::ManualLayoutData::Mode;

const std::string kExcelFolder = std::string(K27093_EXCEL_FILES) + "/";

// A package whose only chart is a column chart whose plot area holds `layout` (the content
// of <c:layout>).
PackageParts ChartWithLayouts(const std::string& layout) {
  PackageParts package = MinimalWorkbook();
  const std::string chart = ChartSpaceXml(
      "<c:chart><c:plotArea><c:layout>" + layout +
      "</c:layout><c:barChart><c:barDir val=\"col\"/><c:axId val=\"1\"/><c:axId val=\"2\"/>"
      "</c:barChart><c:catAx><c:axId val=\"1\"/></c:catAx><c:valAx><c:axId val=\"2\"/>"
      "</c:valAx></c:plotArea></c:chart>");
  AddDrawing(package, TwoCellAnchor(0, 0, 4, 10, ChartFrame("Chart 1", "rIdChart1")), {chart});
  return package;
}

document::ChartData OnlyChart(const PackageParts& package) {
  return ReadWorkbookBytes(testing::ZipBytes(package), "Ventes.xls").sheets.at(0).charts.at(0);
}

document::ChartData FirstExcelChart(const std::string& name) {
  return ReadWorkbookFile(kExcelFolder + name).sheets.at(0).charts.at(0);
}

TEST(ManualLayout, AbsentTargetAndModesTakeTheFormatsDefaults) {
  document::ChartData chart = OnlyChart(
      ChartWithLayouts("<c:manualLayout><c:x val=\"0.1\"/><c:y val=\"-0.05\"/><c:w val=\"0.7\"/>"
                       "<c:h val=\"0.55\"/></c:manualLayout>"));
  ASSERT_TRUE(chart.plotAreaLayout.has_value());
  const document::ManualLayoutData& layout = *chart.plotAreaLayout;
  EXPECT_FALSE(layout.inner);
  EXPECT_EQ(layout.xMode, Mode::Factor);
  EXPECT_EQ(layout.yMode, Mode::Factor);
  EXPECT_EQ(layout.wMode, Mode::Factor);
  EXPECT_EQ(layout.hMode, Mode::Factor);
  EXPECT_EQ(layout.x, 0.1);
  EXPECT_EQ(layout.y, -0.05);
  EXPECT_EQ(layout.width, 0.7);
  EXPECT_EQ(layout.height, 0.55);
}

TEST(ManualLayout, StatedTargetAndModesAreReadEachOnItsOwn) {
  document::ChartData chart = OnlyChart(
      ChartWithLayouts("<c:manualLayout><c:layoutTarget val=\"inner\"/><c:xMode val=\"edge\"/>"
                       "<c:yMode val=\"factor\"/><c:wMode val=\"edge\"/><c:hMode val=\"factor\"/>"
                       "<c:x val=\"0.2\"/></c:manualLayout>"));
  const document::ManualLayoutData& layout = *chart.plotAreaLayout;
  EXPECT_TRUE(layout.inner);
  EXPECT_EQ(layout.xMode, Mode::Edge);
  EXPECT_EQ(layout.yMode, Mode::Factor);
  EXPECT_EQ(layout.wMode, Mode::Edge);
  EXPECT_EQ(layout.hMode, Mode::Factor);
  EXPECT_FALSE(layout.y.has_value());
  EXPECT_FALSE(layout.height.has_value());
}

TEST(ManualLayout, AModeOrTargetOutsideTheFormatsIsADamagedPart) {
  struct Case {
    std::string layout;
    std::string reason;
  };
  for (const Case& damaged :
       {Case{"<c:manualLayout><c:wMode val=\"stretch\"/></c:manualLayout>",
             "the part 'xl/charts/chart1.xml' has the layout mode 'stretch'"},
        Case{"<c:manualLayout><c:layoutTarget val=\"middle\"/></c:manualLayout>",
             "the part 'xl/charts/chart1.xml' has the layout target 'middle'"}}) {
    SCOPED_TRACE(damaged.layout);
    try {
      OnlyChart(ChartWithLayouts(damaged.layout));
      ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), 1004);
      EXPECT_NE(error.description().find(damaged.reason), std::string::npos) << error.description();
    }
  }
}

TEST(ManualLayout, ExcelStoresAnInnerPlotAreaWithEdgePositionsAndFactorSizes) {
  const document::ChartData chart = FirstExcelChart("chart_layout01.xlsx");
  ASSERT_TRUE(chart.plotAreaLayout.has_value());
  const document::ManualLayoutData& layout = *chart.plotAreaLayout;
  EXPECT_TRUE(layout.inner);
  EXPECT_EQ(layout.xMode, Mode::Edge);
  EXPECT_EQ(layout.yMode, Mode::Edge);
  EXPECT_EQ(layout.wMode, Mode::Factor);
  EXPECT_EQ(layout.hMode, Mode::Factor);
  EXPECT_DOUBLE_EQ(*layout.x, 0.13171062992125984);
  EXPECT_DOUBLE_EQ(*layout.y, 0.26436351706036748);
  EXPECT_DOUBLE_EQ(*layout.width, 0.73970734908136482);
  EXPECT_DOUBLE_EQ(*layout.height, 0.5713732137649461);
  EXPECT_FALSE(chart.legend->layout.has_value());
}

TEST(ManualLayout, ExcelStoresAMovedLegendButNoPlotAreaLayout) {
  const document::ChartData chart = FirstExcelChart("chart_layout02.xlsx");
  EXPECT_FALSE(chart.plotAreaLayout.has_value());
  ASSERT_TRUE(chart.legend->layout.has_value());
  const document::ManualLayoutData& legend = *chart.legend->layout;
  EXPECT_FALSE(legend.inner);
  EXPECT_EQ(legend.xMode, Mode::Edge);
  EXPECT_EQ(legend.yMode, Mode::Edge);
  EXPECT_EQ(legend.wMode, Mode::Factor);
  EXPECT_DOUBLE_EQ(*legend.y, 0.37442403032954213);
  EXPECT_DOUBLE_EQ(*legend.height, 0.25115157480314959);
}

}  // namespace
}  // namespace k27093::ooxml
