// The workbook that a BIFF8 workbook stream (the compound file's "Workbook" stream) holds:
// its globals substream, then each sheet's substream where its BOUNDSHEET record says.
#pragma once

#include <string_view>

#include "document/workbook_data.h"

namespace k27093::xls {

// The sheets in tab order (a VB module as a worksheet without content), the active sheet.
// Raises document::ReadFault: Refused and Damaged as ReadWorkbookGlobals does; Damaged naming
// the sheet for a sheet whose offset lies outside the stream or leads to no BOF record, or to
// the BOF of a substream that is no sheet; and the faults of the sheets' substreams
// (worksheet_substream.h), which leave out a chart or a drawing that cannot be read rather
// than raise.
document::WorkbookData ReadWorkbookStream(std::string_view stream);

}  // namespace k27093::xls
