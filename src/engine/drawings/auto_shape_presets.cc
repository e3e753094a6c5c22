#include "engine/drawings/auto_shape_presets.h"

#include <map>

namespace k27093::engine {

namespace {

const std::map<std::string_view, std::int32_t>& Presets() {
  static const std::map<std::string_view, std::int32_t> presets = {
      // Basic shapes.
      {"rect", 1},
      {"parallelogram", 2},
      {"trapezoid", 3},
      {"diamond", 4},
      {"roundRect", 5},
      {"octagon", 6},
      {"triangle", 7},
      {"rtTriangle", 8},
      {"ellipse", 9},
      {"hexagon", 10},
      {"plus", 11},
      {"pentagon", 12},
      {"can", 13},
      {"cube", 14},
      {"bevel", 15},
      {"foldedCorner", 16},
      {"smileyFace", 17},
      {"donut", 18},
      {"noSmoking", 19},
      {"blockArc", 20},
      {"heart", 21},
      {"lightningBolt", 22},
      {"sun", 23},
      {"moon", 24},
      {"arc", 25},
      {"bracketPair", 26},
      {"bracePair", 27},
      {"plaque", 28},
      {"leftBracket", 29},
      {"rightBracket", 30},
      {"leftBrace", 31},
      {"rightBrace", 32},
      // Block arrows.
      {"rightArrow", 33},
      {"leftArrow", 34},
      {"upArrow", 35},
      {"downArrow", 36},
      {"leftRightArrow", 37},
      {"upDownArrow", 38},
      {"quadArrow", 39},
      {"leftRightUpArrow", 40},
      {"bentArrow", 41},
      {"uturnArrow", 42},
      {"leftUpArrow", 43},
      {"bentUpArrow", 44},
      {"curvedRightArrow", 45},
      {"curvedLeftArrow", 46},
      {"curvedUpArrow", 47},
      {"curvedDownArrow", 48},
      {"stripedRightArrow", 49},
      {"notchedRightArrow", 50},
      {"homePlate", 51},
      {"chevron", 52},
      {"rightArrowCallout", 53},
      {"leftArrowCallout", 54},
      {"upArrowCallout", 55},
      {"downArrowCallout", 56},
      {"leftRightArrowCallout", 57},
      {"upDownArrowCallout", 58},
      {"quadArrowCallout", 59},
      {"circularArrow", 60},
      // Flowchart symbols.
      {"flowChartProcess", 61},
      {"flowChartAlternateProcess", 62},
      {"flowChartDecision", 63},
      {"flowChartInputOutput", 64},
      {"flowChartPredefinedProcess", 65},
      {"flowChartInternalStorage", 66},
      {"flowChartDocument", 67},
      {"flowChartMultidocument", 68},
      {"flowChartTerminator", 69},
      {"flowChartPreparation", 70},
      {"flowChartManualInput", 71},
      {"flowChartManualOperation", 72},
      {"flowChartConnector", 73},
      {"flowChartOffpageConnector", 74},
      {"flowChartPunchedCard", 75},
      {"flowChartPunchedTape", 76},
      {"flowChartSummingJunction", 77},
      {"flowChartOr", 78},
      {"flowChartCollate", 79},
      {"flowChartSort", 80},
      {"flowChartExtract", 81},
      {"flowChartMerge", 82},
      {"flowChartOnlineStorage", 83},
      {"flowChartDelay", 84},
      {"flowChartMagneticTape", 85},
      {"flowChartMagneticDisk", 86},
      {"flowChartMagneticDrum", 87},
      {"flowChartDisplay", 88},
      // Stars and banners.
      {"irregularSeal1", 89},
      {"irregularSeal2", 90},
      {"star4", 91},
      {"star5", 92},
      {"star8", 93},
      {"star16", 94},
      {"star24", 95},
      {"star32", 96},
      {"ribbon2", 97},
      {"ribbon", 98},
      {"ellipseRibbon2", 99},
      {"ellipseRibbon", 100},
      {"verticalScroll", 101},
      {"horizontalScroll", 102},
      {"wave", 103},
      {"doubleWave", 104},
      // Callouts.
      {"wedgeRectCallout", 105},
      {"wedgeRoundRectCallout", 106},
      {"wedgeEllipseCallout", 107},
      {"cloudCallout", 108},
  };
  return presets;
}

}  // namespace

std::optional<std::int32_t> AutoShapeTypeOfPreset(std::string_view preset) {
  auto found = Presets().find(preset);
  if (found == Presets().end()) return std::nullopt;
  return found->second;
}

}  // namespace k27093::engine
