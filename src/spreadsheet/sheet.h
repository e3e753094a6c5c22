// A sheet of a workbook: a worksheet or a chart sheet. Members a kind of sheet does not have
// raise 438 (a chart sheet has no Range).
#pragma once

#include <string>

#include "api/dispatch.h"

namespace k27093::xl {

class ChartObjects;
class Shapes;
class TextBoxes;
class CheckBoxes;
class Worksheet;

class Sheet : public Dispatch {
 public:
  virtual std::string Name() = 0;
  // Raises 1004 for an empty name, one over 31 characters or one another sheet has.
  virtual void SetName(std::string_view name) = 0;
  // 1-based tab position.
  virtual std::int32_t Index() = 0;
  virtual void Activate() = 0;
  virtual void Select() = 0;
  // Moves the sheet before the 1-based tab position `before` (Count + 1: to the end).
  virtual void Move(std::int32_t before) = 0;
  // Removes the sheet; raises 1004 for the last sheet of the workbook.
  virtual void Delete() = 0;
  virtual Ref<xl::ChartObjects> ChartObjects() = 0;
  virtual Ref<xl::Shapes> Shapes() = 0;
  // Protection of contents and drawing objects; Unprotect with the wrong password raises 1004.
  virtual void Protect(std::string_view password) = 0;
  virtual void Unprotect(std::string_view password) = 0;
  virtual bool ProtectContents() = 0;
};

class Range : public Dispatch {
 public:
  std::string_view TypeName() const override { return "Range"; }
  // "$E$4"-style address of the range.
  virtual std::string Address() = 0;
  // The value of the first cell: Empty, a number, text or a Boolean. For a multi-cell range an
  // array of the values by rows (lower bound 1).
  virtual Variant Value() = 0;
  virtual void SetValue(const Variant& value) = 0;
  // The whole text of the first cell's comment; "" when it has none.
  virtual std::string NoteText() = 0;
  // Replaces (or creates) the comment; an empty text on a cell without comment does nothing.
  virtual void SetNoteText(std::string_view text) = 0;
  virtual void ClearComments() = 0;
  virtual void Select() = 0;
  // The defined name that refers to exactly this range (a Name object); raises 1004 ("Unable
  // to get the Name property of the Range class") when none does.
  virtual Variant Name() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

class Worksheet : public Sheet {
 public:
  std::string_view TypeName() const override { return "Worksheet"; }
  // "G9", "E3:G7", "$A$1"; raises 1004 for an address that is not one.
  virtual Ref<xl::Range> Range(std::string_view address) = 0;
  virtual Ref<xl::TextBoxes> TextBoxes() = 0;
  virtual Ref<xl::CheckBoxes> CheckBoxes() = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
