// Reader of Office Open XML workbook packages (.xlsx/.xlsm, whatever the file's extension).
// It never writes to the file, never expands XML entities, and bounds what a hostile file can
// cost (entries, inflation ratio, text size).
#pragma once

#include <string>
#include <string_view>

#include "document/workbook_data.h"

namespace k27093::ooxml {

// True when the bytes start like a zip package (the reader may still refuse it).
bool LooksLikePackage(std::string_view firstBytes);

// Reads the workbook at `path`. Raises Error 1004 (source "Microsoft Office Excel") whose
// description names the file and the reason (missing, not a workbook, damaged: with the part
// name and, for XML, the offset of the fault).
document::WorkbookData ReadWorkbookFile(const std::string& path);

// The same from bytes in memory; `displayName` names the file in error descriptions.
document::WorkbookData ReadWorkbookBytes(std::string_view bytes, std::string_view displayName);

}  // namespace k27093::ooxml
