// Module's procedures that find or start the spreadsheet, show its window, check that it
// answers, and close the windows that would block the work.
#include "module/module.h"
#include "module/module_names.h"
#include "spreadsheet/object_model.h"

namespace k27093 {

using module_names::kClass;
using module_names::kMainWindowClass;

void Module::GetApplication() {
  Desktop& desktop = environment_.desktop;
  ObjectRegistry& registry = environment_.registry;
  bool attached = false;
  try {
    const Hwnd running = desktop.FindWindowA(kMainWindowClass, std::nullopt);
    if (running != 0 && desktop.IsWindowVisible(running)) {
      oApplication_ = ToObject<xl::Application>(
          Variant(registry.GetObject(module_names::kSpreadsheetProgId)));
      attached = !oApplication_.IsNothing();
    }
  } catch (const Error&) {
    attached = false;  // a failed attach falls back to starting a new spreadsheet
  }
  try {
    if (!attached) {
      oApplication_ = ToObject<xl::Application>(
          Variant(registry.CreateObject(module_names::kSpreadsheetProgId)));
    }
    oApplication_->SetVisible(true);
    lHandleLogiciel_ = desktop.FindWindowA(kMainWindowClass, std::nullopt);
    desktop.LockWindowUpdate(lHandleLogiciel_);
  } catch (const Error& error) {
    oApplication_ = nullptr;
    RemonteErreur(kClass, "GetApplication", error);
  }
}

bool Module::AfficheExcel() {
  Desktop& desktop = environment_.desktop;
  if (!desktop.IsWindowVisible(lHandleLogiciel_)) return false;
  if (desktop.FindWindowA(kMainWindowClass, std::nullopt) == 0) return false;
  try {
    oApplication_->SetDisplayFullScreen(false);
  } catch (const Error&) {
    // Leaving full-screen mode is best effort.
  }
  desktop.ShowWindow(lHandleLogiciel_, win::kSwShowMaximized);
  desktop.SetForegroundWindow(lHandleLogiciel_);
  return true;
}

bool Module::ExcelRepond(bool bSansEchap) {
  const Hwnd mainWindow = environment_.desktop.FindWindowA(kMainWindowClass, std::nullopt);
  if (mainWindow == 0 && !bSansEchap) EnvoieEchap(lHandleLogiciel_);
  try {
    const Variant windows = GetProperty(Variant(oApplication_), "Windows");
    ToLong(CallById(windows, xl::dispid::kCount, CallKind::Get));
    return true;
  } catch (const Error&) {
    return false;
  }
}

void Module::EnvoieEchap(Hwnd hWnd) {
  environment_.desktop.SetForegroundWindow(hWnd);
  environment_.desktop.SendEscapeKey();
}

void Module::FermeDialogues(Hwnd hWndProprietaire) {
  Desktop& desktop = environment_.desktop;
  try {
    for (Hwnd w = desktop.GetWindow(hWndProprietaire, win::kGwHwndPrev); w != 0;
         w = desktop.GetWindow(w, win::kGwHwndPrev)) {
      std::string title;
      if (desktop.GetWindowTextA(w, title, 255) == 0) continue;
      if (!desktop.IsWindowVisible(w)) continue;
      if ((desktop.GetWindowLongA(w, win::kGwlExStyle) & win::kWsExDlgModalFrame) == 0) continue;
      if (desktop.GetParent(w) == hWndProprietaire) {
        FermeDialogues(w);
        desktop.SendMessageA(w, win::kWmClose, 0, 0);
        return;
      }
    }
  } catch (const Error&) {
    // Closing dialogs is best effort.
  }
}

void Module::FermeFenetre(Hwnd hWnd) {
  Desktop& desktop = environment_.desktop;
  try {
    // Children that survive their WM_CLOSE stay in front of `after`: the walk goes on past
    // them, so that it ends whatever the children do.
    Hwnd after = 0;
    Hwnd child = desktop.FindWindowExA(hWnd, after, std::nullopt, std::nullopt);
    while (child != 0) {
      FermeFenetre(child);
      Hwnd next = desktop.FindWindowExA(hWnd, after, std::nullopt, std::nullopt);
      if (next == child) {
        after = child;
        next = desktop.FindWindowExA(hWnd, after, std::nullopt, std::nullopt);
      }
      child = next;
    }
    desktop.SendMessageA(hWnd, win::kWmClose, 0, 0);
  } catch (const Error&) {
    // Closing windows is best effort.
  }
}

}  // namespace k27093
