// How the inspect command prints a WorkbookView: readable text, or JSON in the shape the
// README's section "The JSON of inspect" documents key by key: objects with their keys in a
// fixed order, numbers as numbers, texts as strings, Booleans as Booleans, null for what the
// workbook does not have, and {"error":N} in place of any value whose read raised error N.
#pragma once

#include <ostream>

#include <nlohmann/json.hpp>

#include "api/variant.h"
#include "cli/workbook_view.h"

namespace k27093::client {

// A value as JSON: Boolean, number (integer or floating), string, an array as the JSON array
// of its elements; Empty and Null as null. Raises 13 for an object.
nlohmann::ordered_json ValueJson(const Variant& value);

nlohmann::ordered_json WorkbookJson(const WorkbookView& view);

// Writes the view as indented text: the workbook, then each sheet with its cells, comments,
// charts (one line per series, axis and part), drawn objects, text boxes and check boxes.
// A value whose read raised shows as "error N".
void PrintWorkbook(std::ostream& out, const WorkbookView& view);

// Writes `json` indented, invalid UTF-8 replaced rather than refused.
void PrintJson(std::ostream& out, const nlohmann::ordered_json& json);

}  // namespace k27093::client
