// How the client reports an error that reached it: number, description and source, as text
// for people and as JSON {"number":N,"description":"...","source":"..."}.
#pragma once

#include <exception>
#include <ostream>

#include <nlohmann/json.hpp>

#include "api/error.h"

namespace k27093::client {

// "Error N: description" then "Source: source" on the next line.
void PrintError(std::ostream& err, const Error& error);

nlohmann::ordered_json ErrorJson(const Error& error);

// The exception in flight as an Error: an Error as it is; std::bad_alloc becomes 7 ("Out of
// memory"); any other exception 51 ("Internal error: " and its message), source "K27093".
// Call only inside a catch block.
Error CurrentError();

}  // namespace k27093::client
