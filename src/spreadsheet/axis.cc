// Late-bound face of a chart axis.
#include "spreadsheet/axis.h"

#include "spreadsheet/late_binding.h"

namespace k27093::xl {

namespace {

const DispatchTable<Axis>& AxisTable() {
  static const auto table = late::BuildTable<Axis>([](late::Members<Axis>& members) {
    members.Property("TickLabelPosition", &Axis::TickLabelPosition, &Axis::SetTickLabelPosition)
        .Get("CategoryNames", &Axis::CategoryNames)
        .Property("HasTitle", &Axis::HasTitle, &Axis::SetHasTitle)
        .Property("HasMajorGridlines", &Axis::HasMajorGridlines, &Axis::SetHasMajorGridlines)
        .Property("HasMinorGridlines", &Axis::HasMinorGridlines, &Axis::SetHasMinorGridlines)
        .Property("MajorUnit", &Axis::MajorUnit, &Axis::SetMajorUnit)
        .Property("MajorUnitIsAuto", &Axis::MajorUnitIsAuto, &Axis::SetMajorUnitIsAuto)
        .Property("MajorTickMark", &Axis::MajorTickMark, &Axis::SetMajorTickMark)
        .Property("MinorTickMark", &Axis::MinorTickMark, &Axis::SetMinorTickMark);
  });
  return table;
}

}  // namespace

Variant Axis::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return AxisTable().Invoke(*this, member, kind, arguments);
}

}  // namespace k27093::xl
