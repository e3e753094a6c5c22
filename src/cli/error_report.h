// How the client reports an error that reached it: number, description and source, as text
// for people and as JSON {"number":N,"description":"...","source":"..."}.
#pragma once

#include <exception>
#include <ostream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "api/error.h"

namespace k27093::client {

// "Error N: description" then "Source: source" on the next line, both passed through
// VisibleText (a traced source holds line feeds and carriage returns).
void PrintError(std::ostream& err, const Error& error);

// `text` on one line, its control characters made visible: line feed "\n", carriage return
// "\r", tab "\t", a backslash "\\", any other byte below 0x20 and 0x7F as "\xHH". Other
// bytes (UTF-8 included) are kept.
std::string VisibleText(std::string_view text);

nlohmann::ordered_json ErrorJson(const Error& error);

// The exception in flight as an Error: an Error as it is; std::bad_alloc becomes 7 ("Out of
// memory"); any other exception 51 ("Internal error: " and its message), source "K27093".
// Call only inside a catch block.
Error CurrentError();

}  // namespace k27093::client
