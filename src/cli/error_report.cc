#include "cli/error_report.h"

#include <new>

namespace k27093::client {

namespace {
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kInternalError = 51;
}  // namespace

void PrintError(std::ostream& err, const Error& error) {
  err << "Error " << error.number() << ": " << error.description() << '\n'
      << "Source: " << error.source() << '\n';
}

nlohmann::ordered_json ErrorJson(const Error& error) {
  return {
      {"number", error.number()}, {"description", error.description()}, {"source", error.source()}};
}

Error CurrentError() {
  try {
    throw;
  } catch (const Error& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return Error(kOutOfMemory, "Out of memory", std::string(kComponentSource));
  } catch (const std::exception& failure) {
    return Error(kInternalError, std::string("Internal error: ") + failure.what(),
                 std::string(kComponentSource));
  } catch (...) {
    return Error(kInternalError, "Internal error", std::string(kComponentSource));
  }
}

}  // namespace k27093::client
