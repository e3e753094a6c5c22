#include "engine/application/assistant_balloon.h"

#include <string>

namespace k27093::engine {

namespace {

struct ChildSpec {
  std::string_view className;
  std::string_view title;
};

constexpr ChildSpec kChildren[] = {
    {"Static", "Que voulez-vous faire ?"},
    {"Edit", ""},
    {"Button", "Rechercher"},
    {"Button", "Options"},
};
constexpr std::size_t kRefusingChild = 2;  // the first button

}  // namespace

Hwnd ShowAssistantBalloon(platform::SimulatedDesktop& desktop, Hwnd owner,
                          const BalloonOptions& options) {
  platform::WindowSpec spec;
  spec.className = kBalloonClass;
  spec.owner = owner;
  spec.visible = true;
  const Hwnd balloon = desktop.CreateWindow(spec);
  for (std::size_t i = 0; i < std::size(kChildren); ++i) {
    platform::WindowSpec child;
    child.className = kChildren[i].className;
    child.title = kChildren[i].title;
    child.parent = balloon;
    child.visible = true;
    const Hwnd handle = desktop.CreateWindow(child);
    if (options.childRefusesClose && i == kRefusingChild) {
      desktop.SetMessageHandler(handle, [](Hwnd, unsigned) -> std::intptr_t { return 0; });
    }
  }
  return balloon;
}

}  // namespace k27093::engine
