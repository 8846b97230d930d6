#pragma once

#include <QKeyEvent>

namespace fw {

// Return and the keypad's Enter press buttons alike.
inline bool IsReturnKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A modifier or lock key pressed on its own: it only changes what the next key means, so it is
// no key press a window hears of.
inline bool IsModifierAlone(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
      return true;
    default:
      return false;
  }
}

}  // namespace fw
