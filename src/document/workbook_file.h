// Opening a workbook file, whatever its format: the file's bytes read with the checks every
// reader shares, and the spreadsheet's error 1004 for a file that cannot be opened.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/read_fault.h"

namespace k27093::document {

// Largest file a reader loads; the parts and streams it holds are bounded separately.
inline constexpr std::uintmax_t kMaxWorkbookFileBytes = 256ull * 1024 * 1024;

// The whole content of the file at `path`, opened read-only. Raises Error 1004 (source
// "Microsoft Office Excel") when the file is missing ("could not be found"), cannot be reached
// (a folder on its path cannot be searched, the path loops), is not a regular file, is larger
// than kMaxWorkbookFileBytes (before reading it) or cannot be read completely.
std::string ReadWorkbookFileBytes(const std::string& path);

// Raises the Error 1004 that ReadWorkbookFileBytes raises for a file larger than
// kMaxWorkbookFileBytes, naming it `path`, when the file at `path` is larger; nothing when it
// is not, or when its size cannot be known (the reading then says why).
void RequireReadableSize(const std::string& path);

// Raises Error 1004 with `description`, as the spreadsheet reports a file it cannot open.
[[noreturn]] void RaiseOpenError(std::string description);

// The description of Error 1004 for the file `name` that a reader refused with `fault`:
// "'name' is not a workbook: reason.", "'name' is damaged and cannot be opened: reason." or
// "'name' cannot be opened: reason." (a workbook the spreadsheet refuses).
std::string OpenFaultDescription(std::string_view name, const ReadFault& fault);

}  // namespace k27093::document
