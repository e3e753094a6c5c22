// Fuzz target of the custom-properties reader (the macro declarations of a workbook): any
// bytes either give the properties or raise the component's error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "api/error.h"
#include "readers/ooxml/custom_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    k27093::ooxml::ReadCustomPropertiesBytes(
        std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.xls");
  } catch (const k27093::Error&) {
    // A refused file is a correct answer.
  }
  return 0;
}
