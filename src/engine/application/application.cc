#include "engine/application/application.h"

#include "api/text.h"
#include "engine/application/application_control.h"
#include "engine/application/windows.h"
#include "engine/charts/chart.h"
#include "engine/objects/shared_from.h"
#include "engine/workbooks/workbook.h"
#include "engine/workbooks/workbooks.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

ApplicationImpl::ApplicationImpl(std::shared_ptr<Session> session)
    : session_(std::move(session)),
      commandBars_(DefaultCommandBars()),
      displayCommentIndicator_(xl::kCommentIndicatorOnly) {}

ApplicationImpl::~ApplicationImpl() { session_->Shutdown(); }

Ref<xl::Application> ApplicationImpl::ApplicationObject() {
  Enter();
  return SharedFrom(*this);
}

Ref<xl::Workbooks> ApplicationImpl::Workbooks() {
  Enter();
  return MakeRef<WorkbooksImpl>(session_);
}

Ref<xl::Workbook> ApplicationImpl::ActiveWorkbook() {
  Enter();
  return session_->ActiveWorkbook();
}

Ref<xl::Sheet> ApplicationImpl::ActiveSheet() {
  Enter();
  auto workbook = session_->ActiveWorkbook();
  if (!workbook) return nullptr;
  auto sheet = workbook->activeSheet();
  return sheet ? Ref<xl::Sheet>(sheet->AsSheet()) : Ref<xl::Sheet>();
}

Ref<xl::Chart> ApplicationImpl::ActiveChart() {
  Enter();
  auto workbook = session_->ActiveWorkbook();
  if (!workbook) return nullptr;
  auto sheet = workbook->activeSheet();
  if (auto chartSheet = std::dynamic_pointer_cast<ChartImpl>(sheet)) return chartSheet;
  auto chart = session_->ActivatedChart();
  if (chart && sheet && chart->hostSheet() == sheet->AsWorksheet()) return chart;
  return nullptr;
}

Ref<xl::Window> ApplicationImpl::ActiveWindow() {
  Enter();
  auto workbook = session_->ActiveWorkbook();
  if (!workbook) return nullptr;
  return MakeRef<WindowImpl>(session_, workbook);
}

Variant ApplicationImpl::Selection() {
  Enter();
  if (!session_->ActiveWorkbook()) return Variant::Nothing();
  return Variant(session_->Selection());
}

std::string ApplicationImpl::ActivePrinter() {
  Enter();
  const auto& printer = session_->settings().printer;
  return printer.empty() ? std::string(kNoPrinterText) : printer;
}

Ref<xl::Windows> ApplicationImpl::Windows() {
  Enter();
  return MakeRef<WindowsImpl>(session_);
}

Ref<xl::CommandBars> ApplicationImpl::CommandBars() {
  Enter();
  return MakeRef<CommandBarsImpl>(session_, commandBars_);
}

Variant ApplicationImpl::Run(std::string_view macro, Arguments arguments) {
  Enter();
  auto reference = SplitMacroReference(macro);
  for (const auto& workbook : session_->workbooks()) {
    if (!reference.workbook.empty() && !EqualsIgnoringCase(workbook->name(), reference.workbook)) {
      continue;
    }
    const Macro* found = workbook->macros().Find(reference.procedure);
    if (!found) found = session_->macros().Find(workbook->name(), reference.procedure);
    if (found) {
      ApplicationControl control(session_);
      return (*found)(control, arguments);
    }
  }
  RaiseExcel(errors::kApplication, "The macro '" + std::string(macro) + "' cannot be found.");
}

void ApplicationImpl::Quit() {
  Enter();
  session_->Shutdown();
}

bool ApplicationImpl::Visible() {
  Enter();
  return session_->desktop().IsWindowVisible(session_->window());
}

void ApplicationImpl::SetVisible(bool visible) {
  Enter();
  session_->desktop().SetVisible(session_->window(), visible);
  session_->KeepRunning(visible);
}

bool ApplicationImpl::DisplayFullScreen() {
  Enter();
  return displayFullScreen_;
}

void ApplicationImpl::SetDisplayFullScreen(bool fullScreen) {
  Enter();
  displayFullScreen_ = fullScreen;
}

std::string ApplicationImpl::TemplatesPath() {
  Enter();
  return session_->settings().templatesPath;
}

bool ApplicationImpl::ShowToolTips() {
  Enter();
  return showToolTips_;
}

void ApplicationImpl::SetShowToolTips(bool show) {
  Enter();
  showToolTips_ = show;
}

std::int32_t ApplicationImpl::DisplayCommentIndicator() {
  Enter();
  return displayCommentIndicator_;
}

void ApplicationImpl::SetDisplayCommentIndicator(std::int32_t mode) {
  Enter();
  if (mode != xl::kNoIndicator && mode != xl::kCommentIndicatorOnly &&
      mode != xl::kCommentAndIndicator) {
    RaiseUnableToSet("DisplayCommentIndicator", "Application");
  }
  displayCommentIndicator_ = mode;
}

bool ApplicationImpl::ShowStartupDialog() {
  Enter();
  return showStartupDialog_;
}

void ApplicationImpl::SetShowStartupDialog(bool show) {
  Enter();
  showStartupDialog_ = show;
}

k27093::Hwnd ApplicationImpl::Hwnd() {
  Enter();
  return session_->window();
}

}  // namespace k27093::engine
