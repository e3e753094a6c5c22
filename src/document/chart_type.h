// The spreadsheet's chart type (XlChartType) of a whole chart from the types of its chart
// groups, as every reader derives it once it knows its groups.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "document/workbook_data.h"

namespace k27093::document {

inline constexpr std::int32_t kCombinationChart = -4111;  // xlCombination

// The chart type of a chart with these groups: their common type; -4111 when they differ (a
// column and a line group ...); the volume stock types for a stock group with a bar group;
// nullopt when no group has a known type.
std::optional<std::int32_t> ChartTypeOf(const std::vector<ChartGroupData>& groups);

}  // namespace k27093::document
