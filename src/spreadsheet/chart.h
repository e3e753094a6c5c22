// Charts: embedded chart objects on a sheet, the chart itself (embedded or a chart sheet)
// and its parts. Members for a part the chart does not have raise 1004 ("Unable to get the
// ChartTitle property of the Chart class"), as the spreadsheet does.
#pragma once

#include <string>

#include "api/dispatch.h"
#include "spreadsheet/sheet.h"

namespace k27093::xl {

class Axis;
class SeriesCollection;
class Series;
class Shapes;
class TextBoxes;
class FillFormat;
class Chart;

class Font : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Font"; }
  // Name and size; Null when the text mixes several.
  virtual Variant Name() = 0;
  virtual void SetName(std::string_view name) = 0;
  virtual Variant Size() = 0;
  virtual void SetSize(double size) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class ChartTitle : public Dispatch {
 public:
  std::string_view TypeName() const override { return "ChartTitle"; }
  virtual std::string Text() = 0;
  virtual void SetText(std::string_view text) = 0;
  virtual Ref<xl::Font> Font() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

// The fill of a chart area: texture name (1644) and texture type (1645).
class ChartFillFormat : public Dispatch {
 public:
  std::string_view TypeName() const override { return "ChartFillFormat"; }
  // Raises 1004 when the fill is not a texture.
  virtual std::string TextureName() = 0;
  virtual std::int32_t TextureType() = 0;
  // Sets a preset texture (MsoPresetTexture).
  virtual void PresetTextured(std::int32_t texture) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

class ChartArea : public Dispatch {
 public:
  std::string_view TypeName() const override { return "ChartArea"; }
  virtual Ref<xl::Font> Font() = 0;
  virtual Ref<xl::ChartFillFormat> Fill() = 0;
  virtual void Select() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

// The plot area, in points from the chart area's top-left corner: its outer box (Left, Top,
// Width, Height: the plot with its axes' tick labels) and its inner box (InsideLeft ...).
class PlotArea : public Dispatch {
 public:
  std::string_view TypeName() const override { return "PlotArea"; }
  virtual double Left() = 0;
  virtual double Top() = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual void SetHeight(double points) = 0;
  virtual double InsideLeft() = 0;
  virtual double InsideTop() = 0;
  virtual double InsideWidth() = 0;
  virtual double InsideHeight() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class Legend : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Legend"; }
  // XlLegendPosition.
  virtual std::int32_t Position() = 0;
  virtual void SetPosition(std::int32_t position) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class PageSetup : public Dispatch {
 public:
  std::string_view TypeName() const override { return "PageSetup"; }
  // XlObjectSize (1012): 1 screen size, 2 fit to page, 3 full page.
  virtual std::int32_t ChartSize() = 0;
  virtual void SetChartSize(std::int32_t size) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

// A chart: embedded in a chart object, or a chart sheet (then also a Sheet).
class Chart : public Sheet {
 public:
  std::string_view TypeName() const override { return "Chart"; }
  // XlChartType; kCombination when the series use more than one kind of plot.
  virtual std::int32_t ChartType() = 0;
  virtual void SetChartType(std::int32_t type) = 0;
  // Legacy gallery type and subtype derived from ChartType.
  virtual std::int32_t Type() = 0;
  virtual std::int32_t SubType() = 0;
  // The chart object of an embedded chart; the workbook of a chart sheet.
  virtual Variant Parent() = 0;
  virtual bool HasTitle() = 0;
  virtual void SetHasTitle(bool has) = 0;
  virtual Ref<xl::ChartTitle> ChartTitle() = 0;  // 1004 without a title
  virtual bool HasLegend() = 0;
  virtual void SetHasLegend(bool has) = 0;
  virtual Ref<xl::Legend> Legend() = 0;  // 1004 without a legend
  virtual bool HasAxis(std::int32_t type, std::int32_t group) = 0;
  virtual void SetHasAxis(std::int32_t type, std::int32_t group, bool has) = 0;
  virtual Ref<xl::Axis> Axes(std::int32_t type, std::int32_t group) = 0;  // 1004 when absent
  virtual Ref<xl::SeriesCollection> SeriesCollection() = 0;
  virtual Ref<xl::TextBoxes> TextBoxes() = 0;
  virtual Ref<xl::ChartArea> ChartArea() = 0;
  virtual Ref<xl::PlotArea> PlotArea() = 0;
  virtual bool HasDataTable() = 0;
  virtual void SetHasDataTable(bool has) = 0;
  virtual Ref<xl::PageSetup> PageSetup() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class ChartObject : public Dispatch {
 public:
  std::string_view TypeName() const override { return "ChartObject"; }
  virtual std::string Name() = 0;
  virtual Ref<xl::Chart> Chart() = 0;
  virtual void Activate() = 0;
  virtual void Select() = 0;
  virtual void Delete() = 0;
  // Position and size in points, read in whole screen pixels (multiples of 0.75); a value
  // set is kept as given (Shapes reads it so) and read back in whole pixels.
  virtual double Left() = 0;
  virtual double Top() = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual void SetLeft(double points) = 0;
  virtual void SetTop(double points) = 0;
  virtual void SetWidth(double points) = 0;
  virtual void SetHeight(double points) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class ChartObjects : public Dispatch {
 public:
  std::string_view TypeName() const override { return "ChartObjects"; }
  virtual std::int32_t Count() = 0;
  // 1-based position or name; raises 1004 when missing.
  virtual Ref<xl::ChartObject> Item(const Variant& index) = 0;
  // A new empty clustered-column chart at the given place (points).
  virtual Ref<xl::ChartObject> Add(double left, double top, double width, double height) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
