// RecordingApplication: a spreadsheet application that passes every call on to another one
// (the embedded engine's) and records it first in a CallLog, as "excel <object>.<member>":
// "excel Workbooks.Count", "excel Workbooks.Open(<file>)", "excel
// Workbooks(Ventes.xls).Close(False)", "excel CommandBars(Task Pane).Position = 2", "excel
// ActiveWindow.WindowState = -4137", "excel Run(X27093.xls!module1.ChangeRep, <folder>)". An object
// reached through an index is named by the index as the caller gave it. The workbooks, the workbook
// windows and the command bars it hands out record their calls too; what Workbooks.Open and Add
// return, the sheets, charts and the selection are the engine's own objects, unrecorded. Late-bound
// calls reach the same members, so they are recorded alike.
#pragma once

#include <optional>

#include "spreadsheet/object_model.h"
#include "support/call_log.h"

namespace k27093::testsupport {

class RecordingApplication final : public xl::Application {
 public:
  // `log` must outlive the application.
  RecordingApplication(Ref<xl::Application> inner, CallLog& log)
      : inner_(std::move(inner)), log_(log) {}

  // The application the calls go to.
  const Ref<xl::Application>& inner() const { return inner_; }
  // Plays a spreadsheet with only the first `count` command bars: CommandBars.Count answers
  // at most `count`, and a bar asked for by a position above it is missing (5), as Office
  // answers. Bars asked for by name are found whatever their position.
  void LimitCommandBars(std::int32_t count) { commandBarLimit_ = count; }

  // `Application` is this application itself, so that calls made through it are recorded.
  Ref<xl::Application> ApplicationObject() override;
  Ref<xl::Workbooks> Workbooks() override;
  Ref<xl::Workbook> ActiveWorkbook() override;
  Ref<xl::Sheet> ActiveSheet() override;
  Ref<xl::Chart> ActiveChart() override;
  Ref<xl::Window> ActiveWindow() override;
  Variant Selection() override;
  std::string ActivePrinter() override;
  Ref<xl::Windows> Windows() override;
  Ref<xl::CommandBars> CommandBars() override;
  Variant Run(std::string_view macro, Arguments arguments) override;
  void Quit() override;
  bool Visible() override;
  void SetVisible(bool visible) override;
  bool DisplayFullScreen() override;
  void SetDisplayFullScreen(bool fullScreen) override;
  std::string TemplatesPath() override;
  bool ShowToolTips() override;
  void SetShowToolTips(bool show) override;
  std::int32_t DisplayCommentIndicator() override;
  void SetDisplayCommentIndicator(std::int32_t mode) override;
  bool ShowStartupDialog() override;
  void SetShowStartupDialog(bool show) override;
  k27093::Hwnd Hwnd() override;

 private:
  template <class Call>
  auto Recorded(std::string_view member, Call&& call) {
    return log_.Recorded("excel " + std::string(member), std::forward<Call>(call));
  }

  Ref<xl::Application> inner_;
  CallLog& log_;
  std::optional<std::int32_t> commandBarLimit_;
};

// The text of a value as an entry shows it: text as it is, numbers and Booleans as the
// platform prints them, an object by its class, Empty as "Missing".
std::string ArgumentText(const Variant& value);

}  // namespace k27093::testsupport
