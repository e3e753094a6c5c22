// The fills and lines of a chart's elements (series, chart area) as the engine takes them:
// from an AREAFORMAT and the GELFRAME that may refine it (a texture, a picture, a gradient),
// and from a LINEFORMAT. Colours are the palette's colours of the records' indices, else the
// colours the records state.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/workbook_data.h"
#include "readers/xls/chart_records.h"
#include "readers/xls/office_art_properties.h"

namespace k27093::xls {

struct WorkbookGlobals;

// The property tables of a GELFRAME record's data (an OfficeArtFOPT, then an
// OfficeArtTertiaryFOPT; the first statement of a property wins). Raises document::ReadFault
// Damaged, "<context> ...", for a table whose header or entries pass the data's end.
PropertyTable ReadGelFrame(std::string_view bytes, const std::string& context);

// The fill `area` states, refined by `gel` (nullptr: no GELFRAME): a texture is a tiled
// picture fill named after its picture, as an .xlsx file stores it. nullopt for an automatic
// fill, or no AREAFORMAT.
std::optional<document::FillData> FillOf(const std::optional<AreaFormat>& area,
                                         const PropertyTable* gel,
                                         const WorkbookGlobals& globals);

// The line `line` states: none for the style none, else solid in its colour; nullopt for an
// automatic line, or no LINEFORMAT.
std::optional<document::FillData> LineOf(const std::optional<LineFormat>& line,
                                         const WorkbookGlobals& globals);

}  // namespace k27093::xls
