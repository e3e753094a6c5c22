// Fuzz target of the BIFF8 record reader: any bytes, taken as a workbook's "Workbook" stream
// (its globals substream, then the sheets' substreams with their drawings, charts and
// comments), either give a workbook or raise the reader's fault; anything else (a crash, a
// sanitizer report, another exception, a time-out or memory blow-up) is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/read_fault.h"
#include "readers/xls/workbook_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    k27093::xls::ReadWorkbookStream(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const k27093::document::ReadFault&) {
    // A damaged or refused workbook is a correct answer.
  }
  return 0;
}
