#include "files/fichier.h"

#include "api/text.h"

namespace k27093::files {

namespace {

enum class Field { NomSource, NomDest, Modele };

// The field a late-bound name designates (case ignored); false for a name the record lacks.
bool FindField(std::string_view member, Field& field) {
  auto name = AsciiLower(member);
  if (name == "nomsource") field = Field::NomSource;
  else if (name == "nomdest") field = Field::NomDest;
  else if (name == "modele") field = Field::Modele;
  else return false;
  return true;
}

}  // namespace

Variant FichierRecord::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  Field field;
  if (!FindField(member, field)) Raise(errors::kNoMember);
  if (kind == CallKind::Put) {
    if (arguments.size() != 1) Raise(errors::kWrongArguments);
    switch (field) {
      case Field::NomSource: value_.NomSource = ToText(arguments[0]); break;
      case Field::NomDest: value_.NomDest = ToText(arguments[0]); break;
      case Field::Modele: value_.Modele = ToBoolean(arguments[0]); break;
    }
    return Variant();
  }
  if (!arguments.empty()) Raise(errors::kWrongArguments);
  switch (field) {
    case Field::NomSource: return Variant(value_.NomSource);
    case Field::NomDest: return Variant(value_.NomDest);
    case Field::Modele: return Variant(value_.Modele);
  }
  return Variant();
}

}  // namespace k27093::files
