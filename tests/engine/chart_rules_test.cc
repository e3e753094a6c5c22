// What charts derive: Type/SubType from the chart type, the automatic major unit, and cell
// addresses.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/workbooks/cell_address.h"
#include "engine/charts/chart_type.h"
#include "engine/charts/major_unit.h"

namespace k27093::engine {
namespace {

void ExpectGallery(std::int32_t chartType, std::int32_t type, std::int32_t subType) {
  auto gallery = GalleryOf(chartType);
  ASSERT_TRUE(gallery) << chartType;
  EXPECT_EQ(gallery->type, type) << chartType;
  EXPECT_EQ(gallery->subType, subType) << chartType;
}

TEST(ChartType, ColumnAndBarTypesGiveTheirGalleryAndSubType) {
  ExpectGallery(51, 3, 1);
  ExpectGallery(52, 3, 2);
  ExpectGallery(53, 3, 3);
  ExpectGallery(57, 2, 1);
  ExpectGallery(58, 2, 2);
  ExpectGallery(59, 2, 3);
}

TEST(ChartType, LinePieAreaAnd3DTypesGiveTheirGallery) {
  ExpectGallery(4, 4, 1);
  ExpectGallery(63, 4, 2);
  ExpectGallery(64, 4, 3);
  ExpectGallery(65, 4, 1);
  ExpectGallery(5, 5, 1);
  ExpectGallery(1, 1, 1);
  ExpectGallery(54, -4100, 1);
  ExpectGallery(99, -4100, 1);
  ExpectGallery(102, -4099, 1);
}

TEST(ChartType, UnknownTypesAreRefused) {
  EXPECT_FALSE(GalleryOf(0));
  EXPECT_FALSE(GalleryOf(-4111));
  EXPECT_FALSE(GalleryOf(113));
}

TEST(ChartType, PieAndDoughnutDrawNoAxes) {
  EXPECT_TRUE(DrawsWithoutAxes(5));
  EXPECT_TRUE(DrawsWithoutAxes(-4102));
  EXPECT_TRUE(DrawsWithoutAxes(-4120));
  EXPECT_FALSE(DrawsWithoutAxes(51));
  EXPECT_EQ(StackingOf(52), Stacking::Stacked);
  EXPECT_EQ(StackingOf(53), Stacking::Percent);
  EXPECT_EQ(StackingOf(51), Stacking::None);
}

TEST(MajorUnit, ChoosesAOneTwoFiveStepOfAtMostTenSteps) {
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(0, 800), 100);
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(0, 1800), 200);
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(0, 1000), 100);
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(0, 3500), 500);
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(120, 180), 20);
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(-50, 50), 10);
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(0, 0.7), 0.1);
  EXPECT_DOUBLE_EQ(AutomaticMajorUnit(0, 0), 0.1);
}

TEST(MajorUnit, IsNeverAFigureThatIsNotOneTwoOrFiveTimesAPowerOfTen) {
  for (double highest : {3.0, 47.0, 399.0, 400.0, 401.0, 12345.0, 0.033}) {
    double unit = AutomaticMajorUnit(0, highest);
    double mantissa = unit / std::pow(10.0, std::floor(std::log10(unit)));
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                std::abs(mantissa - 5) < 1e-9)
        << highest << " -> " << unit;
    EXPECT_LE(std::ceil(highest / unit - 1e-9), 10) << highest;
  }
}

TEST(CellAddress, ParsesSingleCellsAndRanges) {
  EXPECT_EQ(ParseCellRange("G9"), (CellRange{9, 7, 9, 7}));
  EXPECT_EQ(ParseCellRange("$E$4"), (CellRange{4, 5, 4, 5}));
  EXPECT_EQ(ParseCellRange("e3:g7"), (CellRange{3, 5, 7, 7}));
  EXPECT_EQ(ParseCellRange("G7:E3"), (CellRange{3, 5, 7, 7}));
  EXPECT_EQ(ParseCellRange("IV65536"), (CellRange{65536, 256, 65536, 256}));
}

TEST(CellAddress, RefusesWhatIsNoAddress) {
  for (const char* text : {"", "G", "9", "IW1", "A0", "A65537", "A1:", "A1:B", "A 1", "$$A1"}) {
    EXPECT_FALSE(ParseCellRange(text)) << text;
  }
}

TEST(CellAddress, PrintsAbsoluteAddresses) {
  EXPECT_EQ(AbsoluteAddress({4, 5, 4, 5}), "$E$4");
  EXPECT_EQ(AbsoluteAddress({3, 6, 3, 7}), "$F$3:$G$3");
  EXPECT_EQ(ColumnLetters(27), "AA");
  EXPECT_EQ(ColumnLetters(256), "IV");
}

}  // namespace
}  // namespace k27093::engine
