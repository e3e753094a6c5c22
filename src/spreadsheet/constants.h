// Enumeration values of the spreadsheet object model that the module and the checks use.
#pragma once

#include <cstdint>

namespace k27093::xl {

inline constexpr std::int32_t kLocaleEnglishUs = 1033;

// XlChartType
namespace chart_type {
inline constexpr std::int32_t kArea = 1, kLine = 4, kPie = 5;
inline constexpr std::int32_t kColumnClustered = 51, kColumnStacked = 52, kColumnStacked100 = 53;
inline constexpr std::int32_t k3DColumnClustered = 54, k3DColumnStacked = 55,
                              k3DColumnStacked100 = 56, k3DColumn = -4100;
inline constexpr std::int32_t kBarClustered = 57, kBarStacked = 58, kBarStacked100 = 59;
inline constexpr std::int32_t kLineStacked = 63, kLineStacked100 = 64, kLineMarkers = 65,
                              kLineMarkersStacked = 66, kLineMarkersStacked100 = 67;
inline constexpr std::int32_t kCylinderColClustered = 92, kCylinderColStacked = 93,
                              kCylinderColStacked100 = 94, kCylinderBarClustered = 95,
                              kCylinderBarStacked = 96, kCylinderBarStacked100 = 97,
                              kCylinderCol = 98;
inline constexpr std::int32_t kConeColClustered = 99, kConeColStacked = 100,
                              kConeColStacked100 = 101, kConeBarClustered = 102,
                              kConeBarStacked = 103, kConeBarStacked100 = 104, kConeCol = 105;
inline constexpr std::int32_t kPyramidColClustered = 106, kPyramidColStacked = 107,
                              kPyramidColStacked100 = 108, kPyramidBarClustered = 109,
                              kPyramidBarStacked = 110, kPyramidBarStacked100 = 111,
                              kPyramidCol = 112;
inline constexpr std::int32_t kCombination = -4111;
}  // namespace chart_type

// Legacy XlChartGallery types (Chart.Type, Series.Type)
namespace gallery {
inline constexpr std::int32_t kArea = 1, kBar = 2, kColumn = 3, kLine = 4, kPie = 5,
                              k3DColumn = -4100;
}

// XlAxisType, XlAxisGroup
inline constexpr std::int32_t kCategory = 1, kValue = 2, kSeriesAxis = 3;
inline constexpr std::int32_t kPrimary = 1, kSecondary = 2;

// XlTickMark, XlTickLabelPosition
inline constexpr std::int32_t kTickMarkNone = -4142, kTickMarkInside = 2, kTickMarkOutside = 3,
                              kTickMarkCross = 4;
inline constexpr std::int32_t kTickLabelNone = -4142, kTickLabelLow = -4134, kTickLabelHigh = -4127,
                              kTickLabelNextToAxis = 4;

// XlLegendPosition
inline constexpr std::int32_t kLegendBottom = -4107, kLegendCorner = 2, kLegendLeft = -4131,
                              kLegendRight = -4152, kLegendTop = -4160;

// XlCommentDisplayMode, XlWindowState
inline constexpr std::int32_t kNoIndicator = 0, kCommentIndicatorOnly = -1,
                              kCommentAndIndicator = 1;
inline constexpr std::int32_t kMaximized = -4137, kMinimized = -4140, kNormal = -4143;

// Check box values
inline constexpr std::int32_t kOn = 1, kOff = -4146, kMixed = 2;

// MsoShapeType, MsoBarPosition
inline constexpr std::int32_t kMsoAutoShape = 1, kMsoChart = 3, kMsoGroup = 6, kMsoFormControl = 8,
                              kMsoTextBox = 17;
inline constexpr std::int32_t kMsoShapeRectangle = 1;
inline constexpr std::int32_t kBarLeft = 0, kBarTop = 1, kBarRight = 2, kBarBottom = 3,
                              kBarFloating = 4;

// Dispatch identifiers reached by number.
namespace dispid {
inline constexpr std::int32_t kCount = 118;
inline constexpr std::int32_t kPageSetupChartSize = 1012;
inline constexpr std::int32_t kNoteText = 1127;
inline constexpr std::int32_t kFillTextureName = 1644;
inline constexpr std::int32_t kFillTextureType = 1645;
}  // namespace dispid

}  // namespace k27093::xl
