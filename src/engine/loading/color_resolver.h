// ColorResolver: the spreadsheet's colour numbers (R + 256 G + 65536 B) of the colours a file
// states. A scheme colour is the theme's colour of that name ("tx1", "bg1", "tx2", "bg2" name
// "dk1", "lt1", "dk2", "lt2"); a workbook without a theme takes the default Office theme
// (its colours and format scheme). The colour's transforms then apply in order (see
// ooxml/color_model.h). A shape style's reference takes the referenced style of the theme's
// format scheme, with the reference's colour in place of the style's placeholder (phClr).
#pragma once

#include <cstdint>
#include <optional>

#include "document/workbook_data.h"

namespace k27093::engine {

class ColorResolver {
 public:
  // Keeps a reference to `theme`, which must outlive the resolver.
  explicit ColorResolver(const std::optional<document::ThemeData>& theme);

  // nullopt when the base is not known: a scheme colour the theme lacks, the placeholder
  // colour outside a style, a preset or system colour of a name not known.
  std::optional<std::int32_t> ColorOf(const document::ColorData& color) const;

  // The colour a fill reports as its fore colour: a solid fill's colour, a gradient's first
  // stop, a pattern's foreground; nullopt for no fill, a picture or group fill, or a colour
  // not known.
  std::optional<std::int32_t> FillColorOf(const document::FillData& fill) const;

  // The fore colour of the fill style (1, 2, 3 ...; 1001 on: the background fill styles) or
  // line style a reference names; nullopt for index 0 (no fill, no line), an index the theme
  // does not have, a style without colour, or a colour not known.
  std::optional<std::int32_t> FillReferenceColorOf(
      const document::StyleReferenceData& reference) const;
  std::optional<std::int32_t> LineReferenceColorOf(
      const document::StyleReferenceData& reference) const;

 private:
  std::optional<std::int32_t> StyleColorOf(const std::vector<document::FillData>& styles,
                                           std::int64_t position,
                                           const document::StyleReferenceData& reference) const;

  const document::ThemeData& theme_;
};

}  // namespace k27093::engine
