// The selection a worksheet substream stores for its window: the SELECTION record of each
// pane and the PANE record that names the active one (the top-left pane when the window is
// not split), as the spreadsheet selects cells when the sheet opens.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace k27093::xls {

struct Record;
class RecordStream;

class SelectionRecords {
 public:
  explicit SelectionRecords(const RecordStream& stream) : stream_(stream) {}

  // Takes `record` when it is a PANE or SELECTION record; false for any other record. Raises
  // document::ReadFault Damaged for a record shorter than the areas it announces.
  bool Take(const Record& record);

  // The selected cells of the active pane as sheet_view.h states them: the area that holds
  // the active cell, else the first ("B2:C3", "D12"); the active cell alone when the
  // selection has no area. The first pane's selection when none is the active pane's; "" when
  // the sheet stores no selection.
  std::string SelectedCells() const;

 private:
  struct Area {
    std::int32_t firstRow = 0;  // 0-based
    std::int32_t lastRow = 0;
    std::int32_t firstColumn = 0;
    std::int32_t lastColumn = 0;
  };
  struct Selection {
    std::int32_t activeRow = 0;
    std::int32_t activeColumn = 0;
    std::vector<Area> areas;
  };

  const RecordStream& stream_;
  std::optional<std::uint8_t> activePane_;  // PANE's; nullopt: the top-left pane
  std::map<std::uint8_t, Selection> panes_;
  std::optional<std::uint8_t> firstPane_;
};

// The A1 reference of the 0-based `row` and `column`: "A1", "IV65536".
std::string CellReferenceText(std::int32_t row, std::int32_t column);

}  // namespace k27093::xls
