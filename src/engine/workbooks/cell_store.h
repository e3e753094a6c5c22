// CellStore: the values of a worksheet's cells by 1-based row and column. The cells a file
// brings are kept as the reader gave them, in one array sorted by place (some 48 bytes a
// cell, so that a sheet of millions of cells costs little more than its values); the cells
// stored afterwards (a macro, a learner's change) go into a small map over that array.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "api/variant.h"
#include "document/workbook_data.h"

namespace k27093::engine {

class CellStore {
 public:
  // Replaces every cell by the cells of a file, in the file's order: of two cells at one
  // place the later wins, and a cell whose value is Empty or "" leaves its place empty.
  void Load(std::vector<document::CellData> cells);

  // The value at the place; Empty when the cell is empty.
  Variant Value(std::int32_t row, std::int32_t column) const;

  // Stores a value at the place; Empty or "" empties it.
  void Store(std::int32_t row, std::int32_t column, Variant value);

 private:
  using Place = std::pair<std::int32_t, std::int32_t>;  // row, column

  std::vector<document::CellData> loaded_;  // sorted by place, no two at one place, none empty
  std::map<Place, Variant> stored_;         // over loaded_; Empty where a cell was emptied
};

// True for the values that leave a cell empty: Empty and the empty text.
bool EmptiesCell(const Variant& value);

}  // namespace k27093::engine
