// Building the engine's workbooks from workbook files: the file is recognised by its content
// (the ooxml reader reads Office Open XML packages and refuses anything else, naming the
// file and the reason), and what the reader found (sheets, cells, comments, drawings with
// their charts and shapes, chart sheets, the active sheet, each worksheet's selected cells)
// becomes the engine's documents (see drawing_loader.h and chart_loader.h). The file is only
// read.
#pragma once

#include <memory>
#include <string>

#include "document/workbook_data.h"

namespace k27093::engine {

class Session;
class WorkbookImpl;

// Reads the workbook at `path`, a binary 97-2003 workbook (.xls) or an Office Open XML package
// (.xlsx, .xlsm) as its content tells. Raises 1004 (source "Microsoft Office Excel") naming
// the file: "'<path>' could not be found. ..." for a missing file, and the reason for a file
// that is not a workbook, is damaged, or is one the spreadsheet refuses (encrypted, too old).
// The workbook's macros are the built-in procedures its custom properties declare.
std::shared_ptr<WorkbookImpl> LoadWorkbookFile(const std::shared_ptr<Session>& session,
                                               const std::string& path);

// A workbook named `name` in the folder `folder` (no trailing separator) made of `data`, whose
// cells it takes over rather than copies. The workbook is not yet among the application's open
// workbooks.
std::shared_ptr<WorkbookImpl> BuildWorkbook(const std::shared_ptr<Session>& session,
                                            document::WorkbookData data, std::string name,
                                            std::string folder);

}  // namespace k27093::engine
