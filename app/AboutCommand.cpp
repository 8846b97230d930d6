#include "app/AboutCommand.h"

#include "app/Sortivale.h"
#include "framework/runtime/Cast.h"
#include "framework/runtime/MethodBinding.h"
#include "framework/runtime/MethodCall.h"
#include "windows/AboutWnd.h"
#include "windows/Window1.h"

namespace {
constexpr const char* kItemName = "AppleAboutSortivale";
}

std::shared_ptr<fw::AppleMenuItem> AppleAboutSortivale() {
  std::shared_ptr<fw::MenuBar> bar = fw::NotNil(fw::NotNil(App())->GetMenuBar());
  // The lookup searches the whole tree: the item lies in the Edit menu, not on the bar.
  const fw::Value arguments[] = {fw::Value(fw::String(kItemName))};
  return fw::FromValue<std::shared_ptr<fw::AppleMenuItem>>(
      fw::RuntimeCallMethod(*bar, "_Lookup", arguments));
}

void Window1::AddMenuHandlers(const std::shared_ptr<fw::Window>& w) {
  auto window = fw::RuntimeCheckCast<Window1>(w);
  fw::Delegate handler = fw::RuntimeCreateDelegate(
      fw::NotNil(window)->Record().FindMethod("_AppleAboutSortivale_Action"), window);
  AddMenuHandler(kItemName, std::move(handler));
}

void Window1::Event_EnableMenuItems() {
  fw::RuntimeCallMethod(*fw::NotNil(AppleAboutSortivale()), "Enable");
}

bool Window1::AppleAboutSortivale_Action() {
  fw::NotNil(ImplicitAboutWnd())->Show();
  return false;
}
