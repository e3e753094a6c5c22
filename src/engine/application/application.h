// ApplicationImpl: the embedded spreadsheet application: its workbooks, windows, command
// bars, settings and macros, over a shared Session. Quit, closing its window, or releasing
// the last reference to it while it is hidden shuts the application down (its window goes,
// and every object of it raises 462). A visible application runs on without references, as
// the user's own program does (Session::KeepRunning).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/application/command_bars.h"
#include "engine/application/session.h"
#include "spreadsheet/application.h"

namespace k27093::engine {

class ApplicationImpl : public xl::Application {
 public:
  explicit ApplicationImpl(std::shared_ptr<Session> session);
  ~ApplicationImpl() override;

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
  // Raises 1004 "The macro '<reference>' cannot be found." when no open workbook declares it.
  Variant Run(std::string_view macro, Arguments arguments) override;
  void Quit() override;
  bool Visible() override;
  // Shows or hides the main window; a shown application is kept running without clients.
  void SetVisible(bool visible) override;
  bool DisplayFullScreen() override;
  void SetDisplayFullScreen(bool fullScreen) override;
  std::string TemplatesPath() override;
  bool ShowToolTips() override;
  void SetShowToolTips(bool show) override;
  std::int32_t DisplayCommentIndicator() override;
  // Takes xlNoIndicator, xlCommentIndicatorOnly or xlCommentAndIndicator; 1004 otherwise.
  void SetDisplayCommentIndicator(std::int32_t mode) override;
  bool ShowStartupDialog() override;
  void SetShowStartupDialog(bool show) override;
  k27093::Hwnd Hwnd() override;

  const std::shared_ptr<Session>& session() const { return session_; }

 private:
  void Enter() const { session_->Enter(); }

  std::shared_ptr<Session> session_;
  std::vector<std::shared_ptr<CommandBarState>> commandBars_;
  bool displayFullScreen_ = false;
  bool showToolTips_ = true;
  std::int32_t displayCommentIndicator_;
  bool showStartupDialog_ = true;
};

}  // namespace k27093::engine
