// Variant storage and the platform's conversions (CLng, CInt, CDbl, CBool, CStr, Str).
#include "api/variant.h"

#include <gtest/gtest.h>

#include "support/raised_error.h"

#include <limits>

#include "api/dispatch.h"

namespace k27093 {
namespace {

using testsupport::RaisedNumber;

struct Plain : Dispatch {
  std::string_view TypeName() const override { return "Plain"; }
};

TEST(VariantStorage, HoldsEachKind) {
  EXPECT_EQ(Variant().type(), Variant::Type::Empty);
  EXPECT_EQ(Variant::Null().type(), Variant::Type::Null);
  EXPECT_EQ(Variant(true).type(), Variant::Type::Boolean);
  EXPECT_EQ(Variant(std::int32_t{7}).AsLong(), 7);
  EXPECT_EQ(Variant(2.5).AsDouble(), 2.5);
  EXPECT_EQ(Variant("Année").AsText(), "Année");
  EXPECT_TRUE(Variant::Nothing().IsObject());
  EXPECT_EQ(Variant::Nothing().AsObject(), nullptr);
}

TEST(VariantStorage, WrongAccessorRaisesTypeMismatch) {
  EXPECT_EQ(RaisedNumber([] { (void)Variant(1.5).AsLong(); }), 13);
  EXPECT_EQ(RaisedNumber([] { (void)Variant("x").AsObject(); }), 13);
  EXPECT_EQ(RaisedNumber([] { (void)Variant().AsText(); }), 13);
}

TEST(VariantStorage, ArrayKeepsItsLowerBound) {
  Variant value(VariantArray{1, {Variant("a"), Variant("b")}});
  const auto& array = value.AsArray();
  EXPECT_EQ(array.upper(), 2);
  EXPECT_EQ(array.at(2).AsText(), "b");
  EXPECT_EQ(RaisedNumber([&] { (void)array.at(0); }), 9);
  EXPECT_EQ(RaisedNumber([&] { (void)array.at(3); }), 9);
}

TEST(ToLongConversion, RoundsHalfToEven) {
  EXPECT_EQ(ToLong(2.5), 2);
  EXPECT_EQ(ToLong(3.5), 4);
  EXPECT_EQ(ToLong(-2.5), -2);
  EXPECT_EQ(ToLong(-3.5), -4);
  EXPECT_EQ(ToLong(2.51), 3);
  EXPECT_EQ(ToLong(-0.4), 0);
}

TEST(ToLongConversion, EmptyBooleansAndText) {
  EXPECT_EQ(ToLong(Variant()), 0);
  EXPECT_EQ(ToLong(true), -1);
  EXPECT_EQ(ToLong(false), 0);
  EXPECT_EQ(ToLong("  12 "), 12);
  EXPECT_EQ(ToLong("-7"), -7);
  EXPECT_EQ(ToLong("2.5"), 2);
  EXPECT_EQ(ToLong("1,000"), 1000);
  EXPECT_EQ(ToLong("1E3"), 1000);
}

TEST(ToLongConversion, ErrorsFollowThePlatform) {
  EXPECT_EQ(RaisedNumber([] { ToLong(Variant::Null()); }), 94);
  EXPECT_EQ(RaisedNumber([] { ToLong(2147483647.5); }), 6);
  EXPECT_EQ(RaisedNumber([] { ToLong(-2147483649.0); }), 6);
  EXPECT_EQ(RaisedNumber([] { ToLong("abc"); }), 13);
  EXPECT_EQ(RaisedNumber([] { ToLong(""); }), 13);
  EXPECT_EQ(RaisedNumber([] { ToLong("12abc"); }), 13);
  EXPECT_EQ(RaisedNumber([] { ToLong("1E"); }), 13);
  EXPECT_EQ(RaisedNumber([] { ToLong(Variant::Nothing()); }), 13);
  EXPECT_EQ(RaisedNumber([] { ToLong(Variant(VariantArray{})); }), 13);
  EXPECT_EQ(ToLong(-2147483648.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ToLong(2147483647.4), 2147483647);
}

TEST(ToIntegerConversion, SixteenBitRange) {
  EXPECT_EQ(ToInteger(32767), 32767);
  EXPECT_EQ(ToInteger(-32768.4), -32768);
  EXPECT_EQ(RaisedNumber([] { ToInteger(32768); }), 6);
  EXPECT_EQ(RaisedNumber([] { ToInteger(32767.5); }), 6);
  EXPECT_EQ(ToInteger(0.5), 0);
  EXPECT_EQ(ToInteger(1.5), 2);
}

TEST(ToDoubleConversion, TextWithPointAndExponent) {
  EXPECT_DOUBLE_EQ(ToDouble(" 1.25 "), 1.25);
  EXPECT_DOUBLE_EQ(ToDouble(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ToDouble("-1.5E-2"), -0.015);
  EXPECT_DOUBLE_EQ(ToDouble(std::int32_t{3}), 3.0);
  EXPECT_EQ(RaisedNumber([] { ToDouble("1.2.3"); }), 13);
  EXPECT_EQ(RaisedNumber([] { ToDouble("1E999"); }), 6);
  EXPECT_EQ(RaisedNumber([] { ToDouble(Variant::Null()); }), 94);
}

TEST(ToBooleanConversion, NumbersAndWords) {
  EXPECT_TRUE(ToBoolean(std::int32_t{2}));
  EXPECT_FALSE(ToBoolean(0.0));
  EXPECT_FALSE(ToBoolean(Variant()));
  EXPECT_TRUE(ToBoolean("TRUE"));
  EXPECT_FALSE(ToBoolean("false"));
  EXPECT_TRUE(ToBoolean("-1"));
  EXPECT_EQ(RaisedNumber([] { ToBoolean("oui"); }), 13);
  EXPECT_EQ(RaisedNumber([] { ToBoolean(Variant::Null()); }), 94);
}

TEST(ToTextConversion, NumbersAsThePlatformPrintsThem) {
  EXPECT_EQ(ToText(Variant()), "");
  EXPECT_EQ(ToText(true), "True");
  EXPECT_EQ(ToText(false), "False");
  EXPECT_EQ(ToText(std::int32_t{-42}), "-42");
  EXPECT_EQ(ToText(1.5), "1.5");
  EXPECT_EQ(ToText(0.5), "0.5");
  EXPECT_EQ(ToText(1e20), "1E+20");
  EXPECT_EQ(ToText(1e-5), "1E-05");
  EXPECT_EQ(ToText(0.0001), "0.0001");
  EXPECT_EQ(ToText(1.5e-7), "1.5E-07");
  EXPECT_EQ(ToText(123456789012345.0), "123456789012345");
  EXPECT_EQ(ToText(1e15), "1E+15");
  EXPECT_EQ(ToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(ToText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(ToText(-0.0), "0");
}

TEST(ToTextConversion, NullAndObjectsRaise) {
  EXPECT_EQ(RaisedNumber([] { ToText(Variant::Null()); }), 94);
  EXPECT_EQ(RaisedNumber([] { ToText(Variant(std::make_shared<Plain>())); }), 13);
}

TEST(StrForm, LeadingBlankAndNoZeroBeforePoint) {
  EXPECT_EQ(StrOfNumber(12), " 12");
  EXPECT_EQ(StrOfNumber(0), " 0");
  EXPECT_EQ(StrOfNumber(-3), "-3");
  EXPECT_EQ(StrOfNumber(0.5), " .5");
  EXPECT_EQ(StrOfNumber(-0.25), "-.25");
  EXPECT_EQ(StrOfNumber(1e20), " 1E+20");
}

TEST(StrForm, SinglePrecisionKeepsSevenDigits) {
  EXPECT_EQ(StrOfNumber(0.1, true), " .1");
  EXPECT_EQ(StrOfNumber(3.14159265, true), " 3.141593");
  EXPECT_EQ(StrOfNumber(1234567.8, true), " 1234568");
  EXPECT_EQ(StrOfNumber(12345678, true), " 1.234568E+07");
  EXPECT_EQ(StrOfNumber(3.14159265), " 3.14159265");
}

TEST(ObjectConversion, NothingStaysNothingAndOtherValuesMismatch) {
  EXPECT_TRUE(ToObject<Plain>(Variant::Nothing()).IsNothing());
  auto object = std::make_shared<Plain>();
  EXPECT_EQ(ToObject<Plain>(Variant(object)).get(), object.get());
  EXPECT_EQ(RaisedNumber([] { ToObject<Plain>(Variant("x")); }), 13);
}

}  // namespace
}  // namespace k27093
