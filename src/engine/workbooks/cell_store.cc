#include "engine/workbooks/cell_store.h"

#include <algorithm>

namespace k27093::engine {
namespace {

bool PlaceBefore(const document::CellData& a, const document::CellData& b) {
  return a.row != b.row ? a.row < b.row : a.column < b.column;
}

bool SamePlace(const document::CellData& a, const document::CellData& b) {
  return a.row == b.row && a.column == b.column;
}

}  // namespace

bool EmptiesCell(const Variant& value) {
  return value.IsEmpty() || (value.IsText() && value.AsText().empty());
}

void CellStore::Load(std::vector<document::CellData> cells) {
  stored_.clear();
  // Files list their cells row by row: sorting is then only a check.
  if (!std::is_sorted(cells.begin(), cells.end(), PlaceBefore)) {
    std::stable_sort(cells.begin(), cells.end(), PlaceBefore);
  }
  // Of the cells at one place the last is kept, then those that leave it empty are dropped.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i + 1 < cells.size() && SamePlace(cells[i], cells[i + 1])) continue;
    if (EmptiesCell(cells[i].value)) continue;
    if (kept != i) cells[kept] = std::move(cells[i]);
    ++kept;
  }
  cells.resize(kept);
  cells.shrink_to_fit();
  loaded_ = std::move(cells);
}

Variant CellStore::Value(std::int32_t row, std::int32_t column) const {
  if (const auto found = stored_.find({row, column}); found != stored_.end()) return found->second;
  const document::CellData place{row, column, Variant()};
  const auto found = std::lower_bound(loaded_.begin(), loaded_.end(), place, PlaceBefore);
  return found != loaded_.end() && SamePlace(*found, place) ? found->value : Variant();
}

void CellStore::Store(std::int32_t row, std::int32_t column, Variant value) {
  stored_[{row, column}] = EmptiesCell(value) ? Variant() : std::move(value);
}

}  // namespace k27093::engine
