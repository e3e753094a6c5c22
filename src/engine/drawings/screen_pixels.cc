#include "engine/drawings/screen_pixels.h"

#include <cmath>

namespace k27093::engine {

double WholePixels(double points) { return std::round(points / kPointsPerPixel) * kPointsPerPixel; }

}  // namespace k27093::engine
