// AxisImpl: the category or value axis of a chart (of its primary or secondary group). Its
// members raise 1004
// once the axis was removed, and where the spreadsheet has no such member for that kind of
// axis: CategoryNames on a value axis, MajorUnit and MajorUnitIsAuto on a category axis.
#pragma once

#include <memory>

#include "engine/charts/chart_state.h"
#include "engine/objects/node.h"
#include "spreadsheet/axis.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

class ChartImpl;

class AxisImpl : public xl::Axis, public Node {
 public:
  // `type`: xl::kCategory or xl::kValue; `group`: xl::kPrimary or xl::kSecondary.
  AxisImpl(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart, std::int32_t type,
           std::int32_t group = xl::kPrimary);

  std::int32_t TickLabelPosition() override;
  // Takes none, low, high or next to axis; raises 1004 for another value.
  void SetTickLabelPosition(std::int32_t position) override;
  Variant CategoryNames() override;
  bool HasTitle() override;
  void SetHasTitle(bool has) override;
  bool HasMajorGridlines() override;
  void SetHasMajorGridlines(bool has) override;
  bool HasMinorGridlines() override;
  void SetHasMinorGridlines(bool has) override;
  // The fixed unit, or the automatic one from the plotted values.
  double MajorUnit() override;
  // Fixes the unit (it is no longer automatic); raises 1004 for a unit that is not positive.
  void SetMajorUnit(double unit) override;
  bool MajorUnitIsAuto() override;
  void SetMajorUnitIsAuto(bool automatic) override;
  std::int32_t MajorTickMark() override;
  // Takes none, inside, outside or cross; raises 1004 for another value.
  void SetMajorTickMark(std::int32_t mark) override;
  std::int32_t MinorTickMark() override;
  void SetMinorTickMark(std::int32_t mark) override;

 private:
  // The axis' state; raises 1004 "Unable to get the <member> property of the Axis class"
  // when the chart no longer has the axis.
  AxisState& State(std::string_view member);
  // The same, and raises that 1004 on a category axis too (value-axis members).
  AxisState& ValueState(std::string_view member);

  std::shared_ptr<ChartImpl> chart_;
  std::int32_t type_;
  std::int32_t group_;
};

}  // namespace k27093::engine
