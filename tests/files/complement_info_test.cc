// ComplementInfo: the list of complementary texts, typed and late-bound.
#include "files/complement_info.h"

#include <gtest/gtest.h>

#include "support/raised_error.h"

namespace k27093::files {
namespace {

using testsupport::RaisedNumber;

TEST(ComplementInfo, NewListCountsZeroAndItemOneFails) {
  ComplementInfo info;
  EXPECT_EQ(info.count(), 0);
  EXPECT_EQ(RaisedNumber([&] { info.item(1); }), 9);
}

TEST(ComplementInfo, OneAddThenBounds) {
  ComplementInfo info;
  info.add("Année N", 0);
  EXPECT_EQ(info.count(), 1);
  EXPECT_EQ(info.item(1), "Année N");
  EXPECT_EQ(info.item(0), "");
  EXPECT_EQ(RaisedNumber([&] { info.item(2); }), 9);
  EXPECT_EQ(RaisedNumber([&] { info.item(-1); }), 9);
}

TEST(ComplementInfo, OrderAndDuplicates) {
  ComplementInfo info;
  info.add("x", 0);
  info.add("y", 0);
  info.add("x", 0);
  ASSERT_EQ(info.count(), 3);
  EXPECT_EQ(info.item(1), "x");
  EXPECT_EQ(info.item(2), "y");
  EXPECT_EQ(info.item(3), "x");
}

TEST(ComplementInfo, SecondArgumentHasNoEffect) {
  ComplementInfo withZero;
  ComplementInfo withOther;
  withZero.add("texte", 0);
  withOther.add("texte", 77);
  EXPECT_EQ(withZero.count(), withOther.count());
  EXPECT_EQ(withZero.item(1), withOther.item(1));
  auto info = std::make_shared<ComplementInfo>();
  CallByName(Variant(info), "add", CallKind::Method, {Variant("a"), Variant(-5)});
  EXPECT_EQ(info->item(1), "a");
}

TEST(ComplementInfo, ReturnedCopyDoesNotAlterTheList) {
  ComplementInfo info;
  info.add("original", 0);
  std::string copy = info.item(1);
  copy[0] = 'O';
  EXPECT_EQ(info.item(1), "original");
}

TEST(ComplementInfo, OverflowRaises6AndLeavesTheListUnchanged) {
  ComplementInfo info;
  info.storage() = IndexedList<std::string>::WithBlankEntries(2147483647);
  EXPECT_EQ(RaisedNumber([&] { info.add("one more", 0); }), 6);
  EXPECT_EQ(info.count(), 2147483647);
  EXPECT_EQ(info.item(2147483647), "");
}

TEST(ComplementInfoLateBound, AddCountItemByName) {
  auto info = std::make_shared<ComplementInfo>();
  Variant object(info);
  CallByName(object, "add", CallKind::Method, {Variant("12,5"), Variant(0)});
  EXPECT_EQ(CallByName(object, "count", CallKind::Method).AsLong(), 1);
  EXPECT_EQ(CallByName(object, "Item", CallKind::Method, {Variant(1)}).AsText(), "12,5");
  EXPECT_EQ(RaisedNumber([&] { CallByName(object, "item", CallKind::Get, {Variant(2)}); }), 9);
  EXPECT_EQ(RaisedNumber([&] { SetProperty(object, "count", Variant(3)); }), 438);
}

}  // namespace
}  // namespace k27093::files
