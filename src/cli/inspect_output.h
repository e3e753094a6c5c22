// How the inspect command prints a WorkbookView: readable text, or JSON
// {"workbook":...,"sheets":[{"name","kind","cells","comments","charts","shapes"}]} (keys in
// that order) with numbers as numbers, texts as strings and Booleans as Booleans.
#pragma once

#include <ostream>

#include <nlohmann/json.hpp>

#include "api/variant.h"
#include "cli/workbook_view.h"

namespace k27093::client {

// A cell value as JSON: Boolean, number (integer or floating), string; Empty and Null as null.
nlohmann::ordered_json ValueJson(const Variant& value);

nlohmann::ordered_json WorkbookJson(const WorkbookView& view);

// Writes the view as indented text, one line per cell, comment, chart, series and shape.
void PrintWorkbook(std::ostream& out, const WorkbookView& view);

// Writes `json` indented, invalid UTF-8 replaced rather than refused.
void PrintJson(std::ostream& out, const nlohmann::ordered_json& json);

}  // namespace k27093::client
