// An axis of a chart, reached through Chart::Axes(type, group).
#pragma once

#include "api/dispatch.h"

namespace k27093::xl {

class Axis : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Axis"; }
  // XlTickLabelPosition.
  virtual std::int32_t TickLabelPosition() = 0;
  virtual void SetTickLabelPosition(std::int32_t position) = 0;
  // The category names as an array with lower bound 1 (from the first series' categories, or
  // 1..n when it has none). Raises 1004 on a value axis.
  virtual Variant CategoryNames() = 0;
  virtual bool HasTitle() = 0;
  virtual void SetHasTitle(bool has) = 0;
  virtual bool HasMajorGridlines() = 0;
  virtual void SetHasMajorGridlines(bool has) = 0;
  virtual bool HasMinorGridlines() = 0;
  virtual void SetHasMinorGridlines(bool has) = 0;
  // Always a number: the automatic unit when MajorUnitIsAuto.
  virtual double MajorUnit() = 0;
  virtual void SetMajorUnit(double unit) = 0;
  virtual bool MajorUnitIsAuto() = 0;
  virtual void SetMajorUnitIsAuto(bool automatic) = 0;
  // XlTickMark.
  virtual std::int32_t MajorTickMark() = 0;
  virtual void SetMajorTickMark(std::int32_t mark) = 0;
  virtual std::int32_t MinorTickMark() = 0;
  virtual void SetMinorTickMark(std::int32_t mark) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
