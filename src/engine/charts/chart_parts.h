// The parts of a chart the object model shows: the title, the legend, the fonts, the chart
// area and its fill, the plot area and the page setup. Each is a view of the chart's state;
// a part the chart no longer has raises 1004 when used.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/objects/node.h"
#include "engine/charts/plot_area_layout.h"
#include "spreadsheet/chart.h"

namespace k27093::engine {

class ChartImpl;

// Base of the views: the chart they show.
class ChartPart : public Node {
 public:
  ChartPart(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart);

 protected:
  ChartImpl& chart() const { return *chart_; }
  const std::shared_ptr<ChartImpl>& sharedChart() const { return chart_; }

 private:
  std::shared_ptr<ChartImpl> chart_;
};

// The font of the chart title, or of the whole chart area (see chart_fonts.h). The chart
// area's font reads Null for a name or size that the chart's text elements do not share;
// setting it sets all the chart's text, setting the title's sets the title only.
class FontImpl : public xl::Font, public ChartPart {
 public:
  enum class Target { ChartArea, Title };
  FontImpl(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart, Target target);
  Variant Name() override;
  // Raises 1004 for an empty name.
  void SetName(std::string_view name) override;
  Variant Size() override;
  // Raises 1004 outside 1..409 points.
  void SetSize(double size) override;

 private:
  Target target_;
};

class ChartTitleImpl : public xl::ChartTitle, public ChartPart {
 public:
  using ChartPart::ChartPart;
  std::string Text() override;
  void SetText(std::string_view text) override;
  Ref<xl::Font> Font() override;
};

class LegendImpl : public xl::Legend, public ChartPart {
 public:
  using ChartPart::ChartPart;
  std::int32_t Position() override;
  // Takes bottom, corner, left, right or top; raises 1004 for another value.
  void SetPosition(std::int32_t position) override;
};

// The chart area's fill: a preset texture (its name and type 1), a texture of its own that a
// file states as a tiled picture (the picture's file name and type 2), or another fill, where
// both properties raise 1004.
class ChartFillFormatImpl : public xl::ChartFillFormat, public ChartPart {
 public:
  using ChartPart::ChartPart;
  std::string TextureName() override;
  std::int32_t TextureType() override;
  // Takes an MsoPresetTexture (1 to 24); raises 1004 for another value.
  void PresetTextured(std::int32_t texture) override;
};

class ChartAreaImpl : public xl::ChartArea, public ChartPart {
 public:
  using ChartPart::ChartPart;
  Ref<xl::Font> Font() override;
  Ref<xl::ChartFillFormat> Fill() override;
  // Makes the chart area the selection (the chart becomes the active chart); raises 1004
  // unless the chart's sheet is the active sheet.
  void Select() override;
};

// The plot area, laid out as chart_plot_area.h says: automatically until its height is set,
// then where it was set; it scales with the chart.
class PlotAreaImpl : public xl::PlotArea, public ChartPart {
 public:
  using ChartPart::ChartPart;
  double Left() override;
  double Top() override;
  double Width() override;
  double Height() override;
  // Kept within 0 and the chart's height.
  void SetHeight(double points) override;
  double InsideLeft() override;
  double InsideTop() override;
  double InsideWidth() override;
  double InsideHeight() override;

 private:
  // One side of one of the boxes, read afresh.
  double Read(Box PlotAreaBoxes::*box, double Box::*side);
};

class PageSetupImpl : public xl::PageSetup, public ChartPart {
 public:
  using ChartPart::ChartPart;
  std::int32_t ChartSize() override;
  // Takes 1 (screen size), 2 (fit to page) or 3 (full page); raises 1004 otherwise.
  void SetChartSize(std::int32_t size) override;
};

}  // namespace k27093::engine
