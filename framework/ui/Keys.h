#pragma once

#include <QKeyEvent>

namespace fw {

// Return and the keypad's Enter press buttons alike.
inline bool IsReturnKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace fw
