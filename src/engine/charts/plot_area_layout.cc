#include "engine/charts/plot_area_layout.h"

#include <algorithm>
#include <cmath>

#include "engine/charts/text_metrics.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

namespace {

// The automatic layout's lengths, in pixels.
constexpr double kMargin = 10;               // chart area edge to the plot area
constexpr double kTitleTop = 5;              // chart area top to the title's box
constexpr double kTitlePadding = 11;         // the title's box around its lines
constexpr double kTitleGap = 6.5;            // the title's box to what follows
constexpr double kLegendMargin = 4;          // chart area edge to the legend
constexpr double kLegendGap = 11;            // the legend to the plot area
constexpr double kLegendKey = 22.5;          // an entry's key and padding, beside its text
constexpr double kLegendEntrySpacing = 7.5;  // between two lines of entries
constexpr double kLegendPadding = 5;         // the legend's box around its lines
constexpr double kTickLength = 4;            // a major tick mark outside the plot
constexpr double kLabelGap = 7.5;            // labels at the side: tick to label and border
constexpr double kBelowLabelsPadding = 12;   // labels below: tick to label and border
constexpr double kBorder = 3.5;              // the outer box around a side without labels

// Edges of a box, in pixels.
struct Edges {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// How far the outer box reaches beyond the inner one on each side.
struct Bands {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

double ToPixels(double points) { return points / kPointsPerPixel; }
double ToPoints(double pixels) { return pixels * kPointsPerPixel; }

double WidestText(const std::vector<std::string>& texts, double size) {
  double widest = 0;
  for (const auto& text : texts) widest = std::max(widest, TextWidthInPixels(text, size));
  return widest;
}

double LegendWidth(const LegendScene& legend) {
  return WidestText(legend.entries, legend.fontSize) + kLegendKey;
}

// The lines of entries of a legend at the top or bottom, side by side within `available`.
int LegendRows(const LegendScene& legend, double available) {
  int rows = 1;
  double used = 0;
  for (const auto& entry : legend.entries) {
    double width = TextWidthInPixels(entry, legend.fontSize) + kLegendKey;
    if (used > 0 && used + width > available) {
      ++rows;
      used = 0;
    }
    used += width;
  }
  return rows;
}

double LegendHeight(const LegendScene& legend, double available) {
  int rows = LegendRows(legend, available);
  return rows * LineHeightInPixels(legend.fontSize) + (rows - 1) * kLegendEntrySpacing +
         kLegendPadding;
}

// Narrows `edges` by the legend's band; a legend at the top starts at `legendTop`.
void MakeRoomForLegend(Edges& edges, const LegendScene& legend, double chartWidth,
                       double chartHeight, double legendTop) {
  double rowWidth = chartWidth - 2 * kMargin;
  switch (legend.position) {
    case xl::kLegendLeft:
      edges.left = kLegendMargin + LegendWidth(legend) + kLegendGap;
      return;
    case xl::kLegendTop:
      edges.top = legendTop + LegendHeight(legend, rowWidth) + kLegendGap;
      return;
    case xl::kLegendBottom:
      edges.bottom = chartHeight - kLegendMargin - LegendHeight(legend, rowWidth) - kLegendGap;
      return;
    default:  // right, corner
      edges.right = chartWidth - kLegendMargin - LegendWidth(legend) - kLegendGap;
  }
}

// Where the automatic outer box lies: the chart area less its margin, the title and the
// legend, in whole pixels.
Edges OuterEdges(const PlotAreaScene& scene) {
  double width = ToPixels(scene.chartWidth);
  double height = ToPixels(scene.chartHeight);
  Edges edges{kMargin, kMargin, width - kMargin, height - kMargin};
  double legendTop = kLegendMargin;
  if (scene.title) {
    double lines = std::max(scene.title->lines, 1) * LineHeightInPixels(scene.title->fontSize);
    edges.top = kTitleTop + lines + kTitlePadding + kTitleGap;
    legendTop = edges.top;
  }
  if (scene.legend) MakeRoomForLegend(edges, *scene.legend, width, height, legendTop);
  return {std::round(edges.left), std::round(edges.top), std::round(edges.right),
          std::round(edges.bottom)};
}

double LabelsBeside(const AxisLabelsScene& axis) {
  double tick = axis.ticksOutside ? kTickLength : 0;
  if (!axis.labelsShown) return tick + kBorder;
  return tick + WidestText(axis.labels, axis.fontSize) + kLabelGap;
}

double LabelsBelow(const AxisLabelsScene& axis) {
  double tick = axis.ticksOutside ? kTickLength : 0;
  if (!axis.labelsShown) return tick + kBorder;
  return tick + LineHeightInPixels(axis.fontSize) + kBelowLabelsPadding;
}

// The bands of the axes' labels, in whole pixels; none around a round plot.
Bands PixelBands(const PlotAreaScene& scene) {
  Bands bands;
  if (scene.round) return bands;
  bands.top = kBorder;
  if (const auto& left = scene.leftAxis) {
    bands.left = LabelsBeside(*left);
    if (left->labelsShown && left->onGridlines) bands.top += LineHeightInPixels(left->fontSize) / 2;
  }
  if (const auto& below = scene.bottomAxis) {
    bands.bottom = LabelsBelow(*below);
    if (below->labelsShown && below->onGridlines) {
      bands.right = WidestText(below->labels, below->fontSize) / 2;
    }
  }
  return {std::round(bands.left), std::round(bands.top), std::round(bands.right),
          std::round(bands.bottom)};
}

Bands PointBands(const PlotAreaScene& scene) {
  Bands bands = PixelBands(scene);
  return {ToPoints(bands.left), ToPoints(bands.top), ToPoints(bands.right), ToPoints(bands.bottom)};
}

Box Shrunk(const Box& box, const Bands& bands) {
  return {box.left + bands.left, box.top + bands.top,
          std::max(0.0, box.width - bands.left - bands.right),
          std::max(0.0, box.height - bands.top - bands.bottom)};
}

Box Grown(const Box& box, const Bands& bands) {
  return {box.left - bands.left, box.top - bands.top, box.width + bands.left + bands.right,
          box.height + bands.top + bands.bottom};
}

// The largest square centred in `box`, its edges on whole pixels.
Box CentredSquare(const Box& box) {
  double side = std::min(box.width, box.height);
  double left = box.left + ToPoints(std::round(ToPixels(box.width - side) / 2));
  double top = box.top + ToPoints(std::round(ToPixels(box.height - side) / 2));
  return {left, top, side, side};
}

Box InnerOf(const Box& outer, const PlotAreaScene& scene) {
  return scene.round ? CentredSquare(outer) : Shrunk(outer, PointBands(scene));
}

double Scale(double size, double reference) {
  return reference > 0 && size != reference ? size / reference : 1;
}

std::optional<double> Scaled(const std::optional<double>& value, double scale) {
  if (!value) return std::nullopt;
  return *value * scale;
}

double Start(ManualPlotArea::Mode mode, const std::optional<double>& value, double automatic) {
  if (!value) return automatic;
  return mode == ManualPlotArea::Mode::Edge ? *value : automatic + *value;
}

double Extent(ManualPlotArea::Mode mode, const std::optional<double>& value, double start,
              double automatic) {
  if (!value) return automatic;
  return std::max(0.0, mode == ManualPlotArea::Mode::Factor ? *value : *value - start);
}

// The box `manual` places, in a chart whose automatic box of the same kind is `automatic`.
Box Placed(const ManualPlotArea& manual, const Box& automatic, const PlotAreaScene& scene) {
  double across = Scale(scene.chartWidth, manual.referenceWidth);
  double down = Scale(scene.chartHeight, manual.referenceHeight);
  Box box;
  box.left = Start(manual.xMode, Scaled(manual.x, across), automatic.left);
  box.top = Start(manual.yMode, Scaled(manual.y, down), automatic.top);
  box.width = Extent(manual.widthMode, Scaled(manual.width, across), box.left, automatic.width);
  box.height = Extent(manual.heightMode, Scaled(manual.height, down), box.top, automatic.height);
  return box;
}

}  // namespace

PlotAreaBoxes AutomaticPlotArea(const PlotAreaScene& scene) {
  Edges edges = OuterEdges(scene);
  Box outer{ToPoints(edges.left), ToPoints(edges.top),
            ToPoints(std::max(0.0, edges.right - edges.left)),
            ToPoints(std::max(0.0, edges.bottom - edges.top))};
  return {outer, InnerOf(outer, scene)};
}

PlotAreaBoxes LayOutPlotArea(const PlotAreaScene& scene,
                             const std::optional<ManualPlotArea>& manual) {
  PlotAreaBoxes automatic = AutomaticPlotArea(scene);
  if (!manual) return automatic;
  if (!manual->inner) {
    Box outer = Placed(*manual, automatic.outer, scene);
    return {outer, InnerOf(outer, scene)};
  }
  Box inner = Placed(*manual, automatic.inner, scene);
  return {Grown(inner, PointBands(scene)), inner};
}

ManualPlotArea ManualOuterBox(const Box& outer, const PlotAreaScene& scene) {
  ManualPlotArea manual;
  manual.xMode = ManualPlotArea::Mode::Edge;
  manual.yMode = ManualPlotArea::Mode::Edge;
  manual.x = outer.left;
  manual.y = outer.top;
  manual.width = outer.width;
  manual.height = outer.height;
  manual.referenceWidth = scene.chartWidth;
  manual.referenceHeight = scene.chartHeight;
  return manual;
}

}  // namespace k27093::engine
