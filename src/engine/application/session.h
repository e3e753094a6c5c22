// Session: the state of one running spreadsheet application that every object of it shares:
// liveness, the main window and its modal dialogs, the open workbooks and which one is active,
// the selection, the active chart, the macros and the current folder. `Enter` is the one check
// every call of the object model makes first.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "api/dispatch.h"
#include "api/object_registry.h"
#include "engine/application/dialogs.h"
#include "engine/application/engine.h"
#include "engine/macros/macros.h"
#include "engine/objects/presence.h"
#include "platform/simulated_desktop.h"

namespace k27093::engine {

class WorkbookImpl;
class ChartImpl;

class Session {
 public:
  // `desktop` and `registry` must outlive the session (its shutdown removes the window and
  // the running registration).
  Session(platform::SimulatedDesktop& desktop, ObjectRegistry* registry, EngineSettings settings);
  // Shuts the application down if it still runs.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Every member of every object starts here: raises 462 ("The remote server machine does not
  // exist or is unavailable") once the application has quit or its window was closed, and
  // -2147418111 ("Call was rejected by callee.") while it is in a modal state: one of its
  // dialogs is open (exists and is visible), or it was made busy.
  void Enter() const;
  bool alive() const { return alive_; }
  void SetBusy(bool busy) { busy_ = busy; }

  // Creates the hidden "XLMAIN" window and registers `application` as running. Called once.
  void Start(std::shared_ptr<Dispatch> application);
  // A visible application runs on without any client, as the user's own program does: the
  // registry's running table holds it (kept true) until it is hidden again (kept false), it
  // quits or its window is closed. Without a registry nothing holds it.
  void KeepRunning(bool kept);
  // Ends the application: the window goes, the workbooks are dropped, every later call
  // raises 462, and the running registration is revoked (the registry lets the application
  // go, and the session may end with it: nothing of the session is touched after). Does
  // nothing the second time.
  void Shutdown();

  platform::SimulatedDesktop& desktop() const { return desktop_; }
  Hwnd window() const { return window_; }
  EngineSettings& settings() { return settings_; }
  // Macros registered by workbook name (ApplicationControl::RegisterMacro); the macros a
  // workbook file declares belong to the open workbook itself.
  MacroRegistry& macros() { return macros_; }
  DialogSet& dialogs() { return dialogs_; }

  // Open workbooks, in opening order.
  const std::vector<std::shared_ptr<WorkbookImpl>>& workbooks() const { return workbooks_; }
  // Open workbooks, the active one first, then by how recently they were active.
  std::vector<std::shared_ptr<WorkbookImpl>> WorkbooksByRecency() const;
  // The active workbook; nullptr when none is open.
  std::shared_ptr<WorkbookImpl> ActiveWorkbook() const;
  // Adds a workbook and makes it active.
  void AddWorkbook(std::shared_ptr<WorkbookImpl> workbook);
  // Removes a workbook; the most recently active of the others becomes active.
  void RemoveWorkbook(const WorkbookImpl& workbook);
  // Makes the workbook active (its active sheet's selection becomes the selection).
  void ActivateWorkbook(const WorkbookImpl& workbook);
  // The number the next new workbook takes ("Classeur1", "Classeur2" ...).
  std::int32_t NextNewWorkbookNumber() { return ++newWorkbooks_; }

  // The selected object, or nullptr when none is (or it was deleted).
  std::shared_ptr<Dispatch> Selection() const;
  // Makes `object` the selection; it stays selected while `presence` is present.
  void Select(std::shared_ptr<Dispatch> object, std::shared_ptr<const Presence> presence);
  // The activated embedded chart, nullptr when none (or it was deleted).
  std::shared_ptr<ChartImpl> ActivatedChart() const;
  void SetActivatedChart(std::shared_ptr<ChartImpl> chart);

 private:
  void UpdateTitle();

  platform::SimulatedDesktop& desktop_;
  ObjectRegistry* registry_;
  EngineSettings settings_;
  MacroRegistry macros_;
  DialogSet dialogs_;
  Hwnd window_ = 0;
  const Dispatch* running_ = nullptr;
  bool alive_ = true;
  bool busy_ = false;
  std::vector<std::shared_ptr<WorkbookImpl>> workbooks_;
  std::vector<const WorkbookImpl*> recency_;  // active first
  std::int32_t newWorkbooks_ = 0;
  std::shared_ptr<Dispatch> selection_;
  std::shared_ptr<const Presence> selectionPresence_;
  std::shared_ptr<ChartImpl> activatedChart_;
};

}  // namespace k27093::engine
