#include "readers/xls/worksheet_selection.h"

#include <algorithm>

#include "readers/xls/byte_reader.h"
#include "readers/xls/record_stream.h"

namespace k27093::xls {
namespace {

namespace types {
constexpr std::uint16_t kPane = 0x0041;
constexpr std::uint16_t kSelection = 0x001D;
}  // namespace types

constexpr std::uint8_t kTopLeftPane = 3;
constexpr std::size_t kAreaBytes = 6;

}  // namespace

std::string CellReferenceText(std::int32_t row, std::int32_t column) {
  std::string letters;
  for (std::int32_t rest = column + 1; rest > 0; rest = (rest - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
  }
  return letters + std::to_string(row + 1);
}

bool SelectionRecords::Take(const Record& record) {
  if (record.type == types::kPane) {
    ByteReader reader(stream_, record);
    reader.Skip(8);  // split position, top row and left column of the bottom-right pane
    activePane_ = reader.U8();
    return true;
  }
  if (record.type != types::kSelection) return false;
  ByteReader reader(stream_, record);
  const std::uint8_t pane = reader.U8();
  if (!firstPane_) firstPane_ = pane;
  // Several SELECTION records of one pane carry on its list of areas.
  Selection& selection = panes_[pane];
  selection.activeRow = reader.U16();
  selection.activeColumn = reader.U16();
  reader.U16();  // irefAct: the area of the active cell, found again below
  const std::uint16_t count = reader.U16();
  if (std::size_t{count} * kAreaBytes > reader.Remaining()) {
    reader.Fail("announces more areas than it holds");
  }
  for (std::uint16_t i = 0; i < count; ++i) {
    Area area;
    area.firstRow = reader.U16();
    area.lastRow = reader.U16();
    area.firstColumn = reader.U8();
    area.lastColumn = reader.U8();
    selection.areas.push_back(area);
  }
  return true;
}

std::string SelectionRecords::SelectedCells() const {
  auto found = panes_.find(activePane_.value_or(kTopLeftPane));
  if (found == panes_.end() && firstPane_) found = panes_.find(*firstPane_);
  if (found == panes_.end()) return "";
  const Selection& selection = found->second;
  const auto holdsActiveCell = [&selection](const Area& area) {
    return area.firstRow <= selection.activeRow && selection.activeRow <= area.lastRow &&
           area.firstColumn <= selection.activeColumn && selection.activeColumn <= area.lastColumn;
  };
  const auto area = std::find_if(selection.areas.begin(), selection.areas.end(), holdsActiveCell);
  if (area == selection.areas.end() && selection.areas.empty()) {
    return CellReferenceText(selection.activeRow, selection.activeColumn);
  }
  const Area& chosen = area != selection.areas.end() ? *area : selection.areas.front();
  const std::string first = CellReferenceText(chosen.firstRow, chosen.firstColumn);
  if (chosen.firstRow == chosen.lastRow && chosen.firstColumn == chosen.lastColumn) return first;
  return first + ":" + CellReferenceText(chosen.lastRow, chosen.lastColumn);
}

}  // namespace k27093::xls
