// Reader of Excel 97-2003 workbooks (.xls: BIFF8 records in the "Workbook" stream of a
// compound file), whatever the file's extension. It never writes to the file and bounds what
// a hostile file can cost by the size of its streams.
#pragma once

#include <string>
#include <string_view>

#include "document/workbook_data.h"

namespace k27093::xls {

// Reads the workbook in the compound file `bytes`; `displayName` names the file in error
// descriptions. Raises Error 1004 (source "Microsoft Office Excel") whose description names
// the file and the reason: not a workbook (not a compound file, or one without a workbook
// stream), damaged (naming the stream, record and offset), or refused (saved by Excel 5.0/95
// or older, encrypted with a password). Damage to what only decorates a sheet is no refusal:
// a chart or a drawing that cannot be read is left out and the workbook opens without it
// (worksheet_substream.h says which is which).
document::WorkbookData ReadWorkbookBytes(std::string_view bytes, std::string_view displayName);

// The same for the file at `path`, read with document::ReadWorkbookFileBytes (Error 1004 for
// a file missing or too large).
document::WorkbookData ReadWorkbookFile(const std::string& path);

}  // namespace k27093::xls
