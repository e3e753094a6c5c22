// Comparisons of Variants and the three-valued logic that carries Null through them.
#include "api/tribool.h"

#include <gtest/gtest.h>

#include "api/dispatch.h"

namespace k27093 {
namespace {

const Tribool kUnknown = Tribool::Unknown();

TEST(ThreeValuedLogic, UndecidedAndFalseIsFalse) {
  EXPECT_TRUE((kUnknown && Tribool(false)).IsFalse());
  EXPECT_TRUE((Tribool(false) && kUnknown).IsFalse());
  EXPECT_TRUE((kUnknown && Tribool(true)).IsUnknown());
}

TEST(ThreeValuedLogic, UndecidedOrTrueIsTrue) {
  EXPECT_TRUE((kUnknown || Tribool(true)).IsTrue());
  EXPECT_TRUE((Tribool(true) || kUnknown).IsTrue());
  EXPECT_TRUE((kUnknown || Tribool(false)).IsUnknown());
}

TEST(ThreeValuedLogic, NotKeepsUndecided) {
  EXPECT_TRUE((!kUnknown).IsUnknown());
  EXPECT_TRUE((!Tribool(true)).IsFalse());
}

TEST(VariantComparison, NullIsUndecided) {
  EXPECT_TRUE(Equals(Variant::Null(), Variant(std::int32_t{1})).IsUnknown());
  EXPECT_TRUE(Equals(Variant::Null(), Variant::Null()).IsUnknown());
  EXPECT_TRUE(LessThan(Variant("a"), Variant::Null()).IsUnknown());
  // A Null font size compared with 10, combined with a failed test, decides nothing more.
  Tribool sizeIsTen = Equals(Variant::Null(), Variant(10.0));
  EXPECT_TRUE((sizeIsTen && Equals(Variant("Arial"), Variant("Times"))).IsFalse());
  EXPECT_TRUE((sizeIsTen || Equals(Variant("Arial"), Variant("Arial"))).IsTrue());
}

TEST(VariantComparison, NumbersCompareAcrossKinds) {
  EXPECT_TRUE(Equals(Variant(std::int32_t{3}), Variant(3.0)).IsTrue());
  EXPECT_TRUE(Equals(Variant(true), Variant(std::int32_t{-1})).IsTrue());
  EXPECT_TRUE(LessThan(Variant(2.5), Variant(std::int32_t{3})).IsTrue());
  EXPECT_TRUE(GreaterThan(Variant(2.5), Variant(std::int32_t{3})).IsFalse());
}

TEST(VariantComparison, EmptyEqualsZeroAndEmptyText) {
  EXPECT_TRUE(Equals(Variant(), Variant(std::int32_t{0})).IsTrue());
  EXPECT_TRUE(Equals(Variant(), Variant("")).IsTrue());
  EXPECT_TRUE(Equals(Variant(), Variant()).IsTrue());
  EXPECT_TRUE(Equals(Variant(), Variant("0")).IsFalse());
  EXPECT_TRUE(LessThan(Variant(), Variant(std::int32_t{1})).IsTrue());
}

TEST(VariantComparison, TextsExactAndNumbersBeforeTexts) {
  EXPECT_TRUE(Equals(Variant("Année"), Variant("année")).IsFalse());
  EXPECT_TRUE(Equals(Variant(std::int32_t{12}), Variant("12")).IsFalse());
  EXPECT_TRUE(LessThan(Variant(std::int32_t{99}), Variant("1")).IsTrue());
  EXPECT_TRUE(GreaterThan(Variant("b"), Variant("a")).IsTrue());
  EXPECT_TRUE(LessThan(Variant("B"), Variant("a")).IsTrue());
}

TEST(VariantComparison, ObjectsAndArraysMismatch) {
  try {
    (void)Equals(Variant::Nothing(), Variant(std::int32_t{0}));
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 13);
  }
  try {
    (void)LessThan(Variant(VariantArray{}), Variant::Null());
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 13);
  }
}

}  // namespace
}  // namespace k27093
