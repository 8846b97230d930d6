#include "framework/ui/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <string>

#include "framework/base/Exceptions.h"

namespace fw {

WindowLocation ToWindowLocation(std::int64_t value) {
  if (value < static_cast<std::int64_t>(WindowLocation::kCentredOnScreen) ||
      value > static_cast<std::int64_t>(WindowLocation::kCentredOnActiveWindow)) {
    throw InvalidPropertyException("Window location " + std::to_string(value) +
                                   " is not one this platform has.");
  }
  return static_cast<WindowLocation>(value);
}

void PlaceWindow(QWidget& frame, WindowLocation location) {
  QRect area;
  if (location == WindowLocation::kCentredOnActiveWindow &&
      QApplication::activeWindow() != nullptr) {
    area = QApplication::activeWindow()->frameGeometry();
  } else if (location != WindowLocation::kPlacedBySystem &&
             QGuiApplication::primaryScreen() != nullptr) {
    area = QGuiApplication::primaryScreen()->availableGeometry();
  } else {
    return;
  }
  frame.adjustSize();
  QRect placed(QPoint(), frame.frameGeometry().size());
  placed.moveCenter(area.center());
  // A window taller or wider than the screen, as a large scale makes it, keeps its title bar
  // and menu bar on the screen, where the user can reach them.
  const QRect screen = QGuiApplication::primaryScreen() != nullptr
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : area;
  placed.moveTopLeft(
      QPoint(std::max(placed.left(), screen.left()), std::max(placed.top(), screen.top())));
  frame.move(placed.topLeft());
}

}  // namespace fw
