// Writes the macro workbook "X27093.xls" that ships beside the module: a workbook package
// whose custom document properties declare the folder macros "module1.ChangeRep" and
// "module1.GetRep" in the format the embedded engine reads (engine/macro_declarations.h).
// Usage: make_macro_workbook OUTPUT-PATH. Exit status 0 when written, 1 otherwise.
#include <xlsxwriter.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "engine/macros/macro_declarations.h"

namespace {

// The procedures the workbook provides, in declaration order (Macro1, Macro2).
constexpr const char* kProcedures[] = {"module1.ChangeRep", "module1.GetRep"};
// A fixed creation date, so that the same build writes the same bytes: 2004-01-01 00:00 UTC.
constexpr std::time_t kCreated = 1072915200;

bool Write(const char* path) {
  lxw_workbook* workbook = workbook_new(path);
  if (workbook == nullptr) return false;
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Feuil1");
  worksheet_write_string(sheet, 0, 0, "Macros", nullptr);

  lxw_doc_properties properties = {};
  properties.title = const_cast<char*>("X27093");
  properties.created = kCreated;
  bool written = workbook_set_properties(workbook, &properties) == LXW_NO_ERROR;
  int number = 0;
  for (const char* procedure : kProcedures) {
    const std::string name = k27093::engine::MacroPropertyName(++number);
    worksheet_write_string(sheet, number, 0, procedure, nullptr);
    const lxw_error set = workbook_set_custom_property_string(workbook, name.c_str(), procedure);
    written = written && set == LXW_NO_ERROR;
  }
  // Closing writes the file; it must run even after a failure, to free the workbook.
  const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
  return written && closed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT-PATH\n", argc > 0 ? argv[0] : "make_macro_workbook");
    return 1;
  }
  if (!Write(argv[1])) {
    std::fprintf(stderr, "cannot write the macro workbook '%s'\n", argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
