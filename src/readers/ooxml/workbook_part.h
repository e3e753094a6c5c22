// The workbook part of a package: found through the package's relationships and content
// types (never by an assumed part name), and read for its sheets in tab order (name, kind,
// part), the active tab, the shared-string table and the theme.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "document/workbook_data.h"
#include "readers/ooxml/package.h"
#include "readers/ooxml/relationships.h"

namespace k27093::ooxml {

inline constexpr std::size_t kMaxSheets = 1000;

struct SheetEntry {
  std::string name;
  document::SheetData::Kind kind = document::SheetData::Kind::Worksheet;
  std::string part;         // the sheet's part name; "" for a sheet that names none (empty)
  std::string rootElement;  // local name of the part's root ("worksheet", "chartsheet" ...)
};

struct WorkbookPart {
  std::string part;                // "xl/workbook.xml" in files written by Excel
  std::vector<SheetEntry> sheets;  // tab order
  std::size_t activeSheet = 0;     // 0-based; 0 when the file names no valid tab
  std::string sharedStringsPart;   // "" when the workbook has no shared strings
  std::string themePart;           // "" when the workbook has no theme
};

// The name of the workbook part. Raises ReadFault NotWorkbook when the package has no
// main document, or its main document is not a spreadsheet (or is missing); Damaged when the
// package's wiring cannot be read.
std::string FindWorkbookPart(Package& package, const ContentTypes& types);

// Reads the workbook part `part`. Raises ReadFault Damaged when it is not well-formed,
// lists no sheets or more than kMaxSheets, or names a sheet whose relationship or kind is
// unknown.
WorkbookPart ReadWorkbookPart(Package& package, const ContentTypes& types, std::string_view part);

}  // namespace k27093::ooxml
