#include "questions/chart_reads.h"

#include "spreadsheet/chart.h"
#include "spreadsheet/constants.h"

namespace k27093::questions {

Variant SheetOf(const Ref<xl::Application>& application, const Variant& sheet) {
  const Variant workbook = GetProperty(Variant(application), "ActiveWorkbook");
  return GetProperty(GetProperty(workbook, "Sheets"), "Item", {sheet});
}

Variant QuestionChart(const Ref<xl::Application>& application, const Variant& sheet) {
  const Variant chartObject =
      GetProperty(GetProperty(SheetOf(application, sheet), "ChartObjects"), "Item", {Variant(1)});
  const Variant chart = GetProperty(chartObject, "Chart");
  ToObject<xl::Chart>(chart);  // 13 unless it is a chart
  return chart;
}

Variant ChartObjectOf(const Variant& chart) { return GetProperty(chart, "Parent"); }

Variant SeriesOf(const Variant& chart, const Variant& index) {
  return GetProperty(chart, "SeriesCollection", {index});
}

Variant TextBoxOf(const Variant& chart, const Variant& index) {
  return GetProperty(chart, "TextBoxes", {index});
}

Variant ShapeOf(const Variant& chart, const Variant& index) {
  return GetProperty(GetProperty(chart, "Shapes"), "Item", {index});
}

Variant CountOf(const Variant& chart, std::string_view collection) {
  return GetProperty(GetProperty(chart, collection), "Count");
}

Variant CategoryAxis(const Variant& chart) {
  return GetProperty(chart, "Axes", {Variant(xl::kCategory), Variant(xl::kPrimary)});
}

Variant ValueAxis(const Variant& chart) {
  return GetProperty(chart, "Axes", {Variant(xl::kValue), Variant(xl::kPrimary)});
}

Variant HasPrimaryAxis(const Variant& chart, std::int32_t type) {
  return GetProperty(chart, "HasAxis", {Variant(type), Variant(xl::kPrimary)});
}

std::int16_t NextIndex(std::int16_t index) { return ToInteger(Variant(index + 1)); }

const VariantArray& ArrayOf(const Variant& value) {
  if (!value.IsArray()) Raise(errors::kTypeMismatch);
  return value.AsArray();
}

}  // namespace k27093::questions
