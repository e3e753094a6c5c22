#include "cli/error_report.h"

#include <new>

namespace k27093::client {

namespace {
constexpr std::int32_t kOutOfMemory = 7;
constexpr std::int32_t kInternalError = 51;
}  // namespace

void PrintError(std::ostream& err, const Error& error) {
  err << "Error " << error.number() << ": " << VisibleText(error.description()) << '\n'
      << "Source: " << VisibleText(error.source()) << '\n';
}

std::string VisibleText(std::string_view text) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string visible;
  visible.reserve(text.size());
  for (const char character : text) {
    const auto byte = static_cast<unsigned char>(character);
    switch (character) {
      case '\n':
        visible += "\\n";
        break;
      case '\r':
        visible += "\\r";
        break;
      case '\t':
        visible += "\\t";
        break;
      case '\\':
        visible += "\\\\";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          visible += "\\x";
          visible += kHexDigits[byte >> 4];
          visible += kHexDigits[byte & 0x0F];
        } else {
          visible += character;
        }
    }
  }
  return visible;
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
