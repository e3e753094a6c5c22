// The spreadsheet application as the module drives it: workbooks, windows, command bars,
// the settings the module saves and restores, macros and quitting. Every member raises the
// spreadsheet's errors (numbers in api/error.h); once the application has quit or was closed
// by the user, every call raises 462.
#pragma once

#include <string>

#include "api/desktop.h"
#include "api/dispatch.h"
#include "spreadsheet/workbook.h"

namespace k27093::xl {

class CommandBars;
class Chart;

class Window : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Window"; }
  // XlWindowState: kMaximized, kMinimized, kNormal.
  virtual std::int32_t WindowState() = 0;
  virtual void SetWindowState(std::int32_t state) = 0;
  virtual std::string Caption() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

// The open workbook windows (one per open workbook).
class Windows : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Windows"; }
  virtual std::int32_t Count() = 0;
  // 1-based position or caption; raises 9 when missing.
  virtual Ref<xl::Window> Item(const Variant& index) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

class Application : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Application"; }

  // `Application`: the application itself. (A C++ member cannot carry its class's name; the
  // late-bound face answers "Application" with it.)
  virtual Ref<xl::Application> ApplicationObject() = 0;
  virtual Ref<xl::Workbooks> Workbooks() = 0;
  // Nothing when no workbook is open.
  virtual Ref<xl::Workbook> ActiveWorkbook() = 0;
  // The active sheet of the active workbook (a Worksheet or a Chart); Nothing when none.
  virtual Ref<xl::Sheet> ActiveSheet() = 0;
  // The active chart (an activated embedded chart or a chart sheet); Nothing when none.
  virtual Ref<xl::Chart> ActiveChart() = 0;
  // The active workbook window; Nothing when no workbook is open.
  virtual Ref<xl::Window> ActiveWindow() = 0;
  // The selected object (a Range, a Shape, a ChartArea ...); Nothing when none.
  virtual Variant Selection() = 0;
  // The printer name, or "Imprimante non définie. Vérifiez le panneau de configuration."
  // on a machine without a printer.
  virtual std::string ActivePrinter() = 0;
  virtual Ref<xl::Windows> Windows() = 0;
  virtual Ref<xl::CommandBars> CommandBars() = 0;
  // Runs a macro "Book.xls!module.Macro" of an open workbook; raises 1004 when the workbook
  // is not open or declares no such macro.
  virtual Variant Run(std::string_view macro, Arguments arguments) = 0;
  // Closes the application: its window goes and every later call raises 462.
  virtual void Quit() = 0;

  virtual bool Visible() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool DisplayFullScreen() = 0;
  virtual void SetDisplayFullScreen(bool fullScreen) = 0;
  // The templates folder, with its trailing separator.
  virtual std::string TemplatesPath() = 0;
  virtual bool ShowToolTips() = 0;
  virtual void SetShowToolTips(bool show) = 0;
  // XlCommentDisplayMode.
  virtual std::int32_t DisplayCommentIndicator() = 0;
  virtual void SetDisplayCommentIndicator(std::int32_t mode) = 0;
  virtual bool ShowStartupDialog() = 0;
  virtual void SetShowStartupDialog(bool show) = 0;
  // The main window ("XLMAIN").
  virtual k27093::Hwnd Hwnd() = 0;

  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
