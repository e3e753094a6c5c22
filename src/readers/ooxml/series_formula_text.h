// The series formula "=SERIES(name,categories,values,order)" of a series as the file states
// it: each argument is the reference as stored (sheet names quoted as the file quotes them),
// else the literal ("Apple" in double quotes, {1,2}), else nothing.
#pragma once

#include <cstdint>
#include <string>

#include "document/workbook_data.h"

namespace k27093::ooxml {

// The formula of `series` with `order` (1-based) as its fourth argument:
// "=SERIES(,Sheet1!$A$1:$A$5,Sheet1!$B$1:$B$5,1)".
std::string SeriesFormulaText(const document::SeriesData& series, std::int32_t order);

// One argument: the reference, else the literal, else "".
std::string SeriesArgumentText(const document::SeriesSourceData& source);

}  // namespace k27093::ooxml
