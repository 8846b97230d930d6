#include "framework/ui/ApplicationMenuBar.h"

#include "framework/ui/LiveWindows.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Window.h"

namespace fw {
namespace {

std::weak_ptr<MenuBar>& Named() {
  static std::weak_ptr<MenuBar> menuBar;
  return menuBar;
}

}  // namespace

std::shared_ptr<MenuBar> ApplicationMenuBar() {
  return Named().lock();
}

void SetApplicationMenuBar(const std::shared_ptr<MenuBar>& menuBar) {
  Named() = menuBar;
}

void RefreshMenuBars() {
  for (const auto& window : LiveWindows()) {
    window->InstallMenuBarView();
  }
}

}  // namespace fw
