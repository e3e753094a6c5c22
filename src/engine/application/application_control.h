// The engine-side control surface of a running embedded application, for tests and for the
// built-in macros: play the learner closing the spreadsheet or leaving a dialog open, show
// the Office Assistant's balloon, set up the printer, read and set the current folder,
// register macros. Nothing here is reachable through the object model.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "api/desktop.h"
#include "engine/application/assistant_balloon.h"
#include "engine/application/dialogs.h"
#include "engine/macros/macros.h"
#include "spreadsheet/application.h"

namespace k27093::engine {

class Session;

class ApplicationControl {
 public:
  explicit ApplicationControl(std::shared_ptr<Session> session);

  // The learner closes the spreadsheet: its main window is destroyed, it leaves the running
  // table, and every later call on any of its objects raises 462.
  void SimulateUserClose();
  // Puts the application in a modal state (as a dialog left open does) or out of it: while
  // busy, every call on any of its objects raises -2147418111 ("Call was rejected by
  // callee."). The desktop, the window and this control surface keep working.
  void SetBusy(bool busy);
  // True until the application quits or is closed.
  bool IsRunning() const;
  // The main "XLMAIN" window (0 once it is gone).
  Hwnd MainWindow() const;

  // Opens a modal dialog titled `title` owned by the main window (class "bosa_sdm_XL9",
  // extended style WS_EX_DLGMODALFRAME, visible, at the top of the Z order) and returns its
  // handle. While it exists and is visible, every call on any object of the application
  // raises -2147418111 ("Call was rejected by callee."). WM_CLOSE, and the Escape key while
  // it is the foreground window, destroy it (and the dialogs it owns) unless `options` makes
  // it refuse. It takes the foreground when the application had it. Raises 462 once the
  // application is gone.
  Hwnd OpenDialog(std::string_view title, const DialogOptions& options = {});
  // The same, owned by `ownerDialog`, one of the application's open dialogs (5 otherwise).
  Hwnd OpenOwnedDialog(Hwnd ownerDialog, std::string_view title, const DialogOptions& options = {});
  // True while one of the application's dialogs exists and is visible.
  bool HasOpenDialog() const;
  // Shows the Office Assistant's balloon ("MSOBALLOON", owned by the main window, with its
  // child windows; see assistant_balloon.h) and returns its handle. It does not block calls.
  // Raises 462 once the application is gone.
  Hwnd ShowAssistantBalloon(const BalloonOptions& options = {});

  // The printer `ActivePrinter` names; empty for a machine without a printer.
  void SetPrinter(std::string printer);
  // The application's current folder (with its trailing separator, as it was given).
  std::string CurrentFolder() const;
  void SetCurrentFolder(std::string folder);

  // Adds a macro `procedure` ("module1.Double") to the workbook named `workbook`
  // ("Classeur1"), whatever its file declares; `Application.Run` finds it while a workbook of
  // that name is open.
  void RegisterMacro(std::string_view workbook, std::string_view procedure, Macro macro);

  // Makes `object` (a series, a shape ...) the application's selection, as a click does.
  void SetSelection(std::shared_ptr<Dispatch> object);

 private:
  std::shared_ptr<Session> session_;
};

// The control surface of an application the engine started. Raises 13 when `application` is
// not one of the engine's (91 when it is Nothing).
ApplicationControl Control(const Ref<xl::Application>& application);

}  // namespace k27093::engine
