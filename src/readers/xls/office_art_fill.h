// Fill and outline of an OfficeArt shape or chart element frame, from its property table, in
// the engine's terms. A colour (OfficeArtCOLORREF) is red, green and blue bytes and a flags
// byte; with the scheme-index flag its low 16 bits index the workbook's colour table.
// Properties the table leaves out take the format's defaults: filled in white, outlined in
// black, a solid fill.
#pragma once

#include <cstdint>
#include <optional>

#include "document/workbook_data.h"
#include "readers/xls/office_art_properties.h"

namespace k27093::xls {

struct WorkbookGlobals;

// The colour number of the colour reference `color`: its RGB bytes, or the colour of its
// index (the palette through `globals`, the default foreground and chart neutral colours
// black, the default background colours white); nullopt for system colours and indices the
// table does not have.
std::optional<std::int32_t> ColorOfReference(std::uint32_t color, const WorkbookGlobals& globals);

// The fill: None when fFilled is off; Solid, Pattern (its foreground colour), Gradient (the
// fill colour as its first stop) or Picture (tiled for a texture, its name from
// fillBlipName) by fillType.
document::FillData FillOfProperties(const PropertyTable& properties,
                                    const WorkbookGlobals& globals);

// The outline's fill: None when fLine is off, else Solid in lineColor.
document::FillData LineOfProperties(const PropertyTable& properties,
                                    const WorkbookGlobals& globals);

}  // namespace k27093::xls
