#pragma once

#include <memory>

namespace fw {

class MenuBar;

// The menu bar the windows show above their client areas. The application object owns it and
// names it here; the windows only look at it.
std::shared_ptr<MenuBar> ApplicationMenuBar();
// Names the menu bar, nil for none; windows show it from their next refresh on.
void SetApplicationMenuBar(const std::shared_ptr<MenuBar>& menuBar);
// Builds every live window's menu bar afresh from the model, in the windows that show one.
void RefreshMenuBars();

}  // namespace fw
