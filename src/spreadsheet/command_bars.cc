// Late-bound face of the command bars and a command bar.
#include "spreadsheet/command_bars.h"

#include "spreadsheet/constants.h"
#include "spreadsheet/late_binding.h"

namespace k27093::xl {

namespace {

const DispatchTable<CommandBar>& CommandBarTable() {
  using B = CommandBar;
  static const auto table = late::BuildTable<B>([](late::Members<B>& members) {
    members.Get("Name", &B::Name)
        .Property("Enabled", &B::Enabled, &B::SetEnabled)
        .Property("Visible", &B::Visible, &B::SetVisible)
        .Property("Position", &B::Position, &B::SetPosition);
  });
  return table;
}

const DispatchTable<CommandBars>& CommandBarsTable() {
  static const auto table = late::BuildTable<CommandBars>([](late::Members<CommandBars>& members) {
    members.Get("Count", &CommandBars::Count, dispid::kCount).Method("Item", &CommandBars::Item);
  });
  return table;
}

}  // namespace

Variant CommandBar::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return CommandBarTable().Invoke(*this, member, kind, arguments);
}

Variant CommandBars::Invoke(std::string_view member, CallKind kind, Arguments arguments) {
  return CommandBarsTable().Invoke(*this, member, kind, arguments);
}

Variant CommandBars::InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) {
  return CommandBarsTable().InvokeById(*this, dispid, kind, arguments);
}

}  // namespace k27093::xl
