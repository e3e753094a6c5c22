// Fuzz target of the compound file reader: any bytes either open, list the root storage's
// entries and read each of its streams, or raise the reader's fault; anything else (a crash,
// a sanitizer report, another exception, a time-out or memory blow-up) is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/read_fault.h"
#include "readers/cfb/compound_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using k27093::cfb::CompoundFile;
  try {
    const CompoundFile file(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const CompoundFile::Entry& entry : file.RootEntries()) {
      if (entry.type == CompoundFile::Entry::Type::Stream) file.ReadRootStream(entry.name);
    }
  } catch (const k27093::document::ReadFault&) {
    // A refused file is a correct answer.
  }
  return 0;
}
