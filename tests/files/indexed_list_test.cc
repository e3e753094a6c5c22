// The 0..count list behind both list classes.
#include "files/indexed_list.h"

#include <gtest/gtest.h>

#include "support/raised_error.h"

#include <string>

namespace k27093::files {
namespace {

using testsupport::RaisedNumber;

TEST(IndexedList, NewListHasNoArray) {
  IndexedList<std::string> list;
  EXPECT_EQ(list.count(), 0);
  EXPECT_FALSE(list.HasArray());
  EXPECT_EQ(RaisedNumber([&] { list.At(0); }), 9);
  EXPECT_EQ(RaisedNumber([&] { list.At(1); }), 9);
}

TEST(IndexedList, FirstAddCreatesIndexZero) {
  IndexedList<std::string> list;
  list.Add("a");
  EXPECT_TRUE(list.HasArray());
  EXPECT_EQ(list.At(0), "");
  EXPECT_EQ(list.At(1), "a");
  EXPECT_EQ(RaisedNumber([&] { list.At(2); }), 9);
  EXPECT_EQ(RaisedNumber([&] { list.At(-1); }), 9);
}

TEST(IndexedList, EntriesKeepTheOrderOfTheCalls) {
  IndexedList<std::string> list;
  for (const char* text : {"un", "deux", "trois"}) list.Add(text);
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.At(1), "un");
  EXPECT_EQ(list.At(2), "deux");
  EXPECT_EQ(list.At(3), "trois");
}

TEST(IndexedList, OverflowAtTheLastCountLeavesTheListUnchanged) {
  auto list = IndexedList<std::string>::WithBlankEntries(IndexedList<std::string>::kMaxCount - 1);
  list.Add("last");
  EXPECT_EQ(list.count(), 2147483647);
  EXPECT_EQ(RaisedNumber([&] { list.Add("too many"); }), 6);
  EXPECT_EQ(list.count(), 2147483647);
  EXPECT_EQ(list.At(2147483647), "last");
  EXPECT_EQ(list.At(2147483646), "");
}

TEST(IndexedList, BlankEntriesReadAsNeverWritten) {
  auto list = IndexedList<std::string>::WithBlankEntries(2);
  EXPECT_TRUE(list.HasArray());
  EXPECT_EQ(list.At(2), "");
  list.Add("c");
  EXPECT_EQ(list.At(3), "c");
  EXPECT_EQ(RaisedNumber([&] { list.At(4); }), 9);
}

}  // namespace
}  // namespace k27093::files
