// Late-bound face of the workbook collection, a workbook and its sheet collections.
#include "spreadsheet/workbook.h"

#include "spreadsheet/late_binding.h"
#include "spreadsheet/object_model.h"

namespace k27093::xl {

namespace {

const DispatchTable<Sheets>& SheetsTable() {
  static const auto table = late::BuildTable<Sheets>([](late::Members<Sheets>& members) {
    members.Get("Count", &Sheets::Count, dispid::kCount)
        .Method("Item", &Sheets::Item)
        .Method("Add", &Sheets::Add);
  });
  return table;
}

// `Close([SaveChanges])`: an omitted SaveChanges closes without saving.
Variant CloseWorkbook(Workbook& self, CallKind kind, Arguments arguments) {
  late::CheckRead(kind);
  late::CheckCount(arguments, 0, 1);
  const Variant& saveChanges = ArgumentOrMissing(arguments, 0);
  self.Close(saveChanges.IsEmpty() ? false : ToBoolean(saveChanges));
  return Variant();
}

const DispatchTable<Workbook>& WorkbookTable() {
  static const auto table = late::BuildTable<Workbook>([](late::Members<Workbook>& members) {
    members.Get("Name", &Workbook::Name)
        .Get("Path", &Workbook::Path)
        .Get("FullName", &Workbook::FullName)
        .Method("Activate", &Workbook::Activate)
        .Custom("Close", &CloseWorkbook)
        .Collection("Sheets", &Workbook::Sheets)
        .Collection("Worksheets", &Workbook::Worksheets)
        .Get("ActiveSheet", &Workbook::ActiveSheet);
  });
  return table;
}

const DispatchTable<Workbooks>& WorkbooksTable() {
  static const auto table = late::BuildTable<Workbooks>([](late::Members<Workbooks>& members) {
    members.Get("Count", &Workbooks::Count, dispid::kCount)
        .Method("Item", &Workbooks::Item)
        .Method("Open", &Workbooks::Open)
        .Method("Add", &Workbooks::Add);
  });
  return table;
}

}  // namespace

Variant Sheets::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return SheetsTable().Invoke(*this, member, kind, arguments);
}

Variant Sheets::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return SheetsTable().InvokeById(*this, dispid, kind, arguments);
}

Variant Workbook::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return WorkbookTable().Invoke(*this, member, kind, arguments);
}

Variant Workbooks::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return WorkbooksTable().Invoke(*this, member, kind, arguments);
}

Variant Workbooks::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return WorkbooksTable().InvokeById(*this, dispid, kind, arguments);
}

}  // namespace k27093::xl
