// The cells of a worksheet: those a file brings, in any order, and those stored over them.
#include <gtest/gtest.h>

#include <vector>

#include "engine/workbooks/cell_store.h"

namespace k27093::engine {
namespace {

std::vector<document::CellData> Cells(std::vector<document::CellData> cells) { return cells; }

TEST(CellStore, LoadedCellsAreFoundWhateverTheirOrder) {
  CellStore store;
  store.Load(Cells({{3, 1, Variant(31.0)}, {1, 2, Variant("B1")}, {1, 1, Variant(11.0)}}));
  EXPECT_EQ(ToDouble(store.Value(1, 1)), 11);
  EXPECT_EQ(store.Value(1, 2).AsText(), "B1");
  EXPECT_EQ(ToDouble(store.Value(3, 1)), 31);
  EXPECT_TRUE(store.Value(2, 1).IsEmpty());
  EXPECT_TRUE(store.Value(1, 3).IsEmpty());
  EXPECT_TRUE(store.Value(4, 1).IsEmpty());
}

TEST(CellStore, OfTwoLoadedCellsAtOnePlaceTheLaterWinsAndAnEmptyTextEmptiesIt) {
  CellStore store;
  store.Load(Cells({{1, 1, Variant(1.0)},
                    {2, 2, Variant("avant")},
                    {1, 1, Variant(2.0)},
                    {2, 2, Variant("")},
                    {3, 3, Variant()}}));
  EXPECT_EQ(ToDouble(store.Value(1, 1)), 2);
  EXPECT_TRUE(store.Value(2, 2).IsEmpty());
  EXPECT_TRUE(store.Value(3, 3).IsEmpty());
}

TEST(CellStore, StoredValuesGoOverLoadedOnesAndEmptyThem) {
  CellStore store;
  store.Load(Cells({{1, 1, Variant(1.0)}, {1, 2, Variant(2.0)}}));
  store.Store(1, 1, Variant("changé"));
  store.Store(1, 2, Variant(""));
  store.Store(5, 5, Variant(true));
  EXPECT_EQ(store.Value(1, 1).AsText(), "changé");
  EXPECT_TRUE(store.Value(1, 2).IsEmpty());
  EXPECT_TRUE(store.Value(5, 5).AsBoolean());
  store.Store(5, 5, Variant());
  EXPECT_TRUE(store.Value(5, 5).IsEmpty());
}

TEST(CellStore, LoadingReplacesEveryCell) {
  CellStore store;
  store.Load(Cells({{1, 1, Variant(1.0)}}));
  store.Store(2, 2, Variant(2.0));
  store.Load(Cells({{3, 3, Variant(3.0)}}));
  EXPECT_TRUE(store.Value(1, 1).IsEmpty());
  EXPECT_TRUE(store.Value(2, 2).IsEmpty());
  EXPECT_EQ(ToDouble(store.Value(3, 3)), 3);
}

}  // namespace
}  // namespace k27093::engine
