// Late-bound calls: the default members, the helpers on a Variant and the member table.
#include "api/dispatch.h"

#include <gtest/gtest.h>

#include "support/raised_error.h"

#include "api/dispatch_table.h"

namespace k27093 {
namespace {

using testsupport::RaisedNumber;

struct Bare : Dispatch {
  std::string_view TypeName() const override { return "Bare"; }
};

struct Counter : Dispatch {
  std::int32_t value = 0;
  std::string_view TypeName() const override { return "Counter"; }
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override {
    return Table().Invoke(*this, member, kind, arguments);
  }
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override {
    return Table().InvokeById(*this, dispid, kind, arguments);
  }
  static const DispatchTable<Counter>& Table() {
    static const DispatchTable<Counter> table = [] {
      DispatchTable<Counter> members;
      members.Add(
          "Value",
          [](Counter& self, CallKind kind, Arguments arguments) {
            if (kind == CallKind::Put) self.value = ToLong(arguments.back());
            return Variant(self.value);
          },
          6);
      members.Add("Add", [](Counter& self, CallKind, Arguments arguments) {
        self.value += ToLong(ArgumentOrMissing(arguments, 0));
        return Variant(self.value);
      });
      return members;
    }();
    return table;
  }
};

TEST(DispatchDefaults, UnknownMembersRaise438) {
  Bare bare;
  EXPECT_EQ(RaisedNumber([&] { bare.Invoke("Name", CallKind::Get, {}); }), 438);
  EXPECT_EQ(RaisedNumber([&] { bare.InvokeById(118, CallKind::Get, {}); }), 438);
}

TEST(LateBoundHelpers, NothingRaises91) {
  EXPECT_EQ(RaisedNumber([] { GetProperty(Variant::Nothing(), "Value"); }), 91);
  EXPECT_EQ(RaisedNumber([] { SetProperty(Variant::Nothing(), "Value", Variant(1)); }), 91);
  EXPECT_EQ(RaisedNumber([] { CallById(Variant::Nothing(), 6, CallKind::Get); }), 91);
}

TEST(LateBoundHelpers, NonObjectRaises424) {
  EXPECT_EQ(RaisedNumber([] { CallByName(Variant("x"), "Value", CallKind::Get); }), 424);
  EXPECT_EQ(RaisedNumber([] { GetProperty(Variant(), "Value"); }), 424);
  EXPECT_EQ(RaisedNumber([] { CallById(Variant(3), 6, CallKind::Get); }), 424);
}

TEST(LateBoundHelpers, ReachMembersByNameIgnoringCaseAndById) {
  auto counter = std::make_shared<Counter>();
  Variant object(counter);
  SetProperty(object, "value", Variant(5));
  EXPECT_EQ(counter->value, 5);
  EXPECT_EQ(CallByName(object, "ADD", CallKind::Method, {Variant(2)}).AsLong(), 7);
  EXPECT_EQ(CallById(object, 6, CallKind::Get).AsLong(), 7);
  EXPECT_EQ(RaisedNumber([&] { GetProperty(object, "Missing"); }), 438);
  EXPECT_EQ(RaisedNumber([&] { CallById(object, 1012, CallKind::Get); }), 438);
}

TEST(LateBoundHelpers, OmittedArgumentIsEmpty) {
  auto counter = std::make_shared<Counter>();
  EXPECT_EQ(CallByName(Variant(counter), "Add", CallKind::Method).AsLong(), 0);
  const Variant passed[] = {Variant("a")};
  EXPECT_TRUE(ArgumentOrMissing(passed, 1).IsEmpty());
  EXPECT_EQ(ArgumentOrMissing(passed, 0).AsText(), "a");
}

}  // namespace
}  // namespace k27093
