#include "engine/workbooks/worksheet.h"

#include "engine/charts/chart.h"
#include "engine/charts/chart_objects.h"
#include "engine/drawings/check_boxes.h"
#include "engine/drawings/shapes.h"
#include "engine/drawings/text_boxes.h"
#include "engine/objects/shared_from.h"
#include "engine/workbooks/range.h"
#include "engine/workbooks/workbook.h"

namespace k27093::engine {

std::shared_ptr<WorksheetImpl> WorksheetImpl::Create(std::shared_ptr<Session> session,
                                                     const std::shared_ptr<WorkbookImpl>& workbook,
                                                     std::string name) {
  auto presence = Presence::Under(workbook->ownPresence());
  std::shared_ptr<WorksheetImpl> sheet(new WorksheetImpl(std::move(session), presence));
  sheet->PlaceIn(workbook, std::move(name));
  sheet->CreateDrawing();
  return sheet;
}

WorksheetImpl::WorksheetImpl(std::shared_ptr<Session> session, std::shared_ptr<Presence> presence)
    : Node(std::move(session), presence), SheetNode(presence) {}

void WorksheetImpl::CreateDrawing() {
  DrawingHost host;
  host.protection = protection();
  host.lockedWhenProtected = true;
  std::weak_ptr<WorksheetImpl> weak = SharedFrom(*this);
  host.prepareSelection = [weak](std::string_view className) {
    auto sheet = weak.lock();
    if (!sheet || !sheet->IsActiveSheet()) RaiseMethodFailed("Select", className);
    sheet->session()->SetActivatedChart(nullptr);
  };
  drawing_ = std::make_shared<Drawing>(presence(), std::move(host));
}

std::string WorksheetImpl::Name() {
  Enter();
  return name();
}

void WorksheetImpl::SetName(std::string_view name) {
  Enter();
  Rename(name);
}

std::int32_t WorksheetImpl::Index() {
  Enter();
  return TabIndex();
}

void WorksheetImpl::Activate() {
  Enter();
  ActivateTab();
}

void WorksheetImpl::Select() {
  Enter();
  ActivateTab();
}

void WorksheetImpl::Move(std::int32_t before) {
  Enter();
  MoveTab(before);
}

void WorksheetImpl::Delete() {
  Enter();
  DeleteTab();
}

Ref<xl::ChartObjects> WorksheetImpl::ChartObjects() {
  Enter();
  std::weak_ptr<WorksheetImpl> weak = SharedFrom(*this);
  ChartMaker maker = [weak](const std::shared_ptr<DrawnObject>& frame) {
    auto sheet = weak.lock();
    if (!sheet) RaiseDisconnected();
    return sheet->MakeEmbeddedChart(frame);
  };
  return MakeRef<ChartObjectsImpl>(session(), drawing_, "Worksheet", std::move(maker));
}

Ref<xl::Shapes> WorksheetImpl::Shapes() {
  Enter();
  return MakeRef<ShapesImpl>(session(), drawing_);
}

void WorksheetImpl::Protect(std::string_view password) {
  Enter();
  protection()->Protect(password);
}

void WorksheetImpl::Unprotect(std::string_view password) {
  Enter();
  protection()->Unprotect(password);
}

bool WorksheetImpl::ProtectContents() {
  Enter();
  return protection()->on();
}

Ref<xl::Range> WorksheetImpl::Range(std::string_view address) {
  Enter();
  auto range = ParseCellRange(address);
  if (!range) {
    RaiseExcel(errors::kApplication, "Method 'Range' of object '_Worksheet' failed");
  }
  return MakeRef<RangeImpl>(session(), SharedFrom(*this), *range);
}

Ref<xl::TextBoxes> WorksheetImpl::TextBoxes() {
  Enter();
  return MakeRef<TextBoxesImpl>(session(), drawing_, "Worksheet");
}

Ref<xl::CheckBoxes> WorksheetImpl::CheckBoxes() {
  Enter();
  return MakeRef<CheckBoxesImpl>(session(), drawing_);
}

std::shared_ptr<xl::Sheet> WorksheetImpl::AsSheet() { return SharedFrom(*this); }

std::shared_ptr<WorksheetImpl> WorksheetImpl::AsWorksheet() { return SharedFrom(*this); }

void WorksheetImpl::ShowSelection() {
  auto range = std::make_shared<RangeImpl>(session(), SharedFrom(*this), selectedRange_);
  session()->Select(range, presence());
  session()->SetActivatedChart(nullptr);
}

Variant WorksheetImpl::CellValue(std::int32_t row, std::int32_t column) const {
  return cells_.Value(row, column);
}

void WorksheetImpl::StoreCellValue(std::int32_t row, std::int32_t column, Variant value) {
  cells_.Store(row, column, std::move(value));
}

const CellComment* WorksheetImpl::CommentAt(std::int32_t row, std::int32_t column) const {
  auto found = comments_.find({row, column});
  return found == comments_.end() ? nullptr : &found->second;
}

void WorksheetImpl::StoreComment(std::int32_t row, std::int32_t column, CellComment comment) {
  comments_[{row, column}] = std::move(comment);
}

void WorksheetImpl::RemoveComment(std::int32_t row, std::int32_t column) {
  comments_.erase({row, column});
}

std::shared_ptr<ChartImpl> WorksheetImpl::MakeEmbeddedChart(
    const std::shared_ptr<DrawnObject>& frame) {
  return ChartImpl::CreateEmbedded(session(), workbook(), SharedFrom(*this), drawing_, frame);
}

}  // namespace k27093::engine
