// Late-bound face of a range and of a worksheet (with the members every sheet has).
#include "spreadsheet/sheet.h"

#include "spreadsheet/late_binding.h"
#include "spreadsheet/object_model.h"
#include "spreadsheet/sheet_members.h"

namespace k27093::xl {

namespace {

// `NoteText([Text])`: reads the comment's text; with a text (or as a property write) it
// replaces the comment first. Reading part of the text (Start, Length) is not supported.
Variant NoteText(Range& self, CallKind kind, Arguments arguments) {
  if (kind == CallKind::Put) {
    late::CheckCount(arguments, 1, 1);
    self.SetNoteText(ToText(arguments[0]));
    return Variant();
  }
  late::CheckCount(arguments, 0, 1);
  const Variant& text = ArgumentOrMissing(arguments, 0);
  if (!text.IsEmpty()) self.SetNoteText(ToText(text));
  return Variant(self.NoteText());
}

const DispatchTable<Range>& RangeTable() {
  static const auto table = late::BuildTable<Range>([](late::Members<Range>& members) {
    members.Get("Address", &Range::Address)
        .Property("Value", &Range::Value, &Range::SetValue)
        .Custom("NoteText", &NoteText, dispid::kNoteText)
        .Method("ClearComments", &Range::ClearComments)
        .Method("Select", &Range::Select)
        .Get("Name", &Range::Name);
  });
  return table;
}

const DispatchTable<Worksheet>& WorksheetTable() {
  static const auto table = late::BuildTable<Worksheet>([](late::Members<Worksheet>& members) {
    late::AddSheetMembers(members);
    members.Method("Range", &Worksheet::Range)
        .Collection("TextBoxes", &Worksheet::TextBoxes)
        .Collection("CheckBoxes", &Worksheet::CheckBoxes);
  });
  return table;
}

}  // namespace

Variant Range::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return RangeTable().Invoke(*this, member, kind, arguments);
}

Variant Range::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return RangeTable().InvokeById(*this, dispid, kind, arguments);
}

Variant Worksheet::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return WorksheetTable().Invoke(*this, member, kind, arguments);
}

}  // namespace k27093::xl
