#include "framework/ui/LiveWindows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

#include "framework/ui/Window.h"

namespace fw {
namespace {

std::vector<std::shared_ptr<Window>>& Windows() {
  static std::vector<std::shared_ptr<Window>> windows;
  return windows;
}

}  // namespace

std::vector<std::shared_ptr<Window>> LiveWindows() {
  return Windows();
}

std::int64_t LiveWindowCount() {
  return static_cast<std::int64_t>(Windows().size());
}

std::shared_ptr<Window> WindowAtIndex(std::int64_t index) {
  if (index < 0 || index >= LiveWindowCount()) {
    return nullptr;
  }
  return Windows()[static_cast<std::size_t>(index)];
}

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
  const auto& windows = Windows();
  auto found = std::find_if(windows.begin(), windows.end(), [className](const auto& window) {
    return window->Record().Name() == className;
  });
  return found != windows.end() ? *found : nullptr;
}

std::shared_ptr<Window> ActiveWindow() {
  const auto& windows = Windows();
  auto found = std::find_if(windows.begin(), windows.end(), [](const auto& window) {
    return window->TopWidget()->isActiveWindow();
  });
  return found != windows.end() ? *found : nullptr;
}

void AddLiveWindow(std::shared_ptr<Window> window) {
  Windows().push_back(std::move(window));
}

void RemoveLiveWindow(const Window& window) {
  std::erase_if(Windows(), [&window](const auto& live) { return live.get() == &window; });
}

namespace lifecycle {

void ReleaseAllWindows() {
  std::vector<std::shared_ptr<Window>> windows;
  windows.swap(Windows());
  for (const auto& window : windows) {
    window->TopWidget()->hide();
  }
  windows.clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace lifecycle

}  // namespace fw
