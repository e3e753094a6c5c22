#include "files/complement_info.h"

#include "api/dispatch_table.h"

namespace k27093::files {

void ComplementInfo::add(std::string_view soChaine, std::int32_t /*ignored*/) {
  list_.Add(std::string(soChaine));
}

std::int32_t ComplementInfo::count() const { return list_.count(); }

std::string ComplementInfo::item(std::int32_t noItem) const { return list_.At(noItem); }

namespace {

// Members are methods or property reads: a property write raises 438, a wrong number of
// arguments 450.
void Expect(CallKind kind, Arguments arguments, std::size_t count) {
  if (kind == CallKind::Put) Raise(errors::kNoMember);
  if (arguments.size() != count) Raise(errors::kWrongArguments);
}

const DispatchTable<ComplementInfo>& Members() {
  static const DispatchTable<ComplementInfo> table = [] {
    DispatchTable<ComplementInfo> members;
    members.Add("add", [](ComplementInfo& self, CallKind kind, Arguments arguments) {
      Expect(kind, arguments, 2);
      // The second argument crosses the interface as a 32-bit integer and is then ignored.
      self.add(ToText(arguments[0]), ToLong(arguments[1]));
      return Variant();
    });
    members.Add("count", [](ComplementInfo& self, CallKind kind, Arguments arguments) {
      Expect(kind, arguments, 0);
      return Variant(self.count());
    });
    members.Add("item", [](ComplementInfo& self, CallKind kind, Arguments arguments) {
      Expect(kind, arguments, 1);
      return Variant(self.item(ToLong(arguments[0])));
    });
    return members;
  }();
  return table;
}

}  // namespace

Variant ComplementInfo::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return Members().Invoke(*this, member, kind, arguments);
}

}  // namespace k27093::files
