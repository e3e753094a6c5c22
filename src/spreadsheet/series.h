// The series of a chart. A series' name, values and categories come from the references of
// its =SERIES(name,categories,values,order) formula.
#pragma once

#include <string>

#include "api/dispatch.h"

namespace k27093::xl {

class Interior : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Interior"; }
  // R + 256*G + 65536*B.
  virtual std::int32_t Color() = 0;
  virtual void SetColor(std::int32_t color) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class Series : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Series"; }
  // "=SERIES('Année N'!$E$4,'Année N'!$F$3:$G$3,'Année N'!$F$4:$G$4,1)".
  virtual std::string Formula() = 0;
  // Raises 1004 for a text that is not a series formula.
  virtual void SetFormula(std::string_view formula) = 0;
  // The text of the name reference or literal; "SeriesN" when the series has none.
  virtual std::string Name() = 0;
  virtual void SetName(std::string_view name) = 0;
  // Gallery type of the series' plot (xlColumn 3, xlLine 4 ...).
  virtual std::int32_t Type() = 0;
  virtual std::int32_t ChartType() = 0;
  virtual void SetChartType(std::int32_t type) = 0;
  virtual Ref<xl::Interior> Interior() = 0;
  // Makes the series the application's Selection (the chart becomes the active chart); raises
  // 1004 ("Select method of Series class failed") unless the chart's sheet is the active one.
  virtual void Select() = 0;
  virtual void Delete() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class SeriesCollection : public Dispatch {
 public:
  std::string_view TypeName() const override { return "SeriesCollection"; }
  virtual std::int32_t Count() = 0;
  // 1-based position or name; raises 1004 when missing.
  virtual Ref<xl::Series> Item(const Variant& index) = 0;
  // A new series with no references, last in plot order.
  virtual Ref<xl::Series> NewSeries() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
