// The reads every check shares, made late-bound as the checks make them: a sheet of the
// active workbook, the question chart of a sheet (its first chart object's chart), the
// category and value axes.
#pragma once

#include "api/dispatch.h"
#include "spreadsheet/application.h"

namespace k27093::questions {

// The first and second sheets of the workbook, by position.
inline const Variant kFirstSheet{1};
inline const Variant kSecondSheet{2};

// Item `sheet` (a 1-based position or a name, case ignored) of ActiveWorkbook.Sheets.
Variant SheetOf(const Ref<xl::Application>& application, const Variant& sheet);

// ChartObjects(1).Chart of that sheet, reached by member name; raises 13 when it is not a
// chart and the sheet's own errors (1004 for a sheet without chart objects).
Variant QuestionChart(const Ref<xl::Application>& application, const Variant& sheet);

// The chart object that holds an embedded chart: Chart.Parent.
Variant ChartObjectOf(const Variant& chart);

// Chart.Axes(xlCategory, xlPrimary) and Chart.Axes(xlValue, xlPrimary); 1004 when absent.
Variant CategoryAxis(const Variant& chart);
Variant ValueAxis(const Variant& chart);

// Chart.SeriesCollection(index), Chart.TextBoxes(index) and Chart.Shapes(index or name).
Variant SeriesOf(const Variant& chart, const Variant& index);
Variant TextBoxOf(const Variant& chart, const Variant& index);
Variant ShapeOf(const Variant& chart, const Variant& index);

// The Count of a collection of the chart: Chart.SeriesCollection, TextBoxes or Shapes.
Variant CountOf(const Variant& chart, std::string_view collection);

// Chart.HasAxis(type, xlPrimary).
Variant HasPrimaryAxis(const Variant& chart, std::int32_t type);

// The next value of a 16-bit loop index: index + 1; raises 6 (overflow) past 32767, as the
// checks' 16-bit counters do.
std::int16_t NextIndex(std::int16_t index);

// The elements of an array Variant; raises 13 for a value that is not an array.
const VariantArray& ArrayOf(const Variant& value);

}  // namespace k27093::questions
