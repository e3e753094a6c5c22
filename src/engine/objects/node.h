// Node: what every object of the engine's object model holds: the application's session and
// the presence of the document object it shows. `Enter` is called first by every member.
#pragma once

#include <memory>

#include "engine/application/excel_errors.h"
#include "engine/objects/presence.h"
#include "engine/application/session.h"

namespace k27093::engine {

class Node {
 public:
  Node(std::shared_ptr<Session> session, std::shared_ptr<const Presence> presence)
      : session_(std::move(session)), presence_(std::move(presence)) {}

  const std::shared_ptr<Session>& session() const { return session_; }
  const std::shared_ptr<const Presence>& presence() const { return presence_; }

 protected:
  // Raises 462 once the application is gone, and the disconnected-object error once the
  // object was deleted or closed.
  void Enter() const {
    session_->Enter();
    if (!presence_->Present()) RaiseDisconnected();
  }

 private:
  std::shared_ptr<Session> session_;
  std::shared_ptr<const Presence> presence_;
};

}  // namespace k27093::engine
