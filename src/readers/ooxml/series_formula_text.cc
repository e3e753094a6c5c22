#include "readers/ooxml/series_formula_text.h"

namespace k27093::ooxml {

std::string SeriesArgumentText(const document::SeriesSourceData& source) {
  return source.reference.empty() ? source.literal : source.reference;
}

std::string SeriesFormulaText(const document::SeriesData& series, std::int32_t order) {
  const std::string name = series.name ? SeriesArgumentText(*series.name) : std::string();
  return "=SERIES(" + name + "," + SeriesArgumentText(series.categories) + "," +
         SeriesArgumentText(series.values) + "," + std::to_string(order) + ")";
}

}  // namespace k27093::ooxml
