// SeriesSource: one argument of a series (its name, categories or values) bound to the
// workbook: a literal text, an array of constants, or cells of a worksheet. It reads the
// cells it refers to, and writes itself back as a formula argument with the sheet's current
// name ("#REF!" once the sheet is deleted).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "api/variant.h"
#include "engine/workbooks/cell_address.h"
#include "engine/charts/series_formula.h"

namespace k27093::engine {

class WorkbookImpl;
class WorksheetImpl;

// Cached: an argument a file stored that the workbook cannot resolve (a reference to another
// workbook or to a sheet it does not have): it prints as stored and gives the file's cached
// points.
struct SeriesSource {
  enum class Kind { None, Text, Values, Cells, Cached };
  Kind kind = Kind::None;
  std::string text;                    // Text; Cached: the argument as stored
  std::vector<Variant> values;         // Values; Cached: the cached points
  std::weak_ptr<WorksheetImpl> sheet;  // Cells
  CellRange range;                     // Cells
};

// Binds a parsed argument: a reference's sheet is looked up in `workbook` (case ignored); a
// reference without a sheet name refers to `defaultSheet`. nullopt when the sheet does not
// exist (or there is no default).
std::optional<SeriesSource> BindArgument(const FormulaArgument& argument,
                                         const WorkbookImpl& workbook,
                                         const std::shared_ptr<WorksheetImpl>& defaultSheet);

// The argument as the series' formula prints it.
FormulaArgument ArgumentOf(const SeriesSource& source);

// The values of the source in order: the cells row by row, the constants, the text alone, or
// nothing. Cells of a deleted sheet give nothing.
std::vector<Variant> SourceValues(const SeriesSource& source);

}  // namespace k27093::engine
