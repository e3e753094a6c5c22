#include "document/chart_type.h"

namespace k27093::document {

std::optional<std::int32_t> ChartTypeOf(const std::vector<ChartGroupData>& groups) {
  if (groups.size() == 2 && groups[0].element == "barChart" && groups[1].element == "stockChart" &&
      groups[1].chartType) {
    if (*groups[1].chartType == 88) return 90;
    if (*groups[1].chartType == 89) return 91;
  }
  std::optional<std::int32_t> common;
  bool unknown = false;
  for (const ChartGroupData& group : groups) {
    if (!group.chartType) {
      unknown = true;
    } else if (!common) {
      common = group.chartType;
    } else if (*common != *group.chartType) {
      return kCombinationChart;
    }
  }
  if (common && unknown) return kCombinationChart;
  return common;
}

}  // namespace k27093::document
