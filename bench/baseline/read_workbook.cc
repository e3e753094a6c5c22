// k27093_read_workbook WORKBOOK: reads an Office Open XML workbook with the component's reader
// and nothing else, and prints how many cells it holds; exits 3 when the reader refuses it.
// The memory benchmark measures what reading alone costs through it.
#include <cstdio>
#include <exception>

#include "readers/ooxml/reader.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s WORKBOOK\n", argv[0]);
    return 64;
  }
  try {
    const k27093::document::WorkbookData data = k27093::ooxml::ReadWorkbookFile(argv[1]);
    std::size_t cells = 0;
    for (const k27093::document::SheetData& sheet : data.sheets) cells += sheet.cells.size();
    std::printf("%zu\n", cells);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 3;
  }
}
