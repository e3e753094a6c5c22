#include "readers/xls/shape_presets.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace k27093::xls {
namespace {

using Preset = std::pair<std::uint16_t, std::string_view>;

// Sorted by shape type.
constexpr Preset kPresets[] = {
    {1, "rect"},
    {2, "roundRect"},
    {3, "ellipse"},
    {4, "diamond"},
    {5, "triangle"},
    {6, "rtTriangle"},
    {7, "parallelogram"},
    {8, "trapezoid"},
    {9, "hexagon"},
    {10, "octagon"},
    {11, "plus"},
    {12, "star5"},
    {13, "rightArrow"},
    {15, "homePlate"},
    {16, "cube"},
    {19, "arc"},
    {21, "plaque"},
    {22, "can"},
    {23, "donut"},
    {53, "ribbon2"},
    {54, "ribbon"},
    {55, "chevron"},
    {56, "pentagon"},
    {57, "noSmoking"},
    {58, "star8"},
    {59, "star16"},
    {60, "star32"},
    {61, "wedgeRectCallout"},
    {62, "wedgeRoundRectCallout"},
    {63, "wedgeEllipseCallout"},
    {64, "wave"},
    {65, "foldedCorner"},
    {66, "leftArrow"},
    {67, "downArrow"},
    {68, "upArrow"},
    {69, "leftRightArrow"},
    {70, "upDownArrow"},
    {71, "irregularSeal1"},
    {72, "irregularSeal2"},
    {73, "lightningBolt"},
    {74, "heart"},
    {76, "quadArrow"},
    {77, "leftArrowCallout"},
    {78, "rightArrowCallout"},
    {79, "upArrowCallout"},
    {80, "downArrowCallout"},
    {81, "leftRightArrowCallout"},
    {82, "upDownArrowCallout"},
    {83, "quadArrowCallout"},
    {84, "bevel"},
    {85, "leftBracket"},
    {86, "rightBracket"},
    {87, "leftBrace"},
    {88, "rightBrace"},
    {89, "leftUpArrow"},
    {90, "bentUpArrow"},
    {91, "bentArrow"},
    {92, "star24"},
    {93, "stripedRightArrow"},
    {94, "notchedRightArrow"},
    {95, "blockArc"},
    {96, "smileyFace"},
    {97, "verticalScroll"},
    {98, "horizontalScroll"},
    {99, "circularArrow"},
    {101, "uturnArrow"},
    {102, "curvedRightArrow"},
    {103, "curvedLeftArrow"},
    {104, "curvedUpArrow"},
    {105, "curvedDownArrow"},
    {106, "cloudCallout"},
    {107, "ellipseRibbon"},
    {108, "ellipseRibbon2"},
    {109, "flowChartProcess"},
    {110, "flowChartDecision"},
    {111, "flowChartInputOutput"},
    {112, "flowChartPredefinedProcess"},
    {113, "flowChartInternalStorage"},
    {114, "flowChartDocument"},
    {115, "flowChartMultidocument"},
    {116, "flowChartTerminator"},
    {117, "flowChartPreparation"},
    {118, "flowChartManualInput"},
    {119, "flowChartManualOperation"},
    {120, "flowChartConnector"},
    {121, "flowChartPunchedCard"},
    {122, "flowChartPunchedTape"},
    {123, "flowChartSummingJunction"},
    {124, "flowChartOr"},
    {125, "flowChartCollate"},
    {126, "flowChartSort"},
    {127, "flowChartExtract"},
    {128, "flowChartMerge"},
    {130, "flowChartOnlineStorage"},
    {131, "flowChartMagneticTape"},
    {132, "flowChartMagneticDisk"},
    {133, "flowChartMagneticDrum"},
    {134, "flowChartDisplay"},
    {135, "flowChartDelay"},
    {176, "flowChartAlternateProcess"},
    {177, "flowChartOffpageConnector"},
    {183, "sun"},
    {184, "moon"},
    {185, "bracketPair"},
    {186, "bracePair"},
    {202, "rect"},
};

}  // namespace

std::string_view PresetOfShapeType(std::uint16_t shapeType) {
  const auto found = std::lower_bound(
      std::begin(kPresets), std::end(kPresets), shapeType,
      [](const Preset& preset, std::uint16_t type) { return preset.first < type; });
  return found != std::end(kPresets) && found->first == shapeType ? found->second
                                                                  : std::string_view();
}

bool IsLineShapeType(std::uint16_t shapeType) {
  return shapeType == shape_types::kLine || (shapeType >= 32 && shapeType <= 40);
}

}  // namespace k27093::xls
