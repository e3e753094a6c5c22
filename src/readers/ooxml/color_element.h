// DrawingML colour elements (a:srgbClr, a:sysClr, a:schemeClr, a:prstClr, a:scrgbClr,
// a:hslClr) read into ColorData: the base colour and every transform child in order, values
// turned into fractions and degrees. Percentages may be stored in thousandths of a percent
// ("50000") or as a percentage ("50%"); angles in 60000ths of a degree.
#pragma once

#include <cstdint>
#include <optional>

#include <pugixml.hpp>

#include "document/workbook_data.h"
#include "readers/ooxml/drawingml.h"

namespace k27093::ooxml {

// The colour that `element` states; nullopt when it is no colour element. A preset or system
// colour of a name the reader does not know has no base colour number. Raises ReadFault
// Damaged when a value is not of its type's form (an RGB value not six hexadecimal digits, a
// percentage or angle that is not a number).
std::optional<document::ColorData> ColorOf(pugi::xml_node element, const PartScope& scope);

// The colour of the first child element of `parent` that is a colour element; nullopt when
// there is none (or `parent` is empty).
std::optional<document::ColorData> ChildColorOf(pugi::xml_node parent, const PartScope& scope);

}  // namespace k27093::ooxml
