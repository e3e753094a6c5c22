// Fichier: the record of one working file of a question, and its late-bound face (the
// record's fields read by name: "NomSource", "NomDest", "Modele").
#pragma once

#include <string>

#include "api/dispatch.h"

namespace k27093::files {

struct Fichier {
  std::string NomSource;  // the model file's name as delivered, without folder
  std::string NomDest;    // the working name it gets in the same folder
  bool Modele = false;    // true: in the models folder; false: in the working folder
};

// A copy of a Fichier reachable late-bound (fields by name, read and written).
class FichierRecord : public Dispatch {
 public:
  explicit FichierRecord(Fichier value) : value_(std::move(value)) {}
  std::string_view TypeName() const override { return "Fichier"; }
  const Fichier& value() const { return value_; }
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;

 private:
  Fichier value_;
};

}  // namespace k27093::files
