// Office command bars (toolbars and the task pane). Look-up by name ignores case.
#pragma once

#include <string>

#include "api/dispatch.h"

namespace k27093::xl {

class CommandBar : public Dispatch {
 public:
  std::string_view TypeName() const override { return "CommandBar"; }
  virtual std::string Name() = 0;
  virtual bool Enabled() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // A disabled bar reads as hidden, and showing it leaves it hidden.
  virtual bool Visible() = 0;
  virtual void SetVisible(bool visible) = 0;
  // MsoBarPosition.
  virtual std::int32_t Position() = 0;
  virtual void SetPosition(std::int32_t position) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
};

class CommandBars : public Dispatch {
 public:
  std::string_view TypeName() const override { return "CommandBars"; }
  virtual std::int32_t Count() = 0;
  // 1-based position or name (case ignored); raises 5 when missing, as Office does.
  virtual Ref<xl::CommandBar> Item(const Variant& index) = 0;
  Variant Invoke(std::string_view member, CallKind kind, Arguments arguments) override;
  Variant InvokeById(std::int32_t dispid, CallKind kind, Arguments arguments) override;
};

}  // namespace k27093::xl
