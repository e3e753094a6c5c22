#include "engine/charts/chart_type.h"

#include <map>

namespace k27093::engine {

namespace {

// Legacy gallery types.
constexpr std::int32_t kArea = 1, kBar = 2, kColumn = 3, kLine = 4, kPie = 5, kBubble = 15;
constexpr std::int32_t k3DArea = -4098, k3DBar = -4099, k3DColumn = -4100, k3DLine = -4101,
                       k3DPie = -4102, k3DSurface = -4103, kDoughnut = -4120, kRadar = -4151,
                       kXYScatter = -4169;

struct TypeFacts {
  GalleryType gallery;
  Stacking stacking = Stacking::None;
};

const std::map<std::int32_t, TypeFacts>& Table() {
  static const std::map<std::int32_t, TypeFacts> table = {
      // Area
      {1, {{kArea, 1}}},
      {76, {{kArea, 2}, Stacking::Stacked}},
      {77, {{kArea, 3}, Stacking::Percent}},
      {-4098, {{k3DArea, 1}}},
      {78, {{k3DArea, 2}, Stacking::Stacked}},
      {79, {{k3DArea, 3}, Stacking::Percent}},
      // Column and bar
      {51, {{kColumn, 1}}},
      {52, {{kColumn, 2}, Stacking::Stacked}},
      {53, {{kColumn, 3}, Stacking::Percent}},
      {57, {{kBar, 1}}},
      {58, {{kBar, 2}, Stacking::Stacked}},
      {59, {{kBar, 3}, Stacking::Percent}},
      // 3-D column and bar, boxes, cylinders, cones and pyramids
      {54, {{k3DColumn, 1}}},
      {55, {{k3DColumn, 2}, Stacking::Stacked}},
      {56, {{k3DColumn, 3}, Stacking::Percent}},
      {-4100, {{k3DColumn, 4}}},
      {60, {{k3DBar, 1}}},
      {61, {{k3DBar, 2}, Stacking::Stacked}},
      {62, {{k3DBar, 3}, Stacking::Percent}},
      {92, {{k3DColumn, 1}}},
      {93, {{k3DColumn, 2}, Stacking::Stacked}},
      {94, {{k3DColumn, 3}, Stacking::Percent}},
      {95, {{k3DBar, 1}}},
      {96, {{k3DBar, 2}, Stacking::Stacked}},
      {97, {{k3DBar, 3}, Stacking::Percent}},
      {98, {{k3DColumn, 4}}},
      {99, {{k3DColumn, 1}}},
      {100, {{k3DColumn, 2}, Stacking::Stacked}},
      {101, {{k3DColumn, 3}, Stacking::Percent}},
      {102, {{k3DBar, 1}}},
      {103, {{k3DBar, 2}, Stacking::Stacked}},
      {104, {{k3DBar, 3}, Stacking::Percent}},
      {105, {{k3DColumn, 4}}},
      {106, {{k3DColumn, 1}}},
      {107, {{k3DColumn, 2}, Stacking::Stacked}},
      {108, {{k3DColumn, 3}, Stacking::Percent}},
      {109, {{k3DBar, 1}}},
      {110, {{k3DBar, 2}, Stacking::Stacked}},
      {111, {{k3DBar, 3}, Stacking::Percent}},
      {112, {{k3DColumn, 4}}},
      // Line
      {4, {{kLine, 1}}},
      {63, {{kLine, 2}, Stacking::Stacked}},
      {64, {{kLine, 3}, Stacking::Percent}},
      {65, {{kLine, 1}}},
      {66, {{kLine, 2}, Stacking::Stacked}},
      {67, {{kLine, 3}, Stacking::Percent}},
      {-4101, {{k3DLine, 1}}},
      // Pie and doughnut
      {5, {{kPie, 1}}},
      {69, {{kPie, 2}}},
      {68, {{kPie, 3}}},
      {71, {{kPie, 4}}},
      {-4102, {{k3DPie, 1}}},
      {70, {{k3DPie, 2}}},
      {-4120, {{kDoughnut, 1}}},
      {80, {{kDoughnut, 2}}},
      // Radar, scatter, bubble, surface
      {-4151, {{kRadar, 1}}},
      {81, {{kRadar, 2}}},
      {82, {{kRadar, 3}}},
      {-4169, {{kXYScatter, 1}}},
      {72, {{kXYScatter, 2}}},
      {73, {{kXYScatter, 3}}},
      {74, {{kXYScatter, 4}}},
      {75, {{kXYScatter, 5}}},
      {15, {{kBubble, 1}}},
      {87, {{kBubble, 2}}},
      {83, {{k3DSurface, 1}}},
      {84, {{k3DSurface, 2}}},
      {85, {{k3DSurface, 3}}},
      {86, {{k3DSurface, 4}}},
  };
  return table;
}

}  // namespace

std::optional<GalleryType> GalleryOf(std::int32_t chartType) {
  auto found = Table().find(chartType);
  if (found == Table().end()) return std::nullopt;
  return found->second.gallery;
}

bool DrawsWithoutAxes(std::int32_t chartType) {
  auto gallery = GalleryOf(chartType);
  if (!gallery) return false;
  return gallery->type == kPie || gallery->type == k3DPie || gallery->type == kDoughnut;
}

bool DrawsCategoriesVertically(std::int32_t chartType) {
  auto gallery = GalleryOf(chartType);
  return gallery && (gallery->type == kBar || gallery->type == k3DBar);
}

Stacking StackingOf(std::int32_t chartType) {
  auto found = Table().find(chartType);
  return found == Table().end() ? Stacking::None : found->second.stacking;
}

}  // namespace k27093::engine
