// Fixtures of the engine's tests: a started application on its own simulated desktop and
// registry, a private temporary folder, and a small sales workbook written with
// libxlsxwriter (sheets "Année N" and "Année N-1", the table E3:G7, a comment in G9).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "api/error.h"
#include "engine/application/engine.h"
#include "engine/application/excel_errors.h"
#include "platform/registry.h"
#include "platform/simulated_desktop.h"
#include "spreadsheet/object_model.h"

namespace k27093::engine::testing {

inline constexpr std::string_view kMarker =
    "Cette annotation est utilisée comme repère : MERCI de ne pas la supprimer !";

// A folder under the system's temporary folder, removed with its content at destruction.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  // The folder with its trailing separator.
  const std::string& path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + std::string(name); }

 private:
  std::string path_;
};

// Writes the sales workbook at `path`: "Année N" (E3 "Ventes", F3:G3 "Trim 1"/"Trim 2",
// E4:E7 "Nord", "Sud", "Est", "Ouest", F4:G7 figures 100 ... 800, the marker comment in G9)
// and "Année N-1" (the same table halved, the marker too). Fails the test when the writer
// fails.
void WriteSalesWorkbook(const std::string& path);
// Replaces (or adds) the entry `name` of the package at `path` with `content`, stored
// uncompressed; an empty `content` removes the entry. Fails the test when libzip fails.
void RewritePackageEntry(const std::string& path, const std::string& name,
                         const std::string& content);
// The content of the entry `name` of the package at `path`; "" when the package has no such
// entry or cannot be read.
std::string PackageEntry(const std::string& path, const std::string& name);
// The whole content of a file ("" when it cannot be read).
std::string FileBytes(const std::string& path);

// Runs `call` and returns the error it raised; fails the test when it raised none.
Error CaughtError(const std::function<void()>& call);
// The Formula of every series of `chart`, in plot order.
std::vector<std::string> SeriesFormulas(const Ref<xl::Chart>& chart);

class EngineTest : public ::testing::Test {
 protected:
  EngineTest();

  // A new workbook with one sheet "Feuil1", activated; its first sheet as a worksheet.
  Ref<xl::Worksheet> NewSheet();
  // Opens the sales workbook written into the scratch folder as "Ventes.xls".
  Ref<xl::Workbook> OpenSales();
  // The first chart object's chart of `sheet` after adding one at (10, 10, 300, 200).
  Ref<xl::Chart> AddChart(const Ref<xl::Worksheet>& sheet);

  platform::SimulatedDesktop desktop;
  platform::Registry registry;
  ScratchFolder folder;
  Ref<xl::Application> app;
};

// The worksheet `sheet` of a workbook (13 when it is a chart sheet).
Ref<xl::Worksheet> AsWorksheet(const Ref<xl::Sheet>& sheet);

}  // namespace k27093::engine::testing
