#include "engine/charts/major_unit.h"

#include <algorithm>
#include <cmath>

namespace k27093::engine {

namespace {

constexpr double kMostSteps = 10;

// m times 10^exponent, computed so that 0.2 and 0.5 come out as the nearest doubles.
double Step(double m, int exponent) {
  return exponent >= 0 ? m * std::pow(10.0, exponent) : m / std::pow(10.0, -exponent);
}

}  // namespace

double AutomaticMajorUnit(double lowest, double highest) {
  double span = std::max(0.0, highest) - std::min(0.0, lowest);
  if (!(span > 0) || !std::isfinite(span)) span = 1;
  int exponent = static_cast<int>(std::floor(std::log10(span / kMostSteps)));
  for (int tries = 0; tries < 4; ++tries, ++exponent) {
    for (double m : {1.0, 2.0, 5.0}) {
      double step = Step(m, exponent);
      if (std::ceil(span / step - 1e-9) <= kMostSteps) return step;
    }
  }
  return Step(1, exponent);
}

double AutomaticMajorUnit(const std::vector<double>& values) {
  if (values.empty()) return AutomaticMajorUnit(0, 1);
  auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
  return AutomaticMajorUnit(*lowest, *highest);
}

}  // namespace k27093::engine
