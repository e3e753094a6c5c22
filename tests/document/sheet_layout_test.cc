// The sheet layout that places drawn objects: the spreadsheet's pixel rules for column widths
// and row heights, defaults, custom and hidden columns and rows.
#include <gtest/gtest.h>

#include "document/sheet_layout.h"

namespace k27093::document {
namespace {

TEST(ColumnPixels, FollowsTheSpreadsheetsRuleForSevenPixelDigits) {
  EXPECT_EQ(ColumnPixels(9.140625), 64);    // the default 8.43 characters
  EXPECT_EQ(ColumnPixels(8.7109375), 61);   // 8 characters
  EXPECT_EQ(ColumnPixels(13.7109375), 96);  // 13 characters
  EXPECT_EQ(ColumnPixels(0), 0);
  EXPECT_EQ(ColumnPixels(-3), 0);
  EXPECT_EQ(ColumnPixels(1e9), ColumnPixels(255));
}

TEST(SheetLayout, DefaultsAre64PixelColumnsAnd15PointRows) {
  const SheetLayout layout;
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(0), 0);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(4), 192);  // E
  EXPECT_DOUBLE_EQ(layout.RowTop(8), 120);      // row 9
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(16384), 16384 * 48.0);
}

TEST(SheetLayout, StatedDefaultsReplaceTheBuiltInOnes) {
  SheetLayoutSource source;
  source.defaultColumnWidth = 13.7109375;
  source.defaultRowHeight = 12.75;
  const SheetLayout layout(source);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(2), 2 * 96 * 0.75);
  EXPECT_DOUBLE_EQ(layout.RowTop(4), 4 * 12.75);

  SheetLayoutSource base;
  base.baseColumnWidth = 10;  // 75 pixels, rounded up to 80
  EXPECT_DOUBLE_EQ(SheetLayout(base).ColumnLeft(1), 60);
}

TEST(SheetLayout, CustomAndHiddenColumnsAndRowsMoveWhatLiesAfterThem) {
  SheetLayoutSource source;
  source.columns.push_back({2, 3, 13.7109375, false});  // B:C 96 px
  source.columns.push_back({4, 4, 20.0, true});         // D hidden
  source.rows = {{2, 30.0}, {5, 0.0}, {2, 45.0}};       // a later statement wins
  const SheetLayout layout(source);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(1), 48);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(3), 48 + 2 * 72);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(4), 48 + 2 * 72);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(5), 48 + 2 * 72 + 48);
  EXPECT_DOUBLE_EQ(layout.RowTop(1), 15);
  EXPECT_DOUBLE_EQ(layout.RowTop(2), 15 + 45);
  EXPECT_DOUBLE_EQ(layout.RowTop(4), 15 + 45 + 2 * 15);
  EXPECT_DOUBLE_EQ(layout.RowTop(5), 15 + 45 + 2 * 15);
  EXPECT_DOUBLE_EQ(layout.RowTop(6), 15 + 45 + 3 * 15);
}

TEST(SheetLayout, ALaterColumnSpanWinsWhereSpansOverlap) {
  SheetLayoutSource source;
  source.columns.push_back({2, 6, 13.7109375, false});    // B:F 96 px
  source.columns.push_back({4, 4, std::nullopt, false});  // D back to the default 64 px
  source.columns.push_back({6, 9, 5.7109375, false});     // F:I 40 px
  source.columns.push_back({16000, 20000, 0.0, true});    // to the last column, hidden
  const SheetLayout layout(source);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(3), 0.75 * (64 + 2 * 96));
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(4), 0.75 * (64 + 2 * 96 + 64));
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(5), 0.75 * (64 + 3 * 96 + 64));
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(9), 0.75 * (64 + 3 * 96 + 64 + 4 * 40));
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(10), 0.75 * (64 + 3 * 96 + 64 + 4 * 40 + 64));
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(16384), layout.ColumnLeft(15999));
}

TEST(SheetLayout, AMillionSpansOfTheWholeWidthAreLaidOutAsTheLastOnesSay) {
  // Spans of every column at 96 px, each followed by one from column 1 + (i % 1000) at 40 px:
  // the last of them starts at column 1000, and column 1 to 999 keep the 96 px before it.
  SheetLayoutSource source;
  for (int i = 0; i < 1'000'000; ++i) {
    if (i % 2 == 0) {
      source.columns.push_back({1, kMaxSheetColumns, 13.7109375, false});
    } else {
      source.columns.push_back({1 + i % 1000, kMaxSheetColumns, 5.7109375, false});
    }
  }
  const SheetLayout layout(source);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(999), 0.75 * 999 * 96);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(1000), 0.75 * (999 * 96 + 40));
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(kMaxSheetColumns),
                   0.75 * (999 * 96 + (kMaxSheetColumns - 999) * 40));
}

TEST(SheetLayout, RowHeightsAreWholePixels) {
  EXPECT_DOUBLE_EQ(RowPoints(12.8), 12.75);  // 17.07 pixels
  EXPECT_DOUBLE_EQ(RowPoints(15), 15);
  EXPECT_DOUBLE_EQ(RowPoints(12.375), 12.75);  // 16.5 pixels
  EXPECT_DOUBLE_EQ(RowPoints(-2), 0);
  SheetLayoutSource source;
  source.defaultRowHeight = 12.8;
  source.rows = {{3, 30.1}};
  const SheetLayout layout(source);
  EXPECT_DOUBLE_EQ(layout.RowTop(2), 2 * 12.75);
  EXPECT_DOUBLE_EQ(layout.RowTop(3), 2 * 12.75 + 30);
  EXPECT_DOUBLE_EQ(layout.RowTop(10), 9 * 12.75 + 30);
}

TEST(SheetLayout, PositionsOutsideTheSheetStopAtItsEdges) {
  const SheetLayout layout;
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(-5), 0);
  EXPECT_DOUBLE_EQ(layout.ColumnLeft(1 << 30), layout.ColumnLeft(16384));
  EXPECT_DOUBLE_EQ(layout.RowTop(1 << 30), 1048576 * 15.0);
}

}  // namespace
}  // namespace k27093::document
