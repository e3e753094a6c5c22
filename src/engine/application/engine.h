// The embedded spreadsheet engine: an in-process spreadsheet application that implements the
// object model of src/spreadsheet over its own documents and opens real workbook files.
// It is registered as "Excel.application.11"; each application owns a "XLMAIN" window on the
// simulated desktop (hidden until Visible = True).
#pragma once

#include <memory>
#include <string>

#include "api/object_registry.h"
#include "platform/simulated_desktop.h"
#include "spreadsheet/application.h"

namespace k27093::engine {

inline constexpr std::string_view kProgId = "Excel.application.11";
inline constexpr std::string_view kNoPrinterText =
    "Imprimante non définie. Vérifiez le panneau de configuration.";

struct EngineSettings {
  // Templates folder (with its trailing separator), as TemplatesPath reports it.
  std::string templatesPath;
  // The default printer; empty for a machine without a printer.
  std::string printer;
  // The current folder at start (with its trailing separator).
  std::string currentFolder;
};

// Starts a new application on `desktop` and registers it as running in `registry` (when not
// null). A hidden application lives as long as a reference to it does, or until Quit. Once
// made visible it runs on, reachable through the registry's GetObject with its workbooks
// and window, after its last reference has gone, as the user's own spreadsheet program does:
// until it quits, its window is closed, it is hidden again and released, or the registry
// ends. Without a registry nothing keeps it. `desktop` and `registry` must outlive it.
Ref<xl::Application> StartApplication(platform::SimulatedDesktop& desktop,
                                      ObjectRegistry* registry, EngineSettings settings);

// Registers the class "Excel.application.11" in `registry`: CreateObject starts a new
// application with StartApplication. `desktop` must outlive the registry's use.
void RegisterEngine(ObjectRegistry& registry, platform::SimulatedDesktop& desktop,
                    EngineSettings settings);

}  // namespace k27093::engine
