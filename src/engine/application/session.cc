#include "engine/application/session.h"

#include <algorithm>
#include <utility>

#include "api/error.h"
#include "engine/charts/chart.h"
#include "engine/workbooks/workbook.h"

namespace k27093::engine {

namespace {

constexpr std::string_view kWindowClass = "XLMAIN";
constexpr std::string_view kTitle = "Microsoft Excel";

}  // namespace

Session::Session(platform::SimulatedDesktop& desktop, ObjectRegistry* registry,
                 EngineSettings settings)
    : desktop_(desktop), registry_(registry), settings_(std::move(settings)), dialogs_(desktop) {}

Session::~Session() { Shutdown(); }

void Session::Enter() const {
  if (!alive_) Raise(errors::kServerGone);
  if (busy_ || dialogs_.AnyOpen()) Raise(errors::kCallRejected);
}

void Session::Start(std::shared_ptr<Dispatch> application) {
  platform::WindowSpec spec;
  spec.className = kWindowClass;
  spec.title = kTitle;
  spec.visible = false;
  window_ = desktop_.CreateWindow(spec);
  desktop_.SetMessageHandler(window_, [this](Hwnd, unsigned message) -> std::intptr_t {
    if (message == win::kWmClose) Shutdown();
    return 0;
  });
  running_ = application.get();
  if (registry_) registry_->RegisterRunning(kProgId, application);
}

void Session::KeepRunning(bool kept) {
  if (alive_ && registry_ && running_) registry_->KeepRunning(running_, kept);
}

void Session::Shutdown() {
  if (!alive_) return;
  alive_ = false;
  Hwnd window = std::exchange(window_, 0);
  if (window != 0) desktop_.DestroyWindow(window);
  for (const auto& workbook : workbooks_) workbook->MarkClosed();
  workbooks_.clear();
  recency_.clear();
  selection_.reset();
  selectionPresence_.reset();
  activatedChart_.reset();
  // Last: revoking may release the application that the running table kept, and this
  // session with it.
  ObjectRegistry* registry = registry_;
  const Dispatch* running = std::exchange(running_, nullptr);
  if (registry && running) registry->RevokeRunning(running);
}

std::vector<std::shared_ptr<WorkbookImpl>> Session::WorkbooksByRecency() const {
  std::vector<std::shared_ptr<WorkbookImpl>> ordered;
  for (const WorkbookImpl* recent : recency_) {
    for (const auto& workbook : workbooks_) {
      if (workbook.get() == recent) ordered.push_back(workbook);
    }
  }
  return ordered;
}

std::shared_ptr<WorkbookImpl> Session::ActiveWorkbook() const {
  if (recency_.empty()) return nullptr;
  for (const auto& workbook : workbooks_) {
    if (workbook.get() == recency_.front()) return workbook;
  }
  return nullptr;
}

void Session::AddWorkbook(std::shared_ptr<WorkbookImpl> workbook) {
  workbooks_.push_back(workbook);
  ActivateWorkbook(*workbook);
}

void Session::RemoveWorkbook(const WorkbookImpl& workbook) {
  auto found = std::find_if(workbooks_.begin(), workbooks_.end(),
                            [&](const auto& candidate) { return candidate.get() == &workbook; });
  if (found == workbooks_.end()) return;
  auto closing = *found;
  workbooks_.erase(found);
  std::erase(recency_, &workbook);
  closing->MarkClosed();
  if (auto active = ActiveWorkbook()) {
    active->ShowActiveSheet();
  } else {
    selection_.reset();
    activatedChart_.reset();
  }
  UpdateTitle();
}

void Session::ActivateWorkbook(const WorkbookImpl& workbook) {
  std::erase(recency_, &workbook);
  recency_.insert(recency_.begin(), &workbook);
  if (auto active = ActiveWorkbook()) active->ShowActiveSheet();
  UpdateTitle();
}

std::shared_ptr<Dispatch> Session::Selection() const {
  if (!selection_ || !selectionPresence_ || !selectionPresence_->Present()) return nullptr;
  return selection_;
}

void Session::Select(std::shared_ptr<Dispatch> object, std::shared_ptr<const Presence> presence) {
  selection_ = std::move(object);
  selectionPresence_ = std::move(presence);
}

std::shared_ptr<ChartImpl> Session::ActivatedChart() const {
  if (!activatedChart_ || !activatedChart_->presence()->Present()) return nullptr;
  return activatedChart_;
}

void Session::SetActivatedChart(std::shared_ptr<ChartImpl> chart) {
  activatedChart_ = std::move(chart);
}

void Session::UpdateTitle() {
  if (window_ == 0) return;
  auto active = ActiveWorkbook();
  desktop_.SetTitle(window_,
                    active ? std::string(kTitle) + " - " + active->name() : std::string(kTitle));
}

}  // namespace k27093::engine
