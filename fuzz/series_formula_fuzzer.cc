// Fuzz target of the series formula parser: any text either is refused or parses into a
// formula whose canonical text parses again into the same canonical text; a single argument
// likewise. A crash, a sanitizer report, an exception or a canonical text that does not parse
// back to itself is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/charts/series_formula.h"

namespace {

using k27093::engine::FormatSeriesFormula;
using k27093::engine::ParseSeriesFormula;

void CheckCanonicalFormIsStable(std::string_view text) {
  const std::optional<k27093::engine::SeriesFormula> parsed = ParseSeriesFormula(text);
  if (!parsed) return;
  const std::string canonical = FormatSeriesFormula(*parsed);
  const std::optional<k27093::engine::SeriesFormula> again = ParseSeriesFormula(canonical);
  if (!again || FormatSeriesFormula(*again) != canonical) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckCanonicalFormIsStable(text);
  // The same bytes as the arguments of a formula, so that mutations reach each argument's
  // parser without having to find the frame first.
  CheckCanonicalFormIsStable("=SERIES(" + std::string(text) + ")");
  k27093::engine::ParseFormulaArgument(text);
  return 0;
}
