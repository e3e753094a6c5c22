// The command bars of the spreadsheet (Office 2003's list, in its order): menu bars, toolbars
// and the task pane, with their enabled state, visibility and docking position. Look-up by
// name ignores case; a missing bar raises 5.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/objects/node.h"
#include "spreadsheet/command_bars.h"

namespace k27093::engine {

struct CommandBarState {
  std::string name;
  bool enabled = true;
  bool visible = false;
  std::int32_t position = 4;  // MsoBarPosition; floating unless docked
};

// The bars of a fresh application, in the collection's order (42 bars: the menu bars and
// toolbars; the shortcut menus are not listed): "Standard" 3rd and "Formatting" 4th (both
// docked at the top and shown), then the spreadsheet's other toolbars, then from the 26th the
// bars shared with the other Office programs: "Drawing" (at the bottom, hidden), "Task Pane"
// 27th (on the right, shown) ... The others float, hidden.
std::vector<std::shared_ptr<CommandBarState>> DefaultCommandBars();

class CommandBarImpl : public xl::CommandBar, public Node {
 public:
  CommandBarImpl(std::shared_ptr<Session> session, std::shared_ptr<CommandBarState> state);
  std::string Name() override;
  bool Enabled() override;
  void SetEnabled(bool enabled) override;
  bool Visible() override;
  void SetVisible(bool visible) override;
  std::int32_t Position() override;
  // Raises 5 for a value that is not a docking position (0 to 4).
  void SetPosition(std::int32_t position) override;

 private:
  std::shared_ptr<CommandBarState> state_;
};

class CommandBarsImpl : public xl::CommandBars, public Node {
 public:
  CommandBarsImpl(std::shared_ptr<Session> session,
                  std::vector<std::shared_ptr<CommandBarState>> bars);
  std::int32_t Count() override;
  Ref<xl::CommandBar> Item(const Variant& index) override;

 private:
  std::vector<std::shared_ptr<CommandBarState>> bars_;
};

}  // namespace k27093::engine
