// The workbook's theme part (xl/theme/theme1.xml in files written by Excel, root a:theme):
// the typefaces of its font scheme, the colours of its colour scheme, the fill and line
// styles of its format scheme, and what a theme font reference ("+mn-lt") in a text's
// properties names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/workbook_data.h"
#include "readers/ooxml/content_budget.h"
#include "readers/ooxml/package.h"

namespace k27093::ooxml {

// Reads the theme part `part`. What its schemes leave out stays empty (ThemeData). Raises
// ReadFault Damaged naming the part when it is missing or not well-formed, has no a:theme
// root, states a colour that is not RRGGBB, or `budget` runs out.
document::ThemeData ReadTheme(Package& package, std::string_view part, ContentBudget& budget);

// The typeface that a text stating `typeface` shows. A typeface that does not start with '+'
// is itself. A theme font reference names a face of `theme`: "+mj-" the major font, "+mn-"
// the minor font, then "lt" its Latin face, "ea" its East Asian one, "cs" its complex-script
// one, an empty East Asian or complex-script face falling back to the Latin one. nullopt for
// an empty typeface, and for a reference without a theme, of another form, or to a face the
// theme leaves empty.
std::optional<std::string> EffectiveTypeface(std::string_view typeface,
                                             const std::optional<document::ThemeData>& theme);

}  // namespace k27093::ooxml
