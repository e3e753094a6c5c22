// Fuzz target of the workbook package reader: any bytes either read as a workbook or raise
// the component's error; anything else (a crash, a sanitizer report, another exception, a
// time-out or memory blow-up) is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "api/error.h"
#include "readers/ooxml/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    k27093::ooxml::ReadWorkbookBytes(std::string_view(reinterpret_cast<const char*>(data), size),
                                     "fuzz.xlsx");
  } catch (const k27093::Error&) {
    // A refused file is a correct answer.
  }
  return 0;
}
