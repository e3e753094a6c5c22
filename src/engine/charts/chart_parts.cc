#include "engine/charts/chart_parts.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "engine/charts/chart.h"
#include "engine/charts/chart_fonts.h"
#include "engine/charts/chart_plot_area.h"
#include "engine/objects/shared_from.h"

namespace k27093::engine {

namespace {

constexpr double kSmallestFont = 1, kLargestFont = 409;
constexpr std::int32_t kTexturePreset = 1;       // msoTexturePreset
constexpr std::int32_t kTextureUserDefined = 2;  // msoTextureUserDefined

// MsoPresetTexture 1 to 24.
constexpr const char* kTextureNames[] = {"Papyrus",
                                         "Canvas",
                                         "Denim",
                                         "Woven Mat",
                                         "Water Droplets",
                                         "Paper Bag",
                                         "Fish Fossil",
                                         "Sand",
                                         "Green Marble",
                                         "White Marble",
                                         "Brown Marble",
                                         "Granite",
                                         "Newsprint",
                                         "Recycled Paper",
                                         "Parchment",
                                         "Stationery",
                                         "Blue Tissue Paper",
                                         "Pink Tissue Paper",
                                         "Purple Mesh",
                                         "Bouquet",
                                         "Cork",
                                         "Walnut",
                                         "Oak",
                                         "Medium Wood"};

// The fonts that setting a property of the font `target` changes.
std::vector<FontState*> FontsSetBy(FontImpl::Target target, ChartState& state) {
  if (target == FontImpl::Target::Title) return {&state.titleFont};
  return AllTextFonts(state);
}

}  // namespace

ChartPart::ChartPart(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart)
    : Node(std::move(session), chart->presence()), chart_(std::move(chart)) {}

FontImpl::FontImpl(std::shared_ptr<Session> session, std::shared_ptr<ChartImpl> chart,
                   Target target)
    : ChartPart(std::move(session), std::move(chart)), target_(target) {}

Variant FontImpl::Name() {
  Enter();
  if (target_ == Target::Title) return NameOf(chart().state().titleFont);
  return NameOf(ChartAreaFont(chart()));
}

void FontImpl::SetName(std::string_view name) {
  Enter();
  if (name.empty()) RaiseUnableToSet("Name", "Font");
  for (FontState* font : FontsSetBy(target_, chart().state())) font->name = name;
}

Variant FontImpl::Size() {
  Enter();
  if (target_ == Target::Title) return SizeOf(chart().state().titleFont);
  return SizeOf(ChartAreaFont(chart()));
}

void FontImpl::SetSize(double size) {
  Enter();
  if (!(size >= kSmallestFont && size <= kLargestFont)) RaiseUnableToSet("Size", "Font");
  for (FontState* font : FontsSetBy(target_, chart().state())) font->size = size;
}

std::string ChartTitleImpl::Text() {
  Enter();
  if (!chart().state().hasTitle) RaiseUnableToGet("Text", "ChartTitle");
  return chart().state().titleText;
}

void ChartTitleImpl::SetText(std::string_view text) {
  Enter();
  if (!chart().state().hasTitle) RaiseUnableToSet("Text", "ChartTitle");
  chart().state().titleText = text;
}

Ref<xl::Font> ChartTitleImpl::Font() {
  Enter();
  return MakeRef<FontImpl>(session(), sharedChart(), FontImpl::Target::Title);
}

std::int32_t LegendImpl::Position() {
  Enter();
  if (!chart().state().hasLegend) RaiseUnableToGet("Position", "Legend");
  return chart().state().legendPosition;
}

void LegendImpl::SetPosition(std::int32_t position) {
  Enter();
  bool known = position == xl::kLegendBottom || position == xl::kLegendCorner ||
               position == xl::kLegendLeft || position == xl::kLegendRight ||
               position == xl::kLegendTop;
  if (!known || !chart().state().hasLegend) RaiseUnableToSet("Position", "Legend");
  chart().state().legendPosition = position;
}

std::string ChartFillFormatImpl::TextureName() {
  Enter();
  const ChartState& state = chart().state();
  if (state.presetTexture) return kTextureNames[*state.presetTexture - 1];
  if (state.userTexture) return *state.userTexture;
  RaiseUnableToGet("TextureName", "ChartFillFormat");
}

std::int32_t ChartFillFormatImpl::TextureType() {
  Enter();
  const ChartState& state = chart().state();
  if (state.presetTexture) return kTexturePreset;
  if (state.userTexture) return kTextureUserDefined;
  RaiseUnableToGet("TextureType", "ChartFillFormat");
}

void ChartFillFormatImpl::PresetTextured(std::int32_t texture) {
  Enter();
  auto count = static_cast<std::int32_t>(std::size(kTextureNames));
  if (texture < 1 || texture > count) RaiseMethodFailed("PresetTextured", "ChartFillFormat");
  chart().state().presetTexture = texture;
  chart().state().userTexture.reset();
}

Ref<xl::Font> ChartAreaImpl::Font() {
  Enter();
  return MakeRef<FontImpl>(session(), sharedChart(), FontImpl::Target::ChartArea);
}

Ref<xl::ChartFillFormat> ChartAreaImpl::Fill() {
  Enter();
  return MakeRef<ChartFillFormatImpl>(session(), sharedChart());
}

void ChartAreaImpl::Select() {
  Enter();
  chart().PrepareInnerSelection("ChartArea");
  session()->Select(SharedFrom(*this), presence());
}

double PlotAreaImpl::Read(Box PlotAreaBoxes::*box, double Box::*side) {
  Enter();
  return PlotAreaOf(chart()).*box.*side;
}

double PlotAreaImpl::Left() { return Read(&PlotAreaBoxes::outer, &Box::left); }
double PlotAreaImpl::Top() { return Read(&PlotAreaBoxes::outer, &Box::top); }
double PlotAreaImpl::Width() { return Read(&PlotAreaBoxes::outer, &Box::width); }
double PlotAreaImpl::Height() { return Read(&PlotAreaBoxes::outer, &Box::height); }
double PlotAreaImpl::InsideLeft() { return Read(&PlotAreaBoxes::inner, &Box::left); }
double PlotAreaImpl::InsideTop() { return Read(&PlotAreaBoxes::inner, &Box::top); }
double PlotAreaImpl::InsideWidth() { return Read(&PlotAreaBoxes::inner, &Box::width); }
double PlotAreaImpl::InsideHeight() { return Read(&PlotAreaBoxes::inner, &Box::height); }

void PlotAreaImpl::SetHeight(double points) {
  Enter();
  SetPlotAreaHeight(chart(), points);
}

std::int32_t PageSetupImpl::ChartSize() {
  Enter();
  return chart().state().chartSize;
}

void PageSetupImpl::SetChartSize(std::int32_t size) {
  Enter();
  if (size < 1 || size > 3) RaiseUnableToSet("ChartSize", "PageSetup");
  chart().state().chartSize = size;
}

}  // namespace k27093::engine
