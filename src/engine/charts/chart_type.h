// What the spreadsheet derives from a chart type (XlChartType): the legacy gallery type and
// subtype (`Chart.Type`, `Chart.SubType`, `Series.Type`), whether the chart has axes, and
// how its values stack (which decides the automatic scale of the value axis).
#pragma once

#include <cstdint>
#include <optional>

namespace k27093::engine {

struct GalleryType {
  std::int32_t type = 0;     // XlChartGallery: xlColumn 3, xlBar 2, xlLine 4 ...
  std::int32_t subType = 1;  // 1 clustered/standard, 2 stacked, 3 100% stacked ...
};

enum class Stacking { None, Stacked, Percent };

// The gallery type and subtype of a chart type; nullopt for a value that is not a chart type
// the engine knows.
std::optional<GalleryType> GalleryOf(std::int32_t chartType);

// True for the kinds of chart drawn without axes (pie, doughnut).
bool DrawsWithoutAxes(std::int32_t chartType);

// True for the kinds of chart whose categories run down the side and values across (bars,
// flat or 3-D, cones, cylinders and pyramids laid as bars); false for a type not known.
bool DrawsCategoriesVertically(std::int32_t chartType);

// How the series of a chart type stack their values.
Stacking StackingOf(std::int32_t chartType);

}  // namespace k27093::engine
