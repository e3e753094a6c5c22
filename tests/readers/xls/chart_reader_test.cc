#include <gtest/gtest.h>

#include "document/read_fault.h"
#include "readers/xls/office_art_properties.h"
#include "support/chart_stream_builder.h"

namespace k27093::xls {
namespace {

namespace records = chart_records;
using testing::Area3D;
using testing::ChartStream;
using testing::ColumnChart;
using testing::ReadChartBytes;
using testing::Ref3D;
using testing::U16;
using testing::U32;
using testing::U8;
using testing::Zeros;

const auto kNothing = [](ChartStream&) {};

TEST(ChartReaderGroups, AColumnChartHasItsGroupSeriesAndAxes) {
  const document::ChartData chart = ReadChartBytes(ColumnChart(kNothing, kNothing));
  ASSERT_EQ(chart.groups.size(), 1u);
  EXPECT_EQ(chart.groups[0].element, "barChart");
  EXPECT_EQ(chart.chartType, 51);
  EXPECT_EQ(chart.groups[0].axisIds, (std::vector<std::string>{"1:1", "1:2"}));
  ASSERT_EQ(chart.series.size(), 1u);
  EXPECT_EQ(chart.series[0].values.reference, "Sheet1!$A$1:$A$3");
  EXPECT_EQ(chart.series[0].chartType, 51);
  EXPECT_EQ(chart.series[0].index, 0);
  ASSERT_EQ(chart.axes.size(), 2u);
  EXPECT_EQ(chart.axes[0].type, 1);
  EXPECT_EQ(chart.axes[0].position, "b");
  EXPECT_EQ(chart.axes[1].type, 2);
  EXPECT_EQ(chart.axes[1].element, document::AxisData::Element::Value);
  EXPECT_EQ(chart.axes[1].position, "l");
  EXPECT_FALSE(chart.title.has_value());
  EXPECT_FALSE(chart.legend.has_value());
}

TEST(ChartReaderGroups, GroupsOfTwoKindsMakeACombinationOnTheirAxisGroups) {
  ChartStream chart;
  chart.Bof().Chart(400, 300).Begin();
  chart.Series().Begin().Brai(1, 2, Area3D(0, 0, 2, 0, 0)).SeriesToGroup(1).End();
  chart.Series().Begin().Brai(1, 2, Area3D(0, 0, 2, 1, 1)).SeriesToGroup(0).End();
  chart.AxisParent(0).Begin().Axis(0).Begin().End().Axis(1).Begin().End();
  chart.ChartFormat().Begin().Bar(0).End().End();
  chart.AxisParent(1).Begin().Axis(0).Begin().End().Axis(1).Begin().End();
  chart.ChartFormat().Begin().Line(0).DataFormat(0xFFFF, 0, 0).Begin().MarkerFormat(0, false);
  chart.End().End().End().End().Eof();
  const document::ChartData data = ReadChartBytes(chart.bytes());
  EXPECT_EQ(data.chartType, -4111);
  ASSERT_EQ(data.groups.size(), 2u);
  EXPECT_EQ(data.groups[1].element, "lineChart");
  EXPECT_EQ(data.groups[1].chartType, 4);
  EXPECT_EQ(data.groups[1].axisGroup, 2);
  EXPECT_EQ(data.groups[1].axisIds, (std::vector<std::string>{"2:1", "2:2"}));
  // Series come group after group, each with its own index and type.
  ASSERT_EQ(data.series.size(), 2u);
  EXPECT_EQ(data.series[0].index, 1);
  EXPECT_EQ(data.series[0].chartType, 51);
  EXPECT_EQ(data.series[1].index, 0);
  EXPECT_EQ(data.series[1].group, 1u);
  EXPECT_EQ(data.series[1].chartType, 4);
  ASSERT_EQ(data.axes.size(), 4u);
  EXPECT_EQ(data.axes[3].axisGroup, 2);
  EXPECT_EQ(data.axes[3].position, "r");
}

TEST(ChartReaderGroups, ThreeDBarShapesOfTheFirstSeriesMakeConeColumns) {
  const std::string bytes = [] {
    ChartStream chart;
    chart.Bof().Chart(400, 300).Begin();
    chart.Series().Begin().Brai(1, 2, Area3D(0, 0, 2, 0, 0)).DataFormat(0xFFFF, 0, 0).Begin();
    chart.Record(records::kBarShape, U8(1) + U8(1)).End().SeriesToGroup(0).End();
    chart.AxisParent(0).Begin().ChartFormat().Begin().Bar(0);
    chart.Record(records::kChart3D, Zeros(12) + U16(kView3DClustered));
    chart.End().End().End().Eof();
    return chart.bytes();
  }();
  const document::ChartData chart = ReadChartBytes(bytes);
  EXPECT_EQ(chart.groups[0].element, "bar3DChart");
  EXPECT_EQ(chart.chartType, 99);
}

TEST(ChartReaderSeries, NamesAreReferencesWithTheirTextOrLiterals) {
  ChartStream chart;
  chart.Bof().Chart(400, 300).Begin();
  chart.Series().Begin().Brai(0, 2, Ref3D(1, 2, 0)).SeriesText("Cached");
  chart.Brai(1, 2, Area3D(1, 1, 1, 0, 3)).Brai(2, 2, Area3D(1, 0, 0, 0, 3)).SeriesToGroup(0).End();
  chart.Series().Begin().Brai(0, 1).SeriesText("1st \"Column\"").SeriesToGroup(0).End();
  chart.Series().Begin().Brai(0, 1).SeriesToGroup(0).End();
  chart.AxisParent(0).Begin().ChartFormat().Begin().Bar(0).End().End().End().Eof();
  const document::ChartData data = ReadChartBytes(chart.bytes());
  ASSERT_EQ(data.series.size(), 3u);
  const document::SeriesData& linked = data.series[0];
  ASSERT_TRUE(linked.name.has_value());
  EXPECT_EQ(linked.name->reference, "'Template 1'!$A$3");
  ASSERT_EQ(linked.name->points.size(), 1u);
  EXPECT_EQ(linked.name->points[0].AsText(), "Cached");
  EXPECT_EQ(linked.values.reference, "'Template 1'!$A$2:$D$2");
  EXPECT_EQ(linked.categories.reference, "'Template 1'!$A$1:$D$1");
  ASSERT_TRUE(data.series[1].name.has_value());
  EXPECT_EQ(data.series[1].name->reference, "");
  EXPECT_EQ(data.series[1].name->literal, "\"1st \"\"Column\"\"\"");
  EXPECT_FALSE(data.series[2].name.has_value());
}

TEST(ChartReaderSeries, CellsCachedAfterTheChartGiveThePointsAndLiterals) {
  ChartStream chart;
  chart.Bof().Chart(400, 300).Begin();
  chart.Series().Begin().Brai(1, 1).Brai(2, 2, Area3D(0, 0, 1, 0, 0)).SeriesToGroup(0).End();
  chart.AxisParent(0).Begin().ChartFormat().Begin().Bar(0).End().End().End();
  chart.Record(records::kSeriesIndex, U16(1));
  chart.Record(records::kNumber, U16(0) + U16(0) + U16(0) + testing::F64(1.5));
  chart.Record(records::kNumber, U16(1) + U16(0) + U16(0) + testing::F64(3));
  chart.Record(records::kSeriesIndex, U16(2));
  chart.Record(records::kLabel, U16(1) + U16(0) + U16(0) + U16(3) + U8(0) + "Feb");
  chart.Eof();
  const document::ChartData data = ReadChartBytes(chart.bytes());
  const document::SeriesData& series = data.series.at(0);
  ASSERT_EQ(series.values.points.size(), 2u);
  EXPECT_EQ(series.values.points[1].AsDouble(), 3);
  EXPECT_EQ(series.values.reference, "");
  EXPECT_EQ(series.values.literal, "{1.5,3}");
  ASSERT_EQ(series.categories.points.size(), 2u);
  EXPECT_TRUE(series.categories.points[0].IsEmpty());
  EXPECT_EQ(series.categories.points[1].AsText(), "Feb");
  EXPECT_EQ(series.categories.literal, "");
}

TEST(ChartReaderSeries, FillsAndLinesAreAutomaticUnlessStated) {
  ChartStream chart;
  chart.Bof().Chart(400, 300).Begin();
  chart.Series().Begin().DataFormat(0xFFFF, 0, 0).Begin();
  chart.LineFormat(0, true).AreaFormat(0x0000FF, 10, true).MarkerFormat(2, false).End();
  chart.SeriesToGroup(0).End();
  // Index 27 of the default palette is CCFFFF, whatever colour the record states beside it.
  chart.Series().Begin().DataFormat(0xFFFF, 1, 1).Begin();
  chart.LineFormat(5, false).AreaFormat(0x123456, 27, false).MarkerFormat(0, false).End();
  chart.SeriesToGroup(0).End();
  chart.AxisParent(0).Begin().ChartFormat().Begin().Bar(0).End().End().End().Eof();
  const document::ChartData data = ReadChartBytes(chart.bytes());
  ASSERT_EQ(data.series.size(), 2u);
  EXPECT_FALSE(data.series[0].fill.has_value());
  EXPECT_FALSE(data.series[0].line.has_value());
  EXPECT_EQ(data.series[0].markers, true);
  ASSERT_TRUE(data.series[1].fill.has_value());
  EXPECT_EQ(data.series[1].fill->kind, document::FillData::Kind::Solid);
  EXPECT_EQ(data.series[1].fill->color->rgb, 16777164);
  EXPECT_EQ(data.series[1].line->kind, document::FillData::Kind::None);
  EXPECT_EQ(data.series[1].markers, false);
  EXPECT_EQ(data.series[1].order, 1);
}

TEST(ChartReaderSeries, TrendlineSeriesAreNoSeriesOfTheChart) {
  const std::string bytes = ColumnChart(
      [](ChartStream& chart) {
        chart.Series().Begin().Record(records::kSeriesParent, U16(1)).SeriesToGroup(0).End();
      },
      kNothing);
  EXPECT_EQ(ReadChartBytes(bytes).series.size(), 1u);
}

TEST(ChartReaderAxes, TheValueScaleIsAutomaticUnlessItsFlagsSayOtherwise) {
  const std::string bytes = [] {
    ChartStream chart;
    chart.Bof().Chart(400, 300).Begin().AxisParent(0).Begin();
    chart.Axis(1).Begin().ValueRange(10, 90, 20, 5, 0x0012).End();
    chart.End().End().Eof();
    return chart.bytes();
  }();
  const document::AxisData axis = ReadChartBytes(bytes).axes.at(0);
  EXPECT_EQ(axis.minimum, 10);
  EXPECT_FALSE(axis.maximum.has_value());
  EXPECT_EQ(axis.majorUnit, 20);
  EXPECT_EQ(axis.minorUnit, 5);
}

TEST(ChartReaderAxes, GridlinesTickMarksAndTickLabelsAsTheAxisStatesThem) {
  const std::string bytes = [] {
    ChartStream chart;
    chart.Bof().Chart(400, 300).Begin().AxisParent(0).Begin();
    chart.Axis(0).Begin().Tick(0, 1, 0).AxisLine(2).LineFormat(0, true).FontX(5).End();
    chart.Axis(1).Begin().Tick(3, 2, 1).AxisLine(1).LineFormat(0, true).End();
    chart.End().End().Eof();
    return chart.bytes();
  }();
  const document::ChartData chart = ReadChartBytes(bytes);
  const document::AxisData& category = chart.axes.at(0);
  EXPECT_FALSE(category.majorGridlines);
  EXPECT_TRUE(category.minorGridlines);
  EXPECT_EQ(category.majorTickMark, -4142);
  EXPECT_EQ(category.minorTickMark, 2);
  EXPECT_EQ(category.tickLabelPosition, -4142);
  EXPECT_EQ(category.tickLabelFont.name, "Times New Roman");
  const document::AxisData& value = chart.axes.at(1);
  EXPECT_TRUE(value.majorGridlines);
  EXPECT_FALSE(value.minorGridlines);
  EXPECT_EQ(value.majorTickMark, 4);
  EXPECT_EQ(value.minorTickMark, 3);
  EXPECT_EQ(value.tickLabelPosition, -4134);
}

TEST(ChartReaderAxes, AnAxisWhoseLineIsNotOnIsDeleted) {
  const std::string bytes = [] {
    ChartStream chart;
    chart.Bof().Chart(400, 300).Begin().AxisParent(0).Begin();
    chart.Axis(0).Begin().Tick(2, 0, 3).AxisLineShown(true).AxisLine(1).LineFormat(0, true).End();
    chart.Axis(1).Begin().Tick(2, 0, 3).AxisLineShown(false).AxisLine(1).LineFormat(0, true).End();
    chart.Axis(2).Begin().Tick(2, 0, 3).End();
    chart.End().End().Eof();
    return chart.bytes();
  }();
  const document::ChartData chart = ReadChartBytes(bytes);
  // The gridlines' format that follows says nothing of the axis.
  EXPECT_FALSE(chart.axes.at(0).deleted);
  EXPECT_TRUE(chart.axes.at(0).majorGridlines);
  EXPECT_TRUE(chart.axes.at(1).deleted);
  EXPECT_FALSE(chart.axes.at(2).deleted);  // no axis line format: shown
}

TEST(ChartReaderLegend, TheLegendsPlaceGivesItsPosition) {
  const std::pair<std::uint8_t, std::int32_t> positions[] = {{0, -4107}, {1, 2},     {2, -4160},
                                                             {3, -4152}, {4, -4131}, {7, -4152}};
  for (const auto& [type, position] : positions) {
    const std::string bytes = ColumnChart(kNothing, [type = type](ChartStream& chart) {
      chart.Legend(type).Begin().Text().Begin().FontX(3).End().End();
    });
    const document::ChartData chart = ReadChartBytes(bytes);
    ASSERT_TRUE(chart.legend.has_value());
    EXPECT_EQ(chart.legend->position, position) << int{type};
    EXPECT_EQ(chart.legend->font.size, 9);
  }
}

TEST(ChartReaderTitles, AChartTitleHasItsTextFontAndReference) {
  const std::string bytes = ColumnChart(
      [](ChartStream& chart) {
        chart.Text().Begin().FontX(1).SeriesText("Sales").ObjectLink(1).End();
        chart.Text().Begin().Brai(0, 2, Ref3D(0, 0, 3)).SeriesText("Units").ObjectLink(2).End();
        chart.Text().Begin().SeriesText("Months").ObjectLink(3).End();
      },
      kNothing);
  const document::ChartData chart = ReadChartBytes(bytes);
  ASSERT_TRUE(chart.title.has_value());
  EXPECT_FALSE(chart.title->automatic);
  EXPECT_EQ(chart.title->text.text, "Sales");
  EXPECT_EQ(chart.title->text.font.size, 12);
  EXPECT_EQ(chart.title->text.font.bold, true);
  EXPECT_EQ(chart.title->reference, "");
  EXPECT_EQ(chart.autoTitleDeleted, false);
  ASSERT_TRUE(chart.axes.at(1).title.has_value());
  EXPECT_EQ(chart.axes[1].title->reference, "Sheet1!$D$1");
  EXPECT_EQ(chart.axes[1].title->text.text, "Units");
  ASSERT_TRUE(chart.axes.at(0).title.has_value());
  EXPECT_EQ(chart.axes[0].title->text.text, "Months");
}

TEST(ChartReaderTitles, ADeletedTitleIsNoneAndAnUnwrittenOneAutomatic) {
  const auto titled = [](std::uint16_t flags) {
    return ColumnChart(
        [flags](ChartStream& chart) { chart.Text(flags).Begin().ObjectLink(1).End(); }, kNothing);
  };
  const document::ChartData deleted = ReadChartBytes(titled(0x00F1));
  EXPECT_FALSE(deleted.title.has_value());
  EXPECT_EQ(deleted.autoTitleDeleted, true);
  const document::ChartData automatic = ReadChartBytes(titled(0x0010));
  ASSERT_TRUE(automatic.title.has_value());
  EXPECT_TRUE(automatic.title->automatic);
}

TEST(ChartReaderTitles, DefaultTextsGiveTheChartsAndTheAxesFonts) {
  const std::string bytes = [] {
    ChartStream chart;
    chart.Bof().Chart(400, 300).Begin();
    chart.Record(records::kDefaultText, U16(2)).Text().Begin().FontX(2).End();
    chart.Record(records::kDefaultText, U16(3)).Text().Begin().FontX(5).End();
    chart.AxisParent(0).Begin().Axis(0).Begin().End().End().End().Eof();
    return chart.bytes();
  }();
  const document::ChartData chart = ReadChartBytes(bytes);
  EXPECT_EQ(chart.areaFont.size, 8);
  EXPECT_EQ(chart.axes.at(0).tickLabelFont.name, "Times New Roman");
}

TEST(ChartReaderDataTable, TheDataTableHasItsBordersKeysAndFont) {
  const std::string bytes = ColumnChart(
      [](ChartStream& chart) {
        chart.Record(records::kDataTable, U16(0x000D)).Begin();
        chart.Legend(3).Begin().Text().Begin().FontX(2).End().End().End();
      },
      kNothing);
  const document::ChartData chart = ReadChartBytes(bytes);
  ASSERT_TRUE(chart.dataTable.has_value());
  EXPECT_EQ(chart.dataTable->horizontalBorder, true);
  EXPECT_EQ(chart.dataTable->verticalBorder, false);
  EXPECT_EQ(chart.dataTable->outline, true);
  EXPECT_EQ(chart.dataTable->showKeys, true);
  EXPECT_EQ(chart.dataTable->font.size, 8);
  EXPECT_FALSE(chart.legend.has_value());  // the data table's legend is not the chart's
}

TEST(ChartReaderPageSetup, PrintSizeGivesTheChartSize) {
  const std::pair<std::uint16_t, std::optional<std::int32_t>> sizes[] = {
      {0, std::nullopt}, {1, 3}, {2, 2}, {3, 1}};
  for (const auto& [printSize, chartSize] : sizes) {
    ChartStream chart;
    chart.Bof().Record(records::kPrintSize, U16(printSize)).Chart(400, 300).Begin().End().Eof();
    const document::ChartData data = ReadChartBytes(chart.bytes());
    ASSERT_TRUE(data.pageSetup.has_value());
    EXPECT_EQ(data.pageSetup->chartSize, chartSize) << printSize;
  }
  ChartStream none;
  none.Bof().Chart(400, 300).Begin().End().Eof();
  EXPECT_FALSE(ReadChartBytes(none.bytes()).pageSetup.has_value());
}

TEST(ChartReaderPageSetup, SetupGivesPaperOrientationAndPrinterSettings) {
  ChartStream chart;
  // Letter, first page 3 used, landscape, black and white, 600 x 300 dpi, 2 copies.
  const std::string setup = U16(1) + U16(100) + U16(3) + U16(1) + U16(1) + U16(0x0088) + U16(600) +
                            U16(300) + Zeros(16) + U16(2);
  chart.Bof().Record(records::kSetup, setup).Chart(400, 300).Begin().End().Eof();
  const document::PageSetupData page = ReadChartBytes(chart.bytes()).pageSetup.value();
  EXPECT_EQ(page.paperSize, 1);
  EXPECT_EQ(page.orientation, "landscape");
  EXPECT_EQ(page.firstPageNumber, 3);
  EXPECT_EQ(page.horizontalDpi, 600);
  EXPECT_EQ(page.verticalDpi, 300);
  EXPECT_EQ(page.copies, 2);
  EXPECT_EQ(page.blackAndWhite, true);
  EXPECT_EQ(page.draft, false);
}

// An OfficeArt property table with the fill type and, for a texture, its name.
std::string FillProperties(std::uint32_t fillType, const std::string& name) {
  std::string nameData;
  for (char c : name) nameData += std::string(1, c) + '\0';
  nameData += std::string(2, '\0');
  const std::string properties =
      U16(0x0180) + U32(fillType) + U16(0x8187) + U32(static_cast<std::uint32_t>(nameData.size()));
  const std::string table = properties + nameData;
  return U16((2 << 4) | 3) + U16(0xF00B) + U32(static_cast<std::uint32_t>(table.size())) + table;
}

TEST(ChartReaderChartArea, ATextureFillIsATiledPictureNamedAfterIt) {
  const auto withFill = [](std::uint32_t fillType) {
    ChartStream chart;
    chart.Bof().Chart(400, 300).Begin().Record(records::kFrame, U16(0) + U16(2)).Begin();
    chart.AreaFormat(0xFFFFFF, 9, false)
        .Record(records::kGelFrame, FillProperties(fillType, "Papyrus"));
    chart.End().End().Eof();
    return ReadChartBytes(chart.bytes());
  };
  const document::ChartData textured = withFill(2);
  ASSERT_TRUE(textured.areaFill.has_value());
  EXPECT_EQ(textured.areaFill->kind, document::FillData::Kind::Picture);
  EXPECT_TRUE(textured.areaFill->tiled);
  EXPECT_EQ(textured.areaFill->pictureName, "Papyrus");
  const document::ChartData solid = withFill(0);
  ASSERT_TRUE(solid.areaFill.has_value());
  EXPECT_EQ(solid.areaFill->kind, document::FillData::Kind::Solid);
  EXPECT_EQ(solid.areaFill->color->rgb, 16777215);
}

TEST(ChartReaderPlotArea, AManualPlotAreaIsItsOuterBoxInChartUnits) {
  const auto withProperties = [](std::uint16_t flags) {
    ChartStream chart;
    chart.Bof().Chart(400, 300).Begin().Record(records::kSheetProperties, U16(flags) + U16(0));
    chart.AxisParent(0).Begin();
    chart.Record(records::kPos, U16(2) + U16(2) + U32(400) + U32(200) + U32(3000) + U32(2000));
    chart.End().End().Eof();
    return ReadChartBytes(chart.bytes());
  };
  const document::ChartData manual = withProperties(0x001A);
  ASSERT_TRUE(manual.plotAreaLayout.has_value());
  EXPECT_FALSE(manual.plotAreaLayout->inner);
  EXPECT_EQ(manual.plotAreaLayout->xMode, document::ManualLayoutData::Mode::Edge);
  EXPECT_EQ(manual.plotAreaLayout->x, 0.1);
  EXPECT_EQ(manual.plotAreaLayout->y, 0.05);
  EXPECT_EQ(manual.plotAreaLayout->wMode, document::ManualLayoutData::Mode::Factor);
  EXPECT_EQ(manual.plotAreaLayout->width, 0.75);
  EXPECT_EQ(manual.plotAreaLayout->height, 0.5);
  EXPECT_FALSE(withProperties(0x000A).plotAreaLayout.has_value());
}

class RecordingDrawing : public ChartDrawing {
 public:
  bool Take(const RecordStream&, const Record& record) override {
    if (record.type != 0x00EC) return false;
    ++taken;
    return true;
  }
  std::vector<document::DrawingObjectData> Shapes(double width, double height) const override {
    document::DrawingObjectData shape;
    shape.geometry = {0, 0, width, height};
    return {shape};
  }
  int taken = 0;
};

TEST(ChartReaderDrawing, TheChartsDrawingIsPlacedInItsChartArea) {
  ChartStream chart;
  chart.Bof().Record(0x00EC, Zeros(8)).Chart(400.5, 300.25).Begin().Record(0x00EC, Zeros(8));
  chart.End().Eof();
  RecordingDrawing drawing;
  const document::ChartData data = ReadChartBytes(chart.bytes(), testing::TestGlobals(), &drawing);
  EXPECT_EQ(drawing.taken, 2);
  ASSERT_EQ(data.shapes.size(), 1u);
  EXPECT_EQ(data.shapes[0].geometry.width, 400.5);
  EXPECT_EQ(data.shapes[0].geometry.height, 300.25);
}

TEST(ChartReaderStream, UnknownRecordsAndNestedSubstreamsAreSkipped) {
  ChartStream chart;
  chart.Bof().Record(0x0850, Zeros(12)).Chart(400, 300).Begin();
  chart.Bof().Record(records::kSeries, Zeros(12)).Eof();
  chart.End().Eof().Record(0x0809, Zeros(16));
  RecordStream stream(chart.bytes(), "Workbook");
  const std::optional<Record> bof = stream.Next();
  const document::ChartData data = ReadChartRecords(stream, *bof, testing::TestGlobals(), nullptr);
  EXPECT_TRUE(data.series.empty());
  // The stream is left after the chart's EOF.
  EXPECT_EQ(stream.PeekType(), record_types::kBof);
}

void ExpectDamaged(const std::string& bytes, const std::string& part) {
  try {
    ReadChartBytes(bytes);
    ADD_FAILURE() << "no fault, expected one about " << part;
  } catch (const document::ReadFault& fault) {
    EXPECT_EQ(fault.kind(), document::ReadFault::Kind::Damaged);
    EXPECT_NE(fault.reason().find(part), std::string::npos) << fault.reason();
  }
}

TEST(ChartReaderStream, BrokenSubstreamsAreDamage) {
  ChartStream noEof;
  noEof.Bof().Chart(400, 300).Begin().End();
  ExpectDamaged(noEof.bytes(), "no EOF");
  ChartStream unbegun;
  unbegun.Bof().End().Eof();
  ExpectDamaged(unbegun.bytes(), "not begun");
  ChartStream deep;
  deep.Bof();
  for (int i = 0; i < 40; ++i) deep.Chart(1, 1).Begin();
  ExpectDamaged(deep.bytes(), "too deep");
  ChartStream shortTick;
  shortTick.Bof().AxisParent(0).Begin().Axis(0).Begin().Record(records::kTick, Zeros(2));
  ExpectDamaged(shortTick.bytes(), "0x101E");
  ChartStream missingGroup;
  missingGroup.Bof().Series().Begin().SeriesToGroup(3).End().Eof();
  ExpectDamaged(missingGroup.bytes(), "chart group 3");
  ChartStream badFormula;
  badFormula.Bof().Series().Begin().Brai(1, 2, U8(0x3B) + U16(0)).End().Eof();
  ExpectDamaged(badFormula.bytes(), "0x1051");
}

}  // namespace
}  // namespace k27093::xls
