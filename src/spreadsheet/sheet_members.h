// The members every sheet has, worksheet or chart sheet, written once for the late-bound
// tables of both kinds. Private to src/spreadsheet.
#pragma once

#include <string>

#include "spreadsheet/chart.h"
#include "spreadsheet/late_binding.h"
#include "spreadsheet/shapes.h"
#include "spreadsheet/sheet.h"

namespace k27093::xl::late {

// `Move(Before, After)`: the sheet goes before the sheet `Before`, or after the sheet `After`.
// A value that is not a sheet raises 13; neither of them raises 1004 (moving a sheet into a
// new workbook is not supported).
template <class T>
Variant MoveSheet(T& self, CallKind kind, Arguments arguments) {
  CheckRead(kind);
  CheckCount(arguments, 0, 2);
  const Variant& before = ArgumentOrMissing(arguments, 0);
  const Variant& after = ArgumentOrMissing(arguments, 1);
  if (!before.IsEmpty()) {
    self.Move(ToObject<Sheet>(before)->Index());
  } else if (!after.IsEmpty()) {
    self.Move(ToObject<Sheet>(after)->Index() + 1);
  } else {
    Raise(errors::kApplication, "Move method of " + std::string(self.TypeName()) + " class failed",
          std::string(kSpreadsheetSource));
  }
  return Variant();
}

// `Protect([Password])` and `Unprotect([Password])`: an omitted password is "".
template <class T>
typename Members<T>::Handler Protection(void (Sheet::*change)(std::string_view)) {
  return [change](T& self, CallKind kind, Arguments arguments) {
    CheckRead(kind);
    CheckCount(arguments, 0, 1);
    (self.*change)(ToText(ArgumentOrMissing(arguments, 0)));
    return Variant();
  };
}

// Adds Name, Index, Activate, Select, Move, Delete, ChartObjects, Shapes, Protect, Unprotect
// and ProtectContents to the table of a kind of sheet.
template <class T>
requires std::is_base_of_v<Sheet, T>
void AddSheetMembers(Members<T>& members) {
  members.Property("Name", &Sheet::Name, &Sheet::SetName)
      .Get("Index", &Sheet::Index)
      .Method("Activate", &Sheet::Activate)
      .Method("Select", &Sheet::Select)
      .Custom("Move", &MoveSheet<T>)
      .Method("Delete", &Sheet::Delete)
      .Collection("ChartObjects", &Sheet::ChartObjects)
      .Collection("Shapes", &Sheet::Shapes)
      .Custom("Protect", Protection<T>(&Sheet::Protect))
      .Custom("Unprotect", Protection<T>(&Sheet::Unprotect))
      .Get("ProtectContents", &Sheet::ProtectContents);
}

}  // namespace k27093::xl::late
