#pragma once

#include <QEvent>

namespace fw {

// The events by which the user acts on the program: what they do may depend on everything
// the program did before them, so the program's own work must be done first.
inline bool IsUserAction(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace fw
