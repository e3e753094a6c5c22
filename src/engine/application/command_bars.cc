#include "engine/application/command_bars.h"

#include "engine/objects/collection.h"
#include "spreadsheet/constants.h"

namespace k27093::engine {

namespace {

// Office 2003's command bars of the spreadsheet, in their collection order.
constexpr const char* kBarNames[] = {"Worksheet Menu Bar",
                                     "Chart Menu Bar",
                                     "Standard",
                                     "Formatting",
                                     "PivotTable",
                                     "Chart",
                                     "Reviewing",
                                     "Forms",
                                     "Stop Recording",
                                     "External Data",
                                     "Formula Auditing",
                                     "Full Screen",
                                     "Circular Reference",
                                     "Visual Basic",
                                     "Web",
                                     "Control Toolbox",
                                     "Exit Design Mode",
                                     "Refresh",
                                     "Watch Window",
                                     "PivotTable Field List",
                                     "Borders",
                                     "Protection",
                                     "Text To Speech",
                                     "List",
                                     "Compare Side by Side",
                                     "Drawing",
                                     "Task Pane",
                                     "Property Editor",
                                     "Research",
                                     "Drawing Canvas",
                                     "Organization Chart",
                                     "Diagram",
                                     "Picture",
                                     "Shadow Settings",
                                     "3-D Settings",
                                     "WordArt",
                                     "Ink Drawing and Writing",
                                     "Ink Annotations",
                                     "Clipboard",
                                     "Envelope",
                                     "Online Meeting",
                                     "Edit Picture"};

struct DefaultState {
  const char* name;
  bool visible;
  std::int32_t position;
};

constexpr DefaultState kDocked[] = {
    {"Worksheet Menu Bar", true, xl::kBarTop}, {"Chart Menu Bar", false, xl::kBarTop},
    {"Standard", true, xl::kBarTop},           {"Formatting", true, xl::kBarTop},
    {"Drawing", false, xl::kBarBottom},        {"Task Pane", true, xl::kBarRight},
};

}  // namespace

std::vector<std::shared_ptr<CommandBarState>> DefaultCommandBars() {
  std::vector<std::shared_ptr<CommandBarState>> bars;
  for (const char* name : kBarNames) {
    auto bar = std::make_shared<CommandBarState>();
    bar->name = name;
    bar->position = xl::kBarFloating;
    for (const auto& docked : kDocked) {
      if (bar->name == docked.name) {
        bar->visible = docked.visible;
        bar->position = docked.position;
      }
    }
    bars.push_back(std::move(bar));
  }
  return bars;
}

CommandBarImpl::CommandBarImpl(std::shared_ptr<Session> session,
                               std::shared_ptr<CommandBarState> state)
    : Node(std::move(session), Presence::Under(nullptr)), state_(std::move(state)) {}

std::string CommandBarImpl::Name() {
  Enter();
  return state_->name;
}

bool CommandBarImpl::Enabled() {
  Enter();
  return state_->enabled;
}

void CommandBarImpl::SetEnabled(bool enabled) {
  Enter();
  state_->enabled = enabled;
}

bool CommandBarImpl::Visible() {
  Enter();
  return state_->enabled && state_->visible;
}

void CommandBarImpl::SetVisible(bool visible) {
  Enter();
  if (state_->enabled) state_->visible = visible;
}

std::int32_t CommandBarImpl::Position() {
  Enter();
  return state_->position;
}

void CommandBarImpl::SetPosition(std::int32_t position) {
  Enter();
  if (position < xl::kBarLeft || position > xl::kBarFloating) Raise(errors::kInvalidCall);
  state_->position = position;
}

CommandBarsImpl::CommandBarsImpl(std::shared_ptr<Session> session,
                                 std::vector<std::shared_ptr<CommandBarState>> bars)
    : Node(std::move(session), Presence::Under(nullptr)), bars_(std::move(bars)) {}

std::int32_t CommandBarsImpl::Count() {
  Enter();
  return static_cast<std::int32_t>(bars_.size());
}

Ref<xl::CommandBar> CommandBarsImpl::Item(const Variant& index) {
  Enter();
  auto bar = FindItem(bars_, index, [](const CommandBarState& state) { return state.name; });
  if (!bar) Raise(errors::kInvalidCall);
  return MakeRef<CommandBarImpl>(session(), bar);
}

}  // namespace k27093::engine
