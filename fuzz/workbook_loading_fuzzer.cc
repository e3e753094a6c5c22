// Fuzz target of the spreadsheet's opening of a workbook file and of everything read from the
// open workbook afterwards: any bytes, written as a file and opened, either open as a workbook
// whose whole object model reads (every sheet, cell, comment, chart with its series, axes and
// titles, drawn object and check box, as the checks and inspect read them; a member may raise
// the component's error) or are refused with the spreadsheet's error. Anything else (a crash,
// a sanitizer report, another exception, a time-out or memory blow-up) is a finding.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "api/error.h"
#include "cli/inspect_output.h"
#include "cli/workbook_view.h"
#include "engine/application/engine.h"
#include "platform/simulated_desktop.h"

namespace {

// The file every input is written to, in a folder of this process's own.
const std::string& InputPath() {
  static const std::string path = [] {
    char folder[] = "/tmp/k27093-fuzz-XXXXXX";
    if (mkdtemp(folder) == nullptr) abort();
    return std::string(folder) + "/Classeur.xls";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static k27093::platform::SimulatedDesktop desktop;
  static k27093::Ref<k27093::xl::Application> application =
      k27093::engine::StartApplication(desktop, nullptr, {});
  {
    std::ofstream file(InputPath(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  k27093::Ref<k27093::xl::Workbook> workbook;
  try {
    workbook = application->Workbooks()->Open(InputPath());
  } catch (const k27093::Error&) {
    return 0;  // a refused file is a correct answer
  }
  try {
    const k27093::client::WorkbookView view =
        k27093::client::ReadWorkbookView(*application, *workbook);
    const std::string json = k27093::client::WorkbookJson(view).dump(
        -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    if (json.empty()) abort();
  } catch (const k27093::Error&) {
    // A member that raises is an answer of the object model.
  }
  workbook->Close(false);
  return 0;
}
