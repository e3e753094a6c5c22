#include "files/fichiers_de_travail.h"

#include <memory>

#include "api/dispatch_table.h"

namespace k27093::files {

void FichiersDeTravail::add(std::string_view siNomSource, std::string_view siNomDest,
                            bool biModele) {
  list_.Add(Fichier{std::string(siNomSource), std::string(siNomDest), biModele});
}

std::int32_t FichiersDeTravail::count() const { return list_.count(); }

Fichier FichiersDeTravail::Item(std::int32_t noItem) const { return list_.At(noItem); }

namespace {

// Members are methods or property reads: a property write raises 438, a wrong number of
// arguments 450.
void Expect(CallKind kind, Arguments arguments, std::size_t count) {
  if (kind == CallKind::Put) Raise(errors::kNoMember);
  if (arguments.size() != count) Raise(errors::kWrongArguments);
}

const DispatchTable<FichiersDeTravail>& Members() {
  static const DispatchTable<FichiersDeTravail> table = [] {
    DispatchTable<FichiersDeTravail> members;
    members.Add("add", [](FichiersDeTravail& self, CallKind kind, Arguments arguments) {
      Expect(kind, arguments, 3);
      self.add(ToText(arguments[0]), ToText(arguments[1]), ToBoolean(arguments[2]));
      return Variant();
    });
    members.Add("count", [](FichiersDeTravail& self, CallKind kind, Arguments arguments) {
      Expect(kind, arguments, 0);
      return Variant(self.count());
    });
    members.Add("Item", [](FichiersDeTravail& self, CallKind kind, Arguments arguments) {
      Expect(kind, arguments, 1);
      return Variant(std::make_shared<FichierRecord>(self.Item(ToLong(arguments[0]))));
    });
    return members;
  }();
  return table;
}

}  // namespace

Variant FichiersDeTravail::Invoke(std::string_view member, CallKind kind,
                                  Arguments arguments) {
  return Members().Invoke(*this, member, kind, arguments);
}

}  // namespace k27093::files
