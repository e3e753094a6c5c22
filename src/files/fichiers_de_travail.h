// FichiersDeTravail: the list of a question's working files. 1-based for callers; index 0
// exists once the first entry is added and is never written. Entries are copies in and out.
#pragma once

#include <cstdint>

#include "api/dispatch.h"
#include "files/fichier.h"
#include "files/indexed_list.h"

namespace k27093::files {

class FichiersDeTravail : public Dispatch {
 public:
  std::string_view TypeName() const override { return "FichiersDeTravail"; }

  // Appends a copy of the record. Raises 6 when the count is already 2147483647 (the list
  // is then unchanged).
  void add(std::string_view siNomSource, std::string_view siNomDest, bool biModele);
  std::int32_t count() const;
  // A copy of entry noItem (0 gives the never-written entry). Raises 9 on an empty list or
  // an index outside 0..count.
  Fichier Item(std::int32_t noItem) const;

  // Late-bound: "add", "count", "Item" (the record as a FichierRecord object).
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;

  IndexedList<Fichier>& storage() { return list_; }

 private:
  IndexedList<Fichier> list_;
};

}  // namespace k27093::files
