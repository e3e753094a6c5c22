// ChartFontResolver: the fonts of a chart's text elements from what its file states, with
// theme font references ("+mn-lt") resolved through the workbook's theme, and the values
// Excel gives what the file leaves out: an element inherits the chart's own text font; that
// font is 10 points, in the theme's minor Latin face when the workbook has a theme, else in
// Arial (Excel 2003's workbook font, Arial 10); a title's size, when stated nowhere, is 1.2
// times the chart's (12 points for 10, the size of Excel 2003's new chart title).
#pragma once

#include <optional>
#include <string>

#include "document/workbook_data.h"
#include "engine/charts/chart_state.h"

namespace k27093::engine {

class ChartFontResolver {
 public:
  // `chartText`: the chart's own text properties (the chart space's c:txPr). `theme` must
  // outlive the resolver.
  ChartFontResolver(const document::FontData& chartText,
                    const std::optional<document::ThemeData>& theme);

  // The chart's own text font; both properties are set.
  const FontState& chartFont() const { return chart_; }

  // The font of an element (legend, tick labels, data table) whose text properties are
  // `stated`: what they state, the rest the chart's.
  FontState ElementFont(const document::FontData& stated) const;

  // The font of a title whose text is `text`: each run's own properties over the text's
  // default properties. A property that differs among the runs is nullopt (mixed).
  FontState TitleFont(const document::TextData& text) const;

 private:
  // The typeface `font` states, theme references resolved; nullopt when it states none that
  // resolves.
  std::optional<std::string> TypefaceOf(const document::FontData& font) const;

  const std::optional<document::ThemeData>& theme_;
  FontState chart_;
};

}  // namespace k27093::engine
