#include "engine/charts/axis.h"

#include "engine/charts/chart.h"
#include "engine/charts/chart_data.h"

namespace k27093::engine {

namespace {

bool IsTickMark(std::int32_t mark) {
  return mark == xl::kTickMarkNone || mark == xl::kTickMarkInside || mark == xl::kTickMarkOutside ||
         mark == xl::kTickMarkCross;
}

bool IsTickLabelPosition(std::int32_t position) {
  return position == xl::kTickLabelNone || position == xl::kTickLabelLow ||
         position == xl::kTickLabelHigh || position == xl::kTickLabelNextToAxis;
}

}  // namespace

AxisImpl::AxisImpl(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart,
                   std::int32_t type, std::int32_t group)
    : Node(std::move(session), chart->presence()),
      chart_(std::move(chart)),
      type_(type),
      group_(group) {}

AxisState& AxisImpl::State(std::string_view member) {
  Enter();
  AxisState* state = chart_->VisibleAxis(type_, group_);
  if (!state) RaiseUnableToGet(member, "Axis");
  return *state;
}

AxisState& AxisImpl::ValueState(std::string_view member) {
  AxisState& state = State(member);
  if (type_ != xl::kValue) RaiseUnableToGet(member, "Axis");
  return state;
}

std::int32_t AxisImpl::TickLabelPosition() { return State("TickLabelPosition").tickLabelPosition; }

void AxisImpl::SetTickLabelPosition(std::int32_t position) {
  AxisState& state = State("TickLabelPosition");
  if (!IsTickLabelPosition(position)) RaiseUnableToSet("TickLabelPosition", "Axis");
  state.tickLabelPosition = position;
}

Variant AxisImpl::CategoryNames() {
  State("CategoryNames");
  if (type_ != xl::kCategory) RaiseUnableToGet("CategoryNames", "Axis");
  return engine::CategoryNames(*chart_);
}

bool AxisImpl::HasTitle() { return State("HasTitle").hasTitle; }
void AxisImpl::SetHasTitle(bool has) { State("HasTitle").hasTitle = has; }
bool AxisImpl::HasMajorGridlines() { return State("HasMajorGridlines").majorGridlines; }
void AxisImpl::SetHasMajorGridlines(bool has) { State("HasMajorGridlines").majorGridlines = has; }
bool AxisImpl::HasMinorGridlines() { return State("HasMinorGridlines").minorGridlines; }
void AxisImpl::SetHasMinorGridlines(bool has) { State("HasMinorGridlines").minorGridlines = has; }

double AxisImpl::MajorUnit() {
  AxisState& state = ValueState("MajorUnit");
  return state.majorUnitIsAuto ? AutomaticValueUnit(*chart_) : state.majorUnit;
}

void AxisImpl::SetMajorUnit(double unit) {
  AxisState& state = ValueState("MajorUnit");
  if (!(unit > 0)) RaiseUnableToSet("MajorUnit", "Axis");
  state.majorUnit = unit;
  state.majorUnitIsAuto = false;
}

bool AxisImpl::MajorUnitIsAuto() { return ValueState("MajorUnitIsAuto").majorUnitIsAuto; }

void AxisImpl::SetMajorUnitIsAuto(bool automatic) {
  AxisState& state = ValueState("MajorUnitIsAuto");
  if (!automatic && state.majorUnitIsAuto) state.majorUnit = AutomaticValueUnit(*chart_);
  state.majorUnitIsAuto = automatic;
}

std::int32_t AxisImpl::MajorTickMark() { return State("MajorTickMark").majorTickMark; }

void AxisImpl::SetMajorTickMark(std::int32_t mark) {
  AxisState& state = State("MajorTickMark");
  if (!IsTickMark(mark)) RaiseUnableToSet("MajorTickMark", "Axis");
  state.majorTickMark = mark;
}

std::int32_t AxisImpl::MinorTickMark() { return State("MinorTickMark").minorTickMark; }

void AxisImpl::SetMinorTickMark(std::int32_t mark) {
  AxisState& state = State("MinorTickMark");
  if (!IsTickMark(mark)) RaiseUnableToSet("MinorTickMark", "Axis");
  state.minorTickMark = mark;
}

}  // namespace k27093::engine
