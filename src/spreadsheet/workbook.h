// Workbooks, a workbook and its sheets. Look-ups by name ignore case; a name or position
// that does not exist raises 9.
#pragma once

#include <string>

#include "api/dispatch.h"
#include "spreadsheet/sheet.h"

namespace k27093::xl {

class Workbook;

class Sheets : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Sheets"; }
  virtual std::int32_t Count() = 0;
  // 1-based tab position or name (case ignored); raises 9 when missing.
  virtual Ref<xl::Sheet> Item(const Variant& index) = 0;
  // Inserts a new worksheet before the active sheet and activates it.
  virtual Ref<xl::Worksheet> Add() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

class Workbook : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Workbook"; }
  // The file name without folder ("Ventes.xls"; "Classeur1" for a new workbook).
  virtual std::string Name() = 0;
  // The folder, without trailing separator ("" for a new workbook).
  virtual std::string Path() = 0;
  virtual std::string FullName() = 0;
  virtual void Activate() = 0;
  // Closes without asking; the file is never written when saveChanges is false.
  virtual void Close(bool saveChanges) = 0;
  // All sheets, chart sheets included, in tab order.
  virtual Ref<xl::Sheets> Sheets() = 0;
  // The worksheets only.
  virtual Ref<xl::Sheets> Worksheets() = 0;
  virtual Ref<xl::Sheet> ActiveSheet() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class Workbooks : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Workbooks"; }
  virtual std::int32_t Count() = 0;
  // 1-based position or name (case ignored); raises 9 when missing.
  virtual Ref<xl::Workbook> Item(const Variant& index) = 0;
  // Opens a workbook file (recognised by content) and activates it. A missing, unreadable or
  // damaged file raises 1004 with a description naming the file and the reason. A workbook
  // of the same name already open raises 1004.
  virtual Ref<xl::Workbook> Open(std::string_view fileName) = 0;
  // A new workbook with one empty sheet, activated.
  virtual Ref<xl::Workbook> Add() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
